// SPDX-License-Identifier: MIT
// Hover tracking: the leave, the window's activation and what takes the
// pointer away from a button, all from the events Qt delivers.

#include "InputTestSupport.h"

#include "platform/TooltipWindow.h"

#include <QApplication>
#include <QTest>
#include <private/qobject_p.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

using inputtest::EventLog;

namespace {

constexpr qint32 Normal = ButtonRecord::Normal;
constexpr qint32 Hot = ButtonRecord::Hot;
constexpr qint32 Down = ButtonRecord::Down;

// The event filters Qt itself holds on an object.
int eventFiltersOn(QObject* object) {
  const auto* extra = QObjectPrivate::get(object)->extraData;
  return extra ? int(std::ranges::count_if(extra->eventFilters, [](const QPointer<QObject>& f) { return !f.isNull(); }))
               : 0;
}

class Hover : public inputtest::ShownButton {
protected:
  void SetUp() override { showButton(true); }
  void moveInside(vexabutton* which = nullptr) { inputtest::pointTo(which ? which : button, {20, 10}); }
};

TEST_F(Hover, LeavingAHotButtonRaisesMouseLeaveOncePerLeave) {
  moveInside();
  ASSERT_EQ(rec().ButtonState, Hot);
  log.clear();
  moveOff();
  inputtest::pointTo(&window, {260, 150});
  EXPECT_EQ(log.sequence(), "MouseLeave");
  EXPECT_EQ(rec().ButtonState, Normal);
  EXPECT_FALSE(rec().MouseInside);

  moveInside();
  inputtest::pointTo(button, {30, 12});
  log.clear();
  moveOff();
  EXPECT_EQ(log.sequence(), "MouseLeave");
}

TEST_F(Hover, NoLeaveWhileTheSpaceBarHoldsTheButton) {
  moveInside();
  QTest::keyPress(button, Qt::Key_Space);
  log.clear();
  moveOff();
  EXPECT_EQ(log.count("MouseLeave"), 0);
  EXPECT_EQ(rec().ButtonState, Down);
  EXPECT_FALSE(rec().MouseInside);
  QTest::keyRelease(button, Qt::Key_Space);
  EXPECT_EQ(rec().ButtonState, Normal);
  EXPECT_EQ(log.count("Click"), 1);
}

TEST_F(Hover, ASpacePressOnAnotherButtonTakesThePointerAwayFromAHotOne) {
  auto* other = new vexabutton(&window);
  other->setGeometry(10, 60, 80, 30);
  inputtest::load(*other);
  other->show();
  button->setToolTip(QStringLiteral("Proverava odgovore"));
  moveInside();
  ASSERT_EQ(rec().ButtonState, Hot);
  const auto* tip = button->findChild<platform::TooltipWindow*>();
  ASSERT_TRUE(tip && tip->isPending());
  log.clear();
  QTest::keyPress(other, Qt::Key_Space); // the space press captures the mouse
  EXPECT_EQ(log.sequence(), "MouseLeave");
  EXPECT_FALSE(tip->isPending()); // no tip for a pointer that has gone
  EXPECT_EQ(rec().ButtonState, Normal);
  EXPECT_FALSE(rec().MouseInside);
  QTest::keyRelease(other, Qt::Key_Space);
  inputtest::pointTo(button, {30, 12}); // after the capture the next move is seen again
  EXPECT_EQ(rec().ButtonState, Hot);
}

TEST_F(Hover, AButtonThatShrinksFromUnderTheRestingPointerIsLeft) {
  inputtest::pointTo(button, {70, 20});
  ASSERT_EQ(rec().ButtonState, Hot);
  log.clear();
  button->resize(40, 30);
  QCoreApplication::processEvents();
  EXPECT_EQ(log.sequence(), "MouseLeave");
  EXPECT_EQ(rec().ButtonState, Normal);
  EXPECT_FALSE(rec().MouseInside);
  button->resize(30, 30); // one leave per request
  EXPECT_EQ(log.count("MouseLeave"), 1);
}

TEST_F(Hover, AShapeThatNoLongerHoldsTheRestingPointerIsLeft) {
  button->setButtonStyle(0); // square corners
  inputtest::pointTo(button, {0, 0});
  ASSERT_EQ(rec().ButtonState, Hot);
  log.clear();
  button->setButtonStyle(2); // rounded: the corner pixel is outside
  QCoreApplication::processEvents();
  EXPECT_EQ(log.sequence(), "MouseLeave");
  EXPECT_FALSE(rec().MouseInside);
  EXPECT_EQ(rec().ButtonState, Normal);
  // A shape that still holds it gives no leave.
  inputtest::pointTo(button, {20, 10});
  log.clear();
  button->setButtonStyle(0);
  QCoreApplication::processEvents();
  EXPECT_EQ(log.count("MouseLeave"), 0);
  EXPECT_TRUE(rec().MouseInside);
}

// The bar's capture takes a press over the other button to this one and the
// pointer comes over this one; then the focus goes, or the window: the
// pointer leaving it still reaches it, and so does the release.
TEST_F(Hover, AButtonFollowsThePressItsCaptureTookAfterItLosesTheFocusOrTheWindow) {
  vexabutton* other = buttonBelow();
  QWidget elsewhere;
  elsewhere.setGeometry(400, 300, 100, 100);
  const std::pair<const char*, std::function<void()>> ways[] = {
      {"focus to the other button", [&] { other->setFocus(); }},
      {"another window active",
       [&] {
         elsewhere.show();
         elsewhere.activateWindow();
         ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
       }},
  };
  for (const auto& [way, loseIt] : ways) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << way;
    button->setFocus();
    QTest::keyPress(button, Qt::Key_Space);
    inputtest::mouse(inputtest::Mouse::Press, other, {20, 10});
    moveInside();
    ASSERT_TRUE(rec().MouseInside) << way;
    loseIt();
    moveOff();
    EXPECT_FALSE(rec().MouseInside) << way;
    EXPECT_EQ(rec().ButtonState, Normal) << way;
    log.clear();
    inputtest::mouse(inputtest::Mouse::Release, &window, {250, 150});
    EXPECT_EQ(log.only({"MouseUp", "Click"}), "MouseUp 1 0 240 140") << way;
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr) << way;
    QTest::keyRelease(button, Qt::Key_Space);
  }
}

TEST_F(Hover, DeactivationClearsTheFlagsAndActivationMarksTheParentActive) {
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_TRUE(rec().ParentActive);
  inputtest::mouse(inputtest::Mouse::Press, button, {5, 5});
  QTest::keyPress(button, Qt::Key_Space);
  ASSERT_TRUE(rec().HasFocus && rec().MousePressed);
  QWidget other;
  other.setGeometry(400, 300, 100, 100);
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_FALSE(rec().ParentActive);
  EXPECT_FALSE(rec().HasFocus);
  EXPECT_FALSE(rec().MousePressed);
  EXPECT_FALSE(rec().SpaceDown);
  EXPECT_EQ(rec().ButtonState, Normal);
  inputtest::mouse(inputtest::Mouse::Release, button, {5, 5});
  QTest::keyRelease(button, Qt::Key_Space);

  moveInside();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_TRUE(rec().ParentActive);
  EXPECT_EQ(rec().ButtonState, Normal);
}

TEST_F(Hover, ButtonsOnOneWindowEndInAnyOrder) {
  std::vector<QPointer<vexabutton>> buttons;
  for (int i = 0; i < 3; ++i) {
    auto* b = new vexabutton(&window);
    b->setGeometry(100, 10 + 40 * i, 80, 30);
    inputtest::load(*b);
    b->show();
    buttons.push_back(b);
  }
  delete buttons[1]; // neither the first nor the last router on the window
  inputtest::sendActivation(window, true);
  EXPECT_EQ(
      (std::vector<bool>{recordOf(*buttons[0]).ParentActive, recordOf(*buttons[2]).ParentActive, rec().ParentActive}),
      std::vector<bool>(3, true));
  delete buttons[0];
  inputtest::sendActivation(window, false);
  EXPECT_EQ(std::pair(recordOf(*buttons[2]).ParentActive, rec().ParentActive), std::pair(false, false));
}

TEST_F(Hover, ButtonsWatchTheirOwnEventsNotTheirWindows) {
  const int before = eventFiltersOn(&window);
  std::vector<vexabutton*> buttons;
  for (int i = 0; i < 40; ++i) {
    auto* b = new vexabutton(&window);
    b->setGeometry(100 + i, 50, 60, 24);
    inputtest::load(*b);
    b->show();
    buttons.push_back(b);
  }
  EXPECT_EQ(eventFiltersOn(&window), before);
  EXPECT_EQ(eventFiltersOn(buttons.back()), 0);
  // The window's activation still reaches every shown button.
  inputtest::sendActivation(window, true);
  EXPECT_EQ(std::ranges::count_if(buttons, [](vexabutton* b) { return recordOf(*b).ParentActive; }), 40);
}

TEST_F(Hover, ADesignTimeButtonTracksNeitherThePointerNorItsWindow) {
  platform::StandaloneHost designer;
  designer.setUserMode(false);
  auto* designed = new vexabutton(&window, &designer);
  designed->setGeometry(100, 50, 80, 30);
  designed->show();
  inputtest::load(*designed);
  EventLog designedLog;
  designedLog.attach(*designed);
  moveInside(designed);
  moveOff();
  inputtest::sendActivation(window, true);
  EXPECT_EQ(designedLog.count("MouseLeave"), 0);
  EXPECT_FALSE(recordOf(*designed).ParentActive);
  delete designed;
}

// ---- QTest's synthetic moves alone -----------------------------------------------
// QTest moves no real pointer: hover and leave follow the positions its
// events carry, wherever the pointer of the window system rests.

class SyntheticHover : public ::testing::Test {
protected:
  // A small window with a button made in code, never loaded: it starts
  // tracking when first shown in its running host.
  void SetUp() override {
    window.resize(120, 60);
    button = new vexabutton(&window);
    button->setGeometry(10, 10, 60, 24);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    log.attach(*button);
  }
  void move(QPoint inWindow) {
    QTest::mouseMove(window.windowHandle(), inWindow);
    QCoreApplication::processEvents();
  }

  QWidget window;
  vexabutton* button = nullptr;
  EventLog log;
};

TEST_F(SyntheticHover, OneMoveOnAndOneMoveOffGiveTheLookAndOneLeave) {
  // Off the button, onto it, along it, past each edge in turn, back on it.
  const struct {
    QPoint to;
    qint32 state;
    const char* events;
  } steps[] = {
      {{100, 50}, Normal, ""},
      {{11, 11}, Hot, "MouseEnter, MouseMove"},
      {{69, 33}, Hot, "MouseEnter, MouseMove"},
      {{70, 20}, Normal, "MouseLeave"},
      {{40, 20}, Hot, "MouseEnter, MouseMove"},
      {{40, 9}, Normal, "MouseLeave"},
      {{40, 34}, Normal, ""},
      {{9, 20}, Normal, ""},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << step.to.x() << "," << step.to.y());
    log.clear();
    move(step.to);
    EXPECT_EQ(log.sequence(), step.events);
    EXPECT_EQ(recordOf(*button).ButtonState, step.state);
    EXPECT_EQ(recordOf(*button).MouseInside, step.state == Hot);
  }
}

TEST_F(SyntheticHover, AButtonMovedFromUnderTheRestingPointerIsLeftOnce) {
  move({30, 20});
  ASSERT_EQ(recordOf(*button).ButtonState, Hot);
  log.clear();
  button->move(10, 30); // (30, 20) of the window is now above it
  button->move(10, 32);
  QCoreApplication::processEvents();
  EXPECT_EQ(log.sequence(), "MouseLeave");
  EXPECT_EQ(recordOf(*button).ButtonState, Normal);
}

TEST_F(SyntheticHover, AButtonShownInAnActiveWindowKnowsItsWindowIsActive) {
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  auto* later = new vexabutton(&window);
  later->setGeometry(10, 36, 60, 20);
  later->show();
  EXPECT_TRUE(recordOf(*later).ParentActive);
}

} // namespace
