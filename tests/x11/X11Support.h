// SPDX-License-Identifier: MIT
#pragma once

// Helpers of the tests that run on a real X server: a window with one loaded
// button in the middle of the screen, shown and active, and a way to act
// while a modal menu is open.

#include "button/InputTestSupport.h"

#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace x11test {

class ButtonWindow : public ::testing::Test {
protected:
  void SetUp() override {
    window.setGeometry(312, 284, 400, 200);
    button = new vexabutton(&window);
    button->setGeometry(150, 85, 100, 30);
    prepare();
    log.attach(*button);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    park();
  }
  void TearDown() override {
    while (QWidget* popup = QApplication::activePopupWidget())
      popup->close();
    EXPECT_EQ(QGuiApplication::mouseButtons(), Qt::NoButton);
  }

  // Before the window shows: the button is loaded, as a form does.
  virtual void prepare() { inputtest::load(*button); }
  // The pointer on the window, away from the button.
  void park() { inputtest::pointTo(&window, {20, 20}); }
  const ButtonRecord& rec() const { return recordOf(*button); }
  QRect globalRect(const QWidget* widget) const { return {widget->mapToGlobal(QPoint()), widget->size()}; }
  QRect screenArea() const { return window.screen()->availableGeometry(); }

  // Moves the window so that the button's top-left corner lands on `corner`.
  void placeButtonAt(QPoint corner) {
    window.move(corner - button->pos());
    QTest::qWait(50); // the server moves the window
  }

  QWidget window;
  vexabutton* button = nullptr;
  inputtest::EventLog log;
};

// Runs `step` once `menu` is on screen, from inside its modal loop. Returns
// a flag that tells whether it ran.
inline std::shared_ptr<bool> whenShown(QMenu& menu, std::function<void()> step) {
  auto ran = std::make_shared<bool>(false);
  auto* timer = new QTimer(&menu);
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, &menu, [timer, &menu, step, ran] {
    if (!menu.isVisible())
      return;
    timer->stop();
    timer->deleteLater();
    *ran = true;
    step();
  });
  timer->start();
  return ran;
}

} // namespace x11test
