// SPDX-License-Identifier: MIT
// Pixels of the rounded gradient style on the fixed classic colour table.
#include "RenderSupport.h"

#include "button/render/ColorKit.h"
#include "button/render/Redraw.h"

#include <gtest/gtest.h>

using namespace vexa;

namespace {

constexpr Colour Face = 0xC8D0D4;     // classic button face
constexpr Colour Outline = 0x743C00;  // palette 0 and 2 outline
constexpr Colour Corners = 0xC1894D;  // ShiftColor(Outline, +0.3)
constexpr Colour Palette0 = 0xE7EBEC; // palette 0 default background

// A 75 x 23 style-2 button without caption, so every pixel is the style's.
HeadlessButton button(qint32 scheme = 0, Colour back = Palette0) {
  HeadlessButton b(75, 23, 2);
  b.in.ColorScheme = scheme;
  b.in.BackColor = back;
  return b;
}

void expectOutline(const HeadlessButton& b, Colour outline, Colour corners) {
  const int W = 75, H = 23;
  for (int x = 0; x < W; ++x) {
    EXPECT_EQ(b.at(x, 0), outline) << x;
    EXPECT_EQ(b.at(x, H - 1), outline) << x;
  }
  for (int y = 0; y < H; ++y) {
    EXPECT_EQ(b.at(0, y), outline) << y;
    EXPECT_EQ(b.at(W - 1, y), outline) << y;
  }
  expectCorners(b, corners);
}

} // namespace

TEST(RenderRoundedGradient, NormalPalette0) {
  HeadlessButton b = button();
  b.paint();
  EXPECT_EQ(b.out.clientWidth, 75);
  EXPECT_EQ(b.out.clientHeight, 23);

  // Top four rows: S(+0.1) to S(+0.08) (row 0 lies under the outline).
  expectPixels(b, {10, 1, 0xFEFFFF, 10, 2, 0xFDFFFF, 10, 3, ShiftColor(Palette0, 0.08f)});
  // Body: S(+0.07) at the top to B at the bottom row, integer ramp.
  expectPixels(b, {10, 4, 0xF6FAFB, 10, 10, 0xF1F5F6, 40, 18, 0xEBEFF0});
  // Three darkening lines above the bottom edge, from x = 1 to W - 3.
  expectPixels(b, {10, 19, ShiftColor(Palette0, -0.01f), 10, 20, ShiftColor(Palette0, -0.05f), 10, 21,
                   ShiftColor(Palette0, -0.09f), 72, 21, 0xD0D4D5});
  // Right shading column from y = 2, left light column from y = 1.
  EXPECT_EQ(b.at(73, 2), ShiftColor(Palette0, -0.08f));
  EXPECT_EQ(b.at(73, 20), ShiftColor(Palette0, -0.08f));
  EXPECT_EQ(b.at(1, 2), 0xF3F5F6); // MixColors(white, B)
  EXPECT_EQ(b.at(1, 20), 0xF3F5F6);
  expectOutline(b, Outline, Corners);

  // Rounded window, one pixel off each corner.
  EXPECT_EQ(b.surface.windowRegion(), platform::Surface::roundRectRegion(0, 0, 76, 24, 3, 3));
  EXPECT_FALSE(b.surface.windowRegion().contains(QPoint(0, 0)));
  EXPECT_TRUE(b.surface.windowRegion().contains(QPoint(1, 0)));
}

TEST(RenderRoundedGradient, GlossPaletteSplitsAnOddHeightAtTheRoundedHalf) {
  HeadlessButton b = button(2, 0xFCF1F0);
  b.paint();
  // 23 / 2 = 11.5 rounds to 12: rows 0..11 above, 12.. below.
  EXPECT_EQ(b.at(10, 11), 0xFCF1F0);
  EXPECT_EQ(b.at(10, 12), ShiftColor(0xFCF1F0, -0.01f));
  EXPECT_EQ(b.at(10, 21), 0xDDD2D1); // entry 9 of 11 towards S(-0.15), which lies below the surface
  EXPECT_EQ(b.at(1, 10), 0xFFFFFF);  // white side lines
  EXPECT_EQ(b.at(73, 10), 0xFFFFFF);
  expectOutline(b, Outline, Corners);
}

TEST(RenderRoundedGradient, HotGlowsWithoutShadingOrRingButKeepsTheFocusRect) {
  HeadlessButton b = button();
  b.in.state = Hot;
  b.in.hasFocus = true;
  b.in.ShowFocusRect = true;
  b.paint();
  // Glow lines (focus-rect pixels with x + y even are inverted on rows and columns 2 and 20 / 72).
  expectPixels(b,
               {11, 2,  0x89D8FD, 10, 2,  0x89D8FD ^ 0xFFFFFF, 10, 1,  0xCFF0FF, 1,  10, 0x49BDF9, 73, 10, 0x49BDF9,
                2,  11, 0x7AD2FC, 72, 10, 0x7AD2FC ^ 0xFFFFFF, 72, 11, 0x7AD2FC, 11, 20, 0x30B3F8, 10, 21, 0x0097E5});
  // No shading line: row H - 4 is still the body gradient.
  EXPECT_EQ(b.at(10, 19), 0xEAEEEF);
  expectOutline(b, Outline, Corners);
  // Hot does not reshape the window.
  EXPECT_FALSE(b.surface.hasWindowRegion());
}

TEST(RenderRoundedGradient, PressedPalette0) {
  HeadlessButton b = button();
  b.in.state = Down;
  b.paint();
  expectPixels(b, {10, 10, ShiftColor(Palette0, -0.05f), 10, 1,  ShiftColor(Palette0, -0.16f),
                   10, 2,  ShiftColor(Palette0, -0.1f),  10, 21, ShiftColor(Palette0, 0.01f),
                   1,  10, ShiftColor(Palette0, -0.16f), 2,  10, ShiftColor(Palette0, -0.1f),
                   73, 10, ShiftColor(Palette0, 0.04f)});
  expectOutline(b, Outline, Corners);
}

TEST(RenderRoundedGradient, CheckedToggleIsForcedDown) {
  HeadlessButton b = button();
  b.in.Mode = 1;
  b.in.Value = true;
  b.paint();
  EXPECT_EQ(b.out.state, Down);
  EXPECT_EQ(b.at(10, 10), ShiftColor(Palette0, -0.05f));
}

TEST(RenderRoundedGradient, DisabledHasNoGlowRingOrFocusRect) {
  HeadlessButton b = button();
  b.in.Enabled = false;
  b.in.state = Hot;
  b.in.hasFocus = true;
  b.in.ShowFocusRect = true;
  b.paint();
  const Colour fill = 0xE4E8EA; // MixColors(face, S(+0.1))
  expectPixels(b, {10, 10, fill, 10, 2, fill, 2, 10, fill, 10, 1, fill});
  expectOutline(b, 0xCDD1D2, 0xCDD1D2); // S(-0.1)
}

TEST(RenderRoundedGradient, UnknownSchemeLeavesOnlyTheClearedSurface) {
  HeadlessButton b = button(5);
  b.in.Caption = QStringLiteral("OK");
  b.paint();
  for (int y = 0; y < 23; ++y)
    for (int x = 0; x < 75; ++x)
      ASSERT_EQ(b.at(x, y), Face) << x << "," << y;
}

TEST(RenderRoundedGradient, FocusRingAtRestAndNoneInAnInactiveWindow) {
  HeadlessButton focused = button();
  focused.in.hasFocus = true;
  focused.paint();
  // The eight ring lines of palette 0 (no focus rectangle without ShowFocusRect).
  expectPixels(focused, {10, 2,  0xF6D4BC, 10, 1,  0xFFE7CE, 1,  10, 0xE6AF8E, 73, 10, 0xE6AF8E,
                         2,  10, 0xF4D1B8, 72, 10, 0xF4D1B8, 10, 20, 0xE4AD89, 10, 21, 0xEE8269});

  // Default button of an inactive window, focus rect wanted: neither ring nor rectangle.
  HeadlessButton inactive = button();
  inactive.in.isDefault = true;
  inactive.in.ShowFocusRect = true;
  inactive.in.parentActive = false;
  inactive.paint();
  HeadlessButton plain = button();
  plain.paint();
  EXPECT_EQ(inactive.surface.image(), plain.surface.image());
}

TEST(RenderRoundedGradient, OlivePaletteRingAndOutline) {
  HeadlessButton b = button(1, 0xDBEEF3);
  b.in.isDefault = true;
  b.paint();
  EXPECT_EQ(b.at(10, 2), 0x8FD1C2);
  EXPECT_EQ(b.at(10, 21), 0x66A7A8);
  expectOutline(b, 0x066237, 0x53AF84);
}

TEST(RenderRoundedGradient, SystemStyleWithoutVisualStylesLooksTheSameButStaysRectangular) {
  HeadlessButton rounded = button();
  rounded.paint();
  HeadlessButton system = button();
  system.in.ButtonStyle = 13;
  system.paint();
  EXPECT_EQ(system.surface.image(), rounded.surface.image());
  EXPECT_EQ(system.surface.windowRegion(), QRegion(0, 0, 75, 23));

  // With visual styles active the themed renderer takes over.
  HeadlessButton themed = button();
  themed.in.ButtonStyle = 13;
  themed.in.visualStylesActive = true;
  themed.paint();
  EXPECT_NE(themed.surface.image(), rounded.surface.image());
}

TEST(RenderRoundedGradient, PressedLinesEndWhereTheirEndPointsSay) {
  HeadlessButton b = button();
  b.in.state = Down;
  b.paint();
  const int W = 75, H = 23;
  const auto S = [](float x) { return ShiftColor(Palette0, x); };
  // (1, 1)->(W - 2, 1) and (1, 2)->(W - 2, 2): up to W - 3; the right line starts at row 2.
  expectPixels(b, {W - 3, 1, S(-0.16f), W - 2, 1, Corners, W - 3, 2, S(-0.1f)});
  // (1, H - 2)->(W - 2, H - 2): from x = 1 (under the corner) to W - 3.
  EXPECT_EQ(b.at(2, H - 2), S(0.01f));
  EXPECT_EQ(b.at(W - 3, H - 2), S(0.01f));
  // (1, 1)->(1, H - 2) and (2, 2)->(2, H - 2): down to H - 3.
  expectPixels(b, {1, 2, S(-0.16f), 1, H - 3, S(-0.16f), 2, 1, S(-0.16f), 2, H - 3, S(-0.1f)});
  // (W - 2, 2)->(W - 2, H - 2): rows 2 to H - 3.
  EXPECT_EQ(b.at(W - 2, 2), S(0.04f));
  EXPECT_EQ(b.at(W - 2, H - 3), S(0.04f));
  EXPECT_EQ(b.at(W - 3, H - 3), S(-0.05f)); // the fill
}

TEST(RenderRoundedGradient, GlossPalettePressedHotAndFocusRing) {
  constexpr Colour B = 0xFCF1F0;
  const int W = 75, H = 23;
  const auto S = [](float x) { return ShiftColor(B, x); };

  HeadlessButton down = button(2, B);
  down.in.state = Down;
  down.paint();
  expectPixels(down, {10, 2, rampEntry(S(-0.2f), S(0.05f), H - 7, 2), 10, H - 7, S(0.05f), 10, H - 6, S(0.08f), 10,
                      H - 3, rampEntry(S(0.08f), 0xFFFFFF, H - 2, 3)});
  EXPECT_EQ(down.at(10, H - 2), 0xFFFFFF); // the white inner frame
  EXPECT_EQ(down.at(1, 10), 0xFFFFFF);
  EXPECT_EQ(down.at(W - 2, 10), 0xFFFFFF);
  expectOutline(down, Outline, Corners);

  HeadlessButton hot = button(2, B);
  hot.in.state = Hot;
  hot.paint();
  expectPixels(hot, {10, 11, B, 10, 12, S(-0.01f), 1, 10, 0x49BDF9, 10, H - 2, 0x0097E5});

  HeadlessButton focused = button(2, B);
  focused.in.hasFocus = true;
  focused.paint();
  // The blue ring with white inner columns.
  expectPixels(focused, {10, 2, 0xF6D4BC, 1, 10, 0xE6AF8E, 2, 10, 0xFFFFFF, W - 3, 10, 0xFFFFFF, 2, H - 3, 0xE4AD89, 10,
                         H - 2, 0xEE8269});
}

TEST(RenderRoundedGradient, CustomSchemeIsDrawnAsPalette0) {
  constexpr Colour Custom = 0x3060C0;
  for (qint32 state : {Normal, Hot, Down})
    for (bool focused : {false, true}) {
      HeadlessButton custom = button(3, Custom);
      HeadlessButton blue = button(0, Custom);
      for (HeadlessButton* b : {&custom, &blue}) {
        b->in.state = state;
        b->in.hasFocus = focused;
        b->in.ShowFocusRect = focused;
        b->paint();
      }
      EXPECT_EQ(custom.surface.image(), blue.surface.image()) << "state " << state << " focused " << focused;
    }
}
