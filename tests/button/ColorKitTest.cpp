// SPDX-License-Identifier: MIT
#include "button/render/ColorKit.h"

#include "platform/SystemColors.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vexa;
using platform::Surface;

namespace {

Surface blankSurface(int w, int h) {
  Surface s(w, h);
  s.setBackgroundColor(0x010101);
  s.clear();
  return s;
}

int red(Colour c) { return c & 0xFF; }

} // namespace

TEST(ColorKitArithmetic, ShiftColorUsesASinglePrecisionFraction) {
  // 255 - 25.5000004 = 229.4999996 -> 229, not the tie 229.5 -> 230.
  EXPECT_EQ(ShiftColor(0xFFFFFF, -0.1f), 0xE5E5E5);
  EXPECT_EQ(ShiftColor(0x000000, 0.1f), 0x1A1A1A);
  // Limits: a positive fraction stops at 255, a negative one at 0.
  EXPECT_EQ(ShiftColor(0xFF00FF, 0.1f), 0xFF1AFF);
  EXPECT_EQ(ShiftColor(0x050505, -0.1f), 0x000000);
  // Ties to even: 0.5 of a channel appears only with exact fractions.
  EXPECT_EQ(ShiftColor(0x000000, 0.5f), 0x808080); // 127.5 -> 128
  EXPECT_EQ(ShiftColor(0x010101, 0.5f), 0x808080); // 128.5 -> 128
  // The style defaults' own examples.
  EXPECT_EQ(ShiftColor(0xD4D4D4, 0.06f), 0xE3E3E3);
  EXPECT_EQ(ShiftColor(0xBA9EA0, 0.15f), 0xE0C4C6);
  EXPECT_EQ(ShiftColor(0x743C00, 0.3f), 0xC1894D);
  EXPECT_EQ(ShiftColor(0x066237, 0.3f), 0x53AF84);
}

TEST(ColorKitArithmetic, MixColorsRoundsChannelAveragesToEven) {
  EXPECT_EQ(MixColors(0x000000, 0xFFFFFF), 0x808080);
  EXPECT_EQ(MixColors(0x000001, 0x000002), 0x000002); // 1.5 -> 2
  EXPECT_EQ(MixColors(0x000002, 0x000003), 0x000002); // 2.5 -> 2
  EXPECT_EQ(MixColors(0x000003, 0x000004), 0x000004); // 3.5 -> 4
  EXPECT_EQ(MixColors(0x0A0000, 0x000A00), 0x050500);
}

TEST(ColorKitArithmetic, TranslateColorResolvesSystemColours) {
  EXPECT_EQ(TranslateColor(0x123456), 0x123456);
  EXPECT_EQ(TranslateColor(qint32(0x80000012)), 0);
  EXPECT_EQ(TranslateColor(qint32(0x8000000F)), 0xC8D0D4);
  EXPECT_EQ(TranslateColor(0x7F000000), -1);
}

TEST(ColorKitPrimitives, LineFrameFillAndCornerPixels) {
  const int W = 8, H = 6;
  Surface s = blankSurface(W, H);
  DrawLine(s, 1, 1, 1, H - 2, 0x0000FF); // rows 1 .. H - 3
  for (int y = 0; y < H; ++y)
    EXPECT_EQ(s.pixel(1, y), (y >= 1 && y <= H - 3) ? 0x0000FF : 0x010101) << y;

  s.clear();
  FrameRectangle(s, 0, 0, W + 1, H + 1, 0x00FF00); // top row and left column only
  EXPECT_EQ(s.pixel(W - 1, 0), 0x00FF00);
  EXPECT_EQ(s.pixel(0, H - 1), 0x00FF00);
  EXPECT_EQ(s.pixel(W - 1, 1), 0x010101);
  EXPECT_EQ(s.pixel(1, H - 1), 0x010101);

  s.clear();
  FillRectangle(s, 0xFF0000, {2, 2, 4, 3});
  EXPECT_EQ(s.pixel(2, 2), 0xFF0000);
  EXPECT_EQ(s.pixel(3, 2), 0xFF0000);
  EXPECT_EQ(s.pixel(4, 2), 0x010101);
  EXPECT_EQ(s.pixel(2, 3), 0x010101);

  s.clear();
  SetCornerPixels(s, 0x777777);
  for (auto [x, y] : {std::pair{1, 1}, {1, H - 2}, {W - 2, 1}, {W - 2, H - 2}})
    EXPECT_EQ(s.pixel(x, y), 0x777777);
  EXPECT_EQ(s.pixel(0, 0), 0x010101);
}

TEST(ColorKitGradient, RampsTruncateTowardZeroInEveryDirection) {
  {
    Surface s = blankSurface(4, 2);
    GradientFill(s, 0, 0, 4, 2, 0x000000, 0x0000FF, 0);
    for (int y = 0; y < 2; ++y) {
      EXPECT_EQ(red(s.pixel(0, y)), 0);
      EXPECT_EQ(red(s.pixel(1, y)), 85);
      EXPECT_EQ(red(s.pixel(2, y)), 170);
      EXPECT_EQ(red(s.pixel(3, y)), 255);
    }
  }
  {
    Surface s = blankSurface(2, 4);
    GradientFill(s, 0, 0, 2, 4, 10, 0, 1); // brighter to darker: 10, 7, 4, 0
    EXPECT_EQ(red(s.pixel(1, 0)), 10);
    EXPECT_EQ(red(s.pixel(1, 1)), 7);
    EXPECT_EQ(red(s.pixel(1, 2)), 4);
    EXPECT_EQ(red(s.pixel(1, 3)), 0);
  }
  {
    // A single entry: each colour halved first (255 and 255 give 254).
    Surface s = blankSurface(3, 1);
    GradientFill(s, 0, 0, 3, 1, 0xFFFFFF, 0xFFFF03, 1);
    EXPECT_EQ(s.pixel(0, 0), 0xFEFE80); // red 127 + 1, green and blue 127 + 127
    EXPECT_EQ(s.pixel(2, 0), s.pixel(0, 0));
  }
  {
    // Diagonals: direction 2 from top-left to bottom-right, 3 from bottom-left to top-right.
    Surface s = blankSurface(3, 2);
    GradientFill(s, 0, 0, 3, 2, 0, 30, 2); // n = 3: 0, 10, 20, 30
    EXPECT_EQ(red(s.pixel(0, 0)), 0);
    EXPECT_EQ(red(s.pixel(2, 0)), 20);
    EXPECT_EQ(red(s.pixel(0, 1)), 10);
    EXPECT_EQ(red(s.pixel(2, 1)), 30);
    GradientFill(s, 0, 0, 3, 2, 0, 30, 3);
    EXPECT_EQ(red(s.pixel(0, 1)), 0);
    EXPECT_EQ(red(s.pixel(0, 0)), 10);
    EXPECT_EQ(red(s.pixel(2, 0)), 30);
    EXPECT_EQ(red(s.pixel(2, 1)), 20);
  }
  {
    // Unknown direction: black. Empty rectangles: nothing.
    Surface s = blankSurface(3, 3);
    GradientFill(s, 1, 1, 2, 2, 0xFFFFFF, 0xFFFFFF, 7);
    EXPECT_EQ(s.pixel(1, 1), 0);
    EXPECT_EQ(s.pixel(2, 2), 0);
    EXPECT_EQ(s.pixel(0, 0), 0x010101);
    GradientFill(s, 0, 0, 0, 3, 0xFFFFFF, 0xFFFFFF, 1);
    GradientFill(s, 0, 0, 3, 0, 0xFFFFFF, 0xFFFFFF, 1);
    EXPECT_EQ(s.pixel(0, 0), 0x010101);
  }
  {
    // Only the rows on the surface are drawn; the ramp still spans the full height.
    Surface s = blankSurface(2, 4);
    GradientFill(s, 0, 2, 2, 10, 0, 90, 1); // n = 9: rows 2 and 3 get entries 0 and 1
    EXPECT_EQ(red(s.pixel(0, 2)), 0);
    EXPECT_EQ(red(s.pixel(0, 3)), 10);
    EXPECT_EQ(s.pixel(0, 1), 0x010101);
  }
}

TEST(ColorKitDefaults, SchemeAndColoursFollowTheStyle) {
  ButtonRecord rec;
  const auto apply = [&](qint32 style, qint32 scheme) {
    rec.ButtonStyle = style;
    rec.ColorScheme = scheme;
    rec.BackColor = 0x123456;
    ApplyDefaultColorScheme(rec);
    ApplyStyleDefaults(rec);
  };

  apply(9, 0); // the scheme becomes 2 first
  EXPECT_EQ(rec.ColorScheme, 2);
  EXPECT_EQ(rec.BackColor, 0xE1D6D5);
  EXPECT_TRUE(rec.ShowFocusRect);

  apply(2, 1);
  EXPECT_EQ(rec.ColorScheme, 0);
  EXPECT_EQ(rec.BackColor, 0xE7EBEC);
  EXPECT_FALSE(rec.ShowFocusRect);

  apply(5, 2); // style 5 keeps its scheme
  EXPECT_EQ(rec.ColorScheme, 2);
  EXPECT_EQ(rec.BackColor, 0xE0C4C6);

  apply(3, 3);
  EXPECT_EQ(rec.ColorScheme, 2);
  EXPECT_EQ(rec.BackColor, 0xE3E3E3);

  apply(13, 1); // the system style keeps scheme and background
  EXPECT_EQ(rec.ColorScheme, 1);
  EXPECT_EQ(rec.BackColor, 0x123456);

  apply(11, 3); // custom scheme, but this style always takes the button face
  EXPECT_EQ(rec.BackColor, 0xC8D0D4);

  apply(10, 3); // custom: the background stays
  EXPECT_EQ(rec.ColorScheme, 0);
  EXPECT_EQ(rec.BackColor, 0xFFD1AD);

  rec.ColorScheme = 3;
  rec.ButtonStyle = 8;
  rec.BackColor = 0x123456;
  ApplyStyleDefaults(rec);
  EXPECT_EQ(rec.BackColor, 0x123456);

  rec.ForeColor = 0x00FF00;
  rec.PicturePushOnHover = false;
  rec.ButtonStyle = 4;
  ApplyStyleDefaults(rec);
  EXPECT_EQ(rec.ForeColor, 0); // button text, as RGB
  EXPECT_TRUE(rec.PicturePushOnHover);
  rec.ButtonStyle = 1;
  ApplyStyleDefaults(rec);
  EXPECT_TRUE(rec.PicturePushOnHover); // other styles leave it
  EXPECT_TRUE(rec.ShowFocusRect);
}

TEST(ColorKitDefaults, EveryCellOfTheStyleTables) {
  constexpr qint32 Kept = -2; // the cell leaves the value as it was
  constexpr Colour Before = 0x123456;
  constexpr Colour Face = 0xC8D0D4;
  // Background by style for schemes 0, 1, 2 and 3 (3 stands for every other value too).
  struct Row {
    std::vector<qint32> styles;
    Colour scheme0, scheme1, scheme2, scheme3;
    qint32 defaultScheme; // what ApplyDefaultColorScheme makes of scheme 1
  };
  const Row rows[] = {
      {{0, 1, 4, 6, 7}, Face, Face, Face, Face, 0},    {{11, 12}, Face, Face, Face, Face, Kept},
      {{2}, 0xE7EBEC, 0xDBEEF3, 0xFCF1F0, Kept, 0},    {{3}, 0xFDECE0, 0xDEEDE8, 0xE3E3E3, Kept, 2},
      {{5}, 0xFCE1CA, 0xBAD6D4, 0xE0C4C6, Kept, Kept}, {{8, 10}, 0xFFD1AD, 0xBAD6D4, 0xE3DFE0, Kept, 0},
      {{9}, 0xFFD1AD, 0xBAD6D4, 0xE1D6D5, Kept, 2},    {{13, 14, -1}, Kept, Kept, Kept, Kept, Kept},
  };
  for (const Row& row : rows)
    for (qint32 style : row.styles) {
      const Colour expected[] = {row.scheme0, row.scheme1, row.scheme2, row.scheme3, row.scheme3};
      const qint32 schemes[] = {0, 1, 2, 3, 7};
      for (int i = 0; i < 5; ++i) {
        ButtonRecord rec;
        rec.ButtonStyle = style;
        rec.ColorScheme = schemes[i];
        rec.BackColor = Before;
        rec.ForeColor = 0x00FF00;
        ApplyStyleDefaults(rec);
        EXPECT_EQ(rec.BackColor, expected[i] == Kept ? Before : expected[i])
            << "style " << style << " scheme " << schemes[i];
        EXPECT_EQ(rec.ForeColor, 0x000000) << "style " << style;
        EXPECT_EQ(rec.ShowFocusRect, style == 0 || style == 1 || style == 9) << "style " << style;
        EXPECT_EQ(rec.ColorScheme, schemes[i]); // the scheme is not its business
      }
      ButtonRecord rec;
      rec.ButtonStyle = style;
      rec.ColorScheme = 1;
      ApplyDefaultColorScheme(rec);
      EXPECT_EQ(rec.ColorScheme, row.defaultScheme == Kept ? 1 : row.defaultScheme) << "style " << style;
    }
}
