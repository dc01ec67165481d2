// SPDX-License-Identifier: MIT
// Pixels of the classic styles 0, 1, 11 and 12 on a system-colour table whose
// every colour is distinct (colour n is 0xNNNNNN), so a swapped ring shows.
#include "RenderSupport.h"

#include "button/render/ColorKit.h"
#include "button/render/Redraw.h"

#include <gtest/gtest.h>

using namespace vexa;

namespace {

constexpr int W = 75;
constexpr int H = 23;
constexpr Colour Face = 0x151515;
constexpr Colour Workspace = 0x121212;
constexpr Colour Shadow = 0x161616;
constexpr Colour GrayText = 0x171717;
constexpr Colour Highlight = 0x202020;
constexpr Colour DarkShadow = 0x212121;
constexpr Colour Light = 0x222222;
constexpr Colour Black = 0x000000;
constexpr Colour White = 0xFFFFFF;

// One pixel ring `inset` pixels in: top row and left column `light`, bottom
// row and right column `dark`. Where they meet at the top-right and
// bottom-left corners the dark side wins, unless `lightCorners`.
struct Ring {
  Colour light, dark;
  bool lightCorners = false;
};
constexpr Ring None{Face, Face};

void expectRing(const HeadlessButton& b, int inset, Ring ring, const std::string& what) {
  const int l = inset, t = inset, r = W - 1 - inset, btm = H - 1 - inset;
  const Colour corner = ring.lightCorners ? ring.light : ring.dark;
  SCOPED_TRACE(what + " ring " + std::to_string(inset));
  EXPECT_EQ(b.at(l, t), ring.light);
  EXPECT_EQ(b.at(r - 1, t), ring.light); // the top row's last light pixel
  expectPixels(b, {l, btm - 1, ring.light, r, t, corner, l, btm, corner, r, btm, ring.dark, W / 2, btm, ring.dark, r,
                   H / 2, ring.dark});
}

HeadlessButton classic(qint32 style, qint32 back = qint32(0x80000000u | 15)) {
  HeadlessButton b(W, H, style);
  b.in.BackColor = back;
  return b;
}

class RenderClassic : public ::testing::Test {
protected:
  DistinctSystemColours colours;
};

} // namespace

TEST_F(RenderClassic, DisabledDrawsTheRestingBorderOnTheClearedFace) {
  struct Case {
    qint32 style;
    Ring outer, inner;
  };
  const Case cases[] = {
      {0, {Light, DarkShadow}, {Highlight, Shadow}},
      {1, {Highlight, Shadow}, None},
      {11, None, None},
      {12, None, None},
  };
  for (const Case& c : cases) {
    HeadlessButton b = classic(c.style, 0x0000FF); // red, never painted
    b.in.Enabled = false;
    b.in.state = Hot;
    b.paint();
    const std::string what = "style " + std::to_string(c.style);
    expectRing(b, 0, c.outer, what);
    expectRing(b, 1, c.inner, what);
    EXPECT_EQ(b.at(W / 2, H / 2), Face) << what;
  }
}

TEST_F(RenderClassic, EachStyleAndStateDrawsItsBorder) {
  constexpr Ring Raised{Light, DarkShadow};
  constexpr Ring RaisedInner{Highlight, Shadow};
  constexpr Ring SunkenOuter{Shadow, Highlight};
  constexpr Ring SunkenInner{DarkShadow, Light};
  constexpr Ring ThinSunken{GrayText, White, true};
  struct Case {
    qint32 style;
    qint32 state;
    Ring outer, inner;
  };
  const Case cases[] = {
      {0, Normal, Raised, RaisedInner}, {0, Hot, Raised, RaisedInner},  {0, Down, {Black, Black}, {0x99A8AC, 0x99A8AC}},
      {1, Normal, RaisedInner, None},   {1, Hot, RaisedInner, None},    {1, Down, ThinSunken, None},
      {11, Normal, None, None},         {11, Hot, Raised, RaisedInner}, {11, Down, SunkenOuter, SunkenInner},
      {12, Normal, None, None},         {12, Hot, RaisedInner, None},   {12, Down, ThinSunken, None},
  };
  for (const Case& c : cases) {
    HeadlessButton b = classic(c.style);
    b.in.state = c.state;
    b.paint();
    const std::string what = "style " + std::to_string(c.style) + " state " + std::to_string(c.state);
    expectRing(b, 0, c.outer, what);
    expectRing(b, 1, c.inner, what);
    EXPECT_EQ(b.at(W / 2, H / 2), Face) << what;
    // Only the resting paint reshapes the window (always a plain rectangle).
    EXPECT_EQ(b.surface.hasWindowRegion(), c.state == Normal) << what;
  }
}

TEST_F(RenderClassic, CheckedToggleIsLighterAndSunkenWithAWorkspaceFrameForFocusedStyle0) {
  struct Case {
    qint32 style;
    bool focused, showFocusRect;
    bool sunken, workspaceFrame;
  };
  const Case cases[] = {
      {0, true, true, true, true},  {0, true, false, true, false}, {0, false, true, true, false},
      {1, true, true, true, false}, {11, true, true, true, false}, {12, true, true, false, false},
  };
  for (const Case& c : cases) {
    HeadlessButton b = classic(c.style);
    b.in.Mode = 1;
    b.in.Value = true;
    b.in.hasFocus = c.focused;
    b.in.ShowFocusRect = c.showFocusRect;
    b.paint();
    const std::string what = "style " + std::to_string(c.style);
    // Style 0 is not forced Down by Redraw; the others are.
    EXPECT_EQ(b.out.state, c.style == 0 ? Normal : Down) << what;
    const Colour body = ShiftColor(Face, 0.02f);
    EXPECT_EQ(b.at(W / 2, H / 2), body) << what;
    expectRing(b, 0, c.sunken ? Ring{Shadow, Highlight} : Ring{body, body}, what);
    expectRing(b, 1, c.sunken ? Ring{DarkShadow, Light} : Ring{body, body}, what);
    // A solid frame from (4, 4) to (W - 4, H - 4), not the dotted rectangle.
    const Colour frame = c.workspaceFrame ? Workspace : body;
    for (auto [x, y] : {std::pair{4, 4}, {5, 4}, {W - 4, 4}, {4, H - 4}, {W - 4, H - 4}})
      EXPECT_EQ(b.at(x, y), frame) << what << " at " << x << "," << y;
    EXPECT_EQ(b.at(W - 3, 4), body) << what;
    EXPECT_EQ(b.at(5, 5), body) << what;
  }
}

TEST_F(RenderClassic, FocusRectangleAndDefaultFrame) {
  struct Case {
    qint32 style;
    qint32 state;
    bool parentActive, userMode;
    bool focusRect, defaultFrame;
  };
  const Case cases[] = {
      {0, Normal, true, true, true, true},   // focused at rest
      {0, Down, true, true, true, false},    // pressed: the frame goes, the rectangle stays
      {0, Normal, false, true, false, true}, // inactive window
      {0, Normal, true, false, false, true}, // design time
      {1, Normal, true, true, true, false},  {11, Hot, true, true, true, false}, {12, Down, true, true, true, false},
  };
  for (const Case& c : cases) {
    HeadlessButton b = classic(c.style);
    b.in.state = c.state;
    b.in.hasFocus = true;
    b.in.ShowFocusRect = true;
    b.in.parentActive = c.parentActive;
    b.in.userMode = c.userMode;
    b.paint();
    const std::string what = "style " + std::to_string(c.style) + " state " + std::to_string(c.state);

    // The dotted rectangle: every other pixel inverted, ending one pixel
    // inside the inset on the right and bottom.
    const int inset = c.style == 1 || c.style == 12 ? 3 : 4;
    const Colour dot = c.focusRect ? Face ^ 0xFFFFFF : Face;
    EXPECT_EQ(b.at(inset, inset), dot) << what;
    EXPECT_EQ(b.at(inset + 1, inset), Face) << what;
    EXPECT_EQ(b.at(W - 1 - inset, H - 1 - inset), dot) << what; // 70 + 18 is even
    EXPECT_EQ(b.at(W - inset, H - inset), Face) << what;

    if (c.defaultFrame) {
      // Black outside, then the raised edge of (0, 0, W - 1, H - 1) whose
      // outer ring the workspace frame replaces.
      expectRing(b, 0, {Black, Black}, what);
      EXPECT_EQ(b.at(1, 1), Highlight) << what;
      EXPECT_EQ(b.at(W - 3, 5), Shadow) << what;
      EXPECT_EQ(b.at(5, H - 3), Shadow) << what;
      EXPECT_EQ(b.at(W - 2, 5), Workspace) << what;
      EXPECT_EQ(b.at(5, H - 2), Workspace) << what;
    } else {
      EXPECT_NE(b.at(W - 2, 5), Workspace) << what;
    }
  }
}

TEST_F(RenderClassic, ClearingTakesTheButtonFaceOfTheMomentNotOfTheSurfacesBirth) {
  platform::SystemColors::installClassicTable();
  HeadlessButton disabled = classic(0, 0x0000FF);
  disabled.in.Enabled = false;
  HeadlessButton unknown = classic(14);
  DistinctSystemColours changed; // the palette changes after the surfaces exist
  disabled.paint();
  unknown.paint();
  EXPECT_EQ(disabled.at(W / 2, H / 2), Face);
  EXPECT_EQ(disabled.at(0, H / 2), Light);
  for (auto [x, y] : {std::pair{0, 0}, {W - 1, H - 1}, {W / 2, H / 2}})
    EXPECT_EQ(unknown.at(x, y), Face);
}
