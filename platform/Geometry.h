// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

namespace platform {

// Twips are the unit of window layouts: 1/1440 inch, 15 per pixel at 96 dpi.
inline constexpr int TwipsPerPixel = 15;

// Twips to pixels for positions and sizes of widgets (integer truncation of
// whole pixels; every layout of the program is a multiple of 15 twips).
constexpr int twipsToPixels(double twips) { return static_cast<int>(twips / TwipsPerPixel); }
constexpr double pixelsToTwips(int pixels) { return pixels * double(TwipsPerPixel); }

// HIMETRIC (0.01 mm) to pixels at 96 dpi, rounded to nearest with ties to even.
int himetricToPixels(int himetric);
// Pixels at 96 dpi to HIMETRIC, rounded to nearest with ties to even.
int pixelsToHimetric(int pixels);

// Rounds to the nearest integer, ties to even (banker's rounding), the
// conversion every float-to-integer step of the control uses.
int roundHalfEven(double value);

// A rectangle in surface pixels: (left, top, right, bottom), right and bottom
// exclusive. Plain data, as the drawing code of the control passes it around.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
  constexpr bool isEmpty() const { return right <= left || bottom <= top; }
  constexpr Rect translated(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  constexpr void translate(int dx, int dy) {
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
  }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

} // namespace platform
