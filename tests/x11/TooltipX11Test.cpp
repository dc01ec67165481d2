// SPDX-License-Identifier: MIT
// The button's own tooltip on a real X server: when it shows and hides,
// where it goes, its shadow.

#include "X11Support.h"

#include "platform/TooltipWindow.h"

#include <QElapsedTimer>

namespace {

using platform::TooltipWindow;

// Runs the event loop until `done` holds or `ms` have passed.
bool waitFor(const std::function<bool()>& done, int ms) {
  QElapsedTimer waited;
  waited.start();
  while (!done() && waited.elapsed() < ms)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  return done();
}

QRgb screenPixel(QPoint global) {
  return QGuiApplication::primaryScreen()->grabWindow(0, global.x(), global.y(), 1, 1).toImage().pixel(0, 0);
}

class Tips : public x11test::ButtonWindow {
protected:
  void SetUp() override {
    ButtonWindow::SetUp();
    button->setToolTip(QStringLiteral("Proverava odgovore; ostalo je jos tri pokusaja."));
  }
  TooltipWindow* tip() const { return button->findChild<TooltipWindow*>(); }
  bool tipShown() const { return tip() && tip()->isVisible(); }
  // Rests the pointer on the button until the tip shows; how long that took.
  qint64 restUntilShown(QPoint local = {50, 15}) {
    QElapsedTimer since;
    since.start();
    inputtest::pointTo(button, local);
    EXPECT_NE(tip(), nullptr);
    EXPECT_TRUE(waitFor([this] { return tipShown(); }, 3000));
    const qint64 took = since.elapsed();
    if (tip()) {
      EXPECT_TRUE(QTest::qWaitForWindowExposed(tip()));
    }
    return took;
  }
};

TEST_F(Tips, ShowsAfterTheInitialDelayBelowThePointerAndHidesWhenItLeaves) {
  QTest::qWait(TooltipWindow::InitialDelay); // no tip of an earlier test just gone
  QElapsedTimer entered;
  entered.start();
  inputtest::pointTo(button, {50, 15});
  ASSERT_NE(tip(), nullptr);
  EXPECT_TRUE(tip()->isPending());
  EXPECT_FALSE(tip()->isVisible());
  ASSERT_TRUE(waitFor([this] { return tipShown(); }, 3000));
  EXPECT_GE(entered.elapsed(), TooltipWindow::InitialDelay);
  const QPoint pointer = QCursor::pos();
  EXPECT_GT(tip()->geometry().top(), pointer.y());
  EXPECT_TRUE(tip()->geometry().contains(QPoint(pointer.x() + 10, tip()->geometry().center().y())));
  park();
  EXPECT_FALSE(tip()->isVisible());

  // Back at once: the next tip comes after the shorter reshow delay.
  entered.restart();
  inputtest::pointTo(button, {50, 15});
  ASSERT_TRUE(waitFor([this] { return tipShown(); }, 3000));
  EXPECT_LT(entered.elapsed(), TooltipWindow::InitialDelay);
}

TEST_F(Tips, APressHidesTheTip) {
  restUntilShown();
  inputtest::mouse(inputtest::Mouse::Press, button, {50, 15});
  EXPECT_FALSE(tipShown());
  inputtest::mouse(inputtest::Mouse::Release, button, {50, 15});
}

TEST_F(Tips, GoesAwayByItselfAndStaysAwayWhileThePointerRests) {
  QElapsedTimer entered;
  entered.start();
  const qint64 delay = restUntilShown();
  ASSERT_TRUE(waitFor([this] { return !tipShown(); }, TooltipWindow::AutoPop + 2000));
  EXPECT_GE(entered.elapsed(), delay + TooltipWindow::AutoPop - 400); // shown at most `delay` after entering
  QTest::qWait(TooltipWindow::InitialDelay + 200);
  EXPECT_FALSE(tipShown());
}

// A balloon's stem points at the pointer: the body above it, or below it
// where there is no room above; and it stays up.
TEST_F(Tips, ABalloonPointsItsStemAtThePointer) {
  button->setToolTipType(1);
  for (bool atTheTop : {false, true}) {
    if (atTheTop)
      placeButtonAt({300, screenArea().top()});
    park();
    restUntilShown({50, 5});
    const QPoint pointer = QCursor::pos();
    const TooltipWindow* t = tip();
    // Pointing at it from just above or below: the tip never lies under the
    // pointer (that would take the pointer from the button).
    EXPECT_EQ(t->pos() + t->tipLayout().stem.last(), pointer + QPoint(0, atTheTop ? 1 : -1)) << atTheTop;
    EXPECT_FALSE(t->geometry().contains(pointer));
    const QRect body = t->tipLayout().body.translated(t->pos());
    if (atTheTop) {
      EXPECT_GT(body.top(), pointer.y());
    } else {
      EXPECT_LT(body.bottom(), pointer.y());
    }
    EXPECT_TRUE(screenArea().contains(t->geometry())) << atTheTop;
    QTest::qWait(100);
    EXPECT_TRUE(tipShown()) << atTheTop;
  }
}

// The shadow darkens what lies right of and below the tip; with the tip
// gone, the screen there is as it was.
TEST_F(Tips, CastsAShadowOnWhatLiesBelow) {
  restUntilShown();
  const TooltipWindow* t = tip();
  const QRect body = t->tipLayout().body.translated(t->pos());
  const QPoint shaded(body.left() + 10, body.bottom() + 2);
  ASSERT_TRUE(globalRect(&window).contains(shaded));
  QTest::qWait(100); // drawn on the server
  const QRgb withTip = screenPixel(shaded);
  park();
  QTest::qWait(100); // the window below drawn again
  const QRgb without = screenPixel(shaded);
  EXPECT_LT(qGray(withTip), qGray(without));
}

} // namespace
