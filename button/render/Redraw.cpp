// SPDX-License-Identifier: MIT
#include "button/render/Redraw.h"

#include "button/render/Styles.h"
#include "platform/SystemColors.h"

#include <array>

namespace vexa {

namespace {

// System: the themed push button while visual styles are active, else the
// RoundedGradient look.
void DrawSystemStyle(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result) {
  if (paint.visualStylesActive)
    DrawThemed(paint, surface, result);
  else
    DrawRoundedGradient(paint, surface, result);
}

// Renderers by ButtonStyle, in the order of the Style names.
constexpr std::array<StyleRenderer, 14> Renderers = {
    DrawClassic,         // Classic
    DrawClassic,         // ClassicThin
    DrawRoundedGradient, // RoundedGradient
    DrawBlueGlass,       // BlueGlass
    DrawToolbar,         // Toolbar
    DrawWarmHighlight,   // WarmHighlight
    DrawSilver,          // Silver
    DrawSoftBlue,        // SoftBlue
    DrawGel,             // Gel
    DrawWhiteGloss,      // WhiteGloss
    DrawShaded,          // Shaded
    DrawClassic,         // FlatClassic
    DrawClassic,         // FlatThin
    DrawSystemStyle,     // System
};

} // namespace

qint32 ForcedDownState(const ButtonPaint& paint) {
  if (paint.checked() && !is(paint.ButtonStyle, Style::Classic) && !is(paint.ButtonStyle, Style::Silver))
    return qint32(State::Down);
  return paint.state;
}

qint32 DrawnColour(qint32 stored, const std::optional<qint32>& taken, int systemIndex) {
  return taken && *taken == stored ? qint32(0x80000000u | unsigned(systemIndex)) : stored;
}

ButtonPaint describe(const ButtonRecord& rec) {
  ButtonPaint paint;
  static_cast<StoredProperties&>(paint) = rec;
  // A colour the button took from the system is drawn as the system shows
  // it now.
  using namespace platform::SystemColors;
  paint.BackColor = DrawnColour(rec.BackColor, rec.TakenFromSystem.BackColor, ButtonFace);
  paint.ForeColor = DrawnColour(rec.ForeColor, rec.TakenFromSystem.ForeColor, ButtonText);
  paint.ForeColorHover = DrawnColour(rec.ForeColorHover, rec.TakenFromSystem.ForeColorHover, ButtonText);
  paint.state = rec.ButtonState;
  paint.hasFocus = rec.HasFocus;
  paint.isDefault = rec.IsDefault;
  paint.parentActive = rec.ParentActive;
  paint.mouseInside = rec.MouseInside;
  paint.mousePressed = rec.MousePressed;
  paint.userMode = rec.UserMode;
  paint.visualStylesActive = rec.VisualStylesActive;
  paint.unicodeText = rec.UnicodeText;
  paint.lightenTable = rec.LightenTable.data();
  paint.darkenTable = rec.DarkenTable.data();
  paint.previousPictureLeft = rec.PicturePlacedLeft;
  paint.previousPictureTop = rec.PicturePlacedTop;
  paint.state = ForcedDownState(paint);
  return paint;
}

void apply(const PaintResult& result, ButtonRecord& rec) {
  rec.ButtonState = result.state;
  rec.ClientWidth = result.clientWidth;
  rec.ClientHeight = result.clientHeight;
  rec.ClientRect = {0, 0, result.clientWidth, result.clientHeight};
  if (!result.laidOut)
    return;
  rec.CaptionRect = result.captionRect;
  rec.PictureRect = result.pictureRect;
  rec.SymbolRect = result.symbolRect;
  rec.PicturePlacedLeft = result.pictureLeft;
  rec.PicturePlacedTop = result.pictureTop;
  rec.PictureWidth = result.pictureWidth;
  rec.PictureHeight = result.pictureHeight;
  rec.CurrentPicture = result.currentPicture;
}

PaintResult Redraw(const ButtonPaint& paint, platform::Surface& surface) {
  // The surface's background is the button face as it is now, so a palette
  // change reaches every cleared background.
  surface.setBackgroundColor(platform::SystemColors::get(platform::SystemColors::ButtonFace));
  surface.clear();
  PaintResult result;
  result.state = paint.state;
  result.clientWidth = surface.width();
  result.clientHeight = surface.height();
  if (paint.ButtonStyle >= 0 && paint.ButtonStyle < qint32(Renderers.size()))
    Renderers[paint.ButtonStyle](paint, surface, result);
  return result;
}

void ApplyWindowRegion(qint32 style, int width, int height, platform::Surface& surface) {
  using platform::Surface;
  switch (Style(style)) {
  case Style::RoundedGradient:
  case Style::BlueGlass:
  case Style::SoftBlue:
  case Style::WhiteGloss:
    surface.setWindowRegion(Surface::roundRectRegion(0, 0, width + 1, height + 1, 3, 3));
    break;
  case Style::Silver:
  case Style::Shaded:
    surface.setWindowRegion(Surface::roundRectRegion(0, 0, width + 1, height + 1, 4, 4));
    break;
  default:
    surface.setWindowRegion(Surface::rectRegion(0, 0, surface.width(), surface.height()));
    break;
  }
}

void ApplyWindowRegion(const ButtonRecord& rec, platform::Surface& surface) {
  ApplyWindowRegion(rec.ButtonStyle, rec.ClientWidth, rec.ClientHeight, surface);
}

} // namespace vexa
