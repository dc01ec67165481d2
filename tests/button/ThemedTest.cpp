// ButtonStyle 13 through the desktop theme: the state ids, the theme's shape
// and the once-kept answer of IsThemed.

#include "button/model/vexabutton_p.h"
#include "button/render/Redraw.h"
#include "button/render/Styles.h"
#include "button/services/VisualStyles.h"
#include "platform/SystemColors.h"
#include "platform/Theme.h"

#include <gtest/gtest.h>

namespace {

ButtonRecord themedRecord() {
  ButtonRecord rec;
  rec.ButtonStyle = 13;
  rec.VisualStylesActive = true;
  rec.Enabled = true;
  rec.Caption = QStringLiteral("OK");
  rec.mFont = std::make_shared<platform::SharedFont>(QStringLiteral("Tahoma"), 8.25);
  rec.ForeColor = 0;
  rec.ParentActive = true;
  return rec;
}

} // namespace

TEST(Themed, StateIdsFollowEnabledStateFocusAndActivation) {
  ButtonRecord rec = themedRecord();
  EXPECT_EQ(vexa::ThemedStateId(rec, ButtonRecord::Normal), 1);
  EXPECT_EQ(vexa::ThemedStateId(rec, ButtonRecord::Hot), 2);
  EXPECT_EQ(vexa::ThemedStateId(rec, ButtonRecord::Down), 3);
  EXPECT_EQ(vexa::ThemedStateId(rec, 7), 0);

  rec.HasFocus = true; // focused at rest in an active window: the default-button look
  EXPECT_EQ(vexa::ThemedStateId(rec, ButtonRecord::Normal), 5);
  rec.ButtonState = ButtonRecord::Hot; // not at rest: hot wins
  EXPECT_EQ(vexa::ThemedStateId(rec, ButtonRecord::Hot), 2);
  rec.ButtonState = ButtonRecord::Normal;
  rec.ParentActive = false; // inactive window: plain normal
  EXPECT_EQ(vexa::ThemedStateId(rec, ButtonRecord::Normal), 1);
  rec.ParentActive = true;
  rec.HasFocus = false;
  rec.IsDefault = true;
  EXPECT_EQ(vexa::ThemedStateId(rec, ButtonRecord::Normal), 5);

  rec.Enabled = false; // disabled whatever the state
  for (qint32 state : {0, 1, 2})
    EXPECT_EQ(vexa::ThemedStateId(rec, state), 4);
}

TEST(Themed, RedrawDrawsTheThemeAndTakesItsShape) {
  ButtonRecord rec = themedRecord();
  platform::Surface surface(75, 23);
  vexa::Redraw(rec, surface);

  ASSERT_TRUE(surface.hasWindowRegion());
  const QRegion region = surface.windowRegion();
  EXPECT_TRUE(region.contains(QPoint(37, 11)));
  // The outline never reaches beyond one pixel around the client area (two below).
  EXPECT_TRUE(QRegion(-1, -1, 77, 26).contains(region.boundingRect()));
  // Something other than the cleared face was drawn.
  const qint32 face = platform::SystemColors::get(platform::SystemColors::ButtonFace);
  bool drawn = false;
  for (int y = 0; y < 23 && !drawn; ++y)
    for (int x = 0; x < 75 && !drawn; ++x)
      drawn = surface.pixel(x, y) != face;
  EXPECT_TRUE(drawn);
  // The caption is still laid out inside the 4-pixel margin of style 13.
  EXPECT_GE(rec.CaptionRect.left, 4);
  EXPECT_LE(rec.CaptionRect.right, 71);
}

TEST(Themed, WithoutVisualStylesStyle13IsTheRoundedGradient) {
  ButtonRecord themed = themedRecord();
  ButtonRecord plain = themedRecord();
  plain.VisualStylesActive = false;
  plain.BackColor = 0xE7EBEC;
  platform::Surface a(75, 23), b(75, 23);
  vexa::Redraw(themed, a);
  vexa::Redraw(plain, b);
  EXPECT_EQ(b.pixel(0, 10), 0x743C00); // the gradient style's outline
  EXPECT_NE(a.image(), b.image());
}

TEST(Themed, TheAnswerIsKeptOncePerProcess) {
  vexa::setVisualStylesForTesting(false);
  {
    vexabutton button;
    EXPECT_FALSE(recordOf(button).VisualStylesActive);
  }
  vexa::setVisualStylesForTesting(true);
  {
    vexabutton button;
    EXPECT_TRUE(recordOf(button).VisualStylesActive);
  }
  vexa::resetVisualStyles();
  EXPECT_EQ(vexa::IsThemed(), platform::Theme::appThemed());
  vexa::resetVisualStyles();
}
