// SPDX-License-Identifier: MIT
#pragma once

// Helpers of the input, hover and re-entrancy tests: an event log of a
// button's signals, and the pointer and the mouse buttons driven through the
// window system.

#include "button/model/vexabutton_p.h"
#include "platform/Pointer.h"
#include "platform/PropertyBag.h"

#include <QCoreApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <string>

namespace inputtest {

// Records the button's events as "Click", "MouseDown 1 0 5 5", ...
struct EventLog {
  QStringList entries;

  void attach(vexabutton& button, const QString& prefix = {}) {
    auto add = [this, prefix](const QString& text) { entries << prefix + text; };
    auto mouse = [](const char* name, qint16 b, qint16 s, float x, float y) {
      return QStringLiteral("%1 %2 %3 %4 %5").arg(QLatin1String(name)).arg(b).arg(s).arg(double(x)).arg(double(y));
    };
    QObject::connect(&button, &vexabutton::Click, [add] { add(QStringLiteral("Click")); });
    QObject::connect(&button, &vexabutton::DblClick, [add] { add(QStringLiteral("DblClick")); });
    QObject::connect(&button, &vexabutton::MouseEnter, [add] { add(QStringLiteral("MouseEnter")); });
    QObject::connect(&button, &vexabutton::MouseLeave, [add] { add(QStringLiteral("MouseLeave")); });
    QObject::connect(&button, &vexabutton::MouseMove,
                     [add, mouse](qint16 b, qint16 s, float x, float y) { add(mouse("MouseMove", b, s, x, y)); });
    QObject::connect(&button, &vexabutton::MouseDown,
                     [add, mouse](qint16 b, qint16 s, float x, float y) { add(mouse("MouseDown", b, s, x, y)); });
    QObject::connect(&button, &vexabutton::MouseUp,
                     [add, mouse](qint16 b, qint16 s, float x, float y) { add(mouse("MouseUp", b, s, x, y)); });
    QObject::connect(&button, &vexabutton::KeyDown,
                     [add](qint16 k, qint16 s) { add(QStringLiteral("KeyDown %1 %2").arg(k).arg(s)); });
    QObject::connect(&button, &vexabutton::KeyUp,
                     [add](qint16 k, qint16 s) { add(QStringLiteral("KeyUp %1 %2").arg(k).arg(s)); });
    QObject::connect(&button, &vexabutton::KeyPress, [add](qint16 k) { add(QStringLiteral("KeyPress %1").arg(k)); });
  }

  // The entries without their arguments ("MouseDown 1 0 5 5" -> "MouseDown").
  QStringList names() const {
    QStringList out;
    for (const QString& entry : entries)
      out << entry.section(QLatin1Char(' '), 0, 0);
    return out;
  }
  int count(const QString& name) const { return int(names().count(name)); }
  // The entries of the named events only, as text.
  std::string only(const QStringList& wanted) const {
    QStringList out;
    for (const QString& entry : entries)
      if (wanted.contains(entry.section(QLatin1Char(' '), 0, 0)))
        out << entry;
    return out.join(QStringLiteral(", ")).toStdString();
  }
  // "A, B, C" for readable test failures.
  std::string text() const { return entries.join(QStringLiteral(", ")).toStdString(); }
  std::string sequence() const { return names().join(QStringLiteral(", ")).toStdString(); }
  void clear() { entries.clear(); }
};

// ---- Through the window system ----------------------------------------------
// The window must be shown. The pointer is the platform's own (offscreen or
// X): moving it makes the window system send the enter, leave and move
// events, with the mouse buttons it believes held.

// Sees the window system's report of the pointer reaching a point.
class MoveWatch : public QObject {
public:
  explicit MoveWatch(QPoint target) : target_(target) { qApp->installEventFilter(this); }
  ~MoveWatch() override { qApp->removeEventFilter(this); }
  bool seen = false;

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
      seen = seen || static_cast<QSinglePointEvent*>(event)->globalPosition().toPoint() == target_;
    return false;
  }

private:
  QPoint target_;
};

// Moves the pointer to `local` in `widget` and waits until the window system
// has reported the movement (on X it arrives from the server a little later;
// a point outside every window of the program reports nothing).
inline void pointTo(const QWidget* widget, QPoint local) {
  const QPoint target = widget->mapToGlobal(local);
  if (QCursor::pos() == target)
    return; // no movement, nothing to report
  MoveWatch watch(target);
  QCursor::setPos(target);
  QCoreApplication::processEvents();
  QElapsedTimer waited;
  waited.start();
  while (!watch.seen && waited.elapsed() < 1000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  QCoreApplication::processEvents(); // what the move left for after Qt's delivery (a MouseLeave)
}

// Moves the pointer to `local` in `widget`, then presses, releases or
// double-clicks there, as the window system reports a real button.
enum class Mouse { Press, Release, Click, DoubleClick };
inline void mouse(Mouse action, const QWidget* widget, QPoint local, Qt::MouseButton which = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = {}) {
  pointTo(widget, local);
  QWindow* window = widget->window()->windowHandle();
  const QPoint at = window->mapFromGlobal(widget->mapToGlobal(local));
  switch (action) {
  case Mouse::Press:
    QTest::mousePress(window, which, modifiers, at);
    break;
  case Mouse::Release:
    QTest::mouseRelease(window, which, modifiers, at);
    break;
  case Mouse::Click:
    QTest::mouseClick(window, which, modifiers, at);
    break;
  case Mouse::DoubleClick:
    QTest::mouseDClick(window, which, modifiers, at);
    break;
  }
}

// Loads a button as a running host does (which starts its hover tracking).
inline void load(vexabutton& button) { button.ReadProperties(platform::PropertyBag{}); }

// A window at (50, 50), 300 x 200, with one button at (10, 10), 80 x 30,
// shown, and the pointer on the window away from the button. A `loaded`
// button is loaded first, as a form does.
class ShownButton : public ::testing::Test {
protected:
  void showButton(bool loaded) {
    // The offscreen platform sends a window shown under its resting pointer
    // an enter that it never follows with the leave: the pointer rests
    // away from where the window shows.
    QCursor::setPos(0, 0);
    window.setGeometry(50, 50, 300, 200);
    button = new vexabutton(&window);
    button->setGeometry(10, 10, 80, 30);
    if (loaded)
      load(*button);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    moveOff();
    log.attach(*button);
  }
  // A second button below the first, at (10, 60), 80 x 30.
  vexabutton* buttonBelow() {
    auto* below = new vexabutton(&window);
    below->setGeometry(10, 60, 80, 30);
    below->show();
    return below;
  }
  // The pointer, through the window system (button coordinates).
  void moveTo(int x, int y) { pointTo(button, {x, y}); }
  void moveOff() { pointTo(&window, {250, 150}); }
  const ButtonRecord& rec() const { return recordOf(*button); }

  QWidget window;
  vexabutton* button = nullptr;
  EventLog log;
};

// A leave, and the MouseLeave it causes once its delivery is over.
inline void sendLeave(QWidget& widget) {
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(&widget, &leave);
  QCoreApplication::processEvents();
}

inline void sendActivation(QWidget& window, bool active) {
  QEvent event(active ? QEvent::WindowActivate : QEvent::WindowDeactivate);
  QCoreApplication::sendEvent(&window, &event);
}

} // namespace inputtest
