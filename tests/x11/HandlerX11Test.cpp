// SPDX-License-Identifier: MIT
// Handlers that delete the button from Qt's own delivery of the leave, and a
// button moved between windows, with the real pointer and real activation.

#include "X11Support.h"

#include <functional>

namespace {

using Handlers = x11test::ButtonWindow;

// Qt goes on using the widget after it has delivered its leave; the
// MouseLeave that deletes the button comes once Qt is done with it.
TEST_F(Handlers, AMouseLeaveHandlerDeletesTheButton) {
  const struct {
    const char* how;
    std::function<void()> leave;
  } cases[] = {
      {"hidden under the pointer", [this] { button->hide(); }},
      {"the pointer moves off", [this] { park(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    if (!button) {
      button = new vexabutton(&window);
      button->setGeometry(150, 85, 100, 30);
      prepare();
      button->show();
    }
    const QPointer<vexabutton> guard(button);
    inputtest::pointTo(button, {50, 15});
    ASSERT_EQ(rec().ButtonState, ButtonRecord::Hot);
    QObject::connect(button, &vexabutton::MouseLeave, button, [this] { delete button; });
    c.leave();
    QTest::qWait(20);
    EXPECT_TRUE(guard.isNull());
    button = guard.data();
    park();
  }
}

// A button moved into another window takes that window's activation: a
// focused classic button draws as it does after the window is deactivated
// and activated again.
TEST_F(Handlers, AButtonMovedToAnotherWindowFollowsItsActivation) {
  for (const bool activeTarget : {true, false}) {
    SCOPED_TRACE(activeTarget);
    QWidget other;
    other.setGeometry(100, 450, 300, 150);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    QWidget& target = activeTarget ? other : window;
    QWidget& source = activeTarget ? window : other;
    button->setParent(&source);
    button->show();
    source.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&source));
    button->setButtonStyle(vexabutton::Classic);
    button->setShowFocusRect(true);

    target.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&target));
    button->setParent(&target);
    button->move(20, 20);
    button->show();
    button->setFocus();
    QTest::qWait(20);
    EXPECT_TRUE(rec().ParentActive);
    const QImage moved = surfaceOf(*button).image();
    source.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&source));
    target.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&target));
    button->setFocus();
    QTest::qWait(20);
    EXPECT_EQ(surfaceOf(*button).image(), moved);
    button->setParent(&window); // outlives `other`
  }
}

} // namespace
