#include "button/render/Redraw.h"

#include "button/render/Styles.h"
#include "platform/SystemColors.h"

#include <array>

namespace vexa {

namespace {

// ButtonStyle 13: the themed push button while visual styles are active,
// else the rounded gradient look of ButtonStyle 2.
void DrawSystemStyle(ButtonRecord& rec, platform::Surface& surface, qint32 state) {
  if (rec.VisualStylesActive)
    DrawThemed(rec, surface, state);
  else
    DrawRoundedGradient(rec, surface, state);
}

// Renderers by ButtonStyle. Values outside 0..13 draw nothing beyond the
// cleared surface.
constexpr std::array<StyleRenderer, 14> Renderers = {
    DrawClassic,         // 0 Classic
    DrawClassic,         // 1 ClassicThin
    DrawRoundedGradient, // 2 RoundedGradient
    DrawBlueGlass,       // 3 BlueGlass
    DrawToolbar,         // 4 Toolbar
    DrawWarmHighlight,   // 5 WarmHighlight
    DrawSilver,          // 6 Silver
    DrawSoftBlue,        // 7 SoftBlue
    DrawGel,             // 8 Gel
    DrawWhiteGloss,      // 9 WhiteGloss
    DrawShaded,          // 10 Shaded
    DrawClassic,         // 11 FlatClassic
    DrawClassic,         // 12 FlatThin
    DrawSystemStyle,     // 13 System
};

} // namespace

void Redraw(ButtonRecord& rec, platform::Surface& surface) {
  // The surface's background is the button face as it is now, so a palette
  // change reaches every cleared background.
  surface.setBackgroundColor(platform::SystemColors::get(platform::SystemColors::ButtonFace));
  surface.clear();
  rec.ClientHeight = surface.height();
  rec.ClientWidth = surface.width();
  rec.ClientRect = {0, 0, rec.ClientWidth, rec.ClientHeight};

  // Forced Down: a checked toggle shows pressed, except in the styles that
  // draw their own checked look.
  if (rec.Mode != 0 && rec.ButtonStyle != 0 && rec.ButtonStyle != 6 && rec.Value)
    rec.ButtonState = ButtonRecord::Down;

  if (rec.ButtonStyle >= 0 && rec.ButtonStyle < qint32(Renderers.size()))
    Renderers[rec.ButtonStyle](rec, surface, rec.ButtonState);
}

void ApplyWindowRegion(ButtonRecord& rec, platform::Surface& surface) {
  using platform::Surface;
  switch (rec.ButtonStyle) {
  case 2:
  case 3:
  case 7:
  case 9:
    // Rounded styles use the size of the last paint, not a fresh reading.
    surface.setWindowRegion(Surface::roundRectRegion(0, 0, rec.ClientWidth + 1, rec.ClientHeight + 1, 3, 3));
    break;
  case 6:
  case 10:
    surface.setWindowRegion(Surface::roundRectRegion(0, 0, rec.ClientWidth + 1, rec.ClientHeight + 1, 4, 4));
    break;
  default:
    surface.setWindowRegion(Surface::rectRegion(0, 0, surface.width(), surface.height()));
    break;
  }
}

} // namespace vexa
