// ButtonStyle 4 (toolbar), 6 (silver), 8 (gel) and 9 (white gloss). The
// toolbar and silver looks are flat BackColor until the pointer comes over
// them; the gel is two gradient bands; the gloss fades white into BackColor.
#include "button/render/StylePaint.h"
#include "button/render/Styles.h"
#include "platform/SystemColors.h"

namespace vexa {

namespace {

constexpr Colour White = 0xFFFFFF;

} // namespace

// ButtonStyle 4: BackColor at rest without an outline; a flat palette colour
// with a one-pixel outline when hot, pressed or checked. Enabled changes
// only the caption and picture.
void DrawToolbar(ButtonRecord& rec, platform::Surface& surface, qint32 state) {
  const StylePaint p(rec, surface);

  // Palette by ColorScheme: base and outline; scheme 3 is BackColor's own,
  // unknown schemes are black.
  struct Palette {
    Colour base, outline;
  };
  Palette palette{0, 0};
  switch (rec.ColorScheme) {
  case 0:
    palette = {0xEED2C1, 0xC56A31};
    break;
  case 1:
    palette = {0xBAD6D4, 0x70A093};
    break;
  case 2:
    palette = {0xE3DFE0, 0xBFB4B2};
    break;
  case 3:
    palette = {p.B, p.S(-0.12f)};
    break;
  default:
    break;
  }
  const Colour base = palette.base;
  const Colour outline = palette.outline;

  if (p.checked()) {
    p.fill(ShiftColor(base, -0.05f));
    p.outline(outline);
    if (rec.MouseInside) {
      p.fill(ShiftColor(base, -0.01f));
      p.outline(outline);
    }
    p.content();
    return;
  }

  switch (state) {
  case ButtonRecord::Normal:
    p.fill(p.B);
    break;
  case ButtonRecord::Hot:
    p.fill(ShiftColor(base, 0.03f));
    break;
  case ButtonRecord::Down:
    p.fill(ShiftColor(base, -0.08f));
    break;
  default:
    break;
  }
  p.content();
  if (rec.ButtonState != ButtonRecord::Normal)
    p.outline(outline);
}

// ButtonStyle 6: BackColor at rest without an outline; light silver
// gradients and grey outlines when hot, pressed or checked. It sets the
// caption colour itself on every paint: white while pressed, else the
// system button text. Enabled changes only the caption and picture.
void DrawSilver(ButtonRecord& rec, platform::Surface& surface, qint32 state) {
  const StylePaint p(rec, surface);
  const int W = p.W, H = p.H;
  const Colour buttonText = p.system(platform::SystemColors::ButtonText);

  rec.ForeColor = state == ButtonRecord::Down ? White : buttonText;
  // A checked toggle held down by the mouse shows pressed.
  if (p.checked() && rec.MousePressed)
    state = ButtonRecord::Down;

  if (p.checked() && state != ButtonRecord::Down) {
    p.fill(0xFEFEFE);
    rec.ForeColor = buttonText;
    p.content();
    p.outline(0xAF987A);
    p.corners(p.S(0xC1B3A0, -0.2f));
    if (state == ButtonRecord::Hot) {
      // Hover shading at the right and bottom
      p.line(W - 2, 2, W - 2, H - 2, 0xEDF0F2);
      p.line(2, H - 2, W - 2, H - 2, 0xD8DEE4);
      p.line(1, H - 3, W - 1, H - 3, 0xE8ECEF);
      p.line(1, H - 4, W - 1, H - 4, 0xF8F9FA);
    }
    return;
  }

  switch (state) {
  case ButtonRecord::Down:
    p.fill(0xDDE4E5);
    p.content();
    // Shaded top and bottom rows
    p.line(1, 1, W - 2, 1, p.S(0xD1DADC, -0.02f));
    p.line(1, 2, W - 2, 2, p.S(0xDAE1E3, -0.02f));
    p.line(1, H - 3, W - 2, H - 3, p.S(0xDEE5E6, 0.02f));
    p.line(1, H - 2, W - 2, H - 2, p.S(0xE5EAEB, 0.02f));
    p.outline(0x929D9D);
    p.corners(p.S(0xABB4B5, -0.2f));
    break;
  case ButtonRecord::Hot: {
    const int half = StylePaint::R(H / 2.0);
    p.vgrad(0, 0, W, half, 0xFDFEFE, 0xEEF4F4);
    p.vgrad(0, half, W, half, 0xEEF4F4, 0xEAF1F1);
    p.content();
    // Shading at the right and bottom
    p.line(W - 2, 2, W - 2, H - 2, 0xE0E7EA);
    p.line(W - 3, 2, W - 3, H - 2, 0xEAF0F0);
    p.line(0, H - 4, W, H - 4, 0xE5EDEE);
    p.line(0, H - 3, W, H - 3, 0xD6E1E4);
    p.line(0, H - 2, W, H - 2, 0xC6D2D7);
    p.outline(0xC3CECE);
    p.corners(p.S(0xC9D4D4, -0.05f));
    break;
  }
  case ButtonRecord::Normal:
    p.region();
    p.fill(p.B);
    p.content();
    break;
  default:
    break;
  }
}

// ButtonStyle 8: a two-band gel from BackColor; yellow gel when hot, orange
// gel when pressed or checked. Enabled changes only the caption and picture.
void DrawGel(ButtonRecord& rec, platform::Surface& surface, qint32 state) {
  const StylePaint p(rec, surface);
  const int W = p.W;
  // The upper band is H / 2.7 high, the lower one the rest.
  const int h1 = StylePaint::R(p.H / 2.7);
  const int h2 = StylePaint::R(p.H - p.H / 2.7);
  const Colour outline = p.S(-0.34f);
  const auto bands = [&](Colour top1, Colour top2, Colour low1, Colour low2) {
    p.vgrad(0, 0, W, h1, top1, top2);
    p.vgrad(0, h1, W, h2, low1, low2);
  };

  if (p.checked()) {
    bands(0xA9D9FF, 0x6FC0FF, 0x3FABFF, 0x75E1FF);
    p.outline(outline);
    if (rec.MouseInside) {
      bands(0x58C1FF, 0x51AFFF, 0x468FFF, 0x5FD3FF);
      p.outline(outline);
    }
    p.content();
    return;
  }

  switch (state) {
  case ButtonRecord::Down:
    bands(0x58C1FF, 0x51AFFF, 0x468FFF, 0x5FD3FF);
    break;
  case ButtonRecord::Hot:
    bands(0xE1FFFF, 0xACEAFF, 0x67D7FF, 0x99E4FF);
    break;
  case ButtonRecord::Normal:
    p.fill(p.B);
    bands(MixColors(p.S(0.09f), White), MixColors(p.S(0.07f), p.B), p.B, p.S(0.03f));
    break;
  default:
    return;
  }
  p.content();
  p.outline(outline);
}

// ButtonStyle 9: white fading into BackColor with a white inner highlight, a
// darker outline and bottom line, and the dotted focus rectangle. A disabled
// button is drawn at rest.
void DrawWhiteGloss(ButtonRecord& rec, platform::Surface& surface, qint32 state) {
  const StylePaint p(rec, surface);
  const int W = p.W, H = p.H;
  const int half = StylePaint::R(H / 2.0);
  if (!rec.Enabled)
    state = ButtonRecord::Normal;

  if (state == ButtonRecord::Down) {
    p.vgrad(0, 0, W, half, White, p.S(-0.1f));
    p.vgrad(0, half, W, H, p.S(-0.1f), p.S(-0.05f));
    p.content();
    // The bottom side of the highlight falls below the surface.
    p.frame(1, 1, W - 2, H, White);
    p.outline(p.S(-0.23f));
    p.corners(p.S(-0.1f));
    p.line(2, H - 1, W - 2, H - 1, p.S(-0.4f));
  } else if (state == ButtonRecord::Hot || state == ButtonRecord::Normal) {
    if (state == ButtonRecord::Normal)
      p.region();
    p.vgrad(0, 0, W, half, White, p.B);
    p.vgrad(0, half, W, H, p.B, p.B);
    p.content();
    p.frame(1, 1, W - 2, H, White);
    p.outline(p.S(-0.2f));
    p.line(2, H - 1, W - 2, H - 1, p.S(-0.25f));
  }
  p.corners(p.S(0.05f));

  if (rec.ParentActive && rec.ShowFocusRect && p.marked())
    p.focusRect(3);
}

} // namespace vexa
