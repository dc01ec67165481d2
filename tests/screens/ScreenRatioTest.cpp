// SPDX-License-Identifier: MIT
// A control on screens of different device pixel ratios (two offscreen
// screens, ratio 1 at the left and 2 at the right): it draws at its window's
// ratio, follows the window to the other screen, and the window shows the
// surface's device pixels as they are.
#include "button/model/vexabutton_p.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

QScreen* screenOfRatio(qreal ratio) {
  for (QScreen* screen : QGuiApplication::screens())
    if (screen->devicePixelRatio() == ratio)
      return screen;
  return nullptr;
}

// Moves the window to the screen and waits until the control's surface has
// the ratio.
bool moveTo(QWidget& window, QScreen* screen, const vexabutton& button, qreal ratio) {
  window.windowHandle()->setScreen(screen);
  return QTest::qWaitFor([&] { return surfaceOf(button).devicePixelRatio() == ratio; }, 2000);
}

// What a paint of the control shows, compared with its surface inside the
// window region.
void expectShowsItsSurface(vexabutton& button) {
  const QImage shown = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const platform::Surface& surface = surfaceOf(button);
  ASSERT_EQ(shown.size(), surface.image().size());
  int differing = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      differing +=
          surface.deviceWindowRegion().contains(QPoint(x, y)) && shown.pixel(x, y) != surface.image().pixel(x, y);
  EXPECT_EQ(differing, 0);
}

} // namespace

TEST(ScreenRatio, TheControlDrawsAtItsWindowsRatioAndFollowsItToAnotherScreen) {
  QScreen* const standard = screenOfRatio(1);
  QScreen* const dense = screenOfRatio(2);
  ASSERT_TRUE(standard && dense);

  QWidget window;
  window.setGeometry(standard->geometry().left() + 100, 100, 200, 80);
  auto* button = new vexabutton(&window);
  initProperties(*button);
  button->setButtonStyle(2);
  button->setCaption(QStringLiteral("Dugme"));
  button->setGeometry(10, 10, 121, 33);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_EQ(surfaceOf(*button).devicePixelRatio(), 1);
  expectShowsItsSurface(*button);
  const QImage standardLook = surfaceOf(*button).image();

  // To the dense screen: drawn again at twice the pixels, the layout kept.
  const platform::Rect caption = recordOf(*button).CaptionRect;
  ASSERT_TRUE(moveTo(window, dense, *button, 2));
  EXPECT_EQ(surfaceOf(*button).image().size(), QSize(242, 66));
  EXPECT_EQ(recordOf(*button).CaptionRect, caption);
  EXPECT_EQ(surfaceOf(*button).windowRegion(), QRegion(platform::Surface::roundRectRegion(0, 0, 122, 34, 3, 3)));
  expectShowsItsSurface(*button);

  // And back.
  ASSERT_TRUE(moveTo(window, standard, *button, 1));
  EXPECT_EQ(surfaceOf(*button).image(), standardLook);
}

TEST(ScreenRatio, AControlMovedIntoAWindowOnTheDenseScreenTakesItsRatio) {
  QScreen* const screen = screenOfRatio(2);
  ASSERT_TRUE(screen);
  QWidget dense;
  dense.setGeometry(screen->geometry().left() + 100, 100, 200, 80);
  dense.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dense));
  dense.windowHandle()->setScreen(screen);
  ASSERT_TRUE(QTest::qWaitFor([&] { return dense.devicePixelRatioF() == 2; }, 2000));

  vexabutton button;
  initProperties(button);
  button.resize(80, 24);
  EXPECT_EQ(surfaceOf(button).devicePixelRatio(), 1);
  button.setParent(&dense);
  button.show();
  EXPECT_EQ(surfaceOf(button).devicePixelRatio(), 2);
  expectShowsItsSurface(button);
}
