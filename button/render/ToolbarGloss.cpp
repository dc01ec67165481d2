// SPDX-License-Identifier: MIT
// Toolbar, Silver, Gel and WhiteGloss. The
// toolbar and silver looks are flat BackColor until the pointer comes over
// them; the gel is two gradient bands; the gloss fades white into BackColor.
#include "button/render/StylePaint.h"
#include "button/render/Styles.h"
#include "platform/SystemColors.h"

namespace vexa {

namespace {

constexpr Colour White = 0xFFFFFF;

} // namespace

// Toolbar: BackColor at rest without an outline; a flat palette colour
// with a one-pixel outline when hot, pressed or checked. Enabled changes
// only the caption and picture.
void DrawToolbar(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result) {
  const StylePaint p(paint, surface, result);
  qint32 state = paint.state;

  // Palette by ColorScheme: base and outline; the custom scheme is
  // BackColor's own, unknown schemes are black.
  struct Palette {
    Colour base, outline;
  };
  Palette palette{0, 0};
  StylePaint::Source paletteSource = p.Look;
  switch (Scheme(paint.ColorScheme)) {
  case Scheme::Scheme0:
    palette = {0xEED2C1, 0xC56A31};
    break;
  case Scheme::Scheme1:
    palette = {0xBAD6D4, 0x70A093};
    break;
  case Scheme::Scheme2:
    palette = {0xE3DFE0, 0xBFB4B2};
    break;
  case Scheme::Custom:
    palette = {p.B, p.S(-0.12f)};
    paletteSource = p.back();
    break;
  default:
    break;
  }
  const Colour base = palette.base;
  const Colour outline = palette.outline;

  if (p.checked()) {
    p.fill(ShiftColor(base, -0.05f));
    p.outline(outline);
    if (paint.mouseInside) {
      p.fill(ShiftColor(base, -0.01f));
      p.outline(outline);
    }
    p.content(paletteSource);
    return;
  }

  switch (State(state)) {
  case State::Normal:
    p.fill(p.B);
    break;
  case State::Hot:
    p.fill(ShiftColor(base, 0.03f));
    break;
  case State::Down:
    p.fill(ShiftColor(base, -0.08f));
    break;
  default:
    break;
  }
  // B at rest, the palette when hot or pressed; other states paint no face.
  p.content(is(state, State::Normal)                          ? p.back()
            : is(state, State::Hot) || is(state, State::Down) ? paletteSource
                                                              : p.System);
  if (!is(paint.state, State::Normal))
    p.outline(outline);
}

// Silver: BackColor at rest without an outline; light silver gradients and
// grey outlines when hot, pressed or checked. The caption (and drop-down
// symbol) is white while pressed, else the system button text, whatever
// ForeColor holds; the Hot caption keeps ForeColorHover. Enabled changes
// only the caption and picture.
void DrawSilver(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result) {
  const StylePaint p(paint, surface, result);
  qint32 state = paint.state;
  const int W = p.W, H = p.H;
  // The system's button text, as a reference: it takes the source of the
  // face it is drawn on. White on the pressed face is the look's own pair.
  const qint32 buttonText = qint32(0x80000000u | platform::SystemColors::ButtonText);

  const qint32 caption = is(state, State::Down) ? qint32(White) : buttonText;
  // A checked toggle held down by the mouse shows pressed.
  if (p.checked() && paint.mousePressed)
    state = qint32(State::Down);

  if (p.checked() && !is(state, State::Down)) {
    p.fill(0xFEFEFE);
    p.content(buttonText, p.Look);
    p.outline(0xAF987A);
    p.corners(p.S(0xC1B3A0, -0.2f));
    if (is(state, State::Hot)) {
      // Hover shading at the right and bottom
      p.line(W - 2, 2, W - 2, H - 2, 0xEDF0F2);
      p.line(2, H - 2, W - 2, H - 2, 0xD8DEE4);
      p.line(1, H - 3, W - 1, H - 3, 0xE8ECEF);
      p.line(1, H - 4, W - 1, H - 4, 0xF8F9FA);
    }
    return;
  }

  switch (State(state)) {
  case State::Down:
    p.fill(0xDDE4E5);
    p.content(caption, p.Look);
    // Shaded top and bottom rows
    p.line(1, 1, W - 2, 1, p.S(0xD1DADC, -0.02f));
    p.line(1, 2, W - 2, 2, p.S(0xDAE1E3, -0.02f));
    p.line(1, H - 3, W - 2, H - 3, p.S(0xDEE5E6, 0.02f));
    p.line(1, H - 2, W - 2, H - 2, p.S(0xE5EAEB, 0.02f));
    p.outline(0x929D9D);
    p.corners(p.S(0xABB4B5, -0.2f));
    break;
  case State::Hot: {
    const int half = StylePaint::R(H / 2.0);
    p.vgrad(0, 0, W, half, 0xFDFEFE, 0xEEF4F4);
    p.vgrad(0, half, W, half, 0xEEF4F4, 0xEAF1F1);
    p.content(caption, p.Look);
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
  case State::Normal:
    p.region();
    p.fill(p.B);
    p.content(caption, p.back());
    break;
  default:
    break;
  }
}

// Gel: a two-band gel from BackColor; yellow gel when hot, orange
// gel when pressed or checked. Enabled changes only the caption and picture.
void DrawGel(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result) {
  const StylePaint p(paint, surface, result);
  qint32 state = paint.state;
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
    if (paint.mouseInside) {
      bands(0x58C1FF, 0x51AFFF, 0x468FFF, 0x5FD3FF);
      p.outline(outline);
    }
    p.content(p.Look);
    return;
  }

  switch (State(state)) {
  case State::Down:
    bands(0x58C1FF, 0x51AFFF, 0x468FFF, 0x5FD3FF);
    break;
  case State::Hot:
    bands(0xE1FFFF, 0xACEAFF, 0x67D7FF, 0x99E4FF);
    break;
  case State::Normal:
    p.fill(p.B);
    bands(MixColors(p.S(0.09f), White), MixColors(p.S(0.07f), p.B), p.B, p.S(0.03f));
    break;
  default:
    return;
  }
  // The gel at rest is B's; the hot and pressed gels are the look's own.
  p.content(is(state, State::Normal) ? p.back() : p.Look);
  p.outline(outline);
}

// WhiteGloss: white fading into BackColor with a white inner highlight, a
// darker outline and bottom line, and the dotted focus rectangle. A disabled
// button is drawn at rest.
void DrawWhiteGloss(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result) {
  const StylePaint p(paint, surface, result);
  qint32 state = paint.state;
  const int W = p.W, H = p.H;
  const int half = StylePaint::R(H / 2.0);
  if (!paint.Enabled)
    state = qint32(State::Normal);

  if (is(state, State::Down)) {
    p.vgrad(0, 0, W, half, White, p.S(-0.1f));
    p.vgrad(0, half, W, H, p.S(-0.1f), p.S(-0.05f));
    p.content(p.back());
    // The bottom side of the highlight falls below the surface.
    p.frame(1, 1, W - 2, H, White);
    p.outline(p.S(-0.23f));
    p.corners(p.S(-0.1f));
    p.line(2, H - 1, W - 2, H - 1, p.S(-0.4f));
  } else if (is(state, State::Hot) || is(state, State::Normal)) {
    if (is(state, State::Normal))
      p.region();
    p.vgrad(0, 0, W, half, White, p.B);
    p.vgrad(0, half, W, H, p.B, p.B);
    p.content(p.back());
    p.frame(1, 1, W - 2, H, White);
    p.outline(p.S(-0.2f));
    p.line(2, H - 1, W - 2, H - 1, p.S(-0.25f));
  }
  p.corners(p.S(0.05f));

  if (paint.parentActive && paint.ShowFocusRect && p.marked())
    p.focusRect(3);
}

} // namespace vexa
