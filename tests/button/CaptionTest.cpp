// SPDX-License-Identifier: MIT
// The caption's colour by state and its effects, read from whole glyph
// pixels (where the text covers a pixel fully it has exactly its colour).
#include "RenderSupport.h"

#include "button/render/ColorKit.h"
#include "button/render/Redraw.h"

#include <gtest/gtest.h>

using namespace vexa;

namespace {

const QString Caption = QStringLiteral("Dugme");

// A large bold caption, so that many glyph pixels are covered whole.
HeadlessButton captioned(qint32 style, Colour back) {
  HeadlessButton b(120, 40, style);
  b.in.BackColor = back;
  b.in.Caption = Caption;
  b.surface.setFont(platform::SharedFont(QStringLiteral("Tahoma"), 16, 700).toQFont());
  return b;
}

} // namespace

TEST(Caption, ColourFollowsHoverAndDisabled) {
  DistinctSystemColours colours; // grey text is 0x171717, found nowhere else
  constexpr Colour Fore = 0x0000FF, Hover = 0x00FF00, Grey = 0x171717;
  struct Case {
    const char* what;
    qint32 style;
    bool enabled;
    qint32 mode;
    qint32 state;
    Colour shown;
  };
  const Case cases[] = {
      {"at rest", 0, true, 0, Normal, Fore},
      {"hot", 0, true, 0, Hot, Hover},
      {"pressed", 0, true, 0, Down, Fore},
      {"disabled and hot", 0, false, 0, Hot, Grey},
      {"disabled check button", 13, false, 1, Normal, Grey},
      {"hot gradient style", 8, true, 0, Hot, Hover},
  };
  for (const Case& c : cases) {
    HeadlessButton b = captioned(c.style, 0xE7EBEC);
    b.in.ForeColor = Fore;
    b.in.ForeColorHover = Hover;
    b.in.Enabled = c.enabled;
    b.in.Mode = c.mode;
    b.in.state = c.state;
    b.paint();
    SCOPED_TRACE(c.what);
    for (Colour colour : {Fore, Hover, Grey})
      EXPECT_EQ(anyPixel(b.surface, b.out.captionRect, colour), colour == c.shown) << std::hex << colour;
  }
}

TEST(Caption, EachEffectDrawsItsCopyAtItsOffset) {
  constexpr Colour Back = 0x808080, Fore = 0x000000;
  struct Case {
    qint32 effect;
    int dx, dy; // one of the offsets the effect draws a copy at
    Colour copy;
  };
  const Case cases[] = {
      {1, -1, -1, ShiftColor(Back, 0.14f)}, {2, 1, 1, ShiftColor(Back, 0.14f)},  {3, 1, 1, 0xC0C0C0},
      {4, -1, 1, ShiftColor(Back, 0.1f)},   {5, 1, -1, ShiftColor(Back, -0.1f)},
  };
  // Soft blue at rest: a flat BackColor body under the caption.
  HeadlessButton plain = captioned(7, Back);
  plain.in.ForeColor = Fore;
  plain.paint();
  const platform::Rect area = plain.out.captionRect;

  for (const Case& c : cases) {
    HeadlessButton b = captioned(7, Back);
    b.in.ForeColor = Fore;
    b.in.CaptionEffects = c.effect;
    b.paint();
    ASSERT_EQ(b.out.captionRect, area);
    // Beside every whole glyph pixel, where the caption itself leaves the
    // background, the copy shows whole; the glyph pixel keeps the caption colour.
    int seen = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) {
        if (plain.at(x, y) != Fore || plain.at(x + c.dx, y + c.dy) != Back)
          continue;
        ++seen;
        ASSERT_EQ(b.at(x + c.dx, y + c.dy), c.copy) << "effect " << c.effect << " at " << x << "," << y;
        ASSERT_EQ(b.at(x, y), Fore) << "effect " << c.effect;
      }
    EXPECT_GT(seen, 0) << "effect " << c.effect;
  }
}
