// SPDX-License-Identifier: MIT
// Pixels of the toolbar, silver, gel and gloss styles (4, 6, 8, 9) on the
// classic colour table.
#include "RenderSupport.h"

#include "button/model/vexabutton.h"
#include "button/model/vexabutton_p.h"
#include "button/render/ColorKit.h"
#include "button/render/Redraw.h"
#include "platform/PropertyBag.h"

#include <gtest/gtest.h>

using namespace vexa;
using platform::Surface;
using namespace styletest;

// ---- ButtonStyle 4 -------------------------------------------------------------

TEST(RenderToolbar, PaletteFillAndOutlineByStateAndCheck) {
  constexpr Colour Red = 0x0000FF;
  constexpr Colour Blue = 0xEED2C1, BlueOutline = 0xC56A31;
  struct Case {
    const char* what;
    qint32 scheme;
    Colour back;
    qint32 state;
    bool checked, mouseInside;
    Colour fill, outline;
  };
  const Case cases[] = {
      {"rest", 0, Face, Normal, false, false, Face, Face},
      {"hot", 0, Face, Hot, false, false, ShiftColor(Blue, 0.03f), BlueOutline},
      {"down", 0, Face, Down, false, false, ShiftColor(Blue, -0.08f), BlueOutline},
      {"checked", 0, Face, Normal, true, false, ShiftColor(Blue, -0.05f), BlueOutline},
      {"checked, pointer in", 0, Face, Normal, true, true, ShiftColor(Blue, -0.01f), BlueOutline},
      {"olive hot", 1, Face, Hot, false, false, ShiftColor(0xBAD6D4, 0.03f), 0x70A093},
      {"grey down", 2, Face, Down, false, false, ShiftColor(0xE3DFE0, -0.08f), 0xBFB4B2},
      {"custom red hot", 3, Red, Hot, false, false, ShiftColor(Red, 0.03f), ShiftColor(Red, -0.12f)},
      {"custom red rest", 3, Red, Normal, false, false, Red, Red},
      {"unknown scheme hot", 7, Face, Hot, false, false, ShiftColor(0x000000, 0.03f), 0x000000},
  };
  for (const Case& c : cases) {
    HeadlessButton b = button(4, c.back);
    b.in.ColorScheme = c.scheme;
    b.in.state = c.state;
    b.in.Mode = c.checked ? 1 : 0;
    b.in.Value = c.checked;
    b.in.mouseInside = c.mouseInside;
    b.in.Enabled = false; // not consulted
    b.paint();
    SCOPED_TRACE(c.what);
    expectPixels(b, {1, 1, c.fill, W - 2, H - 2, c.fill, 0, 0, c.outline, W - 1, H - 1, c.outline});
    EXPECT_FALSE(b.surface.hasWindowRegion());
  }
}

// ---- ButtonStyle 6 -------------------------------------------------------------

TEST(RenderSilver, PressedCaptionIsWhiteAndReleaseRestoresTheButtonText) {
  HeadlessButton b = button(6, Face);
  b.in.Caption = QStringLiteral("Dugme");
  b.in.ForeColor = 0x00FF00; // not the caption's colour in this style
  b.in.state = Down;
  b.paint();
  EXPECT_EQ(b.at(10, 10), 0xDDE4E5);
  EXPECT_TRUE(anyPixel(b.surface, b.out.captionRect, White));
  // Shading rows end one pixel short of the right column.
  expectPixels(b, {W - 3, 1, ShiftColor(0xD1DADC, -0.02f), W - 3, 2, ShiftColor(0xDAE1E3, -0.02f), W - 3, H - 3,
                   ShiftColor(0xDEE5E6, 0.02f), 2, H - 2, ShiftColor(0xE5EAEB, 0.02f), W - 2, 2, 0xDDE4E5, 0, 5,
                   0x929D9D});
  expectCorners(b, ShiftColor(0xABB4B5, -0.2f));

  b.in.state = Normal;
  b.paint();
  EXPECT_FALSE(anyPixel(b.surface, b.out.captionRect, White));
  EXPECT_FALSE(anyPixel(b.surface, b.out.captionRect, 0x00FF00));
  EXPECT_EQ(b.at(0, 5), Face); // no outline at rest
  EXPECT_EQ(b.surface.windowRegion(), Surface::roundRectRegion(0, 0, W + 1, H + 1, 4, 4));
}

TEST(RenderSilver, TheDesignersForeColorSurvivesPaintsAndASave) {
  vexabutton button;
  initProperties(button);
  button.setButtonStyle(qint32(vexa::Style::Silver));
  button.setForeColor(0x00FF00);
  redrawNow(button);
  EXPECT_EQ(button.ForeColor(), 0x00FF00);
  platform::PropertyBag bag;
  button.WriteProperties(bag);
  EXPECT_EQ(bag.ReadProperty(QStringLiteral("ForeColor")).toInt(), 0x00FF00);
}

TEST(RenderSilver, CheckedLookAndTheMousePressedDownLook) {
  const auto checked = [](qint32 state, bool pressed) {
    HeadlessButton b = button(6, Face);
    b.in.Mode = 1;
    b.in.Value = true;
    b.in.state = state;
    b.in.mousePressed = pressed;
    b.paint();
    EXPECT_EQ(b.out.state, state); // never forced Down
    return b;
  };

  const HeadlessButton rest = checked(Normal, false);
  EXPECT_EQ(rest.at(10, 10), 0xFEFEFE);
  EXPECT_EQ(rest.at(0, 5), 0xAF987A);
  expectCorners(rest, ShiftColor(0xC1B3A0, -0.2f));
  EXPECT_EQ(rest.at(W - 2, 5), 0xFEFEFE);

  const HeadlessButton hot = checked(Hot, false);
  expectPixels(hot, {W - 2, 2, 0xEDF0F2, W - 2, H - 5, 0xEDF0F2, 2, H - 2, 0xD8DEE4, 1, H - 3, 0xE8ECEF, W - 2, H - 4,
                     0xF8F9FA});

  // Held down by the mouse: the pressed look, though the state is not Down.
  const HeadlessButton held = checked(Normal, true);
  EXPECT_EQ(held.at(10, 10), 0xDDE4E5);
  EXPECT_EQ(held.at(0, 5), 0x929D9D);
  EXPECT_EQ(held.in.ForeColor, 0x000000);
}

TEST(RenderSilver, HotGradientAndShading) {
  HeadlessButton b = button(6, Face);
  b.in.state = Hot;
  b.paint();
  expectPixels(b, {10, 1, rampEntry(0xFDFEFE, 0xEEF4F4, 11, 1), 10, 17, rampEntry(0xEEF4F4, 0xEAF1F1, 11, 5), W - 2, 2,
                   0xE0E7EA, W - 3, H - 5, 0xEAF0F0});
  EXPECT_EQ(b.at(W - 3, H - 4), 0xE5EDEE); // the rows are drawn after the columns
  expectPixels(b, {10, H - 3, 0xD6E1E4, 10, H - 2, 0xC6D2D7, 0, 5, 0xC3CECE});
  expectCorners(b, ShiftColor(0xC9D4D4, -0.05f));
  EXPECT_FALSE(b.surface.hasWindowRegion());
}

// ---- ButtonStyle 8 -------------------------------------------------------------

TEST(RenderGel, BandsSplitAtHeightOver2Point7) {
  constexpr int GelH = 27; // h1 = 10, h2 = 17
  constexpr Colour B = 0xFFD1AD;
  const auto S = [](float x) { return ShiftColor(B, x); };
  struct Case {
    const char* what;
    qint32 state;
    bool checked, mouseInside;
    Colour top1, top2, low1, low2;
  };
  const Case cases[] = {
      {"rest", Normal, false, false, MixColors(S(0.09f), White), MixColors(S(0.07f), B), B, S(0.03f)},
      {"hot", Hot, false, false, 0xE1FFFF, 0xACEAFF, 0x67D7FF, 0x99E4FF},
      {"down", Down, false, false, 0x58C1FF, 0x51AFFF, 0x468FFF, 0x5FD3FF},
      {"checked", Normal, true, false, 0xA9D9FF, 0x6FC0FF, 0x3FABFF, 0x75E1FF},
      {"checked, pointer in", Normal, true, true, 0x58C1FF, 0x51AFFF, 0x468FFF, 0x5FD3FF},
  };
  for (const Case& c : cases) {
    HeadlessButton b = button(8, B, GelH);
    b.in.state = c.state;
    b.in.Mode = c.checked ? 2 : 0;
    b.in.Value = c.checked;
    b.in.mouseInside = c.mouseInside;
    b.paint();
    SCOPED_TRACE(c.what);
    expectPixels(b, {10, 1, rampEntry(c.top1, c.top2, 9, 1), 10, 9, c.top2, 10, 10, c.low1, 10, 25,
                     rampEntry(c.low1, c.low2, 16, 15), 0, 5, S(-0.34f), 10, 26, S(-0.34f)});
  }
}

// ---- ButtonStyle 9 -------------------------------------------------------------

TEST(RenderWhiteGloss, HotLooksLikeRestAndPressedDiffers) {
  constexpr Colour B = 0xE1D6D5;
  const auto S = [](float x) { return ShiftColor(B, x); };
  HeadlessButton rest = button(9, B);
  rest.paint();
  HeadlessButton hot = button(9, B);
  hot.in.state = Hot;
  hot.paint();
  EXPECT_EQ(hot.surface.image(), rest.surface.image());
  EXPECT_EQ(rest.surface.windowRegion(), Surface::roundRectRegion(0, 0, W + 1, H + 1, 3, 3));
  EXPECT_FALSE(hot.surface.hasWindowRegion());

  EXPECT_EQ(rest.at(10, 1), White); // the white highlight's top
  expectPixels(rest, {10, 11, B, 1, 10, White, W - 2, 10, White});
  EXPECT_EQ(rest.at(10, H - 2), B); // its bottom side lies below the surface
  expectPixels(rest, {0, 10, S(-0.2f), 1, H - 1, S(-0.2f), 2, H - 1, S(-0.25f), W - 3, H - 1, S(-0.25f), W - 2, H - 1,
                      S(-0.2f)});
  expectCorners(rest, S(0.05f));

  HeadlessButton down = button(9, B);
  down.in.state = Down;
  down.paint();
  expectPixels(down, {10, 11, S(-0.1f), 10, H - 2, rampEntry(S(-0.1f), S(-0.05f), H - 1, H - 2 - 12), 0, 10, S(-0.23f),
                      W - 3, H - 1, S(-0.4f)});
  expectCorners(down, S(0.05f)); // the rest colour replaces the pressed corners
}

TEST(RenderWhiteGloss, DisabledAndFocusedIsDrawnAtRestWithTheFocusRectangle) {
  constexpr Colour B = 0xE1D6D5;
  HeadlessButton disabled = button(9, B);
  disabled.in.Enabled = false;
  disabled.in.state = Down;
  disabled.in.hasFocus = true;
  disabled.in.ShowFocusRect = true;
  disabled.paint();
  HeadlessButton rest = button(9, B);
  rest.paint();
  EXPECT_EQ(disabled.at(3, 3), rest.at(3, 3) ^ White);
  EXPECT_EQ(disabled.at(4, 3), rest.at(4, 3));
  EXPECT_EQ(disabled.at(W - 4, H - 4), rest.at(W - 4, H - 4) ^ White); // 71 + 19 is even
  disabled.surface.drawFocusRect({3, 3, W - 3, H - 3});
  EXPECT_EQ(disabled.surface.image(), rest.surface.image());
}
