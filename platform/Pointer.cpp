// SPDX-License-Identifier: MIT
#include "platform/Pointer.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>

namespace platform {

bool isOnWidget(const QWidget* widget, QPoint local) {
  return widget && widget->rect().contains(local) && (widget->mask().isEmpty() || widget->mask().contains(local)) &&
         !widget->childAt(local);
}

bool arrivalComesWithoutMove() {
  static const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
  return wayland;
}

namespace {

// Whether `window` is `ancestor` or lies inside it, following parents
// across windows (a dialog's parent is the window it belongs to).
bool isWithin(const QWidget* window, const QWidget* ancestor) {
  for (const QWidget* w = window; w; w = w->parentWidget())
    if (w == ancestor)
      return true;
  return false;
}

} // namespace

bool isBlockedByModalWindow(const QWidget* widget) {
  if (!widget)
    return false;
  const QWidget* window = widget->window();
  for (const QWidget* candidate : QApplication::topLevelWidgets()) {
    if (candidate == window || !candidate->isVisible() || isWithin(window, candidate))
      continue;
    switch (candidate->windowModality()) {
    case Qt::ApplicationModal:
      return true;
    case Qt::WindowModal:
      // It blocks the windows it belongs to.
      if (const QWidget* owner = candidate->parentWidget(); owner && isWithin(owner->window(), window))
        return true;
      break;
    case Qt::NonModal:
      break;
    }
  }
  return false;
}

namespace {

// The application-wide watch of left presses. The last widget that sees a
// press is the one that took it (an ignored press goes on to the parent).
class LeftPressWatch : public QObject {
public:
  QPointer<QWidget> receiver; // of the press not yet ended
  QPointer<QWidget> last;     // of the last press
  QPointer<QWidget> previous; // of the press before it

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) && watched->isWidgetType() &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      // An ignored press goes on to the ancestors of its widget: only a new
      // press moves the last receiver to the previous one.
      auto* widget = static_cast<QWidget*>(watched);
      const quint64 stamp = static_cast<QInputEvent*>(event)->timestamp();
      const bool propagated = last && last != widget && stamp == stamp_ && widget->isAncestorOf(last);
      if (!propagated)
        previous = last;
      stamp_ = stamp;
      receiver = last = widget;
    }
    return false;
  }

private:
  quint64 stamp_ = 0;
};

LeftPressWatch* leftPressWatch = nullptr;

} // namespace

void watchLeftPresses() {
  if (leftPressWatch || !qApp)
    return;
  leftPressWatch = new LeftPressWatch;
  leftPressWatch->setParent(qApp); // goes with the application
  QObject::connect(leftPressWatch, &QObject::destroyed, [] { leftPressWatch = nullptr; });
  qApp->installEventFilter(leftPressWatch);
}

bool endLeftPress(const QWidget* widget) {
  if (!leftPressWatch || !widget || leftPressWatch->receiver != widget)
    return false;
  leftPressWatch->receiver = nullptr;
  return true;
}

QWidget* leftPressHolder() {
  if (!leftPressWatch || !(QGuiApplication::mouseButtons() & Qt::LeftButton))
    return nullptr;
  return leftPressWatch->receiver.data();
}

void claimLeftPress(QWidget* widget) {
  if (leftPressWatch)
    leftPressWatch->receiver = widget;
}

bool isOwnDoubleClick(const QWidget* widget) { return leftPressWatch && widget && leftPressWatch->previous == widget; }

} // namespace platform
