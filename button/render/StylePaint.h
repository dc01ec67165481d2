// SPDX-License-Identifier: MIT
#pragma once

#include "button/render/ColorKit.h"
#include "button/render/Redraw.h"

// The notation the style renderers are written in, bound to one paint: W and
// H the surface's size, B the translated BackColor, S(x) a shift of B, and
// the colour kit's primitives on this surface. RGB constants translate to
// themselves, so renderers pass them as they are; system colours go through
// TranslateColor.
namespace vexa {

struct StylePaint {
  const ButtonPaint& in;
  platform::Surface& surface;
  PaintResult& out;
  const int W;
  const int H;
  const Colour B;

  StylePaint(const ButtonPaint& paint, platform::Surface& target, PaintResult& result)
      : in(paint), surface(target), out(result), W(target.width()), H(target.height()),
        B(TranslateColor(paint.BackColor)) {}

  Colour S(float fraction) const { return ShiftColor(B, fraction); }
  // S'(c, x): the shift of another colour.
  static Colour S(qint32 colour, float fraction) { return ShiftColor(TranslateColor(colour), fraction); }
  static Colour system(int index) { return TranslateColor(qint32(0x80000000u | unsigned(index))); }
  // A fractional size, rounded to nearest with ties to even: R(H / 2.0 - 2).
  static int R(double value) { return platform::roundHalfEven(value); }

  platform::Rect client() const { return {0, 0, W, H}; }
  void vgrad(int x, int y, int w, int h, Colour from, Colour to) const {
    GradientFill(surface, x, y, w, h, from, to, 1);
  }
  void hgrad(int x, int y, int w, int h, Colour from, Colour to) const {
    GradientFill(surface, x, y, w, h, from, to, 0);
  }
  void frame(int x, int y, int w, int h, Colour colour) const { FrameRectangle(surface, x, y, w, h, colour); }
  // frame (0, 0, W, H)
  void outline(Colour colour) const { frame(0, 0, W, H, colour); }
  void fill(Colour colour) const { FillRectangle(surface, colour, client()); }
  void line(int x1, int y1, int x2, int y2, Colour colour) const { DrawLine(surface, x1, y1, x2, y2, colour); }
  void corners(Colour colour) const { SetCornerPixels(surface, colour); }
  void edge(const platform::Rect& rect, unsigned rings) const { surface.drawEdge(rect, rings); }
  // Where the colours under the caption come from: BackColor's source for a
  // face painted from B, the look's own fixed colours, or the system's (the
  // cleared surface).
  using Source = platform::SystemColors::Source;
  Source back() const { return platform::SystemColors::sourceOf(in.BackColor); }
  static constexpr Source Look = Source::Fixed;
  static constexpr Source System = Source::System;
  // The content pass on a face of `face`'s colours.
  void content(Source face) const { content(in.ForeColor, face); }
  // The content with the caption in another colour than ForeColor.
  void content(qint32 foreColor, Source face) const { DrawCaptionAndPicture(in, foreColor, face, surface, out); }
  void region() const { ApplyWindowRegion(in.ButtonStyle, W, H, surface); }
  // The dotted focus rectangle `inset` pixels inside every edge.
  void focusRect(int inset) const { surface.drawFocusRect({inset, inset, W - inset, H - inset}); }

  bool checked() const { return in.checked(); }
  bool marked() const { return in.hasFocus || in.isDefault; }
};

} // namespace vexa
