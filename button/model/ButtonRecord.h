// SPDX-License-Identifier: MIT
#pragma once

#include "button/model/ButtonTypes.h"
#include "button/model/StoredProperties.h"
#include "platform/Geometry.h"
#include "platform/Picture.h"
#include "platform/SharedFont.h"

#include <QString>

#include <array>
#include <memory>
#include <optional>

// A picture-effect table: the value each channel value (0 to 255) becomes.
// Every button starts with the same standard tables, so a table refers to
// shared values until it is written to, and is then copied for its holder
// alone (the record it belongs to may be copied, so both keep their own).
class EffectTable {
public:
  using Values = std::array<quint8, 256>;

  // Refers to `values`, which outlive every table (no copy is made).
  void share(const Values& values) { values_ = std::shared_ptr<const Values>(std::shared_ptr<void>(), &values); }

  quint8 operator[](std::size_t i) const { return read()[i]; }
  quint8& operator[](std::size_t i) { return write()[i]; }
  const quint8* data() const { return read().data(); }
  quint8* data() { return write().data(); }
  const quint8* begin() const { return read().data(); }
  quint8* begin() { return write().data(); }

private:
  const Values& read() const {
    static const Values zeros{};
    return values_ ? *values_ : zeros;
  }
  Values& write() {
    // use_count() is 0 for shared values nobody owns, above 1 for values
    // another table refers to: both are copied first.
    if (values_.use_count() != 1)
      values_ = std::make_shared<Values>(read());
    return const_cast<Values&>(*values_); // made non-const just above
  }
  std::shared_ptr<const Values> values_;
};

// The record of one vexabutton: its stored properties (shared with the
// description of a paint) and the run-time fields that input, focus and
// drawing share, under the names the rest of
// the code uses. Plain data: renderers read it and write only ButtonState
// (the forced-Down rule), the layout rectangles and the size fields.
struct ButtonRecord : vexa::StoredProperties {
  // The shared visual states, as plain numbers the state field compares with.
  enum State : qint32 {
    Normal = qint32(vexa::State::Normal),
    Hot = qint32(vexa::State::Hot),
    Down = qint32(vexa::State::Down),
  };

  // Tooltip settings kept with the record.
  struct TooltipSettings {
    bool centred = false;     // never set
    bool rightToLeft = false; // always equal to RightToLeft
  } Tooltip;

  // Run-time state. MousePointer and MouseIcon are not here: they are the
  // widget's own pointer code and custom pointer picture. The shell library
  // handle of older hosts has no counterpart: web addresses open through the
  // desktop services, which need nothing loaded.
  qint32 ButtonState = Normal;
  bool MouseInside = false;
  bool MousePressed = false;
  bool SpaceDown = false;
  bool HasFocus = false;
  bool ParentActive = false;
  bool IsDefault = false;
  bool HandCursor = false; // the system hand pointer is loaded
  bool UnicodeText = true;
  quintptr ParentHwnd = 0;
  qint16 LastButton = 0;
  qint16 LastShift = 0;
  float LastX = 0;
  float LastY = 0;
  bool PopupMenuSet = false;
  bool MenuJustClosed = false;
  bool PopupMenuShowing = false;

  // Paint fields.
  qint32 ClientWidth = 0;
  qint32 ClientHeight = 0;
  platform::Rect ClientRect;
  platform::Rect CaptionRect;
  platform::Rect PictureRect;
  // The picture's place as the layout last computed it, before a pressed
  // paint's offset: PictureAlign values the layout does not name keep it.
  qint32 PicturePlacedLeft = 0;
  qint32 PicturePlacedTop = 0;
  platform::Rect SymbolRect;
  qint32 PictureWidth = 0;
  qint32 PictureHeight = 0;
  platform::PicturePtr CurrentPicture;

  // What the paint code needs to know of its surroundings.
  bool VisualStylesActive = false; // the answer of IsThemed, kept once evaluated
  bool UserMode = true;            // the host runs (not designing)

  // Colours the control took from the system and keeps as RGB values: a
  // load's value for a missing key, the style's defaults. While a property
  // still holds the value taken, it is drawn as that system colour is now.
  struct TakenColours {
    std::optional<qint32> BackColor;        // the button face
    std::optional<qint32> ForeColor;        // the button text
    std::optional<qint32> ForeColorHover;   // the button text
    std::optional<qint32> TooltipBackColor; // the tooltip background
  } TakenFromSystem;

  // Picture-effect tables, filled once at creation (the standard values are
  // shared by every record until one is rewritten).
  EffectTable LightenTable;
  EffectTable DarkenTable;
};
