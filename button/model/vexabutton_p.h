// SPDX-License-Identifier: MIT
#pragma once

// The inside of a vexabutton: its record, its drawing surface and the state
// its services keep. Not installed: the library's own sources, its tools and
// its tests include it; a program using the control sees vexabutton.h only,
// so fields can be added here without changing the class's size.

#include "button/model/ButtonRecord.h"
#include "button/model/vexabutton.h"
#include "button/render/Redraw.h"
#include "platform/ControlHost.h"
#include "platform/Surface.h"

#include <QAccessible>
#include <QPointer>
#include <QSize>

#include <memory>

class SubclassTable;
namespace platform {
class TooltipWindow;
}
class QMenu;
class QAction;

class vexabuttonPrivate {
public:
  explicit vexabuttonPrivate(vexabutton* owner);
  ~vexabuttonPrivate();

  static vexabuttonPrivate& get(vexabutton& button) { return *button.d_; }
  static const vexabuttonPrivate& get(const vexabutton& button) { return *button.d_; }

  // Called by the subclass routers with routed messages.
  void Subclass_WndProc(bool bBefore, bool& bHandled, qint32& lReturn, qint32 lHwnd, qint32& uMsg, qint32& wParam,
                        qint32 lParam);

  // Draws what a Redraw left pending while the button was hidden.
  void settle();
  // Draws the record now and applies what the drawing changed.
  void draw();
  void ensureDrawn();
  void sizeSurface();
  static vexabuttonPrivate& settled(const vexabutton& button) {
    vexabuttonPrivate& d = *button.d_;
    d.ensureDrawn();
    return d;
  }

  // Whether the platform offers a system hand pointer. It always does; tests
  // switch it off to see HandPointer fall back to False.
  static void setSystemHandPointerAvailable(bool available);

  vexabutton* const q;
  ButtonRecord rec;
  platform::Surface surface;
  platform::ControlHost* host = nullptr;
  std::unique_ptr<platform::StandaloneHost> ownHost;
  QMetaObject::Connection fontConnection;
  qint32 mousePointer = 0;
  platform::PicturePtr mouseIcon;
  QString accessKeys;
  quint64 appliedRegionSerial = 0;
  std::unique_ptr<SubclassTable> subclass;
  QPointer<platform::TooltipWindow> tooltip;
  QPointer<QMenu> popupMenu;
  QMetaObject::Connection menuConnection;
  QPointer<QAction> defaultMenu;
  qint32 popupAlign = 0;
  qint32 popupFlags = 0;
  bool inResizeStep = false;
  int changeDepth = 0;             // nested ChangeSignals
  bool mirroringFont = false;      // QWidget's font, tool tip or enabled state being set to the control's
  bool redrawPending = false;      // a Redraw came while hidden
  QSize steppedSize;               // the size the last resize step laid out and drew
  bool subclassingStarted = false; // a load with UserMode True installed the routers
  // What the size hints last measured from.
  vexa::ContentKey measuredContent;
  // What assistive technology was last told.
  QString announcedCaption;
  QString announcedToolTip;
  QAccessible::State announcedState;
};

// Emits the change signal of every property whose value differs, once the
// outermost of these on the button ends: a setter's side effects on other
// properties count, a set to the same value does not.
class ChangeSignals {
public:
  explicit ChangeSignals(vexabutton& button);
  ~ChangeSignals();
  ChangeSignals(const ChangeSignals&) = delete;
  ChangeSignals& operator=(const ChangeSignals&) = delete;
  struct Snapshot;

private:
  vexabutton& button_;
  std::unique_ptr<Snapshot> before_;
};

// Short reads for tools and tests: the record and the surface as the last
// Redraw left them.
inline ButtonRecord& recordOf(vexabutton& button) { return vexabuttonPrivate::settled(button).rec; }
inline const ButtonRecord& recordOf(const vexabutton& button) { return vexabuttonPrivate::settled(button).rec; }
inline const platform::Surface& surfaceOf(const vexabutton& button) {
  return vexabuttonPrivate::settled(button).surface;
}
inline platform::ControlHost& hostOf(const vexabutton& button) { return *vexabuttonPrivate::get(button).host; }
