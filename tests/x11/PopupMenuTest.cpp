// SPDX-License-Identifier: MIT
// The attached drop-down menu on a real X server: the press that opens it,
// the mouse-leave it causes, where it goes for each alignment, how it closes.

#include "X11Support.h"

#include <QAction>
#include <QElapsedTimer>

namespace {

using inputtest::Mouse;

class Menus : public x11test::ButtonWindow {
protected:
  void SetUp() override {
    ButtonWindow::SetUp();
    one = menu.addAction(QStringLiteral("Prva stavka"));
    two = menu.addAction(QStringLiteral("Druga stavka"));
    menu.addAction(QStringLiteral("Treca stavka"));
    QObject::connect(&menu, &QMenu::aboutToShow, [this] { ++opened; });
  }

  // A point on the window that neither the button nor the open menu covers.
  QPoint awayFromMenu() const {
    for (QPoint local : {QPoint(5, 5), QPoint(395, 5), QPoint(5, 195), QPoint(395, 195)}) {
      const QPoint global = window.mapToGlobal(local);
      if (!menu.geometry().contains(global) && screenArea().contains(global))
        return local;
    }
    return {200, 5};
  }

  // Opens the menu with a press on the button and returns where it showed;
  // inside, the press is released and the menu closed with the pointer away.
  QRect openAndMeasure() {
    QRect shown;
    const auto ran = x11test::whenShown(menu, [&] {
      shown = menu.geometry();
      inputtest::mouse(Mouse::Release, button, {50, 15});
      inputtest::pointTo(&window, awayFromMenu());
      menu.close();
    });
    inputtest::mouse(Mouse::Press, button, {50, 15});
    EXPECT_TRUE(*ran);
    return shown;
  }

  QMenu menu;
  QAction* one = nullptr;
  QAction* two = nullptr;
  int opened = 0;
};

const QStringList buttonEvents{"MouseDown", "MouseUp", "Click", "DblClick", "MouseLeave"};

// The press opens the menu instead of raising MouseDown; the leave the open
// menu causes keeps the look and marks the menu as just closed; neither the
// release nor the click that follows raises anything, and that click does
// not open the menu again. The next press does.
TEST_F(Menus, APressOpensTheMenuAndRaisesNothing) {
  button->SetPopupMenu(&menu, 0);
  inputtest::pointTo(button, {50, 15});
  ASSERT_EQ(rec().ButtonState, ButtonRecord::Hot);
  const auto ran = x11test::whenShown(menu, [&] {
    // The open menu takes the pointer: the button's leave.
    QElapsedTimer waited;
    waited.start();
    while (rec().PopupMenuShowing && waited.elapsed() < 1000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(rec().ButtonState, ButtonRecord::Down);
    EXPECT_FALSE(rec().PopupMenuShowing);
    EXPECT_TRUE(rec().MenuJustClosed);
    inputtest::mouse(Mouse::Release, button, {50, 15});
    EXPECT_TRUE(menu.isVisible()); // the release of the opening press keeps it open
    QTest::keyClick(&menu, Qt::Key_Escape);
  });
  inputtest::mouse(Mouse::Press, button, {50, 15});
  ASSERT_TRUE(*ran);
  EXPECT_EQ(opened, 1);
  EXPECT_TRUE(rec().MenuJustClosed); // closed over the button

  inputtest::mouse(Mouse::Click, button, {50, 15});
  EXPECT_EQ(opened, 1);
  EXPECT_FALSE(rec().MenuJustClosed);
  EXPECT_FALSE(rec().MousePressed);
  EXPECT_EQ(rec().ButtonState, ButtonRecord::Normal);
  EXPECT_EQ(log.only(buttonEvents), "");

  openAndMeasure();
  EXPECT_EQ(opened, 2);
}

TEST_F(Menus, AClickOnTheButtonWhileItsMenuIsOpenClosesItWithoutReopening) {
  button->SetPopupMenu(&menu, 7);
  const auto ran = x11test::whenShown(menu, [&] {
    inputtest::mouse(Mouse::Release, button, {50, 15});
    inputtest::mouse(Mouse::Press, button, {50, 15}); // closes the menu
  });
  inputtest::mouse(Mouse::Press, button, {50, 15});
  ASSERT_TRUE(*ran);
  EXPECT_FALSE(menu.isVisible());
  EXPECT_EQ(rec().ButtonState, ButtonRecord::Down); // the closing press reached the button
  inputtest::mouse(Mouse::Release, button, {50, 15});
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(rec().ButtonState, ButtonRecord::Normal);
  EXPECT_FALSE(rec().MenuJustClosed);
  EXPECT_FALSE(rec().MousePressed);
  EXPECT_EQ(log.only(buttonEvents), "");
}

// The press that closes a menu goes on to whatever it lands on, as with the
// classic menus: here another button, which clicks.
TEST_F(Menus, APressElsewhereClosesTheMenuAndReachesTheControlThere) {
  auto* other = new vexabutton(&window);
  other->setGeometry(20, 150, 80, 30);
  other->show();
  inputtest::EventLog otherLog;
  otherLog.attach(*other);
  button->SetPopupMenu(&menu, 0);
  const auto ran = x11test::whenShown(menu, [&] {
    inputtest::mouse(Mouse::Release, button, {50, 15});
    inputtest::mouse(Mouse::Press, other, {10, 10});
  });
  inputtest::mouse(Mouse::Press, button, {50, 15});
  ASSERT_TRUE(*ran);
  inputtest::mouse(Mouse::Release, other, {10, 10});
  EXPECT_EQ(otherLog.only(buttonEvents), "MouseDown 1 0 10 10, Click, MouseUp 1 0 10 10");
  EXPECT_EQ(rec().ButtonState, ButtonRecord::Normal); // closed away from the button
}

TEST_F(Menus, ClosingWithThePointerAwayReturnsTheButtonToNormal) {
  button->SetPopupMenu(&menu, 0);
  openAndMeasure();
  EXPECT_EQ(rec().ButtonState, ButtonRecord::Normal);
  EXPECT_FALSE(rec().MousePressed);
  EXPECT_FALSE(rec().MouseInside);
  EXPECT_FALSE(rec().MenuJustClosed);
  EXPECT_FALSE(rec().PopupMenuShowing);
  EXPECT_EQ(log.only(buttonEvents), "");
}

TEST_F(Menus, TheDefaultItemIsTheMenusDefaultWhileItShows) {
  button->SetPopupMenu(&menu, 0, 0, two);
  QAction* shownDefault = nullptr;
  x11test::whenShown(menu, [&] {
    shownDefault = menu.defaultAction();
    inputtest::mouse(Mouse::Release, button, {50, 15});
    inputtest::pointTo(&window, awayFromMenu());
    menu.close();
  });
  inputtest::mouse(Mouse::Press, button, {50, 15});
  EXPECT_EQ(shownDefault, two);
  EXPECT_EQ(menu.defaultAction(), nullptr); // the host's menu is given back as it was
}

TEST_F(Menus, AfterUnsetPopupMenuAPressRaisesMouseDownAgain) {
  button->SetPopupMenu(&menu, 0);
  button->UnsetPopupMenu();
  inputtest::mouse(Mouse::Click, button, {50, 15});
  EXPECT_EQ(opened, 0);
  EXPECT_EQ(log.only(buttonEvents), "MouseDown 1 0 50 15, Click, MouseUp 1 0 50 15");
}

// A command of the menu may destroy the button that showed it.
TEST_F(Menus, ACommandThatDestroysTheButton) {
  button->SetPopupMenu(&menu, 0);
  QPointer<vexabutton> guard(button);
  QObject::connect(one, &QAction::triggered, [&] { delete guard.data(); });
  x11test::whenShown(menu, [&] {
    inputtest::mouse(Mouse::Release, button, {50, 15});
    const QPoint item = menu.actionGeometry(one).center();
    inputtest::mouse(Mouse::Click, &menu, item);
  });
  inputtest::mouse(Mouse::Press, button, {50, 15});
  EXPECT_TRUE(guard.isNull());
  EXPECT_FALSE(menu.isVisible());
}

// A window destroyed while its button's menu, one of the window's own
// children, is open: by a timer, or by the menu's own command. The menu
// goes with the window, in the middle of its modal loop. (The command
// hands the deletion to the event loop: QMenu itself still works on its
// own data after a command returns, whoever owns it.)
TEST(MenuInADestroyedWindow, EndsCleanlyFromATimerAndFromItsOwnCommand) {
  for (bool fromCommand : {false, true}) {
    SCOPED_TRACE(fromCommand ? "from the menu's command" : "from a timer");
    auto* window = new QWidget;
    window->setGeometry(312, 284, 400, 200);
    auto* button = new vexabutton(window);
    button->setGeometry(150, 85, 100, 30);
    inputtest::load(*button);
    auto* menu = new QMenu(window);
    QAction* item = menu->addAction(QStringLiteral("Zatvori"));
    button->SetPopupMenu(menu, 0);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QPointer<QWidget> guard(window);
    QObject::connect(item, &QAction::triggered, [&] { QTimer::singleShot(0, [&] { delete guard.data(); }); });
    x11test::whenShown(*menu, [&, button, menu, item] {
      inputtest::mouse(Mouse::Release, button, {50, 15});
      if (fromCommand)
        inputtest::mouse(Mouse::Click, menu, menu->actionGeometry(item).center());
      else
        QTimer::singleShot(0, [&] { delete guard.data(); });
    });
    inputtest::mouse(Mouse::Press, button, {50, 15});
    QTest::qWait(20);
    EXPECT_TRUE(guard.isNull());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  }
}

// Align: the menu's corner next to the button `b`, in screen coordinates:
// at the left or right edge, below or above it, or beside it.
QPoint expectedCorner(int align, const QRect& b, QSize m) {
  enum {
    Left,
    LeftOutside,
    RightOutside
  } const xs[] = {Left, Left, LeftOutside, RightOutside, LeftOutside, LeftOutside, RightOutside, RightOutside};
  enum { Below, Above, Top } const ys[] = {Below, Above, Top, Top, Above, Below, Above, Below};
  const int x = xs[align] == Left ? b.left() : xs[align] == LeftOutside ? b.left() - m.width() : b.right() + 1;
  const int y = ys[align] == Below ? b.bottom() + 1 : ys[align] == Above ? b.top() - m.height() : b.top();
  return {x, y};
}

TEST_F(Menus, EightAlignmentsAroundAButtonInTheMiddleOfTheScreen) {
  for (int align = 0; align < 8; ++align) {
    button->SetPopupMenu(&menu, align);
    const QRect shown = openAndMeasure();
    EXPECT_EQ(shown.topLeft(), expectedCorner(align, globalRect(button), shown.size())) << "Align " << align;
  }
  // Outside 0..7: no menu, and the press raises nothing either.
  button->SetPopupMenu(&menu, 8);
  inputtest::mouse(Mouse::Click, button, {50, 15});
  EXPECT_EQ(opened, 8);
  EXPECT_FALSE(rec().PopupMenuShowing);
  EXPECT_EQ(log.only(buttonEvents), "");
}

// Next to each edge of the screen the menu moves inside it, whole.
TEST_F(Menus, NextToEachScreenEdgeTheMenuStaysWholeOnScreen) {
  const QRect area = screenArea();
  const QSize size = button->size();
  const std::pair<const char*, QPoint> edges[] = {
      {"left", {area.left(), area.center().y()}},
      {"right", {area.right() + 1 - size.width(), area.center().y()}},
      {"top", {area.center().x(), area.top()}},
      {"bottom", {area.center().x(), area.bottom() + 1 - size.height()}},
  };
  for (const auto& [edge, corner] : edges) {
    placeButtonAt(corner);
    for (int align = 0; align < 8; ++align) {
      button->SetPopupMenu(&menu, align);
      const QRect shown = openAndMeasure();
      EXPECT_TRUE(area.contains(shown)) << edge << " Align " << align;
      EXPECT_EQ(shown.size(), menu.sizeHint()) << edge << " Align " << align;
      // Along the edge it keeps its place next to the button.
      const QPoint wanted = expectedCorner(align, globalRect(button), shown.size());
      if (edge[0] == 'l' || edge[0] == 'r')
        EXPECT_EQ(shown.top(), wanted.y()) << edge << " Align " << align;
      else
        EXPECT_EQ(shown.left(), wanted.x()) << edge << " Align " << align;
    }
  }
}

} // namespace
