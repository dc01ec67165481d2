// SPDX-License-Identifier: MIT
// The input state machine row by row, the orders of the events, keys, access
// keys, option groups and focus.

#include "InputTestSupport.h"
#include "button/model/vexabutton_p.h"

#include <functional>

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using inputtest::EventLog;
using inputtest::Mouse;

namespace {

constexpr qint32 Normal = ButtonRecord::Normal;
constexpr qint32 Hot = ButtonRecord::Hot;
constexpr qint32 Down = ButtonRecord::Down;

class Input : public inputtest::ShownButton {
protected:
  void SetUp() override { showButton(false); }

  void press(int x, int y, Qt::MouseButton which = Qt::LeftButton, Qt::KeyboardModifiers modifiers = {}) {
    inputtest::mouse(Mouse::Press, button, {x, y}, which, modifiers);
  }
  void release(int x, int y, Qt::MouseButton which = Qt::LeftButton, Qt::KeyboardModifiers modifiers = {}) {
    inputtest::mouse(Mouse::Release, button, {x, y}, which, modifiers);
  }
  void click(int x = 5, int y = 5) { inputtest::mouse(Mouse::Click, button, {x, y}); }
  // A second button right beside the first, its events in `nextLog`.
  vexabutton* nextButton(EventLog& nextLog) {
    auto* next = new vexabutton(&window);
    next->setGeometry(91, 10, 80, 30);
    next->show();
    nextLog.attach(*next);
    return next;
  }

  void key(QEvent::Type type, int code, Qt::KeyboardModifiers modifiers, const char* text) {
    QKeyEvent event(type, code, modifiers, QString::fromLatin1(text));
    QCoreApplication::sendEvent(button, &event);
  }

  void TearDown() override {
    // A button left held would turn every later movement into a drag.
    EXPECT_EQ(QGuiApplication::mouseButtons(), Qt::NoButton);
  }
};

const QStringList pressEvents{"MouseDown", "Click", "MouseUp", "DblClick"};

// ---- Mouse -------------------------------------------------------------------

TEST_F(Input, LeftClickRaisesDownMovesClickUpAndEndsNormal) {
  moveTo(20, 10);
  log.clear();
  press(20, 10);
  EXPECT_EQ(rec().ButtonState, Down);
  EXPECT_TRUE(rec().MousePressed);
  EXPECT_TRUE(rec().HasFocus);
  moveTo(21, 10);
  moveTo(22, 11);
  EXPECT_EQ(rec().ButtonState, Down);
  release(22, 11);
  EXPECT_EQ(log.sequence(), "MouseDown, MouseEnter, MouseMove, MouseEnter, MouseMove, Click, MouseUp");
  EXPECT_EQ(log.entries.first(), "MouseDown 1 0 20 10");
  EXPECT_EQ(log.entries.at(2), "MouseMove 1 0 21 10"); // the held button
  EXPECT_EQ(log.entries.last(), "MouseUp 1 0 22 11");
  EXPECT_EQ(rec().ButtonState, Normal);
  EXPECT_FALSE(rec().MousePressed);
  // The next movement makes it Hot again.
  moveTo(25, 12);
  EXPECT_EQ(rec().ButtonState, Hot);
}

TEST_F(Input, MouseEventsCarryButtonShiftAndPosition) {
  press(7, 8, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
  release(9, 8, Qt::LeftButton, Qt::AltModifier);
  press(3, 4, Qt::MiddleButton);
  release(3, 4, Qt::MiddleButton);
  EXPECT_EQ(log.only(pressEvents), "MouseDown 1 3 7 8, Click, MouseUp 1 4 9 8, MouseUp 4 0 3 4");
}

TEST_F(Input, DoubleClickOrder) {
  moveTo(5, 5);
  log.clear();
  inputtest::mouse(Mouse::DoubleClick, button, {5, 5});
  EXPECT_EQ(log.sequence(), "MouseDown, Click, MouseUp, MouseDown, DblClick, Click, MouseUp");
  EXPECT_EQ(rec().ButtonState, Normal);
}

// Two quick clicks a few pixels apart on two buttons side by side: Qt makes
// the second a double click, but for the second button it is a first press.
TEST_F(Input, AQuickSecondClickOnTheNextButtonIsAPlainClickThere) {
  EventLog nextLog;
  vexabutton* next = nextButton(nextLog);
  moveTo(79, 15);
  log.clear();
  inputtest::mouse(Mouse::Click, button, {79, 15});
  // QTest moves its clock on by the double-click interval after a click;
  // the second click comes 100 ms after the first instead.
  QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval - 100;
  inputtest::mouse(Mouse::Click, next, {1, 15}); // 3 pixels on
  EXPECT_EQ(log.only(pressEvents), "MouseDown 1 0 79 15, Click, MouseUp 1 0 79 15");
  EXPECT_EQ(nextLog.only(pressEvents), "MouseDown 1 0 1 15, Click, MouseUp 1 0 1 15");
}

TEST_F(Input, TheSpaceBarPressesNothingWhileAnotherButtonHoldsTheMouse) {
  EventLog nextLog;
  vexabutton* next = nextButton(nextLog);
  press(20, 10);
  next->setFocus();
  QTest::keyPress(next, Qt::Key_Space);
  EXPECT_EQ(recordOf(*next).ButtonState, Normal);
  release(20, 10);
  QTest::keyRelease(next, Qt::Key_Space);
  EXPECT_EQ(log.count("Click"), 1);
  EXPECT_EQ(nextLog.text(), "KeyDown 32 0, KeyPress 32, KeyUp 32 0");
  // Once the mouse is up the bar presses again.
  QTest::keyClick(next, Qt::Key_Space);
  EXPECT_EQ(nextLog.count("Click"), 1);
}

TEST_F(Input, RightDoubleClickRaisesOnlyMouseUps) {
  moveTo(5, 5);
  log.clear();
  inputtest::mouse(Mouse::DoubleClick, button, {5, 5}, Qt::RightButton);
  EXPECT_EQ(log.text(), "MouseUp 2 0 5 5, MouseUp 2 0 5 5");
  EXPECT_EQ(rec().ButtonState, Hot);
  EXPECT_FALSE(rec().MousePressed);
}

TEST_F(Input, PressDragOutAndBackThenReleaseOutside) {
  press(20, 10);
  moveTo(-5, 10);
  EXPECT_FALSE(rec().MouseInside);
  EXPECT_EQ(rec().ButtonState, Normal);
  moveTo(20, 10);
  EXPECT_EQ(rec().ButtonState, Down);
  moveTo(120, 10);
  log.clear();
  release(120, 10);
  // The pointer is off the button once the release lets it go.
  EXPECT_EQ(log.text(), "MouseUp 1 0 120 10, MouseLeave");
  EXPECT_EQ(rec().ButtonState, Normal);
  EXPECT_FALSE(rec().MousePressed);
}

TEST_F(Input, ReleaseOnTheLeftOrTopEdgeOrBeyondTheSizeIsNoClick) {
  for (auto [x, y] : {std::pair{0, 5}, {5, 0}, {80, 5}, {5, 30}}) {
    log.clear();
    press(5, 5);
    release(x, y);
    EXPECT_EQ(log.only(pressEvents),
              QStringLiteral("MouseDown 1 0 5 5, MouseUp 1 0 %1 %2").arg(x).arg(y).toStdString());
    // Let go, not left drawn pressed: Hot while the pointer is on an edge.
    EXPECT_EQ(rec().ButtonState, x < 80 && y < 30 ? Hot : Normal) << x << "," << y;
  }
  log.clear();
  press(5, 5);
  release(79, 29);
  EXPECT_EQ(log.count("Click"), 1);
}

TEST_F(Input, RightButtonNeitherPressesNorRaisesMouseDown) {
  moveTo(5, 5);
  log.clear();
  press(5, 5, Qt::RightButton);
  EXPECT_EQ(rec().ButtonState, Hot);
  EXPECT_FALSE(rec().MousePressed);
  EXPECT_EQ(rec().LastButton, 2);
  release(5, 5, Qt::RightButton);
  EXPECT_EQ(log.text(), "MouseUp 2 0 5 5");
}

TEST_F(Input, CheckModeClicksToggleAndOptionModeSets) {
  button->setMode(1);
  click();
  EXPECT_TRUE(button->Value());
  click();
  EXPECT_FALSE(button->Value());
  button->setMode(2);
  for (int i = 0; i < 2; ++i) {
    click();
    EXPECT_TRUE(button->Value());
  }
}

TEST_F(Input, HandlersSeeTheNewValue) {
  button->setMode(1);
  bool seen = false;
  QObject::connect(button, &vexabutton::Click, [&] { seen = button->Value(); });
  click();
  EXPECT_TRUE(seen);
}

TEST_F(Input, HandPointerSetsThePointingHandAndClearsItAgain) {
  button->setHandPointer(true);
  moveTo(20, 10);
  EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
  button->setHandPointer(false);
  moveTo(25, 10);
  EXPECT_NE(button->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(Input, DisabledWhilePressedDropsThePress) {
  press(5, 5);
  button->setEnabled(false);
  EXPECT_FALSE(rec().MousePressed);
  EXPECT_EQ(rec().ButtonState, Normal);
  // A disabled button receives no input at all.
  log.clear();
  release(5, 5);
  EXPECT_TRUE(log.entries.isEmpty());
}

TEST_F(Input, DisabledUnderThePointerItForgetsThePointer) {
  moveTo(5, 5);
  ASSERT_TRUE(rec().MouseInside);
  button->setEnabled(false);
  EXPECT_FALSE(rec().MouseInside);
  moveOff(); // no leave reaches a disabled button
  button->setEnabled(true);
  EXPECT_FALSE(rec().MouseInside);
  EXPECT_EQ(rec().ButtonState, Normal);
}

// The space bar's capture sends a press over this button to another one;
// once the bar is up, the release over this button is not its click.
TEST_F(Input, AReleaseWhosePressWentElsewhereIsNoClick) {
  vexabutton* other = buttonBelow();
  QTest::keyPress(other, Qt::Key_Space);
  press(5, 5);
  QTest::keyRelease(other, Qt::Key_Space);
  log.clear();
  release(5, 5);
  EXPECT_EQ(log.only(pressEvents), "MouseUp 1 0 5 5");
}

// The bar's capture takes a press over this button to the other one; the
// pointer goes over that one and the bar comes up there while the mouse is
// still held: the release there is that button's, not this one's.
TEST_F(Input, AReleaseOverTheButtonTheBarsCaptureTookThePressToIsItsOwn) {
  EventLog otherLog;
  vexabutton* other = buttonBelow();
  otherLog.attach(*other);
  QTest::keyPress(other, Qt::Key_Space);
  press(5, 5);
  inputtest::pointTo(other, {20, 10});
  QTest::keyRelease(other, Qt::Key_Space);
  EXPECT_EQ(recordOf(*other).ButtonState, Down);
  log.clear();
  otherLog.clear();
  inputtest::mouse(Mouse::Release, other, {20, 10});
  EXPECT_EQ(otherLog.only(pressEvents), "Click, MouseUp 1 0 20 10");
  EXPECT_EQ(log.only(pressEvents), "");
  EXPECT_EQ(recordOf(*other).ButtonState, Normal);
  EXPECT_FALSE(recordOf(*other).MousePressed);
}

// The same, when the captured press opened the other button's menu and the
// menu closed away from it: that button still sees the pointer leave.
TEST_F(Input, AButtonWhoseMenuTheCapturedPressOpenedSeesThePointerLeaveAfterTheBar) {
  vexabutton* other = buttonBelow();
  QMenu menu;
  menu.addAction(QStringLiteral("Prva"));
  QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&menu] { QTimer::singleShot(0, &menu, &QMenu::close); });
  other->SetPopupMenu(&menu, 0);
  QTest::keyPress(other, Qt::Key_Space);
  press(5, 5);
  ASSERT_FALSE(recordOf(*other).PopupMenuShowing);
  inputtest::pointTo(other, {20, 10});
  QTest::keyRelease(other, Qt::Key_Space);
  moveOff();
  EXPECT_FALSE(recordOf(*other).MouseInside);
  release(200, 100);
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

// However the widget is disabled, Enabled follows: the record, the getter,
// the host's change notification and the disabled look.
TEST(InputEnabled, FollowsTheWidgetsOwnSettingWhicheverWayItChanges) {
  const std::pair<const char*, std::function<void(vexabutton&, bool)>> ways[] = {
      {"QWidget::setEnabled", [](vexabutton& b, bool on) { static_cast<QWidget&>(b).setEnabled(on); }},
      {"enabled property", [](vexabutton& b, bool on) { b.setProperty("enabled", on); }},
      {"Enabled property", [](vexabutton& b, bool on) { b.setProperty("Enabled", on); }},
      {"setDisabled", [](vexabutton& b, bool on) { b.setDisabled(!on); }},
  };
  for (const auto& [way, set] : ways) {
    QWidget window;
    platform::StandaloneHost host;
    vexabutton button(&window, &host);
    button.resize(80, 30);
    initProperties(button);
    host.changedNames.clear();
    const QImage enabledLook = surfaceOf(button).image();
    set(button, false);
    EXPECT_FALSE(button.Enabled()) << way;
    EXPECT_FALSE(button.Enabled()) << way;
    EXPECT_EQ(host.changedNames.count(QStringLiteral("Enabled")), 1) << way;
    EXPECT_NE(surfaceOf(button).image(), enabledLook) << way;
    set(button, true);
    EXPECT_TRUE(button.Enabled()) << way;
    EXPECT_EQ(surfaceOf(button).image(), enabledLook) << way;
  }
}

TEST(InputEnabled, ADisabledContainerLeavesEnabledAsItIs) {
  QWidget window;
  QWidget frame(&window);
  auto* button = new vexabutton(&frame);
  frame.setEnabled(false);
  EXPECT_FALSE(button->isEnabled());
  EXPECT_TRUE(button->Enabled());
  frame.setEnabled(true);
  EXPECT_TRUE(button->isEnabled());

  // The widget disabled on its own inside the disabled container (Qt says
  // nothing): it shows disabled once the container is enabled again.
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  frame.setEnabled(false);
  static_cast<QWidget*>(button)->setEnabled(false);
  frame.setEnabled(true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !button->Enabled(); }));
  EXPECT_FALSE(button->isEnabled());
  EXPECT_FALSE(button->Enabled());
}

// ---- Keys --------------------------------------------------------------------

TEST_F(Input, SpaceBarRaisesKeyDownKeyPressClickKeyUp) {
  QTest::keyClick(button, Qt::Key_Space);
  EXPECT_EQ(log.text(), "KeyDown 32 0, KeyPress 32, Click, KeyUp 32 0");
  EXPECT_EQ(rec().ButtonState, Normal);
  EXPECT_FALSE(rec().SpaceDown);
}

TEST_F(Input, SpaceBarTogglesACheckButtonAtEveryKeyDown) {
  button->setMode(1);
  QTest::keyPress(button, Qt::Key_Space);
  EXPECT_TRUE(button->Value());
  EXPECT_TRUE(rec().SpaceDown);
  EXPECT_EQ(rec().ButtonState, Down);
  EXPECT_EQ(log.count("Click"), 0);
  QTest::keyPress(button, Qt::Key_Space); // a repeated key-down
  EXPECT_FALSE(button->Value());
  QTest::keyRelease(button, Qt::Key_Space);
  EXPECT_EQ(log.count("Click"), 1);
  EXPECT_EQ(log.count("KeyUp"), 1);
}

TEST_F(Input, SpaceKeyUpOverTheButtonLeavesItHot) {
  moveTo(20, 10);
  QTest::keyPress(button, Qt::Key_Space);
  EXPECT_EQ(rec().ButtonState, Down);
  moveTo(30, 10); // movements while the space bar holds it change nothing
  EXPECT_EQ(rec().ButtonState, Down);
  QTest::keyRelease(button, Qt::Key_Space);
  EXPECT_EQ(rec().ButtonState, Hot);
}

TEST_F(Input, AnotherKeyCancelsTheSpacePress) {
  QTest::keyPress(button, Qt::Key_Space);
  QTest::keyClick(button, Qt::Key_A);
  EXPECT_FALSE(rec().SpaceDown);
  EXPECT_EQ(rec().ButtonState, Normal);
  QTest::keyRelease(button, Qt::Key_Space);
  EXPECT_EQ(log.sequence(), "KeyDown, KeyPress, KeyDown, KeyPress, KeyUp");
}

TEST_F(Input, SpaceDuringAMousePressFollowsThePointer) {
  press(5, 5);
  moveTo(-5, 5);
  QTest::keyPress(button, Qt::Key_Space);
  EXPECT_EQ(rec().ButtonState, Normal);
  EXPECT_FALSE(rec().SpaceDown);
  moveTo(5, 5);
  QTest::keyPress(button, Qt::Key_Space);
  EXPECT_EQ(rec().ButtonState, Down);
  QTest::keyRelease(button, Qt::Key_Space); // no Click: the mouse still holds it
  EXPECT_EQ(log.count("Click"), 0);
  EXPECT_EQ(rec().ButtonState, Down);
  release(5, 5);
}

TEST_F(Input, EnterClicksWithoutTogglingAndHasNoKeyUp) {
  button->setMode(1);
  QTest::keyClick(button, Qt::Key_Return);
  EXPECT_EQ(log.text(), "Click, KeyDown 13 0, KeyPress 13");
  EXPECT_FALSE(button->Value());
}

TEST_F(Input, AltSpaceIsIgnored) {
  key(QEvent::KeyPress, Qt::Key_Space, Qt::AltModifier, " ");
  EXPECT_TRUE(log.entries.isEmpty());
  EXPECT_FALSE(rec().SpaceDown);
  EXPECT_EQ(rec().ButtonState, Normal);
  key(QEvent::KeyRelease, Qt::Key_Space, Qt::AltModifier, " ");
  EXPECT_EQ(log.text(), "KeyUp 32 4");
}

TEST_F(Input, KeyCodesShiftBitsAndCharacters) {
  key(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, "A");
  key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
  key(QEvent::KeyPress, Qt::Key_Exclam, Qt::ShiftModifier, "!");
  key(QEvent::KeyPress, Qt::Key_F5, Qt::ControlModifier, "");
  key(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, "");
  key(QEvent::KeyPress, Qt::Key_5, Qt::KeypadModifier, "5");
  key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, "\x1b");
  key(QEvent::KeyPress, Qt::Key_X, Qt::AltModifier, "x");                       // a system key types nothing
  key(QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, "@"); // AltGr types
  key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, "");
  EXPECT_EQ(log.text(), "KeyDown 65 1, KeyPress 65, KeyDown 65 0, KeyPress 97, KeyDown 49 1, KeyPress 33, "
                        "KeyDown 116 2, KeyDown 46 0, KeyDown 101 0, KeyPress 53, KeyDown 27 0, KeyPress 27, "
                        "KeyDown 88 4, KeyDown 81 6, KeyPress 64, KeyDown 0 0");
}

TEST_F(Input, AutoRepeatedReleasesAreNotKeyUps) {
  button->setMode(1);
  QTest::keyPress(button, Qt::Key_Space);
  QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
  QCoreApplication::sendEvent(button, &repeatRelease);
  EXPECT_EQ(log.count("KeyUp"), 0);
  EXPECT_TRUE(rec().SpaceDown);
  QTest::keyRelease(button, Qt::Key_Space);
  EXPECT_EQ(log.count("Click"), 1);
}

// ---- Access keys -------------------------------------------------------------

TEST_F(Input, AccessKeysFollowTheAmpersandRules) {
  const std::pair<const char*, const char*> cases[] = {
      {"&OK", "o"},   {"Save && &Exit", "e"}, {"Tom && Jerry", ""}, {"A&", ""},    {"&", ""},
      {"&&", ""},     {"Pro&vera (3)", "v"},  {"a && && b", ""},    {"&&&x", "x"}, {"&Izlaz", "i"},
      {"no key", ""}, {"x&&y&z", "z"},        {"&a&b", "a"},
  };
  for (const auto& [caption, key] : cases) {
    button->setCaption(QString::fromUtf8(caption));
    EXPECT_EQ(button->AccessKeys(), QString::fromUtf8(key)) << caption;
  }
}

TEST_F(Input, AccessKeyInPushModeClicksAlsoFor13And27) {
  for (int key : {int('o'), 13, 27}) {
    log.clear();
    static_cast<platform::HostedControl*>(button)->hostAccessKeyPress(key);
    EXPECT_EQ(log.sequence(), "Click") << key;
  }
}

TEST_F(Input, AccessKeyInCheckModeTogglesButIgnores13And27) {
  button->setMode(1);
  static_cast<platform::HostedControl*>(button)->hostAccessKeyPress(13);
  static_cast<platform::HostedControl*>(button)->hostAccessKeyPress(27);
  EXPECT_TRUE(log.entries.isEmpty());
  EXPECT_FALSE(button->Value());
  static_cast<platform::HostedControl*>(button)->hostAccessKeyPress('o');
  EXPECT_TRUE(button->Value());
  static_cast<platform::HostedControl*>(button)->hostAccessKeyPress('o');
  EXPECT_FALSE(button->Value());
  EXPECT_EQ(rec().ButtonState, Normal);
  EXPECT_EQ(log.count("Click"), 2);
}

TEST_F(Input, AccessKeyEndsASpacePressAndDoesNothingWhileDisabled) {
  QTest::keyPress(button, Qt::Key_Space);
  static_cast<platform::HostedControl*>(button)->hostAccessKeyPress('o');
  EXPECT_FALSE(rec().SpaceDown);
  QTest::keyRelease(button, Qt::Key_Space);
  EXPECT_EQ(log.count("Click"), 1); // the access key's only
  log.clear();
  button->setEnabled(false);
  static_cast<platform::HostedControl*>(button)->hostAccessKeyPress('o');
  EXPECT_TRUE(log.entries.isEmpty());
}

// Esc for a check button that is the Cancel button, or any access key of a
// push button: the button the space bar held down is let go.
TEST_F(Input, AnAccessKeyThatEndsASpacePressLetsTheButtonGo) {
  for (const auto& [mode, key] : {std::pair{1, 27}, std::pair{0, int('o')}}) {
    button->setMode(mode);
    button->setValue(mode == 1); // the space press unchecks it
    QTest::keyPress(button, Qt::Key_Space);
    static_cast<platform::HostedControl*>(button)->hostAccessKeyPress(key);
    EXPECT_EQ(rec().ButtonState, Normal) << mode;
    QTest::keyRelease(button, Qt::Key_Space);
  }
}

TEST_F(Input, AltAndTheAccessKeyClickInAnActiveWindow) {
  button->setCaption(QStringLiteral("&OK"));
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
  EXPECT_EQ(log.count("Click"), 1);
  // A caption without an access key takes the shortcut away.
  button->setCaption(QStringLiteral("OK"));
  QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
  EXPECT_EQ(log.count("Click"), 1);
}

// ---- Option groups -----------------------------------------------------------

TEST(InputOptions, AClickSetsItsOptionAndClearsOnlyItsOwnFrame) {
  QWidget window;
  window.resize(200, 200);
  QWidget frameA(&window);
  frameA.setGeometry(0, 0, 200, 100);
  QWidget frameB(&window);
  frameB.setGeometry(0, 100, 200, 100);
  vexabutton* a[3];
  int y = 0;
  for (auto*& option : a) {
    option = new vexabutton(&frameA);
    option->setGeometry(0, y, 60, 20);
    option->setMode(2);
    y += 25;
  }
  auto* b = new vexabutton(&frameB);
  b->resize(60, 20);
  b->setMode(2);
  b->setValue(true);
  auto* push = new vexabutton(&frameA);
  push->setGeometry(100, 0, 60, 20);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  a[0]->setValue(true);
  a[2]->setValue(true); // from code: the others are not cleared
  EXPECT_TRUE(a[0]->Value());

  inputtest::mouse(Mouse::Click, a[1], {5, 5});
  EXPECT_FALSE(a[0]->Value());
  EXPECT_TRUE(a[1]->Value());
  EXPECT_FALSE(a[2]->Value());
  EXPECT_TRUE(b->Value());

  QTest::keyClick(a[2], Qt::Key_Space);
  EXPECT_FALSE(a[1]->Value());
  EXPECT_TRUE(a[2]->Value());

  static_cast<platform::HostedControl*>(a[0])->hostAccessKeyPress('x');
  EXPECT_TRUE(a[0]->Value());
  EXPECT_FALSE(a[2]->Value());
  EXPECT_TRUE(b->Value());
  EXPECT_FALSE(push->Value());
}

// ---- Focus ----------------------------------------------------------------------

TEST_F(Input, FocusLostWhileHotInAnActiveWindowStaysHot) {
  inputtest::load(*button); // the routers tell it of activation
  auto* other = new QWidget(&window);
  other->setFocusPolicy(Qt::StrongFocus);
  other->setGeometry(200, 10, 50, 20);
  other->show();
  QWidget elsewhere;
  elsewhere.setGeometry(400, 300, 100, 100);
  elsewhere.show();
  elsewhere.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_TRUE(rec().ParentActive);
  button->setFocus();
  EXPECT_TRUE(rec().HasFocus);
  moveTo(20, 10);
  other->setFocus();
  EXPECT_FALSE(rec().HasFocus);
  EXPECT_EQ(rec().ButtonState, Hot);

  // In an inactive window it falls back to Normal.
  button->setFocus();
  elsewhere.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
  EXPECT_FALSE(rec().ParentActive);
  EXPECT_FALSE(rec().HasFocus);
  EXPECT_EQ(rec().ButtonState, Normal);
}

TEST_F(Input, FocusLostEndsPressesWithoutAClick) {
  auto* other = new QWidget(&window);
  other->setFocusPolicy(Qt::StrongFocus);
  other->setGeometry(200, 10, 50, 20);
  other->show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  button->setFocus();
  QTest::keyPress(button, Qt::Key_Space);
  other->setFocus();
  EXPECT_FALSE(rec().SpaceDown);
  EXPECT_FALSE(rec().MousePressed);
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  QTest::keyRelease(button, Qt::Key_Space);
  EXPECT_EQ(log.count("Click"), 0);
}

// The focus move of an arrow key waits in the queue, as typed keys do: the
// button raises KeyDown while it still has the focus.
TEST_F(Input, ArrowKeysRaiseKeyDownThenMoveTheFocus) {
  auto* second = new vexabutton(&window);
  auto* third = new vexabutton(&window);
  second->setGeometry(10, 50, 80, 30);
  third->setGeometry(10, 90, 80, 30);
  second->show();
  third->show();
  QWidget* focusAtKeyDown = nullptr;
  QObject::connect(second, &vexabutton::KeyDown, [&] { focusAtKeyDown = QApplication::focusWidget(); });
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  second->setFocus();
  ASSERT_TRUE(second->hasFocus());
  QTest::keyClick(second, Qt::Key_Right);
  EXPECT_EQ(focusAtKeyDown, second);
  EXPECT_TRUE(second->hasFocus()); // not yet
  QCoreApplication::processEvents();
  EXPECT_TRUE(third->hasFocus());
  const std::pair<vexabutton*, Qt::Key> steps[] = {
      {third, Qt::Key_Up}, {second, Qt::Key_Left}, {button, Qt::Key_Down}, {second, Qt::Key_Down}};
  vexabutton* expected[] = {second, button, second, third};
  for (int i = 0; i < 4; ++i) {
    QTest::keyClick(steps[i].first, steps[i].second);
    QCoreApplication::processEvents();
    EXPECT_TRUE(expected[i]->hasFocus()) << i;
  }
  EXPECT_TRUE(recordOf(*third).HasFocus);
}

TEST_F(Input, AmbientDisplayAsDefaultIsCopied) {
  platform::StandaloneHost host;
  auto* hosted = new vexabutton(&window, &host);
  host.setDisplayAsDefault(true);
  static_cast<platform::HostedControl*>(hosted)->hostAmbientChanged(QStringLiteral("DisplayAsDefault"));
  EXPECT_TRUE(recordOf(*hosted).IsDefault);
  host.setDisplayAsDefault(false);
  static_cast<platform::HostedControl*>(hosted)->hostAmbientChanged(QStringLiteral("Font"));
  EXPECT_FALSE(recordOf(*hosted).IsDefault);
  delete hosted;
}

} // namespace
