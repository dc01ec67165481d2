// SPDX-License-Identifier: MIT
// Input that needs the window system itself: the space bar's mouse capture,
// the leave a modal box sends, window activation.

#include "X11Support.h"

#include "platform/MessageBox.h"

#include <QMessageBox>

namespace {

using inputtest::Mouse;

class XInput : public x11test::ButtonWindow {
protected:
  void SetUp() override {
    ButtonWindow::SetUp();
    // Away from the middle of the screen, where message boxes open.
    window.move(20, 20);
    QTest::qWait(50);
    park();
    other = new vexabutton(&window);
    other->setGeometry(20, 150, 80, 30);
    inputtest::load(*other);
    other->show();
    otherLog.attach(*other);
  }
  vexabutton* other = nullptr;
  inputtest::EventLog otherLog;
};

// While the space bar holds one button, a click on another goes to the held
// button: the other neither clicks nor takes the focus, so the key's repeats
// stay with the held button. The key-up lets the mouse go.
TEST_F(XInput, TheSpaceBarHoldsTheMouseUntilItsKeyUp) {
  button->setFocus();
  QWindow* handle = window.windowHandle();
  QTest::keyPress(handle, Qt::Key_Space);
  ASSERT_TRUE(rec().SpaceDown);
  inputtest::mouse(Mouse::Click, other, {10, 10});
  QTest::keyPress(handle, Qt::Key_Space); // the key repeats
  EXPECT_EQ(otherLog.only({"MouseDown", "Click", "KeyDown"}), "");
  EXPECT_EQ(QApplication::focusWidget(), button);
  // The click reached the held button, outside it: no Click there either.
  EXPECT_EQ(log.only({"MouseDown", "MouseUp", "Click"}), "MouseDown 1 0 -120 75, MouseUp 1 0 -120 75");

  QTest::keyRelease(handle, Qt::Key_Space);
  EXPECT_EQ(log.count("Click"), 1); // the space press itself
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  inputtest::mouse(Mouse::Click, other, {10, 10});
  EXPECT_EQ(otherLog.count("Click"), 1);
}

// The check button opens a modal box from its Click handler. The box takes
// the pointer from the window below without moving it: no MouseLeave, and
// the button still knows the pointer is on it. Once the box is closed with
// the pointer moved away, the leave comes.
TEST_F(XInput, AModalBoxFromAHandlerIsNoMouseLeave) {
  for (bool pointerMovesAway : {false, true}) {
    log.clear();
    bool insideWhileOpen = false;
    const auto connection = QObject::connect(button, &vexabutton::Click, [&] {
      QTimer::singleShot(100, [&] {
        insideWhileOpen = rec().MouseInside;
        if (pointerMovesAway)
          inputtest::pointTo(&window, {20, 20});
        if (QWidget* box = QApplication::activeModalWidget())
          box->close();
      });
      platform::msgBox(QStringLiteral("Netacno! Pokusajte opet."), platform::MsgBoxIcon::Exclamation,
                       QStringLiteral("Provera"));
    });
    inputtest::mouse(Mouse::Click, button, {50, 15});
    QObject::disconnect(connection);
    QTest::qWait(50);
    EXPECT_TRUE(insideWhileOpen) << pointerMovesAway;
    EXPECT_EQ(log.count("MouseLeave"), pointerMovesAway ? 1 : 0) << pointerMovesAway;
    EXPECT_EQ(rec().MouseInside, !pointerMovesAway) << pointerMovesAway;
    if (pointerMovesAway) {
      EXPECT_EQ(rec().ButtonState, ButtonRecord::Normal);
    } else {
      // Only a real departure of the pointer leaves.
      park();
      EXPECT_EQ(log.count("MouseLeave"), 1);
    }
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
}

TEST_F(XInput, AnotherWindowTakingTheActivationResetsTheButton) {
  button->setFocus();
  EXPECT_TRUE(rec().ParentActive);
  QWidget elsewhere;
  elsewhere.setGeometry(10, 10, 100, 100);
  elsewhere.show();
  elsewhere.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
  EXPECT_FALSE(rec().ParentActive);
  EXPECT_FALSE(rec().HasFocus);
  EXPECT_EQ(rec().ButtonState, ButtonRecord::Normal);
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_TRUE(rec().ParentActive);
}

// QTest's synthetic moves move no real pointer: wherever the server's
// pointer rests (on the button or away from it), hover and leave follow the
// positions the synthetic events carry.
TEST_F(XInput, SyntheticMovesHoverAndLeaveWhereverTheRealPointerRests) {
  for (bool restingOnButton : {true, false}) {
    SCOPED_TRACE(restingOnButton ? "resting on the button" : "resting away");
    inputtest::pointTo(restingOnButton ? static_cast<QWidget*>(button) : &window, {5, 5});
    QTest::mouseMove(window.windowHandle(), {2, 2});
    log.clear();
    QTest::mouseMove(window.windowHandle(), button->geometry().center());
    EXPECT_EQ(rec().ButtonState, ButtonRecord::Hot);
    QTest::mouseMove(window.windowHandle(), {2, 2});
    EXPECT_EQ(log.sequence(), "MouseEnter, MouseMove, MouseLeave");
    EXPECT_EQ(rec().ButtonState, ButtonRecord::Normal);
  }
}

} // namespace
