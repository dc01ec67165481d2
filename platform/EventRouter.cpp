// SPDX-License-Identifier: MIT
#include "platform/EventRouter.h"

#include "platform/WindowRegistry.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QMouseEvent>

#include <algorithm>

namespace platform {

namespace {

bool leaveTracking = true;
std::function<QWidget*()> pointerHook;

} // namespace

// Routers that may come and go while they are being handed an event: one
// removed on the way is skipped, one added on the way waits for the next
// event. Each router knows its slot, so a removal costs the same however
// many routers the list holds (closing a window of thousands of buttons
// removes them all); the emptied slots are closed up in one pass once half
// the list is empty and no call is under way. A slot keeps its index while
// calls are under way.
class RouterList {
public:
  explicit RouterList(std::size_t MessageRouter::*slotOf) : slotOf_(slotOf) {}

  void add(MessageRouter* router) {
    router->*slotOf_ = routers_.size();
    routers_.push_back(router);
  }
  void remove(MessageRouter* router) {
    if (!holds(router->*slotOf_, router))
      return;
    routers_[router->*slotOf_] = nullptr;
    ++emptied_;
    closeUp();
  }
  bool empty() const { return routers_.size() == emptied_; }
  bool holds(std::size_t slot, const MessageRouter* router) const {
    return slot < routers_.size() && routers_[slot] == router;
  }
  // Hands each router to `call`, the last added first or the first added
  // first, until one returns true. `call` gets the router and its slot.
  template <class Call> bool forEach(bool lastFirst, Call call) {
    ++calling_;
    bool handled = false;
    const std::size_t count = routers_.size();
    for (std::size_t k = 0; k < count && !handled; ++k) {
      const std::size_t slot = lastFirst ? count - 1 - k : k;
      if (MessageRouter* router = routers_[slot])
        handled = call(router, slot);
    }
    --calling_;
    closeUp();
    return handled;
  }

private:
  void closeUp() {
    if (calling_ > 0 || emptied_ * 2 < routers_.size())
      return;
    std::size_t kept = 0;
    for (MessageRouter* router : routers_)
      if (router) {
        router->*slotOf_ = kept;
        routers_[kept++] = router;
      }
    routers_.resize(kept);
    emptied_ = 0;
  }

  std::size_t MessageRouter::*slotOf_;
  std::vector<MessageRouter*> routers_;
  std::size_t emptied_ = 0;
  int calling_ = 0;
};

// An application palette change reaches only the application object, so one
// watcher on it passes the change on to the routers that route it.
class PaletteWatcher : public QObject {
public:
  // nullptr without an application.
  static PaletteWatcher* instance() {
    static QPointer<PaletteWatcher> watcher;
    if (!watcher && qApp) {
      watcher = new PaletteWatcher;
      watcher->setParent(qApp);
      qApp->installEventFilter(watcher);
    }
    return watcher;
  }
  void add(MessageRouter* router) { routers_.add(router); }
  void remove(MessageRouter* router) { routers_.remove(router); }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ApplicationPaletteChange || watched != qApp)
      return false;
    // A router may end another one (or itself) from its handler.
    routers_.forEach(false, [](MessageRouter* router, std::size_t) {
      router->applicationPaletteChanged();
      return false;
    });
    return false;
  }

private:
  RouterList routers_{&MessageRouter::paletteSlot_};
};

namespace {

QEvent::Type mouseCapturedEvent() {
  static const auto type = QEvent::Type(QEvent::registerEventType());
  return type;
}

QEvent::Type shapeChangedEvent() {
  static const auto type = QEvent::Type(QEvent::registerEventType());
  return type;
}

} // namespace

// All the routers on one window behind a single event filter. It keeps the
// routers in the order they were installed, and counts those that have a
// leave armed and those that route each message, so an event none of them
// asks for is let through at once.
class WindowRouter : public QObject {
public:
  // The window's shared filter, made on first use.
  static WindowRouter* of(QWidget* window) {
    WindowRouter*& hub = hubs()[window];
    // A hub whose window has died stays with its routers until they go; a
    // new widget at the same address gets a hub of its own.
    if (!hub || hub->window_ != window) {
      hub = new WindowRouter(window);
      window->installEventFilter(hub);
    }
    return hub;
  }
  static const WindowRouter* find(const QWidget* window) {
    const WindowRouter* hub = hubs().value(window);
    return hub && hub->window_ == window ? hub : nullptr;
  }

  void add(MessageRouter* router) { routers_.add(router); }
  // The last router to go takes the hub with it, unless an event is being
  // handed out: then the hub goes once that is done.
  void remove(MessageRouter* router) {
    routers_.remove(router);
    if (routers_.empty() && dispatching_ == 0)
      delete this;
  }
  bool holds(std::size_t slot, const MessageRouter* router) const { return routers_.holds(slot, router); }
  void countArmed(int delta) { armed_ += delta; }
  bool leaveArmed() const { return armed_ > 0; }
  void countRouted(qint32 message, int delta) {
    for (auto& [routed, count] : routedCounts_)
      if (routed == message) {
        count += delta;
        return;
      }
    routedCounts_.emplace_back(message, delta);
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_ || !wanted(event))
      return false;
    // A handler that destroys the window ends the event here: Qt must not go
    // on delivering it to the deleted window. The routers go from the last
    // installed to the first; one removed on the way is skipped, one added
    // on the way waits for the next event.
    const QPointer<QObject> target(watched);
    ++dispatching_;
    const bool handled = routers_.forEach(
        true, [&](MessageRouter* router, std::size_t slot) { return !target || router->filter(event, slot); });
    if (--dispatching_ == 0 && routers_.empty())
      delete this;
    return handled || !target;
  }

private:
  explicit WindowRouter(QWidget* window) : key_(window), window_(window) {}
  ~WindowRouter() override {
    if (window_)
      window_->removeEventFilter(this);
    // Found by the address it was made for: the window may be gone.
    auto& table = hubs();
    const auto at = table.constFind(key_);
    if (at != table.cend() && at.value() == this)
      table.erase(at);
  }

  static QHash<const QWidget*, WindowRouter*>& hubs() {
    static QHash<const QWidget*, WindowRouter*> table;
    return table;
  }

  int routing(qint32 message) const {
    for (const auto& [routed, count] : routedCounts_)
      if (routed == message)
        return count;
    return 0;
  }

  // Whether any router can have something to do with the event.
  bool wanted(const QEvent* event) const {
    const QEvent::Type type = event->type();
    switch (type) {
    case QEvent::Leave:
    case QEvent::Enter:
    case QEvent::WindowUnblocked:
    case QEvent::Move:
    case QEvent::Resize:
      return armed_ > 0;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
      return routing(WindowMessage::WM_ACTIVATE) + routing(WindowMessage::WM_NCACTIVATE) > 0;
    case QEvent::StyleChange:
    case QEvent::ThemeChange:
      return routing(WindowMessage::WM_THEMECHANGED) > 0;
    default:
      return armed_ > 0 && (type == mouseCapturedEvent() || type == shapeChangedEvent());
    }
  }

  const QWidget* key_;
  QPointer<QWidget> window_;
  RouterList routers_{&MessageRouter::hubSlot_};
  std::vector<std::pair<qint32, int>> routedCounts_;
  int armed_ = 0; // routers with a leave requested or deferred
  int dispatching_ = 0;
};

MessageRouter::MessageRouter(QWidget* window, Handler handler)
    : window_(window), handle_(WindowRegistry::handleOf(window)), handler_(std::move(handler)) {
  if (window) {
    hub_ = WindowRouter::of(window);
    hub_->add(this);
  }
}

MessageRouter::~MessageRouter() {
  if (routes(WindowMessage::WM_SYSCOLORCHANGE))
    if (PaletteWatcher* watcher = PaletteWatcher::instance())
      watcher->remove(this);
  // Unlinks this router only; the other routers on the window stay as they are.
  if (hub_) {
    setLeave(false, false);
    for (qint32 message : routed_)
      hub_->countRouted(message, -1);
    hub_->remove(this);
  }
}

int MessageRouter::filtersOn(const QWidget* window) { return WindowRouter::find(window) ? 1 : 0; }

bool MessageRouter::routes(qint32 message) const {
  return std::find(routed_.begin(), routed_.end(), message) != routed_.end();
}

void MessageRouter::route(qint32 message, bool on) {
  const auto at = std::find(routed_.begin(), routed_.end(), message);
  if (on == (at != routed_.end()))
    return;
  if (on)
    routed_.push_back(message);
  else
    routed_.erase(at);
  if (hub_)
    hub_->countRouted(message, on ? 1 : -1);
  if (message == WindowMessage::WM_SYSCOLORCHANGE) {
    if (PaletteWatcher* watcher = PaletteWatcher::instance())
      on ? watcher->add(this) : watcher->remove(this);
  }
}

void MessageRouter::requestLeave() { setLeave(true, leaveDeferred_); }

// The hub counts the routers with a leave armed or deferred.
void MessageRouter::setLeave(bool armed, bool deferred) {
  const bool was = leaveArmed_ || leaveDeferred_;
  const bool is = armed || deferred;
  leaveArmed_ = armed;
  leaveDeferred_ = deferred;
  if (hub_ && was != is)
    hub_->countArmed(is ? 1 : -1);
}

void MessageRouter::applicationPaletteChanged() {
  if (window_)
    deliver(WindowMessage::WM_SYSCOLORCHANGE, 0);
}

bool MessageRouter::deliver(qint32 message, qint32 wParam) {
  if (!routes(message) || !handler_)
    return false;
  // Copy the handler: it may destroy this router.
  const Handler handler = handler_;
  return handler(RoutedMessage{handle_, message, wParam, 0});
}

// Qt event                                  -> message
// Leave, with a pending leave request       -> WM_MOUSELEAVE (request used up), once the
//                                              pointer is really off the window
// the mouse captured by another window      -> WM_MOUSELEAVE, when a leave is requested
// Move, Resize or a new shape that takes     -> WM_MOUSELEAVE, when a leave is requested (the
// the window away from the resting pointer     event goes on to the window)
// WindowActivate / WindowDeactivate         -> WM_ACTIVATE and WM_NCACTIVATE, wParam 1 / 0
// StyleChange, ThemeChange                  -> WM_THEMECHANGED
// the application's palette change          -> WM_SYSCOLORCHANGE (through PaletteWatcher)
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

void notifyMouseCaptured(QWidget* captor) {
  QWidget* under = widgetUnderPointer();
  if (!under || under == captor)
    return;
  QEvent captured(mouseCapturedEvent());
  QCoreApplication::sendEvent(under, &captured);
}

void notifyShapeChanged(QWidget* window) {
  // Only a requested leave looks at the shape: a window without one (every
  // button of a window being shown) has nothing to be told.
  const WindowRouter* hub = WindowRouter::find(window);
  if (!hub || !hub->leaveArmed())
    return;
  // Posted: the shape changes while the window draws, often inside one of
  // its own handlers, and the leave comes after those have finished.
  QCoreApplication::postEvent(window, new QEvent(shapeChangedEvent()));
}

bool MessageRouter::filter(QEvent* event, std::size_t slot) {
  if (event->type() == mouseCapturedEvent())
    return leaveArmed_ && deliverLeave();
  // A new shape may take the window away from the pointer as a resize does.
  const QEvent::Type type = event->type() == shapeChangedEvent() ? QEvent::Resize : event->type();
  switch (type) {
  case QEvent::Leave:
    if (!leaveArmed_)
      return false;
    // A modal window that opens elsewhere takes the pointer away from the
    // window below it without moving it: no departure. The request stays,
    // and once the modal window is gone the pointer is looked at again.
    if (!QApplication::activePopupWidget() && isUnderPointer(window_)) {
      setLeave(leaveArmed_, true);
      return false;
    }
    return deliverLeave();
  case QEvent::WindowUnblocked:
    if (leaveArmed_ && leaveDeferred_ && !isUnderPointer(window_))
      return deliverLeave();
    return false;
  case QEvent::Enter:
    setLeave(leaveArmed_, false);
    return false;
  case QEvent::Move:
  case QEvent::Resize:
    // A window that moves, shrinks or changes its shape away from a resting
    // pointer is left without a Leave from Qt: the departure is seen here.
    // The event itself goes on to the window.
    if (leaveArmed_ && !QApplication::activePopupWidget() && !isUnderPointer(window_))
      deliverLeave();
    return false;
  case QEvent::WindowActivate:
  case QEvent::WindowDeactivate: {
    const qint32 active = event->type() == QEvent::WindowActivate ? 1 : 0;
    // Both may be routed; the second only while the router still exists
    // (its handler may end it: the hub, busy handing out this event, stays).
    WindowRouter* const hub = hub_;
    bool handled = deliver(WindowMessage::WM_ACTIVATE, active);
    if (hub->holds(slot, this))
      handled = deliver(WindowMessage::WM_NCACTIVATE, active) || handled;
    return handled;
  }
  case QEvent::StyleChange:
  case QEvent::ThemeChange:
    return deliver(WindowMessage::WM_THEMECHANGED, 0);
  default:
    return false;
  }
}

bool MessageRouter::deliverLeave() {
  setLeave(false, false);
  return deliver(WindowMessage::WM_MOUSELEAVE, 0);
}

// Every button asks when it is first shown: no copy of the names is made.
bool isFunctionExported(const QString& functionName, const QString& moduleName) {
  QStringView module = QStringView(moduleName).trimmed();
  if (module.endsWith(QLatin1String(".dll"), Qt::CaseInsensitive))
    module.chop(4);
  if (module.compare(QLatin1String("user32"), Qt::CaseInsensitive) == 0)
    return leaveTracking && functionName.compare(QLatin1String("TrackMouseEvent"), Qt::CaseInsensitive) == 0;
  return false;
}

void setLeaveTrackingAvailable(bool available) { leaveTracking = available; }

QWidget* widgetUnderPointer() {
  if (pointerHook)
    return pointerHook();
  return QApplication::widgetAt(QCursor::pos());
}

void setWidgetUnderPointerHook(std::function<QWidget*()> hook) { pointerHook = std::move(hook); }

namespace {

// Whether the point (in the widget's coordinates) is on the widget: inside
// its rectangle and its mask, and on none of its children.
bool onWidget(const QWidget* widget, QPoint local) {
  return widget->rect().contains(local) && (widget->mask().isEmpty() || widget->mask().contains(local)) &&
         !widget->childAt(local);
}

// Whether Qt has the widget under the mouse, as the last move left it: a
// held button or an open popup keeps Qt from following the pointer.
bool hoveredByQt(const QWidget* widget) {
  return widget->underMouse() && QGuiApplication::mouseButtons() == Qt::NoButton && !QApplication::activePopupWidget();
}

} // namespace

bool isUnderPointer(const QWidget* widget, const QPoint* reported) {
  if (!widget)
    return false;
  if (pointerHook)
    return pointerHook() == widget;
  if (!widget->isVisible())
    return false;
  if (reported && hoveredByQt(widget) && onWidget(widget, widget->mapFromGlobal(*reported)))
    return true;
  const QPoint global = QCursor::pos();
  if (!onWidget(widget, widget->mapFromGlobal(global)))
    return false; // beside it, or over one of its children
  return hoveredByQt(widget) || QApplication::widgetAt(global) == widget;
}

} // namespace platform
