// SPDX-License-Identifier: MIT
// The focus shows as soon as it moves: styles that mark nothing but the
// focus are drawn in their new focus state after every Tab.
#include "InputTestSupport.h"

#include <QTest>

#include <gtest/gtest.h>

TEST(FocusPaint, TabRepaintsTheButtonThatGainsAndTheOneThatLosesTheFocus) {
  QWidget window;
  window.resize(200, 100);
  vexabutton* buttons[2];
  for (int i = 0; i < 2; ++i) {
    buttons[i] = new vexabutton(&window);
    buttons[i]->setGeometry(10, 10 + 40 * i, 80, 30);
    inputtest::load(*buttons[i]);
    buttons[i]->setButtonStyle(3); // blue glass: a cyan ring marks the focus, nothing else
  }
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  buttons[0]->setFocus(Qt::OtherFocusReason);
  ASSERT_TRUE(buttons[0]->hasFocus());

  // The focus outline replaces the white inner outline of a button at rest.
  const auto focusShown = [](const vexabutton* button) {
    const platform::Colour inner = surfaceOf(*button).pixel(1, 15);
    EXPECT_TRUE(inner == 0xFBD848 || inner == 0xFFFFFF) << std::hex << inner;
    return inner == 0xFBD848;
  };
  EXPECT_TRUE(focusShown(buttons[0]));
  EXPECT_FALSE(focusShown(buttons[1]));

  QTest::keyClick(buttons[0], Qt::Key_Tab);
  ASSERT_TRUE(buttons[1]->hasFocus());
  EXPECT_FALSE(focusShown(buttons[0]));
  EXPECT_TRUE(focusShown(buttons[1]));

  QTest::keyClick(buttons[1], Qt::Key_Backtab, Qt::ShiftModifier);
  ASSERT_TRUE(buttons[0]->hasFocus());
  EXPECT_TRUE(focusShown(buttons[0]));
  EXPECT_FALSE(focusShown(buttons[1]));
}
