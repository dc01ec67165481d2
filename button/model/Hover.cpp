// SPDX-License-Identifier: MIT
// Hover tracking: what the button learns beyond its mouse, key and focus
// events, each from an event Qt delivers to the button or to its window.
//
//   Qt event (to the button unless said)        | handler                  | what it does
//   --------------------------------------------+--------------------------+------------------------------------------
//   Leave, a leave requested                    | leaveEvent               | mouseLeft: Normal, MouseLeave held
//   Leave while a modal window opens over it    | leaveEvent               | held back: the look stays, no MouseLeave
//   Enter to its window once the modal is gone  | HeldLeaveWatch           | the held leave, unless the Enter's
//                                               |                          | position is on the button
//   Move, Resize, a new mask                    | pointerMovedAway         | mouseLeft, when the last position Qt
//                                               |                          | reported is no longer on the button
//   another button takes the mouse (space bar)  | takePointerFromOthers    | mouseLeft on the buttons it was over
//   WindowActivate / WindowDeactivate           | parentActivationChanged  | ParentActive, flags, Normal
//   StyleChange, ThemeChange                    | themeChanged             | Redraw
//   PaletteChange (the system colours)          | systemColoursChanged     | Redraw, when themed at the start
//
// A leave is requested by every move over the button and gives one
// mouseLeft. Only a button loaded in a running host tracks at all; one
// being designed keeps its look until the next move over it.
//
// Qt goes on using a widget after it has delivered a Leave, Move, Resize or
// Hide to it, so a MouseLeave those cause is held: the look changes at once,
// the event is raised from the event loop once Qt's delivery is over, or
// before the next mouse or key event any button handles, whichever comes
// first. A handler may then delete the button.

#include "button/model/vexabutton_p.h"

#include "platform/Pointer.h"
#include "platform/TooltipWindow.h"

#include <QApplication>
#include <QEnterEvent>

namespace {

// The buttons with a leave requested: the pointer is over them as far as
// they know. A button taking the mouse tells them that it has gone.
QList<QPointer<vexabutton>>& hoveredButtons() {
  static QList<QPointer<vexabutton>> buttons;
  return buttons;
}

// The buttons whose MouseLeave is held, in the order they were left.
QList<QPointer<vexabutton>>& heldLeaves() {
  static QList<QPointer<vexabutton>> buttons;
  return buttons;
}

} // namespace

// While a modal window holds a leave back, the button's window is watched
// for the Enter that Qt sends it once the pointer comes back over it.
class HeldLeaveWatch : public QObject {
public:
  HeldLeaveWatch(vexabutton* button, QWidget* window) : QObject(button), button_(button), window_(window) {
    window->installEventFilter(this);
  }
  ~HeldLeaveWatch() override {
    if (window_)
      window_->removeEventFilter(this);
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Enter) {
      const QPoint inWindow = static_cast<QEnterEvent*>(event)->position().toPoint();
      vexabuttonPrivate::get(*button_).windowEntered(inWindow); // may delete this watch
    }
    return false;
  }

private:
  vexabutton* button_;
  QPointer<QWidget> window_;
};

// ---- Set-up and tear-down ----------------------------------------------------

// The load step of a running host. Whether the system colours repaint the
// button is settled here, by whether the desktop theme draws it now.
void vexabuttonPrivate::startHoverTracking() {
  hover.tracking = true;
  hover.repaintOnColourChange = rec.VisualStylesActive;
}

void vexabuttonPrivate::stopHoverTracking() {
  hover = {};
  delete heldLeaveWatch.data();
  hoveredButtons().removeAll(QPointer<vexabutton>(q));
}

// ---- The pointer -------------------------------------------------------------

// A move over the button: one leave is delivered when the pointer goes.
void vexabuttonPrivate::requestLeave(QPoint local) {
  notePointer(local);
  if (!hover.tracking || hover.leaveRequested)
    return;
  hover.leaveRequested = true;
  hoveredButtons().append(q);
}

void vexabuttonPrivate::notePointer(QPoint local) { hover.pointerInWindow = q->mapTo(q->window(), local); }

// The pointer arrives. Where the window system follows an arrival with a
// move (X11, QTest), that move makes the button hot. A Wayland compositor
// that puts the pointer straight onto the button sends the enter alone,
// with its position: when nothing else of the pointer has come by the time
// the events queued with the enter are handled, the arrival counts as that
// move. (Qt also re-enters a window after a popup or a window under the
// pointer has gone; there a move tells where the pointer really is.)
void vexabutton::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  const QPoint at = event->position().toPoint();
  d_->notePointer(at);
  // The pointer is back on the button: a leave held back was no departure.
  delete d_->heldLeaveWatch.data();
  // Each arrival is a new visit, also where Qt sent no leave for the last.
  d_->hover.newVisit = true;
  d_->hover.pointerReportedSinceEnter = false;
  if (!platform::arrivalComesWithoutMove())
    return;
  QMetaObject::invokeMethod(
      this,
      [this, at] {
        if (!d_->hover.pointerReportedSinceEnter && underMouse() && isEnabled())
          vexa::input::mouseMove(*d_, 0, 0, float(at.x()), float(at.y()));
      },
      Qt::QueuedConnection);
}

void vexabutton::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (!d_->hover.leaveRequested)
    return;
  // A modal window that opens takes the pointer from the window below it
  // without moving it: no departure yet. Its window tells once it is back.
  if (platform::isBlockedByModalWindow(this)) {
    if (!d_->heldLeaveWatch)
      d_->heldLeaveWatch = new HeldLeaveWatch(this, window());
    return;
  }
  d_->mouseLeft(vexabuttonPrivate::LeaveEvent::Held);
}

void vexabuttonPrivate::windowEntered(QPoint inWindow) {
  delete heldLeaveWatch.data();
  if (!platform::isOnWidget(q, q->mapFrom(q->window(), inWindow)))
    mouseLeft(LeaveEvent::Held);
}

// A button that moves, shrinks or changes its shape away from the resting
// pointer gets no Leave from Qt: the last position Qt reported tells.
void vexabuttonPrivate::pointerMovedAway(LeaveEvent event) {
  if (!hover.leaveRequested || !hover.pointerInWindow || QApplication::activePopupWidget())
    return;
  const QPoint local = q->mapFrom(q->window(), *hover.pointerInWindow);
  if (!q->isVisible() || !platform::isOnWidget(q, local))
    mouseLeft(event);
}

// The shape changes while the button draws, often inside one of its own
// handlers: the leave comes once those have finished.
void vexabuttonPrivate::shapeChanged() {
  if (hover.leaveRequested)
    QMetaObject::invokeMethod(
        q, [this] { pointerMovedAway(LeaveEvent::Now); }, Qt::QueuedConnection);
}

// While `captor` holds the mouse no other button sees the pointer: those
// it was over are left now instead of staying hot.
void vexabuttonPrivate::takePointerFromOthers() {
  const QList<QPointer<vexabutton>> others = hoveredButtons();
  for (const QPointer<vexabutton>& other : others)
    if (other && other != q)
      vexabuttonPrivate::get(*other).mouseLeft(LeaveEvent::Now);
}

// The pointer has left: one MouseLeave, unless the button's own menu caused
// the leave or the space bar holds the button.
void vexabuttonPrivate::mouseLeft(LeaveEvent event) {
  delete heldLeaveWatch.data();
  hover.leaveRequested = false;
  hover.pointerInWindow.reset();
  hoveredButtons().removeAll(QPointer<vexabutton>(q));
  tooltip->pointerLeft();
  if (!vexa::input::pointerLeft(*this))
    return;
  if (event == LeaveEvent::Now) {
    emit q->MouseLeave();
    return;
  }
  if (hover.leaveHeld)
    return;
  hover.leaveHeld = true;
  heldLeaves().append(q);
  QMetaObject::invokeMethod(qApp, &vexabuttonPrivate::raiseHeldLeaves, Qt::QueuedConnection);
}

// Raises the held MouseLeave events; a handler may delete any button.
void vexabuttonPrivate::raiseHeldLeaves() {
  while (!heldLeaves().isEmpty()) {
    const QPointer<vexabutton> button = heldLeaves().takeFirst();
    if (button && std::exchange(get(*button).hover.leaveHeld, false))
      emit button->MouseLeave();
  }
}

// ---- The window and the desktop ----------------------------------------------

void vexabuttonPrivate::parentActivationChanged(bool active) {
  if (!hover.tracking)
    return;
  vexa::input::activationChanged(*this, active);
}

void vexabuttonPrivate::themeChanged() {
  if (hover.tracking)
    q->Redraw();
}

void vexabuttonPrivate::systemColoursChanged() {
  const bool paletteDraws = vexa::is(rec.ButtonStyle, vexa::Style::System) && surface.palette() != q->palette();
  surface.setPalette(q->palette());
  if ((hover.tracking && hover.repaintOnColourChange) || paletteDraws)
    q->Redraw();
}
