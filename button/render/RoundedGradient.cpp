// SPDX-License-Identifier: MIT
// RoundedGradient (and System without visual styles): a rounded button with a
// soft vertical gradient, a dark outline with softened corners, an orange
// glow while hot and a coloured inner ring while focused or default.
#include "button/render/ColorKit.h"
#include "button/render/Redraw.h"
#include "button/render/Styles.h"
#include "platform/SystemColors.h"

namespace vexa {

namespace {

struct Line {
  int x1, y1, x2, y2;
};

// The focus ring's eight lines in drawing order, and their colours by palette.
struct RingColours {
  Colour colours[8];
};
constexpr RingColours BlueRing = {{0xF6D4BC, 0xFFE7CE, 0xE6AF8E, 0xE6AF8E, 0xF4D1B8, 0xF4D1B8, 0xE4AD89, 0xEE8269}};
constexpr RingColours GreenRing = {{0x8FD1C2, 0x80CBB1, 0x68C8A0, 0x68C8A0, 0x68C8A0, 0x68C8A0, 0x68C8A0, 0x66A7A8}};
constexpr RingColours GlossRing = {{0xF6D4BC, 0xFFE7CE, 0xE6AF8E, 0xE6AF8E, 0xFFFFFF, 0xFFFFFF, 0xE4AD89, 0xEE8269}};

} // namespace

void DrawRoundedGradient(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result) {
  const int W = surface.width();
  const int H = surface.height();
  const platform::Rect client{0, 0, W, H};
  const qint32 state = paint.state;

  const Colour B = TranslateColor(paint.BackColor);
  const auto S = [B](float fraction) { return ShiftColor(B, fraction); };
  const auto line = [&](int x1, int y1, int x2, int y2, Colour colour) { DrawLine(surface, x1, y1, x2, y2, colour); };
  const auto tc = [](qint32 colour) { return TranslateColor(colour); };
  // Every face of the look, the faded disabled one too, is painted from B.
  const auto content = [&] {
    DrawCaptionAndPicture(paint, paint.ForeColor, platform::SystemColors::sourceOf(paint.BackColor), surface, result);
  };
  const Scheme scheme = Scheme(paint.ColorScheme);
  const bool bluePalette = scheme == Scheme::Scheme0 || scheme == Scheme::Scheme1 || scheme == Scheme::Custom;
  const bool glossPalette = scheme == Scheme::Scheme2;
  const int halfH = platform::roundHalfEven(H / 2.0);

  // Disabled: a faded body and a shaded outline, nothing else.
  if (!paint.Enabled) {
    ApplyWindowRegion(paint.ButtonStyle, W, H, surface);
    const Colour face = tc(0x80000000 | platform::SystemColors::ButtonFace);
    FillRectangle(surface, MixColors(face, S(0.1f)), client);
    content();
    FrameRectangle(surface, 0, 0, W, H, S(-0.1f));
    SetCornerPixels(surface, S(-0.1f));
    return;
  }

  // Body gradients shared by Normal and Hot.
  const auto bodyGradients = [&] {
    if (bluePalette) {
      GradientFill(surface, 0, 0, W, H, S(0.07f), B, 1);
      GradientFill(surface, 0, 0, W, 4, S(0.1f), S(0.08f), 1);
    } else if (glossPalette) {
      GradientFill(surface, 0, 0, W, halfH, S(0.22f), B, 1);
      GradientFill(surface, 0, halfH, W, halfH, S(-0.01f), S(-0.15f), 1);
    }
  };

  switch (State(state)) {
  case State::Normal:
    ApplyWindowRegion(paint.ButtonStyle, W, H, surface);
    if (bluePalette) {
      bodyGradients();
      content();
      // Shading above the bottom edge and at the sides
      line(1, H - 2, W - 2, H - 2, S(-0.09f));
      line(1, H - 3, W - 2, H - 3, S(-0.05f));
      line(1, H - 4, W - 2, H - 4, S(-0.01f));
      line(W - 2, 2, W - 2, H - 2, S(-0.08f));
      line(1, 1, 1, H - 2, MixColors(tc(0xFFFFFF), B));
    } else if (glossPalette) {
      bodyGradients();
      content();
      // White side lines
      line(W - 2, 2, W - 2, H - 2, tc(0xFFFFFF));
      line(1, 1, 1, H - 2, tc(0xFFFFFF));
    }
    break;

  case State::Hot:
    if (bluePalette || glossPalette) {
      bodyGradients();
      content();
    }
    // Hover glow
    line(1, 2, W - 2, 2, tc(0x89D8FD));
    line(1, 1, W - 2, 1, tc(0xCFF0FF));
    line(1, 1, 1, H - 2, tc(0x49BDF9));
    line(W - 2, 2, W - 2, H - 2, tc(0x49BDF9));
    line(2, 2, 2, H - 3, tc(0x7AD2FC));
    line(W - 3, 3, W - 3, H - 3, tc(0x7AD2FC));
    line(2, H - 3, W - 2, H - 3, tc(0x30B3F8));
    line(2, H - 2, W - 2, H - 2, tc(0x0097E5));
    break;

  case State::Down:
    if (bluePalette) {
      FillRectangle(surface, S(-0.05f), client);
      content();
      // Pressed shading
      line(1, 1, W - 2, 1, S(-0.16f));
      line(1, 2, W - 2, 2, S(-0.1f));
      line(1, H - 2, W - 2, H - 2, S(0.01f));
      line(1, 1, 1, H - 2, S(-0.16f));
      line(2, 2, 2, H - 2, S(-0.1f));
      line(W - 2, 2, W - 2, H - 2, S(0.04f));
    } else if (glossPalette) {
      GradientFill(surface, 0, 0, W, H - 6, S(-0.2f), S(0.05f), 1);
      // Only the first six rows of this one fall on the surface.
      GradientFill(surface, 0, H - 6, W, H - 1, S(0.08f), tc(0xFFFFFF), 1);
      content();
      FrameRectangle(surface, 1, 1, W - 2, H - 2, tc(0xFFFFFF));
    }
    break;

  default:
    break;
  }

  const bool marked = paint.hasFocus || paint.isDefault;

  // Focus ring, at rest only
  if (paint.parentActive && marked && !is(state, State::Hot) && !is(state, State::Down)) {
    const RingColours* ring = scheme == Scheme::Scheme0 || scheme == Scheme::Custom ? &BlueRing
                              : scheme == Scheme::Scheme1                           ? &GreenRing
                              : scheme == Scheme::Scheme2                           ? &GlossRing
                                                                                    : nullptr;
    if (ring) {
      const Line lines[8] = {{1, 2, W - 2, 2},         {1, 1, W - 2, 1},        {1, 1, 1, H - 2},
                             {W - 2, 2, W - 2, H - 2}, {2, 2, 2, H - 3},        {W - 3, 3, W - 3, H - 3},
                             {2, H - 3, W - 2, H - 3}, {2, H - 2, W - 2, H - 2}};
      for (int i = 0; i < 8; ++i)
        line(lines[i].x1, lines[i].y1, lines[i].x2, lines[i].y2, tc(ring->colours[i]));
    }
  }

  // Focus rectangle, in every state
  if (paint.parentActive && paint.ShowFocusRect && marked)
    surface.drawFocusRect({2, 2, W - 2, H - 2});

  // Outline and softened corners
  if (scheme == Scheme::Scheme0 || scheme == Scheme::Scheme2 || scheme == Scheme::Custom) {
    FrameRectangle(surface, 0, 0, W, H, tc(0x743C00));
    SetCornerPixels(surface, ShiftColor(tc(0x743C00), 0.3f));
  } else if (scheme == Scheme::Scheme1) {
    FrameRectangle(surface, 0, 0, W, H, tc(0x066237));
    SetCornerPixels(surface, ShiftColor(tc(0x066237), 0.3f));
  }
}

} // namespace vexa
