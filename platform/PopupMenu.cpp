// SPDX-License-Identifier: MIT
#include "platform/PopupMenu.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <optional>

namespace platform {

QPoint menuPosition(QSize size, QPoint at, int flags, const QRect& area) {
  QPoint corner = at;
  if (flags & MenuFlags::RightAlign)
    corner.rx() -= size.width();
  else if (flags & MenuFlags::CenterAlign)
    corner.rx() -= size.width() / 2;
  if (flags & MenuFlags::BottomAlign)
    corner.ry() -= size.height();
  else if (flags & MenuFlags::VCenterAlign)
    corner.ry() -= size.height() / 2;
  // Inside the area: first pull back from the right and bottom, then from
  // the left and top, so a menu larger than the area starts at its corner.
  corner.setX(qMax(area.left(), qMin(corner.x(), area.right() + 1 - size.width())));
  corner.setY(qMax(area.top(), qMin(corner.y(), area.bottom() + 1 - size.height())));
  return corner;
}

namespace {

struct Press {
  QPointF global;
  Qt::MouseButton button = Qt::NoButton;
  Qt::MouseButtons buttons;
  Qt::KeyboardModifiers modifiers;
};

// Whether the global point lies on one of the open popups.
bool onAPopup(QPoint global) {
  const QWidgetList windows = QApplication::topLevelWidgets();
  return std::any_of(windows.begin(), windows.end(), [global](const QWidget* w) {
    return w->isVisible() && w->windowType() == Qt::Popup && w->geometry().contains(global);
  });
}

// While a menu is open: puts it where menuPosition says once Qt has sized it,
// and remembers where the pointer was last seen and the press outside the
// menus that closed it.
//
// The watcher filters the application's events, so it meets the menu in its
// destruction too (a window deleting its children while the menu is open):
// it compares the menu by identity only and lets go of it once it is
// destroyed, never reading it through its type.
class MenuWatcher : public QObject {
public:
  MenuWatcher(QMenu& menu, QPoint at, int flags) : menu_(&menu), identity_(&menu), at_(at), flags_(flags) {
    menu.installEventFilter(this);
    qApp->installEventFilter(this);
    connect(&menu, &QObject::destroyed, this, [this] { menu_ = nullptr; });
  }
  ~MenuWatcher() override {
    qApp->removeEventFilter(this);
    if (menu_)
      menu_->removeEventFilter(this);
  }

  // The press that closed the menus, if one did.
  const std::optional<Press>& closingPress() const { return press_; }
  const std::optional<QPoint>& lastPointer() const { return pointer_; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (menu_ && watched == identity_ && type == QEvent::Show)
      place();
    if ((type == QEvent::MouseMove || type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) &&
        watched->isWidgetType() && !press_) {
      auto* mouse = static_cast<QMouseEvent*>(event);
      pointer_ = mouse->globalPosition().toPoint();
      if (type == QEvent::MouseButtonPress)
        notePress(static_cast<QWidget*>(watched), mouse);
    }
    return false;
  }

private:
  void place() {
    QScreen* screen = QGuiApplication::screenAt(at_);
    if (!screen)
      screen = menu_->screen();
    const QPoint corner = menuPosition(menu_->size(), at_, flags_, screen->availableGeometry());
    if (menu_->pos() != corner)
      menu_->move(corner);
  }

  // A press that a popup receives outside every popup closes them all.
  void notePress(QWidget* receiver, QMouseEvent* event) {
    if (receiver->window()->windowType() != Qt::Popup || onAPopup(event->globalPosition().toPoint()))
      return;
    press_ = Press{event->globalPosition(), event->button(), event->buttons(), event->modifiers()};
  }

  QMenu* menu_;                   // none once destroyed
  const QObject* const identity_; // the menu, only ever compared
  QPoint at_;
  int flags_;
  std::optional<Press> press_;
  std::optional<QPoint> pointer_;
};

// The widget of the program's windows at a global point: the active window
// first, then the others (Qt knows no stacking order of its windows).
QWidget* programWidgetAt(QPoint global) {
  QWidgetList windows = QApplication::topLevelWidgets();
  std::stable_partition(windows.begin(), windows.end(), [](const QWidget* w) { return w->isActiveWindow(); });
  for (QWidget* window : windows) {
    if (!window->isVisible() || window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip)
      continue;
    const QPoint local = window->mapFromGlobal(global);
    if (!window->rect().contains(local))
      continue;
    QWidget* child = window->childAt(local);
    return child ? child : window;
  }
  return nullptr;
}

// Hands the press that closed a menu to the window under it, unless a modal
// window keeps that window from input.
void replay(const Press& press) {
  const QPoint global = press.global.toPoint();
  QWidget* target = programWidgetAt(global);
  if (!target || !target->isEnabled())
    return;
  if (QWidget* modal = QApplication::activeModalWidget(); modal && !modal->isAncestorOf(target) && modal != target)
    return;
  QWindow* window = target->window()->windowHandle();
  if (!window)
    return;
  const QPointF local = window->mapFromGlobal(press.global);
  QCoreApplication::postEvent(window, new QMouseEvent(QEvent::MouseButtonPress, local, local, press.global,
                                                      press.button, press.buttons, press.modifiers));
}

} // namespace

std::optional<QPoint> showPopupMenu(QMenu& menu, QPoint at, int flags, QAction* defaultItem) {
  const QPointer<QMenu> guard(&menu);
  const QPointer<QAction> previousDefault = menu.defaultAction();
  if (defaultItem)
    menu.setDefaultAction(defaultItem);
  // Qt would hand the closing press on by itself on some platforms only; the
  // watcher does it on all of them, once.
  const bool noReplay = menu.testAttribute(Qt::WA_NoMouseReplay);
  menu.setAttribute(Qt::WA_NoMouseReplay);
  std::optional<Press> closingPress;
  std::optional<QPoint> lastPointer;
  {
    MenuWatcher watcher(menu, at, flags);
    menu.ensurePolished();
    QScreen* screen = QGuiApplication::screenAt(at);
    const QRect area = screen ? screen->availableGeometry() : QRect(at, menu.sizeHint());
    menu.exec(menuPosition(menu.sizeHint(), at, flags, area));
    closingPress = watcher.closingPress();
    lastPointer = watcher.lastPointer();
  }
  if (guard) {
    menu.setAttribute(Qt::WA_NoMouseReplay, noReplay);
    if (defaultItem)
      menu.setDefaultAction(previousDefault);
  }
  if (closingPress && !QApplication::activePopupWidget())
    replay(*closingPress);
  return lastPointer;
}

} // namespace platform
