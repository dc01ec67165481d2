// SPDX-License-Identifier: MIT
#include "button/services/Subclass.h"

#include "button/model/vexabutton_p.h"
#include "platform/WindowRegistry.h"

#include <QPointer>

#include <algorithm>

using platform::WindowMessage::WM_ACTIVATE;
using platform::WindowMessage::WM_MOUSELEAVE;
using platform::WindowMessage::WM_NCACTIVATE;
using platform::WindowMessage::WM_SYSCOLORCHANGE;
using platform::WindowMessage::WM_THEMECHANGED;

// ---- The table ---------------------------------------------------------------

SubclassTable::~SubclassTable() { Subclass_StopAll(); }

int SubclassTable::indexOf(qint32 lHwnd) const {
  if (lHwnd == 0)
    return -1;
  for (int i = 0; i < int(entries_.size()); ++i)
    if (entries_[size_t(i)].window == lHwnd)
      return i;
  return -1;
}

int SubclassTable::activeCount() const {
  int count = 0;
  for (const Entry& entry : entries_)
    count += entry.window != 0 ? 1 : 0;
  return count;
}

bool SubclassTable::routes(qint32 lHwnd, qint32 uMsg) const {
  const int index = indexOf(lHwnd);
  return index >= 0 && entries_[size_t(index)].router->routes(uMsg);
}

int SubclassTable::Subclass_Start(qint32 lHwnd) {
  if (const int existing = indexOf(lHwnd); existing >= 0)
    return existing;
  QWidget* window = platform::WindowRegistry::widgetOf(lHwnd);
  if (!window)
    return -1;
  // A free entry (the highest-numbered one), else a new one.
  int index = -1;
  for (int i = int(entries_.size()) - 1; i >= 0 && index < 0; --i)
    if (entries_[size_t(i)].window == 0)
      index = i;
  if (index < 0) {
    entries_.emplace_back();
    index = int(entries_.size()) - 1;
  }
  Entry& entry = entries_[size_t(index)];
  entry.window = lHwnd;
  entry.before.clear();
  entry.after.clear();
  entry.router = std::make_unique<platform::MessageRouter>(
      window, [this, index](const platform::RoutedMessage& message) { return dispatch(index, message); });
  return index;
}

void SubclassTable::addTo(std::vector<qint32>& list, qint32 uMsg) {
  if (std::find(list.begin(), list.end(), uMsg) != list.end())
    return;
  // A cleared slot is reused before the list grows.
  const auto freeSlot = std::find(list.begin(), list.end(), 0);
  if (freeSlot != list.end())
    *freeSlot = uMsg;
  else
    list.push_back(uMsg);
}

bool SubclassTable::Subclass_AddMsg(qint32 lHwnd, qint32 uMsg, int when, QString* error) {
  const int index = indexOf(lHwnd);
  if (index < 0) {
    if (error)
      *error = QStringLiteral("window %1 is not subclassed").arg(lHwnd);
    return false;
  }
  Entry& entry = entries_[size_t(index)];
  if (when & MSG_BEFORE)
    addTo(entry.before, uMsg);
  if (when & MSG_AFTER)
    addTo(entry.after, uMsg);
  if (when & (MSG_BEFORE | MSG_AFTER))
    entry.router->route(uMsg);
  return true;
}

bool SubclassTable::Subclass_Stop(qint32 lHwnd, QString* error) {
  const int index = indexOf(lHwnd);
  if (index < 0) {
    if (error)
      *error = QStringLiteral("window %1 is not subclassed").arg(lHwnd);
    return false;
  }
  Entry& entry = entries_[size_t(index)];
  entry.router.reset(); // unlinks this router only
  entry.window = 0;
  entry.before.clear();
  entry.after.clear();
  return true;
}

void SubclassTable::Subclass_StopAll() {
  for (int i = int(entries_.size()) - 1; i >= 0; --i)
    if (entries_[size_t(i)].window != 0)
      Subclass_Stop(entries_[size_t(i)].window);
}

bool SubclassTable::trackMouseLeave(qint32 lHwnd) {
  const int index = indexOf(lHwnd);
  if (index < 0)
    return false;
  entries_[size_t(index)].router->requestLeave();
  return true;
}

// List 1 is handed to the control before the window sees the event, list 2
// right after list 1 (the router cannot run after the window's own handling
// without taking the event over; the control's handler never marks a message
// handled, so the order changes nothing).
bool SubclassTable::dispatch(int index, const platform::RoutedMessage& message) {
  const Entry& entry = entries_[size_t(index)];
  const bool inBefore = std::find(entry.before.begin(), entry.before.end(), message.message) != entry.before.end();
  const bool inAfter = std::find(entry.after.begin(), entry.after.end(), message.message) != entry.after.end();
  // The control may be destroyed by its own event handlers, and the table with it.
  const QPointer<vexabutton> owner(owner_);
  bool handled = false;
  qint32 result = 0;
  if (inBefore) {
    qint32 uMsg = message.message;
    qint32 wParam = message.wParam;
    vexabuttonPrivate::get(*owner).Subclass_WndProc(true, handled, result, message.window, uMsg, wParam,
                                                    message.lParam);
    if (!owner || handled)
      return handled;
  }
  if (inAfter) {
    qint32 uMsg = message.message;
    qint32 wParam = message.wParam;
    bool handledAfter = false;
    vexabuttonPrivate::get(*owner).Subclass_WndProc(false, handledAfter, result, message.window, uMsg, wParam,
                                                    message.lParam);
  }
  return handled;
}

bool IsFunctionExported(const QString& sFunction, const QString& sModule) {
  return platform::isFunctionExported(sFunction, sModule);
}

// ---- The control's side ------------------------------------------------------

namespace {

// A window inside a multi-document area is told of activation like an MDI child.
bool isMdiChild(const QWidget* window) {
  for (const QWidget* w = window; w; w = w->parentWidget())
    if (w->inherits("QMdiSubWindow"))
      return true;
  return false;
}

} // namespace

// Set-up of the load step (running hosts only): routers on the control's own
// window and on the window that holds it. A failing step ends the set-up and
// keeps what was done.
void vexabutton::startSubclassing() {
  if (!d_->host->ambientUserMode())
    return;
  if (!d_->subclass)
    d_->subclass = std::make_unique<SubclassTable>(this);
  d_->rec.TrackUser32 = IsFunctionExported(QStringLiteral("TrackMouseEvent"), QStringLiteral("User32"));

  const qint32 own = hWnd();
  QWidget* parentWindow = platform::WindowRegistry::widgetOf(qint32(d_->rec.ParentHwnd));
  if (!parentWindow)
    parentWindow = window();
  const qint32 parent = platform::WindowRegistry::handleOf(parentWindow);
  if (d_->subclass->Subclass_Start(own) < 0 || d_->subclass->Subclass_Start(parent) < 0)
    return;

  d_->subclass->Subclass_AddMsg(own, WM_MOUSELEAVE, SubclassTable::MSG_BEFORE);
  d_->subclass->Subclass_AddMsg(own, WM_THEMECHANGED, SubclassTable::MSG_BEFORE);
  if (d_->rec.VisualStylesActive)
    d_->subclass->Subclass_AddMsg(own, WM_SYSCOLORCHANGE, SubclassTable::MSG_BEFORE);
  d_->subclass->Subclass_AddMsg(parent, isMdiChild(parentWindow) ? WM_NCACTIVATE : WM_ACTIVATE,
                                SubclassTable::MSG_BEFORE);
}

// Tear-down of the destruction step: the parent window's router first, the
// control's own last (the reverse order of set-up).
void vexabutton::stopSubclassing() {
  if (d_->subclass)
    d_->subclass->Subclass_StopAll();
}

void vexabutton::TrackMouseLeave() {
  if (!d_->rec.TrackUser32 || !d_->subclass)
    return;
  d_->subclass->trackMouseLeave(hWnd());
}

// The routed messages. bHandled and lReturn are left as they came.
void vexabuttonPrivate::Subclass_WndProc(bool, bool&, qint32&, qint32, qint32& uMsg, qint32& wParam, qint32) {
  switch (uMsg) {
  case WM_ACTIVATE:
  case WM_NCACTIVATE:
    if (wParam != 0) {
      rec.ParentActive = true;
    } else {
      q->releaseSpaceCaptureUnlessPressHeld();
      rec.MousePressed = false;
      rec.SpaceDown = false;
      rec.HasFocus = false;
      rec.ParentActive = false;
    }
    rec.ButtonState = ButtonRecord::Normal;
    q->Redraw();
    break;
  case WM_SYSCOLORCHANGE:
  case WM_THEMECHANGED:
    q->Redraw();
    break;
  case WM_MOUSELEAVE:
    rec.MouseInside = false;
    if (rec.PopupMenuSet) {
      if (rec.PopupMenuShowing) {
        // The leave that the open menu causes: keep the look, no event.
        rec.PopupMenuShowing = false;
        rec.MenuJustClosed = true;
        return;
      }
      rec.MenuJustClosed = false;
    }
    if (!rec.SpaceDown) {
      if (rec.ButtonState != ButtonRecord::Normal) {
        rec.ButtonState = ButtonRecord::Normal;
        q->Redraw();
      }
      emit q->MouseLeave();
    }
    break;
  default:
    break;
  }
}
