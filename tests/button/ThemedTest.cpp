// SPDX-License-Identifier: MIT
// The system style through the desktop theme: the state ids, the theme's shape
// and the once-kept answer of IsThemed.

#include "RenderSupport.h"
#include "button/model/vexabutton_p.h"
#include "button/render/Redraw.h"
#include "button/render/Styles.h"
#include "button/render/VisualStyles.h"
#include "platform/SystemColors.h"
#include "platform/Theme.h"

#include <gtest/gtest.h>

namespace {

using vexa::State;

vexa::ButtonPaint themedPaint() {
  vexa::ButtonPaint paint;
  paint.ButtonStyle = qint32(vexa::Style::System);
  paint.visualStylesActive = true;
  paint.Caption = QStringLiteral("OK");
  paint.parentActive = true;
  return paint;
}

} // namespace

TEST(Themed, StateIdsFollowEnabledStateFocusAndActivation) {
  struct Row {
    qint32 state;
    bool enabled, focused, isDefault, active;
    int id;
  };
  const qint32 normal = qint32(State::Normal), hot = qint32(State::Hot), down = qint32(State::Down);
  const Row rows[] = {
      {normal, true, false, false, true, 1}, {hot, true, false, false, true, 2},
      {down, true, false, false, true, 3},   {7, true, false, false, true, 0},
      {normal, true, true, false, true, 5},  {hot, true, true, false, true, 2},
      {normal, true, true, false, false, 1}, {normal, true, false, true, true, 5},
      {normal, false, true, false, true, 4}, {hot, false, false, false, true, 4},
      {down, false, false, false, true, 4},
  };
  for (const Row& row : rows) {
    vexa::ButtonPaint paint = themedPaint();
    paint.state = row.state;
    paint.Enabled = row.enabled;
    paint.hasFocus = row.focused;
    paint.isDefault = row.isDefault;
    paint.parentActive = row.active;
    EXPECT_EQ(vexa::ThemedStateId(paint), row.id) << "state " << row.state << " enabled " << row.enabled;
  }
}

TEST(Themed, TheWindowTakesTheThemesOutlineOfTheEnlargedRectangle) {
  platform::Surface surface(75, 25);
  const vexa::PaintResult result = vexa::Redraw(themedPaint(), surface);

  ASSERT_TRUE(surface.hasWindowRegion());
  const QRegion region = surface.windowRegion();
  // The theme rounds the corners of the enlarged rectangle, outside the
  // control: every corner of the client area stays in the window.
  for (QPoint corner : {QPoint(0, 0), QPoint(74, 0), QPoint(0, 24), QPoint(74, 24), QPoint(37, 12)})
    EXPECT_TRUE(region.contains(corner)) << corner.x() << "," << corner.y();
  EXPECT_TRUE(QRect(0, 0, 75, 25).contains(region.boundingRect()));
  // Something other than the cleared face was drawn.
  platform::Surface cleared(75, 25);
  cleared.setBackgroundColor(platform::SystemColors::get(platform::SystemColors::ButtonFace));
  cleared.clear();
  EXPECT_NE(surface.image(), cleared.image());
  // The caption is still laid out inside the 4-pixel margin of the system style.
  EXPECT_GE(result.captionRect.left, 4);
  EXPECT_LE(result.captionRect.right, 71);
}

TEST(Themed, WithoutVisualStylesTheSystemStyleIsTheRoundedGradient) {
  vexa::ButtonPaint plain = themedPaint();
  plain.visualStylesActive = false;
  plain.BackColor = 0xE7EBEC;
  platform::Surface a(75, 23), b(75, 23);
  vexa::Redraw(themedPaint(), a);
  vexa::Redraw(plain, b);
  EXPECT_EQ(b.pixel(0, 10), 0x743C00); // the gradient style's outline
  EXPECT_NE(a.image(), b.image());
}

TEST(Themed, TheAnswerIsKeptOncePerProcess) {
  // A new button of the System style shows the answer it kept: the rounded
  // style's outline without visual styles.
  const auto roundedOutline = [] {
    vexabutton button;
    initProperties(button);
    button.resize(75, 23);
    button.setButtonStyle(qint32(vexa::Style::System));
    return button.grab().toImage().pixel(0, 10) == qRgb(0x00, 0x3C, 0x74);
  };
  vexa::setVisualStylesForTesting(false);
  EXPECT_TRUE(roundedOutline());
  vexa::setVisualStylesForTesting(true);
  EXPECT_FALSE(roundedOutline());
  vexa::resetVisualStyles();
  EXPECT_EQ(vexa::IsThemed(), platform::Theme::appThemed());
  vexa::resetVisualStyles();
}
