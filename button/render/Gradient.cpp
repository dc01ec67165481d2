// SPDX-License-Identifier: MIT
// The gradient styles: BlueGlass, WarmHighlight, SoftBlue and Shaded. Fractional sizes are evaluated exactly and
// rounded to nearest with ties to even, so H/2 - 2 is R(H / 2.0 - 2), not
// R(H / 2.0) - 2.
#include "button/render/StylePaint.h"
#include "button/render/Styles.h"

namespace vexa {

namespace {

constexpr Colour White = 0xFFFFFF;

} // namespace

// BlueGlass: grey glass with a white inner outline; blue glass when hot,
// darker glass with shaded sides when pressed; a cyan ring while focused.
void DrawBlueGlass(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result) {
  const StylePaint p(paint, surface, result);
  qint32 state = paint.state;
  const Colour light = p.S(0.05f);
  const int W = p.W, H = p.H;
  const auto R = StylePaint::R;
  // The upper and lower side bands, and where the lower half starts.
  const int half = R(H / 2.0);
  const int upperBand = R(H / 2.0 - 2);
  const int lowerBand = R(H - H / 2.0 - 1);

  if (!paint.Enabled) {
    p.region();
    p.fill(p.S(0.03f));
    p.content(p.back());
    p.outline(p.S(-0.25f));
    p.frame(1, 1, W - 2, H - 2, p.S(0.25f));
    p.corners(p.S(-0.03f));
    return;
  }

  switch (State(state)) {
  case State::Down:
    p.vgrad(1, 1, W - 1, H, 0xF6E4C2, 0xF6E4C2);
    p.vgrad(1, half, W - 2, H - 2, 0xF0D29A, 0xF0D29A);
    p.outline(0x5C411D);
    // Shaded top rows
    p.line(1, 1, W - 1, 1, 0xB39C71);
    p.line(1, 2, W - 1, 2, 0xD6C6A9);
    p.line(1, 3, W - 1, 3, 0xECD9B9);
    // Left column: its lower line runs upward from the middle row
    p.line(1, 1, 1, R(H / 2.0 - 1), 0xCFB073);
    p.line(1, half, 1, lowerBand, 0xC5912B);
    // Side bands, darker towards the edges
    p.hgrad(1, 3, 5, upperBand, p.S(0xE6C891, 0.02f), p.S(0xF6E4C2, -0.01f));
    p.hgrad(1, half, 5, lowerBand, p.S(0xDCAB4E, 0.02f), p.S(0xF0D29A, -0.01f));
    p.hgrad(W - 6, 3, 5, upperBand, p.S(0xF6E4C2, -0.01f), p.S(0xE6C891, 0.02f));
    p.hgrad(W - 6, half, 5, lowerBand, p.S(0xF0D29A, -0.01f), p.S(0xDCAB4E, 0.02f));
    p.content(p.Look);
    break;
  case State::Hot:
    p.vgrad(1, 1, W - 2, half, 0xFFF7E4, 0xFFF3DA);
    p.vgrad(1, half, W - 2, H - 2, 0xFFE9C1, 0xFDE1AE);
    // Side bands, darker towards the edges
    p.hgrad(1, 3, 5, upperBand, 0xFFEECD, 0xFFF7E4);
    p.hgrad(1, half, 5, lowerBand, 0xFAD68F, p.S(0xFDE1AC, 0.01f));
    p.hgrad(W - 6, 3, 5, upperBand, 0xFFF7E4, 0xFFEECD);
    p.hgrad(W - 6, half, 5, lowerBand, p.S(0xFDE1AC, 0.01f), 0xFAD68F);
    p.content(p.Look);
    p.outline(0xA77532);
    p.frame(1, 1, W - 2, H - 2, White);
    break;
  case State::Normal:
    p.region();
    p.vgrad(1, 1, W - 1, H, light, p.B);
    p.vgrad(1, half, W - 2, H - 2, p.S(-0.02f), p.S(-0.15f));
    p.content(p.back());
    p.outline(0x707070);
    p.frame(1, 1, W - 2, H - 2, White);
    break;
  default:
    break;
  }

  if (paint.parentActive) {
    // Focus ring at rest: blue outside, cyan inside
    if (p.marked() && is(state, State::Normal)) {
      p.outline(0xA77532);
      p.frame(1, 1, W - 2, H - 2, 0xFBD848);
    }
    if (paint.ShowFocusRect && paint.hasFocus)
      p.focusRect(2);
  }
  p.corners(0xBE965F);
}

// WarmHighlight: a two-tone body from BackColor; yellow to orange when hot,
// orange when pressed or checked, with a navy outline. Enabled changes only
// the caption and picture.
void DrawWarmHighlight(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result) {
  const StylePaint p(paint, surface, result);
  qint32 state = paint.state;
  const int W = p.W, H = p.H;
  constexpr Colour Navy = 0x800000;

  if (p.checked()) {
    if (paint.mouseInside)
      p.vgrad(0, 0, W, H, 0x4E91FE, 0x8ED3FF);
    else
      p.vgrad(0, 0, W, H, 0x8CD5FF, 0x55ADFF);
    p.content(p.Look);
    p.outline(Navy);
    return;
  }

  switch (State(state)) {
  case State::Down:
    p.vgrad(0, 0, W, H, 0x4E91FE, 0x8ED3FF);
    break;
  case State::Hot:
    p.vgrad(0, 0, W, H, 0xCCF4FF, 0x91D0FF);
    break;
  case State::Normal:
    p.region();
    p.vgrad(0, 0, W, StylePaint::R(H / 2.0), MixColors(White, p.S(0.08f)), p.B);
    p.vgrad(0, StylePaint::R(H / 2.0), W, StylePaint::R(H / 2.0 + 1), p.B, p.S(-0.15f));
    break;
  default:
    break;
  }
  // At rest the face is B's; hot and pressed faces are the look's own (other
  // states paint none).
  p.content(is(state, State::Normal) ? p.back() : is(state, State::Hot) || is(state, State::Down) ? p.Look : p.System);
  if (!is(paint.state, State::Normal))
    p.outline(Navy);
}

// SoftBlue: flat BackColor at rest (no outline); a light-blue gradient
// with blue and white outlines when hot or pressed.
void DrawSoftBlue(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result) {
  const StylePaint p(paint, surface, result);
  qint32 state = paint.state;
  const int W = p.W, H = p.H;

  if (!paint.Enabled) {
    p.fill(p.B);
    p.content(p.back());
    p.corners(p.B);
    return;
  }

  switch (State(state)) {
  case State::Normal:
    p.region();
    p.fill(p.B);
    p.content(p.back());
    return;
  case State::Hot:
    p.vgrad(1, 1, W - 2, H - 2, 0xFDF9F1, 0xF8ECD0);
    // One colour from 1/1.7 of the height down
    p.vgrad(1, StylePaint::R(H / 1.7), W - 2, H - 2, 0xF8ECD0, 0xF8ECD0);
    break;
  case State::Down:
    p.vgrad(1, 1, W - 2, H - 2, 0xF1DEB0, 0xF9F1DB);
    break;
  default:
    return;
  }
  p.content(p.Look);
  p.outline(0xCA9E61);
  p.frame(1, 1, W - 2, H - 2, White);
  p.corners(p.S(0xCA9E61, 0.3f));
}

// Shaded: a BackColor body with a bright five-pixel top band and a
// lighter lower gradient inside a darker outline; the shades vary by state.
void DrawShaded(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result) {
  const StylePaint p(paint, surface, result);
  qint32 state = paint.state;

  // Shifts of B by state (a zero shift is B itself). The top band runs from
  // Top(top) to B, the lower gradient from S(lowFrom) to M(lowTo).
  struct Look {
    float fill, top, lowFrom, lowTo, outline, corners;
  };
  constexpr Look Disabled{0.0f, 0.05f, -0.02f, 0.08f, -0.2f, -0.23f};
  constexpr Look Pressed{-0.03f, 0.1f, -0.08f, 0.05f, -0.36f, -0.36f};
  constexpr Look Hot{-0.03f, 0.15f, -0.05f, 0.2f, -0.28f, -0.36f};
  constexpr Look Resting{-0.03f, 0.1f, -0.05f, 0.1f, -0.33f, -0.36f};

  const Look* look = !paint.Enabled             ? &Disabled
                     : is(state, State::Down)   ? &Pressed
                     : is(state, State::Hot)    ? &Hot
                     : is(state, State::Normal) ? &Resting
                                                : nullptr;
  if (!look) {
    p.corners(p.S(-0.36f));
    return;
  }
  const auto top = [&](float x) { return ShiftColor(MixColors(p.B, White), x); };
  const auto mixed = [&](float x) { return MixColors(White, p.S(x)); };

  if (look == &Resting)
    p.region();
  p.fill(p.S(look->fill));
  p.vgrad(0, 0, p.W, 5, top(look->top), p.B);
  // Row 5 keeps the fill.
  p.vgrad(0, 6, p.W, p.H - 1, p.S(look->lowFrom), mixed(look->lowTo));
  p.content(p.back());
  p.outline(p.S(look->outline));
  p.corners(p.S(look->corners));
}

} // namespace vexa
