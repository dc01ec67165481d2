// SPDX-License-Identifier: MIT
// Hover tracking and the per-window message routers.

#include "InputTestSupport.h"

#include "button/services/Subclass.h"
#include "platform/WindowRegistry.h"

#include <QApplication>
#include <QTest>
#include <private/qobject_p.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

using inputtest::EventLog;
using namespace platform::WindowMessage;

namespace {

constexpr qint32 Normal = ButtonRecord::Normal;
constexpr qint32 Hot = ButtonRecord::Hot;
constexpr qint32 Down = ButtonRecord::Down;

// ---- The router on its own -------------------------------------------------------

TEST(MessageRouter, TurnsQtEventsIntoTheRoutedMessagesOnly) {
  QWidget window;
  std::vector<std::pair<qint32, qint32>> seen;
  platform::MessageRouter router(&window, [&](const platform::RoutedMessage& m) {
    seen.emplace_back(m.message, m.wParam);
    EXPECT_EQ(m.window, platform::WindowRegistry::handleOf(&window));
    return false;
  });
  router.route(WM_ACTIVATE);
  router.route(WM_THEMECHANGED);
  for (QEvent::Type type : {QEvent::WindowActivate, QEvent::WindowDeactivate, QEvent::StyleChange,
                            QEvent::ApplicationPaletteChange, QEvent::Leave}) {
    QEvent event(type);
    QCoreApplication::sendEvent(&window, &event);
  }
  const std::vector<std::pair<qint32, qint32>> expected{{WM_ACTIVATE, 1}, {WM_ACTIVATE, 0}, {WM_THEMECHANGED, 0}};
  EXPECT_EQ(seen, expected);
}

TEST(MessageRouter, DeliversOneLeavePerRequest) {
  QWidget window;
  int leaves = 0;
  platform::MessageRouter router(&window, [&](const platform::RoutedMessage& m) {
    leaves += m.message == WM_MOUSELEAVE ? 1 : 0;
    return false;
  });
  router.route(WM_MOUSELEAVE);
  inputtest::sendLeave(window);
  EXPECT_EQ(leaves, 0); // nothing requested
  router.requestLeave();
  router.requestLeave();
  inputtest::sendLeave(window);
  inputtest::sendLeave(window);
  EXPECT_EQ(leaves, 1);
  EXPECT_FALSE(router.leaveRequested());
}

TEST(MessageRouter, TheApplicationPaletteChangeIsTheSystemColourChange) {
  QWidget window;
  auto* child = new QWidget(&window);
  int changes = 0;
  platform::MessageRouter router(child, [&](const platform::RoutedMessage& m) {
    changes += m.message == WM_SYSCOLORCHANGE ? 1 : 0;
    return false;
  });
  router.route(WM_SYSCOLORCHANGE);
  const QPalette before = QApplication::palette();
  QPalette changed = before;
  changed.setColor(QPalette::Button, QColor(1, 2, 3));
  QApplication::setPalette(changed);
  QApplication::setPalette(before);
  EXPECT_GE(changes, 1);
}

TEST(MessageRouter, RoutersOnOneWindowEndInAnyOrder) {
  QWidget window;
  int a = 0;
  int b = 0;
  int c = 0;
  auto count = [](int& n) {
    return [&n](const platform::RoutedMessage&) {
      ++n;
      return false;
    };
  };
  auto first = std::make_unique<platform::MessageRouter>(&window, count(a));
  auto second = std::make_unique<platform::MessageRouter>(&window, count(b));
  auto third = std::make_unique<platform::MessageRouter>(&window, count(c));
  for (auto* r : {first.get(), second.get(), third.get()})
    r->route(WM_THEMECHANGED);
  second.reset(); // neither the first nor the last installed
  QEvent style(QEvent::StyleChange);
  QCoreApplication::sendEvent(&window, &style);
  first.reset();
  QCoreApplication::sendEvent(&window, &style);
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 0);
  EXPECT_EQ(c, 2);
  third.reset(); // the last one takes the window's filter with it
  EXPECT_EQ(platform::MessageRouter::filtersOn(&window), 0);
}

TEST(MessageRouter, SurvivesItsWindowAndItsOwnDeletionInTheHandler) {
  auto window = std::make_unique<QWidget>();
  std::unique_ptr<platform::MessageRouter> router;
  router = std::make_unique<platform::MessageRouter>(window.get(), [&](const platform::RoutedMessage&) {
    router.reset();
    return false;
  });
  router->route(WM_THEMECHANGED);
  QEvent style(QEvent::StyleChange);
  QCoreApplication::sendEvent(window.get(), &style);
  EXPECT_FALSE(router);

  platform::MessageRouter orphan(window.get(), {});
  window.reset();
  EXPECT_EQ(orphan.window(), nullptr);
}

TEST(MessageRouter, ProbesAnswerFromThePlatform) {
  EXPECT_TRUE(IsFunctionExported(QStringLiteral("TrackMouseEvent"), QStringLiteral("User32")));
  EXPECT_TRUE(IsFunctionExported(QStringLiteral("trackmouseevent"), QStringLiteral("user32.dll")));
  EXPECT_FALSE(IsFunctionExported(QStringLiteral("NoSuchFunction"), QStringLiteral("User32")));
  EXPECT_FALSE(IsFunctionExported(QStringLiteral("TrackMouseEvent"), QStringLiteral("nosuchmodule")));
  platform::setLeaveTrackingAvailable(false);
  EXPECT_FALSE(IsFunctionExported(QStringLiteral("TrackMouseEvent"), QStringLiteral("User32")));
  platform::setLeaveTrackingAvailable(true);
}

// ---- The table ---------------------------------------------------------------------

TEST(SubclassTable, EntriesAreReusedAndUnknownWindowsFail) {
  QWidget window;
  vexabutton owner(&window);
  QWidget one(&window);
  QWidget two(&window);
  QWidget three(&window);
  const qint32 h1 = platform::WindowRegistry::handleOf(&one);
  const qint32 h2 = platform::WindowRegistry::handleOf(&two);
  const qint32 h3 = platform::WindowRegistry::handleOf(&three);
  SubclassTable table(&owner);
  EXPECT_EQ(table.Subclass_Start(h1), 0);
  EXPECT_EQ(table.Subclass_Start(h2), 1);
  EXPECT_EQ(table.Subclass_Start(h1), 0); // already routed: same entry
  EXPECT_EQ(table.Subclass_Start(0), -1);
  EXPECT_TRUE(table.Subclass_Stop(h1));
  EXPECT_EQ(table.Subclass_Start(h3), 0); // the freed entry
  EXPECT_EQ(table.entryCount(), 2);

  QString error;
  EXPECT_FALSE(table.Subclass_AddMsg(h1, WM_ACTIVATE, 1, &error));
  EXPECT_TRUE(error.contains(QString::number(h1)));
  EXPECT_FALSE(table.Subclass_Stop(h1));
  EXPECT_TRUE(table.Subclass_AddMsg(h2, WM_ACTIVATE, SubclassTable::MSG_BEFORE | SubclassTable::MSG_AFTER));
  EXPECT_TRUE(table.routes(h2, WM_ACTIVATE));
  EXPECT_FALSE(table.routes(h3, WM_ACTIVATE));
  table.Subclass_StopAll();
  EXPECT_EQ(table.activeCount(), 0);
}

TEST(SubclassTable, BothListsReachTheOwnerBeforeThenAfter) {
  QWidget window;
  vexabutton owner(&window);
  EventLog log;
  log.attach(owner);
  recordOf(owner).MouseInside = true;
  SubclassTable table(&owner);
  const qint32 own = owner.hWnd();
  table.Subclass_Start(own);
  table.Subclass_AddMsg(own, WM_MOUSELEAVE, SubclassTable::MSG_BEFORE | SubclassTable::MSG_AFTER);
  EXPECT_TRUE(table.trackMouseLeave(own));
  inputtest::sendLeave(owner);
  EXPECT_EQ(log.sequence(), "MouseLeave, MouseLeave");
}

// ---- The button with its routers -----------------------------------------------------

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
  moveInside();
  ASSERT_EQ(rec().ButtonState, Hot);
  log.clear();
  QTest::keyPress(other, Qt::Key_Space); // the space press captures the mouse
  EXPECT_EQ(log.sequence(), "MouseLeave");
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

TEST_F(Hover, WithoutLeaveTrackingNoLeaveIsRequested) {
  platform::setLeaveTrackingAvailable(false);
  auto* other = new vexabutton(&window);
  other->setGeometry(10, 50, 80, 30);
  other->show();
  inputtest::load(*other);
  platform::setLeaveTrackingAvailable(true);
  EXPECT_FALSE(recordOf(*other).TrackUser32);
  EXPECT_TRUE(rec().TrackUser32);
  EventLog otherLog;
  otherLog.attach(*other);
  moveInside(other);
  moveOff();
  EXPECT_EQ(otherLog.count("MouseLeave"), 0);
  EXPECT_EQ(recordOf(*other).ButtonState, Hot); // kept until the next movement over it
}

TEST_F(Hover, ButtonsOnOneWindowEndInAnyOrder) {
  std::vector<QPointer<vexabutton>> buttons;
  for (int i = 0; i < 3; ++i) {
    auto* b = new vexabutton(&window);
    b->setGeometry(100, 10 + 40 * i, 80, 30);
    inputtest::load(*b);
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

// The event filters Qt itself holds on an object.
int eventFiltersOn(QObject* object) {
  const auto* extra = QObjectPrivate::get(object)->extraData;
  return extra ? int(std::ranges::count_if(extra->eventFilters, [](const QPointer<QObject>& f) { return !f.isNull(); }))
               : 0;
}

TEST_F(Hover, AWindowHoldsOneRouterWhateverTheNumberOfButtons) {
  const int withOne = eventFiltersOn(&window);
  ASSERT_EQ(platform::MessageRouter::filtersOn(&window), 1);
  std::vector<vexabutton*> buttons{button};
  for (int i = 0; i < 40; ++i) {
    auto* b = new vexabutton(&window);
    b->setGeometry(100 + i, 50, 60, 24);
    inputtest::load(*b);
    buttons.push_back(b);
  }
  EXPECT_EQ(eventFiltersOn(&window), withOne);
  EXPECT_EQ(eventFiltersOn(buttons.back()), 1); // its own window: its own router only
  // The one filter still hands activation to every button.
  inputtest::sendActivation(window, true);
  EXPECT_EQ(std::ranges::count_if(buttons, [](vexabutton* b) { return recordOf(*b).ParentActive; }), 41);
  qDeleteAll(buttons.begin() + 1, buttons.end());
  EXPECT_EQ(eventFiltersOn(&window), withOne);
  delete button;
  EXPECT_EQ(platform::MessageRouter::filtersOn(&window), 0);
  EXPECT_EQ(eventFiltersOn(&window), withOne - 1);
}

// A router that outlives its window leaves nothing behind for a window made
// later at the same address (the allocator hands the address out again).
TEST(MessageRouter, ANewWindowWhereAnOldOneDiedGetsARouterOfItsOwn) {
  for (int i = 0; i < 50; ++i) {
    auto old = std::make_unique<QWidget>();
    auto orphan = std::make_unique<platform::MessageRouter>(old.get(), platform::MessageRouter::Handler{});
    old.reset();
    orphan.reset();
    auto window = std::make_unique<QWidget>();
    int activations = 0;
    platform::MessageRouter router(window.get(), [&](const platform::RoutedMessage&) { return ++activations, false; });
    router.route(WM_ACTIVATE);
    inputtest::sendActivation(*window, true);
    ASSERT_EQ(activations, 1) << i;
  }
}

TEST_F(Hover, ADesignTimeHostInstallsNoRouters) {
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

} // namespace
