// SPDX-License-Identifier: MIT
#include "platform/PopupMenu.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QWindow>

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

// While a menu is open: puts it where menuPosition says once Qt has sized it,
// and remembers the press outside the menus that closed it.
class MenuWatcher : public QObject {
public:
  MenuWatcher(QMenu& menu, QPoint at, int flags) : menu_(&menu), at_(at), flags_(flags) {
    menu.installEventFilter(this);
    qApp->installEventFilter(this);
  }
  ~MenuWatcher() override {
    qApp->removeEventFilter(this);
    if (menu_)
      menu_->removeEventFilter(this);
  }

  // The press that closed the menus, if one did.
  const std::optional<Press>& closingPress() const { return press_; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == menu_ && event->type() == QEvent::Show)
      place();
    if (event->type() == QEvent::MouseButtonPress && !press_)
      notePress(watched, static_cast<QMouseEvent*>(event));
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
  void notePress(QObject* watched, QMouseEvent* event) {
    auto* receiver = qobject_cast<QWidget*>(watched);
    if (!receiver || receiver->window()->windowType() != Qt::Popup)
      return;
    const QPoint global = event->globalPosition().toPoint();
    QWidget* under = QApplication::widgetAt(global);
    if (under && under->window()->windowType() == Qt::Popup)
      return;
    press_ = Press{event->globalPosition(), event->button(), event->buttons(), event->modifiers()};
  }

  QPointer<QMenu> menu_;
  QPoint at_;
  int flags_;
  std::optional<Press> press_;
};

// Hands the press that closed a menu to the window under it, unless a modal
// window keeps that window from input.
void replay(const Press& press) {
  const QPoint global = press.global.toPoint();
  QWidget* target = QApplication::widgetAt(global);
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

void showPopupMenu(QMenu& menu, QPoint at, int flags, QAction* defaultItem) {
  const QPointer<QMenu> guard(&menu);
  const QPointer<QAction> previousDefault = menu.defaultAction();
  if (defaultItem)
    menu.setDefaultAction(defaultItem);
  // Qt would hand the closing press on by itself on some platforms only; the
  // watcher does it on all of them, once.
  const bool noReplay = menu.testAttribute(Qt::WA_NoMouseReplay);
  menu.setAttribute(Qt::WA_NoMouseReplay);
  std::optional<Press> closingPress;
  {
    MenuWatcher watcher(menu, at, flags);
    menu.ensurePolished();
    QScreen* screen = QGuiApplication::screenAt(at);
    const QRect area = screen ? screen->availableGeometry() : QRect(at, menu.sizeHint());
    menu.exec(menuPosition(menu.sizeHint(), at, flags, area));
    closingPress = watcher.closingPress();
  }
  if (guard) {
    menu.setAttribute(Qt::WA_NoMouseReplay, noReplay);
    if (defaultItem)
      menu.setDefaultAction(previousDefault);
  }
  if (closingPress && !QApplication::activePopupWidget())
    replay(*closingPress);
}

} // namespace platform
