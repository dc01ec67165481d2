// SPDX-License-Identifier: MIT
#pragma once

#include "button/model/ButtonTypes.h"
#include "platform/Picture.h"
#include "platform/SharedFont.h"

#include <QString>

namespace vexa {

// The stored properties of a button, as its record keeps them and as a
// paint reads them: the record is one, and the description of a paint
// starts as a copy of it. A new stored property is a field here, a row of
// the property list (ButtonProperties.h) and the code that draws it.
// The values here are the zero values; a new instance and the load pass
// set the real ones.
struct StoredProperties {
  qint32 ButtonStyle = 0; // values without a renderer draw the cleared surface only
  bool ShowFocusRect = false;
  platform::SharedFontPtr mFont;
  qint32 BackColor = 0; // colours as stored: RGB or system-colour references
  bool Enabled = true;
  QString Caption;
  bool Value = false;
  bool HandPointer = false;
  platform::PicturePtr PictureNormal;
  platform::PicturePtr PictureHot;
  platform::PicturePtr PictureDown;
  bool PictureShadow = false;
  quint8 PictureOpacity = 255;
  quint8 PictureOpacityOnOver = 255;
  qint32 DisabledPictureMode = qint32(DisabledPictureLook::Faded);
  bool PicturePushOnHover = false;
  qint32 PictureEffectOnOver = qint32(PictureEffect::None);
  qint32 PictureEffectOnDown = qint32(PictureEffect::None);
  qint32 MaskColor = 0xE0E0E0;
  bool UseMaskColor = true;
  qint32 CaptionEffects = qint32(CaptionEffect::None);
  qint32 Mode = qint32(vexa::Mode::PushButton);
  qint32 PictureAlign = qint32(PictureAlignment::LeftOfCaption);
  qint32 CaptionAlign = qint32(CaptionAlignment::Center);
  qint32 ForeColor = 0;
  qint32 ForeColorHover = 0;
  bool DropDownSeparator = false;
  QString TooltipTitle;
  QString ToolTip;
  qint32 TooltipIcon = 0;
  qint32 TooltipType = 0;
  qint32 TooltipBackColor = 0;
  bool RightToLeft = false;
  qint32 DropDownSymbol = 0;
  qint32 ColorScheme = 0;
};

} // namespace vexa
