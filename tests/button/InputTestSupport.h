#pragma once

// Helpers of the input, subclassing and re-entrancy tests: an event log of a
// button's signals and a controllable "widget under the pointer".

#include "button/model/vexabutton.h"
#include "platform/EventRouter.h"
#include "platform/PropertyBag.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QStringList>

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
  // "A, B, C" for readable test failures.
  std::string text() const { return entries.join(QStringLiteral(", ")).toStdString(); }
  std::string sequence() const { return names().join(QStringLiteral(", ")).toStdString(); }
  void clear() { entries.clear(); }
};

// While alive, `widget` is what the button sees under the pointer.
class PointerOver {
public:
  PointerOver() {
    platform::setWidgetUnderPointerHook([this] { return widget.data(); });
  }
  ~PointerOver() { platform::setWidgetUnderPointerHook({}); }
  PointerOver(const PointerOver&) = delete;
  PointerOver& operator=(const PointerOver&) = delete;
  QPointer<QWidget> widget;
};

// Loads a button as a running host does (which installs its routers).
inline void load(vexabutton& button) { button.ReadProperties(platform::PropertyBag{}); }

inline void sendLeave(QWidget& widget) {
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(&widget, &leave);
}

inline void sendActivation(QWidget& window, bool active) {
  QEvent event(active ? QEvent::WindowActivate : QEvent::WindowDeactivate);
  QCoreApplication::sendEvent(&window, &event);
}

} // namespace inputtest
