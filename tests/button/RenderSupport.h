// SPDX-License-Identifier: MIT
#pragma once

#include "button/render/Redraw.h"
#include "platform/SharedFont.h"
#include "platform/Surface.h"
#include "platform/SystemColors.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <utility>

// A headless button for renderer tests: a paint description with the
// run-time facts of a shown control, a surface of the given size in the
// control's font, and what the last paint computed.
struct HeadlessButton {
  vexa::ButtonPaint in;
  platform::Surface surface;
  vexa::PaintResult out;

  HeadlessButton(int width, int height, qint32 style = 2) : surface(width, height) {
    in.ButtonStyle = style;
    in.parentActive = true;
    surface.setFont(platform::SharedFont(QStringLiteral("Tahoma"), 8.25).toQFont());
  }

  platform::Colour at(int x, int y) const { return surface.pixel(x, y); }
  // One paint as the control makes it, a checked toggle forced Down.
  const vexa::PaintResult& paint() {
    in.state = vexa::ForcedDownState(in);
    out = vexa::Redraw(in, surface);
    return out;
  }
};

// The states as a paint description holds them.
constexpr qint32 Normal = qint32(vexa::State::Normal);
constexpr qint32 Hot = qint32(vexa::State::Hot);
constexpr qint32 Down = qint32(vexa::State::Down);

// Expected colours at pixels, checked in one go: x, y, colour, x, y, colour...
template <typename Target> void expectPixels(const Target& target, std::initializer_list<platform::Colour> triples) {
  for (auto p = triples.begin(); p + 2 < triples.end(); p += 3)
    EXPECT_EQ(target.at(p[0], p[1]), p[2]) << p[0] << "," << p[1];
}

// Entry i of an n-step gradient ramp from c1 to c2 (per channel
// c1 + i (c2 - c1) / n, truncating), for reading gradient rows.
inline platform::Colour rampEntry(platform::Colour c1, platform::Colour c2, int n, int i) {
  const auto channel = [&](int shift) {
    const int a = (c1 >> shift) & 0xFF;
    const int b = (c2 >> shift) & 0xFF;
    return (a + i * (b - a) / n) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

// While alive, system colour n is 0xNNNNNN (button face 0x151515, shadow
// 0x161616, ...), so a swapped system colour shows in a pixel test.
class DistinctSystemColours {
public:
  DistinctSystemColours() {
    std::map<int, qint32> table;
    for (int index : {4, 5, 8, 12, 15, 16, 17, 18, 20, 21, 22, 24}) {
      const int digits = (index / 10) * 16 + index % 10;
      table[index] = digits * 0x010101;
    }
    platform::SystemColors::installFixedTable(table);
  }
  ~DistinctSystemColours() { platform::SystemColors::installClassicTable(); }
  DistinctSystemColours(const DistinctSystemColours&) = delete;
  DistinctSystemColours& operator=(const DistinctSystemColours&) = delete;
};

// The four pixels one in from the corners, where rounded styles soften them.
inline void expectCorners(const HeadlessButton& b, platform::Colour colour) {
  const int right = b.surface.width() - 2, bottom = b.surface.height() - 2;
  for (auto [x, y] : {std::pair{1, 1}, {1, bottom}, {right, 1}, {right, bottom}})
    EXPECT_EQ(b.at(x, y), colour) << x << "," << y;
}

// Whether any pixel of the rectangle has exactly the colour.
inline bool anyPixel(const platform::Surface& surface, const platform::Rect& rect, platform::Colour colour) {
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x)
      if (surface.pixel(x, y) == colour)
        return true;
  return false;
}

// The button the gradient, toolbar and gloss style tests draw: 75 x 23 on
// the classic colour table, whose button face is Face.
namespace styletest {
using platform::Colour;
constexpr int W = 75;
constexpr int H = 23;
constexpr Colour Face = 0xC8D0D4;
constexpr Colour White = 0xFFFFFF;

inline HeadlessButton button(qint32 style, Colour back, int height = H) {
  HeadlessButton b(W, height, style);
  b.in.BackColor = back;
  return b;
}
} // namespace styletest
