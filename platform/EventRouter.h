// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

namespace platform {

// Window messages a control can ask to be told about, under their classic
// numbers. The router below turns the matching Qt events into them.
namespace WindowMessage {
constexpr qint32 WM_ACTIVATE = 0x06;       // wParam 1 activated, 0 deactivated
constexpr qint32 WM_SYSCOLORCHANGE = 0x15; // the application palette changed
constexpr qint32 WM_NCACTIVATE = 0x86;     // as WM_ACTIVATE, for a window inside a multi-document area
constexpr qint32 WM_MOUSELEAVE = 0x2A3;    // the pointer left the window (once per request)
constexpr qint32 WM_THEMECHANGED = 0x31A;  // the application style or the platform theme changed
} // namespace WindowMessage

class WindowRouter;
class RouterList;

struct RoutedMessage {
  qint32 window = 0; // handle of the routed window (WindowRegistry)
  qint32 message = 0;
  qint32 wParam = 0;
  qint32 lParam = 0;
};

// A message router on one window, for one interested control. All the
// routers on a window share one event filter on it (WindowRouter, in the
// source file), so an event that no router asks for costs the same whatever
// the number of controls on the window, and any router can be removed at any
// time without disturbing the others.
//
// The router watches the window's events and delivers the messages it was
// asked to route to its handler, before the window itself sees the event.
// Routers on one window are handed an event from the last installed to the
// first. The handler returns true to swallow the event ("handled"), false to
// let the window process it as usual. The handler may destroy any router
// (this one included) and the window: the router touches nothing of itself
// after calling it.
class MessageRouter {
public:
  using Handler = std::function<bool(const RoutedMessage&)>;

  MessageRouter(QWidget* window, Handler handler);
  ~MessageRouter();
  MessageRouter(const MessageRouter&) = delete;
  MessageRouter& operator=(const MessageRouter&) = delete;

  QWidget* window() const { return window_; }
  qint32 windowHandle() const { return handle_; }

  void route(qint32 message, bool on = true);
  bool routes(qint32 message) const;

  // Mouse-leave tracking: arms one WM_MOUSELEAVE, sent when the pointer
  // leaves the window; each request gives at most one notification. Only a
  // real departure counts: the Leave that a modal window sends to the window
  // it blocks while the pointer stays on it does not (the pointer is looked
  // at again when the modal window closes); the Leave caused by an open
  // popup does, and so does a capture of the mouse by another window
  // (notifyMouseCaptured).
  void requestLeave();
  bool leaveRequested() const { return leaveArmed_; }

  // Called by the application-wide palette watcher.
  void applicationPaletteChanged();

  // The number of event filters the routers of `window` hold on it: 1 while
  // any router is on it, else 0 (for tests and diagnostics).
  static int filtersOn(const QWidget* window);

private:
  friend class WindowRouter;
  friend class RouterList;
  friend class PaletteWatcher;
  bool filter(QEvent* event, std::size_t slot); // slot: the router's place in its hub
  void setLeave(bool armed, bool deferred);
  bool deliver(qint32 message, qint32 wParam);
  bool deliverLeave();

  QPointer<QWidget> window_;
  WindowRouter* hub_ = nullptr; // the window's shared filter: it lives as long as its routers
  qint32 handle_ = 0;
  Handler handler_;
  std::vector<qint32> routed_; // a few messages: a list is smaller than a set
  bool leaveArmed_ = false;
  bool leaveDeferred_ = false;  // a Leave came while the pointer stayed on the window
  std::size_t hubSlot_ = 0;     // this router's place in its hub
  std::size_t paletteSlot_ = 0; // and among the routers told of palette changes
};

// Tells the window under the pointer that `captor` has taken the mouse: a
// leave requested there is delivered now, pointer or not, since that window
// sees nothing more of the pointer until the capture ends (as the classic
// platform does when another window captures the mouse).
void notifyMouseCaptured(QWidget* captor);

// Tells `window` that its shape (its mask) has changed. Qt sends no event
// for that: a shape that no longer holds the resting pointer gives a
// requested leave once the change is done (the classic platform moves the
// pointer in place after a region change, which has the same effect).
void notifyShapeChanged(QWidget* window);

// Which widget each press of the left mouse button went to (the one Qt
// delivered it to, a capture or an open popup included), watched from the
// application's event filter once watchLeftPresses has been called.
// endLeftPress says whether the last left press went to `widget`, and
// forgets it: the release that ends a press ends it for its own widget
// only, however the pointer got there.
void watchLeftPresses();
bool endLeftPress(const QWidget* widget);
// The widget whose left press has not ended yet while the left button is
// still down, if any.
QWidget* leftPressHolder();
// A press made without a mouse event (a click asked for by assistive
// technology) is the widget's own press all the same.
void claimLeftPress(QWidget* widget);
// Whether the press before the current double click went to `widget` too.
// Qt makes a double click of two presses close in time and place even when
// they went to two widgets side by side: for the second that is a first press.
bool isOwnDoubleClick(const QWidget* widget);

// The platform services a control may probe for by name ("TrackMouseEvent"
// in "User32" is the mouse-leave tracking above). Names are matched without
// regard to letter case; a module may be given with or without ".dll".
bool isFunctionExported(const QString& functionName, const QString& moduleName);

// Test hook: pretend that mouse-leave tracking is missing (or present again).
void setLeaveTrackingAvailable(bool available);

// The widget under the pointer: QApplication::widgetAt(QCursor::pos()),
// unless a test installed its own answer (synthetic events do not move the
// pointer of an offscreen screen). An empty function restores the default.
QWidget* widgetUnderPointer();
void setWidgetUnderPointerHook(std::function<QWidget*()> hook);

// Whether `widget` is the widget under the pointer: widgetUnderPointer() ==
// widget, without the walk over the window's widgets that finding it takes
// (a walk that grows with the number of widgets on the window) where the
// widget's own state settles the answer. A pointer outside the widget's
// rectangle or mask is not over it. A pointer inside it, while no button is
// held and no popup is open, is over it if Qt has it under the mouse (Qt
// found it for the last move and sent it the Enter) and none of its children
// is there. Only the rest, a press being dragged over it or a widget Qt has
// not entered, takes the walk.
//
// The pointer's position is asked of the window system (a round trip to the
// X server), unless `reported` gives where a mouse move just delivered to
// the widget found it: a position that puts the pointer over a widget Qt
// has under the mouse settles the answer; any other is asked again.
bool isUnderPointer(const QWidget* widget, const QPoint* reported = nullptr);

} // namespace platform
