// SPDX-License-Identifier: MIT
#pragma once

#include "button/model/ButtonTypes.h"
#include "button/model/StoredProperties.h"
#include "platform/Geometry.h"
#include "platform/Picture.h"
#include "platform/Surface.h"
#include "platform/SystemColors.h"

#include <QString>

// What one paint of a button reads, and what it gives back. The renderers
// draw from a ButtonPaint without writing to it; whoever owns the button's
// state (the widget, a tool, a style drawing a plain push button) builds the
// description, paints, and applies the result as it sees fit.
namespace vexa {

// The stored properties are the record's own (StoredProperties); the rest
// are the run-time facts the paint depends on.
struct ButtonPaint : StoredProperties {
  // The state to draw. A checked toggle of most styles is drawn Down: the
  // builder applies that rule (see ForcedDownState), the renderers do not.
  qint32 state = qint32(State::Normal);

  bool hasFocus = false;
  bool isDefault = false;
  bool parentActive = false;
  bool mouseInside = false;
  bool mousePressed = false;
  bool userMode = true;            // running, not being designed: the focus rectangle shows
  bool visualStylesActive = false; // the System style draws the desktop theme
  bool unicodeText = true;
  bool mirrored = false; // picture and drop-down cell on the other side (a right-to-left Qt button)

  // The channel maps of the lighten and darken effects, 256 entries each;
  // null for the standard ones.
  const quint8* lightenTable = nullptr;
  const quint8* darkenTable = nullptr;

  // Where the previous layout put the picture (before a pressed offset):
  // PictureAlign values the layout does not name leave it there.
  qint32 previousPictureLeft = 0;
  qint32 previousPictureTop = 0;

  bool checked() const { return Mode != qint32(vexa::Mode::PushButton) && Value; }
};

// What a paint computed.
struct PaintResult {
  qint32 state = 0; // the state drawn
  qint32 clientWidth = 0;
  qint32 clientHeight = 0;
  // The content pass ran: the layout fields below hold its results. A paint
  // that draws no content leaves the previous layout standing.
  bool laidOut = false;
  platform::Rect captionRect;
  platform::Rect pictureRect;
  platform::Rect symbolRect;
  qint32 pictureLeft = 0; // the picture's place before a pressed offset
  qint32 pictureTop = 0;
  qint32 pictureWidth = 0;
  qint32 pictureHeight = 0;
  platform::PicturePtr currentPicture;
  // Where the colours under the caption came from (see DrawCaptionAndPicture).
  platform::SystemColors::Source face = platform::SystemColors::Source::System;
};

// The state a stored state draws as: a checked toggle shows pressed, except
// in the styles that draw their own checked look.
qint32 ForcedDownState(const ButtonPaint& paint);

// Clears the surface and draws the button of `paint` on it, the window
// region included; returns the layout and the state it drew.
PaintResult Redraw(const ButtonPaint& paint, platform::Surface& surface);

} // namespace vexa
