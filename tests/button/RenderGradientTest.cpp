// SPDX-License-Identifier: MIT
// Pixels of the gradient styles 3, 5, 7 and 10 on the classic colour table.
#include "RenderSupport.h"

#include "button/render/ColorKit.h"
#include "button/render/Redraw.h"

#include <gtest/gtest.h>

using namespace vexa;
using platform::Surface;
using namespace styletest;

namespace {

const QRegion Rounded3 = Surface::roundRectRegion(0, 0, W + 1, H + 1, 3, 3);

} // namespace

// ---- ButtonStyle 3 -------------------------------------------------------------

TEST(RenderBlueGlass, AtRestTheLowerHalfStartsAtTheRoundedMiddle) {
  constexpr Colour B = 0xE3E3E3;
  HeadlessButton b = button(3, B);
  b.paint();
  // 23 / 2 = 11.5 rounds to 12.
  expectPixels(b, {10, 11, rampEntry(ShiftColor(B, 0.05f), B, H - 1, 10), 10, 12, ShiftColor(B, -0.02f), 10, H - 3,
                   rampEntry(ShiftColor(B, -0.02f), ShiftColor(B, -0.15f), H - 3, 8)});
  // Grey outline, white inner outline, warm corners.
  expectPixels(
      b, {0, 5, 0x707070, W - 1, 5, 0x707070, 10, H - 1, 0x707070, 1, 5, White, W - 2, 5, White, 10, H - 2, White});
  expectCorners(b, 0xBE965F);
  EXPECT_EQ(b.surface.windowRegion(), Rounded3);
}

TEST(RenderBlueGlass, PressedSideBandsAreTenRowsHighAtHeight23) {
  constexpr Colour B = 0xE3E3E3;
  HeadlessButton b = button(3, B);
  b.in.state = Down;
  b.paint();
  const auto s = [](Colour c, float x) { return ShiftColor(c, x); };
  const Colour upperLeft = s(0xE6C891, 0.02f), upperRight = s(0xF6E4C2, -0.01f);
  const Colour lowerLeft = s(0xDCAB4E, 0.02f), lowerRight = s(0xF0D29A, -0.01f);
  // Upper bands from row 3, lower bands from row 12 over rows 12..21; row 22
  // keeps the outline that was drawn before them.
  expectPixels(b, {1, 3, upperLeft, 2, 11, rampEntry(upperLeft, upperRight, 4, 1), 5, 11, upperRight, 2, 12,
                   rampEntry(lowerLeft, lowerRight, 4, 1), 2, 21, rampEntry(lowerLeft, lowerRight, 4, 1), 2, 22,
                   0x5C411D});
  EXPECT_EQ(b.at(W - 6, 21), lowerRight); // the right bands mirror the left ones
  EXPECT_EQ(b.at(W - 2, 3), upperLeft);
  EXPECT_EQ(b.at(6, 5), 0xF6E4C2); // the body between the bands
  EXPECT_EQ(b.at(6, 12), 0xF0D29A);
  // Shaded top rows and the top of the left column.
  expectPixels(b, {10, 1, 0xB39C71, W - 2, 2, 0xD6C6A9, 10, 3, 0xECD9B9, 1, 2, 0xCFB073, 10, 0, 0x5C411D});
  expectCorners(b, 0xBE965F);
  EXPECT_FALSE(b.surface.hasWindowRegion());
}

TEST(RenderBlueGlass, HotGlassAndTheFocusOutline) {
  struct Case {
    const char* what;
    qint32 state;
    bool focus, isDefault, active, showFocusRect;
    Colour outer, inner;
    bool dotted;
  };
  const Case cases[] = {
      {"focused at rest", Normal, true, false, true, false, 0xA77532, 0xFBD848, false},
      {"focused, focus rect", Normal, true, false, true, true, 0xA77532, 0xFBD848, true},
      {"default, focus rect", Normal, false, true, true, true, 0xA77532, 0xFBD848, false},
      {"inactive window", Normal, true, false, false, true, 0x707070, White, false},
      {"hot and focused", Hot, true, false, true, true, 0xA77532, White, true},
  };
  for (const Case& c : cases) {
    HeadlessButton b = button(3, 0xE3E3E3);
    b.in.state = c.state;
    b.in.hasFocus = c.focus;
    b.in.isDefault = c.isDefault;
    b.in.parentActive = c.active;
    b.in.ShowFocusRect = c.showFocusRect;
    b.paint();
    SCOPED_TRACE(c.what);
    expectPixels(b, {0, 5, c.outer, 10, H - 1, c.outer, 1, 5, c.inner, W - 2, H - 3, c.inner});
    expectCorners(b, 0xBE965F);
    // The dotted rectangle (2, 2, W - 2, H - 2): (2, 2) is inverted, (3, 2) not.
    HeadlessButton plain = button(3, 0xE3E3E3);
    plain.in.state = c.state;
    plain.paint();
    expectPixels(b, {2, 2, c.dotted ? plain.at(2, 2) ^ White : plain.at(2, 2), 3, 2, plain.at(3, 2), W - 3, H - 3,
                     c.dotted ? plain.at(W - 3, H - 3) ^ White : plain.at(W - 3, H - 3)});
  }

  // Hot glass: two halves split at row 12.
  HeadlessButton hot = button(3, 0xE3E3E3);
  hot.in.state = Hot;
  hot.paint();
  expectPixels(hot, {10, 11, rampEntry(0xFFF7E4, 0xFFF3DA, 11, 10), 10, 12, 0xFFE9C1, 2, 20,
                     rampEntry(0xFAD68F, ShiftColor(0xFDE1AC, 0.01f), 4, 1)});
  EXPECT_EQ(hot.at(2, 21), White); // the white inner outline covers the bands' last row
}

TEST(RenderBlueGlass, DisabledIsFlatWithShadedOutlinesAndNoFocus) {
  constexpr Colour B = 0xE3E3E3;
  HeadlessButton b = button(3, B);
  b.in.Enabled = false;
  b.in.hasFocus = true;
  b.in.ShowFocusRect = true;
  b.paint();
  expectPixels(b, {10, 10, ShiftColor(B, 0.03f), 2, 2, ShiftColor(B, 0.03f), 0, 5, ShiftColor(B, -0.25f), 1, 5,
                   ShiftColor(B, 0.25f)});
  expectCorners(b, ShiftColor(B, -0.03f));
  EXPECT_EQ(b.surface.windowRegion(), Rounded3);
}

// ---- ButtonStyle 5 -------------------------------------------------------------

TEST(RenderWarmHighlight, CheckedOptionIsOrangeWhateverTheState) {
  struct Case {
    bool mouseInside;
    qint32 state;
    Colour from, to;
  };
  const Case cases[] = {
      {true, Hot, 0x4E91FE, 0x8ED3FF},
      {false, Normal, 0x8CD5FF, 0x55ADFF},
      {false, Hot, 0x8CD5FF, 0x55ADFF},
  };
  for (const Case& c : cases) {
    HeadlessButton b = button(5, 0xFCE1CA);
    b.in.Mode = 2;
    b.in.Value = true;
    b.in.mouseInside = c.mouseInside;
    b.in.state = c.state;
    b.paint();
    SCOPED_TRACE(c.mouseInside ? "pointer inside" : "pointer outside");
    expectPixels(b, {5, 1, rampEntry(c.from, c.to, H - 1, 1), 5, H - 2, rampEntry(c.from, c.to, H - 1, H - 2), 0, 5,
                     0x800000, W - 1, H - 1, 0x800000});
  }
}

TEST(RenderWarmHighlight, TwoToneAtRestNavyOutlineOtherwise) {
  constexpr Colour B = 0xFCE1CA;
  HeadlessButton b = button(5, B);
  b.paint();
  expectPixels(b, {0, 0, MixColors(White, ShiftColor(B, 0.08f)), 0, 11, B, 0, 12, B});
  // The lower gradient is H/2 + 1 = 12.5 -> 12 rows high (11 steps).
  EXPECT_EQ(b.at(W - 1, 22), rampEntry(B, ShiftColor(B, -0.15f), 11, 10));
  EXPECT_TRUE(b.surface.hasWindowRegion());

  HeadlessButton hot = button(5, B);
  hot.in.state = Hot;
  hot.paint();
  EXPECT_EQ(hot.at(5, 1), rampEntry(0xCCF4FF, 0x91D0FF, H - 1, 1));
  EXPECT_EQ(hot.at(0, 5), 0x800000);
}

// ---- ButtonStyle 7 -------------------------------------------------------------

TEST(RenderSoftBlue, AtRestFlatWithoutOutlineButRounded) {
  constexpr Colour B = 0xC8D0D4;
  HeadlessButton b = button(7, B);
  b.paint();
  for (auto [x, y] : {std::pair{0, 0}, {0, 5}, {W - 1, H - 1}, {1, 1}, {10, 10}})
    EXPECT_EQ(b.at(x, y), B) << x << "," << y;
  EXPECT_EQ(b.surface.windowRegion(), Rounded3);
  EXPECT_FALSE(b.surface.windowRegion().contains(QPoint(0, 0)));
}

TEST(RenderSoftBlue, HotAndPressedGradientsWithBlueAndWhiteOutlines) {
  HeadlessButton hot = button(7, Face);
  hot.in.state = Hot;
  hot.paint();
  // One colour from 23 / 1.7 = 13.5 -> row 14 down.
  expectPixels(hot, {10, 13, rampEntry(0xFDF9F1, 0xF8ECD0, H - 3, 12), 10, 14, 0xF8ECD0, 0, 5, 0xCA9E61, 1, 5, White});
  expectCorners(hot, 0xFFEBAE);

  HeadlessButton down = button(7, Face);
  down.in.state = Down;
  down.paint();
  expectPixels(down, {10, 10, rampEntry(0xF1DEB0, 0xF9F1DB, H - 3, 9), W - 1, 5, 0xCA9E61, 10, H - 2, White});
  expectCorners(down, 0xFFEBAE);

  HeadlessButton disabled = button(7, 0x0000FF);
  disabled.in.Enabled = false;
  disabled.in.state = Hot;
  disabled.paint();
  for (auto [x, y] : {std::pair{0, 0}, {1, 1}, {W - 2, H - 2}, {10, 10}})
    EXPECT_EQ(disabled.at(x, y), 0x0000FF) << x << "," << y;
}

// ---- ButtonStyle 10 ------------------------------------------------------------

TEST(RenderShaded, ShadesByStateAndDisabled) {
  constexpr Colour B = 0xFFD1AD;
  const auto S = [](float x) { return ShiftColor(B, x); };
  const auto top = [](float x) { return ShiftColor(MixColors(B, White), x); };
  const auto mixed = [&](float x) { return MixColors(White, S(x)); };
  struct Case {
    const char* what;
    bool enabled;
    qint32 state;
    Colour fill, topFrom, lowFrom, lowTo, outline, corners;
  };
  const Case cases[] = {
      {"normal", true, Normal, S(-0.03f), top(0.1f), S(-0.05f), mixed(0.1f), S(-0.33f), S(-0.36f)},
      {"hot", true, Hot, S(-0.03f), top(0.15f), S(-0.05f), mixed(0.2f), S(-0.28f), S(-0.36f)},
      {"down", true, Down, S(-0.03f), top(0.1f), S(-0.08f), mixed(0.05f), S(-0.36f), S(-0.36f)},
      {"disabled", false, Down, B, top(0.05f), S(-0.02f), mixed(0.08f), S(-0.2f), S(-0.23f)},
  };
  for (const Case& c : cases) {
    HeadlessButton b = button(10, B);
    b.in.Enabled = c.enabled;
    b.in.state = c.state;
    b.paint();
    SCOPED_TRACE(c.what);
    EXPECT_EQ(b.at(10, 1), rampEntry(c.topFrom, B, 4, 1));
    EXPECT_EQ(b.at(10, 4), B);
    EXPECT_EQ(b.at(10, 5), c.fill); // neither gradient covers row 5
    expectPixels(b, {10, 6, c.lowFrom, 10, H - 2, rampEntry(c.lowFrom, c.lowTo, H - 2, H - 8), 0, 5, c.outline, W - 1,
                     H - 1, c.outline});
    expectCorners(b, c.corners);
    EXPECT_EQ(b.surface.hasWindowRegion(), c.state == Normal);
  }

  // An unknown state only softens the corners of the cleared surface.
  HeadlessButton odd = button(10, B);
  odd.in.state = 7;
  odd.paint();
  EXPECT_EQ(odd.at(10, 10), Face);
  EXPECT_EQ(odd.at(0, 0), Face);
  expectCorners(odd, S(-0.36f));
}
