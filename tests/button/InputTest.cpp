// The input state machine row by row, the orders of the events, keys, access
// keys, option groups and focus.

#include "InputTestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

using inputtest::EventLog;

namespace {

constexpr qint32 Normal = ButtonRecord::Normal;
constexpr qint32 Hot = ButtonRecord::Hot;
constexpr qint32 Down = ButtonRecord::Down;

class Input : public ::testing::Test {
protected:
  void SetUp() override {
    window.resize(300, 200);
    button = new vexabutton(&window);
    button->setGeometry(10, 10, 80, 30);
    log.attach(*button);
  }

  const ButtonRecord& rec() const { return button->record(); }

  void moveInside(float x = 20, float y = 10, qint16 buttons = 0) {
    pointer.widget = button;
    button->handleMouseMove(buttons, 0, x, y);
  }
  void moveOutside(float x = -5, float y = 10, qint16 buttons = 0) {
    pointer.widget = &window;
    button->handleMouseMove(buttons, 0, x, y);
  }
  void key(QEvent::Type type, int code, Qt::KeyboardModifiers modifiers, const char* text) {
    QKeyEvent event(type, code, modifiers, QString::fromLatin1(text));
    QCoreApplication::sendEvent(button, &event);
  }
  void sendMouse(QEvent::Type type, Qt::MouseButton which, QPoint at, Qt::KeyboardModifiers modifiers = {}) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(which);
    QMouseEvent event(type, at, button->mapToGlobal(at), which, held, modifiers);
    QCoreApplication::sendEvent(button, &event);
  }

  QWidget window;
  vexabutton* button = nullptr;
  EventLog log;
  inputtest::PointerOver pointer;
};

// ---- Mouse -------------------------------------------------------------------

TEST_F(Input, LeftClickRaisesDownMovesClickUpAndEndsNormal) {
  button->handleMouseDown(1, 0, 20, 10);
  EXPECT_EQ(rec().ButtonState, Down);
  EXPECT_TRUE(rec().MousePressed);
  EXPECT_TRUE(rec().HasFocus);
  moveInside(21, 10, 1);
  moveInside(22, 11, 1);
  EXPECT_EQ(rec().ButtonState, Down);
  button->handleMouseUp(1, 0, 22, 11);
  EXPECT_EQ(log.sequence(), "MouseDown, MouseEnter, MouseMove, MouseEnter, MouseMove, Click, MouseUp");
  EXPECT_EQ(log.entries.first(), "MouseDown 1 0 20 10");
  EXPECT_EQ(log.entries.last(), "MouseUp 1 0 22 11");
  EXPECT_EQ(rec().ButtonState, Normal);
  EXPECT_FALSE(rec().MousePressed);
  // The next movement makes it Hot again.
  moveInside();
  EXPECT_EQ(rec().ButtonState, Hot);
}

TEST_F(Input, QtMouseEventsCarryButtonShiftAndPosition) {
  sendMouse(QEvent::MouseButtonPress, Qt::LeftButton, {7, 8}, Qt::ShiftModifier | Qt::ControlModifier);
  sendMouse(QEvent::MouseButtonRelease, Qt::LeftButton, {9, 8}, Qt::AltModifier);
  sendMouse(QEvent::MouseButtonPress, Qt::MiddleButton, {3, 4});
  sendMouse(QEvent::MouseButtonRelease, Qt::MiddleButton, {3, 4});
  EXPECT_EQ(log.text(), "MouseDown 1 3 7 8, Click, MouseUp 1 4 9 8, MouseUp 4 0 3 4");
}

TEST_F(Input, DoubleClickOrder) {
  sendMouse(QEvent::MouseButtonPress, Qt::LeftButton, {5, 5});
  sendMouse(QEvent::MouseButtonRelease, Qt::LeftButton, {5, 5});
  sendMouse(QEvent::MouseButtonDblClick, Qt::LeftButton, {5, 5});
  EXPECT_EQ(rec().ButtonState, Down);
  sendMouse(QEvent::MouseButtonRelease, Qt::LeftButton, {5, 5});
  EXPECT_EQ(log.sequence(), "MouseDown, Click, MouseUp, MouseDown, DblClick, Click, MouseUp");
  EXPECT_EQ(rec().ButtonState, Normal);
}

TEST_F(Input, RightDoubleClickRaisesOnlyMouseUps) {
  sendMouse(QEvent::MouseButtonPress, Qt::RightButton, {5, 5});
  sendMouse(QEvent::MouseButtonRelease, Qt::RightButton, {5, 5});
  sendMouse(QEvent::MouseButtonDblClick, Qt::RightButton, {5, 5});
  sendMouse(QEvent::MouseButtonRelease, Qt::RightButton, {5, 5});
  EXPECT_EQ(log.text(), "MouseUp 2 0 5 5, MouseUp 2 0 5 5");
  EXPECT_EQ(rec().ButtonState, Normal);
}

TEST_F(Input, PressDragOutAndBackThenReleaseOutside) {
  moveInside();
  button->handleMouseDown(1, 0, 20, 10);
  moveOutside(-5, 10, 1);
  EXPECT_FALSE(rec().MouseInside);
  EXPECT_EQ(rec().ButtonState, Normal);
  moveInside(20, 10, 1);
  EXPECT_EQ(rec().ButtonState, Down);
  moveOutside(120, 10, 1);
  log.clear();
  button->handleMouseUp(1, 0, 120, 10);
  EXPECT_EQ(log.sequence(), "MouseUp");
  EXPECT_EQ(rec().ButtonState, Normal);
  EXPECT_FALSE(rec().MousePressed);
}

TEST_F(Input, ReleaseOnTheLeftOrTopEdgeOrBeyondTheSizeIsNoClick) {
  for (auto [x, y] : {std::pair{0.f, 5.f}, {5.f, 0.f}, {80.f, 5.f}, {5.f, 30.f}}) {
    log.clear();
    button->handleMouseDown(1, 0, 5, 5);
    button->handleMouseUp(1, 0, x, y);
    EXPECT_EQ(log.sequence(), "MouseDown, MouseUp") << x << "," << y;
  }
  log.clear();
  button->handleMouseDown(1, 0, 5, 5);
  button->handleMouseUp(1, 0, 79.5f, 29.5f);
  EXPECT_EQ(log.count("Click"), 1);
}

TEST_F(Input, RightButtonNeitherPressesNorRaisesMouseDown) {
  moveInside();
  log.clear();
  button->handleMouseDown(2, 0, 5, 5);
  EXPECT_EQ(rec().ButtonState, Hot);
  EXPECT_FALSE(rec().MousePressed);
  EXPECT_EQ(rec().LastButton, 2);
  button->handleMouseUp(2, 0, 5, 5);
  EXPECT_EQ(log.text(), "MouseUp 2 0 5 5");
}

TEST_F(Input, CheckModeClicksToggleAndOptionModeSets) {
  button->setMode(1);
  button->handleMouseDown(1, 0, 5, 5);
  button->handleMouseUp(1, 0, 5, 5);
  EXPECT_TRUE(button->Value());
  button->handleMouseDown(1, 0, 5, 5);
  button->handleMouseUp(1, 0, 5, 5);
  EXPECT_FALSE(button->Value());
  button->setMode(2);
  for (int i = 0; i < 2; ++i) {
    button->handleMouseDown(1, 0, 5, 5);
    button->handleMouseUp(1, 0, 5, 5);
    EXPECT_TRUE(button->Value());
  }
}

TEST_F(Input, HandlersSeeTheNewValue) {
  button->setMode(1);
  bool seen = false;
  QObject::connect(button, &vexabutton::Click, [&] { seen = button->Value(); });
  button->handleMouseDown(1, 0, 5, 5);
  button->handleMouseUp(1, 0, 5, 5);
  EXPECT_TRUE(seen);
}

TEST_F(Input, HandPointerSetsThePointingHandAndClearsItAgain) {
  button->setHandPointer(true);
  moveInside();
  EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
  button->setHandPointer(false);
  moveInside(25, 10);
  EXPECT_NE(button->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(Input, DisabledWhilePressedDropsThePress) {
  button->handleMouseDown(1, 0, 5, 5);
  button->setEnabled(false);
  EXPECT_FALSE(rec().MousePressed);
  EXPECT_EQ(rec().ButtonState, Normal);
  // A disabled button receives no input at all.
  log.clear();
  sendMouse(QEvent::MouseButtonRelease, Qt::LeftButton, {5, 5});
  EXPECT_TRUE(log.entries.isEmpty());
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
  moveInside();
  button->handleKeyDown(32, 0);
  EXPECT_EQ(rec().ButtonState, Down);
  moveInside(30, 10); // movements while the space bar holds it change nothing
  EXPECT_EQ(rec().ButtonState, Down);
  button->handleKeyUp(32, 0);
  EXPECT_EQ(rec().ButtonState, Hot);
}

TEST_F(Input, AnotherKeyCancelsTheSpacePress) {
  button->handleKeyDown(32, 0);
  button->handleKeyDown('A', 0);
  EXPECT_FALSE(rec().SpaceDown);
  EXPECT_EQ(rec().ButtonState, Normal);
  button->handleKeyUp(32, 0);
  EXPECT_EQ(log.sequence(), "KeyDown, KeyDown, KeyUp");
}

TEST_F(Input, SpaceDuringAMousePressFollowsThePointer) {
  moveInside();
  button->handleMouseDown(1, 0, 5, 5);
  moveOutside(-5, 5, 1);
  button->handleKeyDown(32, 0);
  EXPECT_EQ(rec().ButtonState, Normal);
  EXPECT_FALSE(rec().SpaceDown);
  moveInside(5, 5, 1);
  button->handleKeyDown(32, 0);
  EXPECT_EQ(rec().ButtonState, Down);
  button->handleKeyUp(32, 0); // no Click: the mouse still holds it
  EXPECT_EQ(log.count("Click"), 0);
  EXPECT_EQ(rec().ButtonState, Down);
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
    button->SetAccessKeys();
    EXPECT_EQ(button->AccessKeys(), QString::fromUtf8(key)) << caption;
  }
}

TEST_F(Input, AccessKeyInPushModeClicksAlsoFor13And27) {
  for (int key : {int('o'), 13, 27}) {
    log.clear();
    button->hostAccessKeyPress(key);
    EXPECT_EQ(log.sequence(), "Click") << key;
  }
}

TEST_F(Input, AccessKeyInCheckModeTogglesButIgnores13And27) {
  button->setMode(1);
  button->hostAccessKeyPress(13);
  button->hostAccessKeyPress(27);
  EXPECT_TRUE(log.entries.isEmpty());
  EXPECT_FALSE(button->Value());
  button->hostAccessKeyPress('o');
  EXPECT_TRUE(button->Value());
  button->hostAccessKeyPress('o');
  EXPECT_FALSE(button->Value());
  EXPECT_EQ(rec().ButtonState, Normal);
  EXPECT_EQ(log.count("Click"), 2);
}

TEST_F(Input, AccessKeyEndsASpacePressAndDoesNothingWhileDisabled) {
  button->handleKeyDown(32, 0);
  button->hostAccessKeyPress('o');
  EXPECT_FALSE(rec().SpaceDown);
  button->handleKeyUp(32, 0);
  EXPECT_EQ(log.count("Click"), 1); // the access key's only
  log.clear();
  button->setEnabled(false);
  button->hostAccessKeyPress('o');
  EXPECT_TRUE(log.entries.isEmpty());
}

TEST_F(Input, AltAndTheAccessKeyClickInAnActiveWindow) {
  button->setCaption(QStringLiteral("&OK"));
  button->SetAccessKeys();
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
  EXPECT_EQ(log.count("Click"), 1);
  // A caption without an access key takes the shortcut away.
  button->setCaption(QStringLiteral("OK"));
  button->SetAccessKeys();
  QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
  EXPECT_EQ(log.count("Click"), 1);
}

// ---- Option groups -----------------------------------------------------------

TEST(InputOptions, AClickSetsItsOptionAndClearsOnlyItsOwnFrame) {
  QWidget window;
  QWidget frameA(&window);
  QWidget frameB(&window);
  vexabutton* a[3];
  for (auto*& option : a) {
    option = new vexabutton(&frameA);
    option->resize(60, 20);
    option->setMode(2);
  }
  auto* b = new vexabutton(&frameB);
  b->resize(60, 20);
  b->setMode(2);
  b->setValue(true);
  auto* push = new vexabutton(&frameA);
  push->resize(60, 20);

  a[0]->setValue(true);
  a[2]->setValue(true); // from code: the others are not cleared
  EXPECT_TRUE(a[0]->Value());

  a[1]->handleMouseDown(1, 0, 5, 5);
  a[1]->handleMouseUp(1, 0, 5, 5);
  EXPECT_FALSE(a[0]->Value());
  EXPECT_TRUE(a[1]->Value());
  EXPECT_FALSE(a[2]->Value());
  EXPECT_TRUE(b->Value());

  a[2]->handleKeyDown(32, 0);
  a[2]->handleKeyUp(32, 0);
  EXPECT_FALSE(a[1]->Value());
  EXPECT_TRUE(a[2]->Value());

  a[0]->hostAccessKeyPress('x');
  EXPECT_TRUE(a[0]->Value());
  EXPECT_FALSE(a[2]->Value());
  EXPECT_TRUE(b->Value());
  EXPECT_FALSE(push->Value());
}

// ---- Focus -------------------------------------------------------------------

TEST_F(Input, FocusLostWhileHotInAnActiveWindowStaysHot) {
  button->record().ParentActive = true;
  button->handleGotFocus();
  EXPECT_TRUE(rec().HasFocus);
  moveInside();
  button->handleLostFocus();
  EXPECT_FALSE(rec().HasFocus);
  EXPECT_EQ(rec().ButtonState, Hot);

  button->record().ParentActive = false;
  button->handleLostFocus();
  EXPECT_EQ(rec().ButtonState, Normal);
}

TEST_F(Input, FocusLostEndsPressesWithoutAClick) {
  button->handleKeyDown(32, 0);
  button->handleLostFocus();
  EXPECT_FALSE(rec().SpaceDown);
  EXPECT_FALSE(rec().MousePressed);
  button->handleKeyUp(32, 0);
  EXPECT_EQ(log.count("Click"), 0);
}

TEST_F(Input, ArrowKeysMoveTheFocusAndStillRaiseKeyDown) {
  auto* second = new vexabutton(&window);
  auto* third = new vexabutton(&window);
  second->setGeometry(10, 50, 80, 30);
  third->setGeometry(10, 90, 80, 30);
  EventLog secondLog;
  secondLog.attach(*second);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  second->setFocus();
  ASSERT_TRUE(second->hasFocus());
  QTest::keyClick(second, Qt::Key_Right);
  EXPECT_TRUE(third->hasFocus());
  EXPECT_TRUE(secondLog.entries.contains("KeyDown 39 0"));
  QTest::keyClick(third, Qt::Key_Up);
  EXPECT_TRUE(second->hasFocus());
  QTest::keyClick(second, Qt::Key_Left);
  EXPECT_TRUE(button->hasFocus());
  QTest::keyClick(button, Qt::Key_Down);
  EXPECT_TRUE(second->hasFocus());
  EXPECT_FALSE(second->record().HasFocus == false);
}

TEST_F(Input, AmbientDisplayAsDefaultIsCopied) {
  platform::StandaloneHost host;
  auto* hosted = new vexabutton(&window, &host);
  host.setDisplayAsDefault(true);
  hosted->hostAmbientChanged(QStringLiteral("DisplayAsDefault"));
  EXPECT_TRUE(hosted->record().IsDefault);
  host.setDisplayAsDefault(false);
  hosted->hostAmbientChanged(QStringLiteral("Font"));
  EXPECT_FALSE(hosted->record().IsDefault);
  delete hosted;
}

} // namespace
