// SPDX-License-Identifier: MIT
#pragma once

// The inside of a vexabutton: its record, its drawing surface and the state
// its services keep. Not installed: the library's own sources, its tools and
// its tests include it; a program using the control sees vexabutton.h only,
// so fields can be added here without changing the class's size.

#include "button/model/ButtonInput.h"
#include "button/model/ButtonProperties.h"
#include "button/model/ButtonRecord.h"
#include "button/model/ButtonServices.h"
#include "button/model/vexabutton.h"
#include "button/render/Redraw.h"
#include "platform/ControlHost.h"
#include "platform/Surface.h"

#include <QPointer>
#include <QSize>

#include <memory>
#include <optional>

class ChangeSignals;
class HeldLeaveWatch;

// The stored properties by name, as bits of a set.
enum class PropertyId : int {
#define VEXA_PROPERTY_ID(Name, ...) Name,
  VEXA_BUTTON_PROPERTIES(VEXA_PROPERTY_ID)
#undef VEXA_PROPERTY_ID
      Count
};
static_assert(int(PropertyId::Count) <= 64);
using PropertySet = quint64;
template <typename... Ids> constexpr PropertySet properties(Ids... ids) { return ((PropertySet(1) << int(ids)) | ...); }
inline constexpr PropertySet AllProperties = ~PropertySet(0);

class vexabuttonPrivate final : public vexa::ButtonSide, public vexa::InputFace {
public:
  explicit vexabuttonPrivate(vexabutton* owner);
  ~vexabuttonPrivate();

  // What the services see of the button (ButtonServices.h).
  QWidget& widget() override { return *q; }
  ButtonRecord& record() override { return rec; }
  const ButtonRecord& currentRecord() override { return current(*q).rec; }
  std::optional<QPoint> pointerInWindow() const override { return hover.pointerInWindow; }
  void redraw() override { q->Redraw(); }
  QString accessKey() const override { return accessKeys; }
  void clickAtCentre() override;
  void forgetMenu() override { q->UnsetPopupMenu(); }

  // What the input rules ask of the widget (Input.cpp).
  QObject* object() override { return q; }
  QSizeF size() const override { return q->size(); }
  void raise(const vexa::InputEvent& event) override;
  bool isOn(QPoint at) const override;
  void pointerIsOver(QPoint at) override;
  bool takeNewVisit() override;
  void updatePointerShape() override;
  void setValue(bool value) override;
  void uncheckOtherOptions() override;
  void showTooltip() override;
  void openMenu() override;
  void moveFocus(bool next) override;
  bool endLeftPress() override;
  bool holdsLeftPress() const override;
  bool pressHeldByAnother() const override;
  // The mouse capture the space bar holds until its key-up; a left press it
  // brought to the button keeps it until that press's release.
  void captureForSpace() override;
  void releaseSpaceCapture() override;
  void releaseSpaceCaptureUnlessPressHeld();

  static vexabuttonPrivate& get(vexabutton& button) { return *button.d_; }
  static void initProperties(vexabutton& button) { button.InitProperties(); }
  static qint32 windowHandle(const vexabutton& button) { return button.hWnd(); }
  static const vexabuttonPrivate& get(const vexabutton& button) { return *button.d_; }

  // Hover tracking (Hover.cpp): handlers of the button's own events and
  // its window's.
  void startHoverTracking();
  void stopHoverTracking();
  // MouseLeave Now from the button's own handling or the event loop; Held
  // from inside Qt's delivery of an event to the button (see Hover.cpp).
  enum class LeaveEvent { Now, Held };
  void requestLeave(QPoint local);
  void notePointer(QPoint local);
  void mouseLeft(LeaveEvent event);
  static void raiseHeldLeaves();
  void windowEntered(QPoint inWindow);
  void pointerMovedAway(LeaveEvent event = LeaveEvent::Held);
  void shapeChanged();
  void takePointerFromOthers();
  void parentActivationChanged(bool active);
  void themeChanged();
  void systemColoursChanged();

  // QAbstractButton's view (QtButton.cpp): its text, checkable and checked
  // state shown from the record at the end of every change; its down state
  // and its pressed, released and clicked signals from the input steps.
  void showStateToQt();
  void followQtDown();
  void qtClicked();

  // Draws what a Redraw left pending while the button was hidden.
  void settle() override;
  // Draws the record now and applies what the drawing changed.
  void draw();
  void ensureDrawn();
  void sizeSurface();
  static vexabuttonPrivate& settled(const vexabutton& button) {
    vexabuttonPrivate& d = *button.d_;
    d.ensureDrawn();
    return d;
  }
  // The same without drawing the pixels of a button at rest again: the
  // record keeps what its last draw wrote, only a pending Redraw changes it.
  static vexabuttonPrivate& current(const vexabutton& button) {
    vexabuttonPrivate& d = *button.d_;
    d.settle();
    return d;
  }

  // Whether the platform offers a system hand pointer. It always does; tests
  // switch it off to see HandPointer fall back to False.
  static void setSystemHandPointerAvailable(bool available);

  // The font a button draws with until it is given one: one object shared
  // by every button that has not handed its font out or been given another.
  // Nobody follows the shared object, and nobody outside can change it: the
  // first read of the button's Font gives the button a copy of its own.
  void shareDefaultFont();
  const platform::SharedFontPtr& ownFont();
  // The surface draws in mFont.
  void drawInFont();
  // Holds the mFont just loaded, shared when it is the default's equal.
  void shareFontIfDefault();
  // A button without a font or a direction of its own takes its
  // surroundings': the font chosen for its parent or the application (else
  // the shared default), and the layout direction. Only a button outside
  // the program's forms has such surroundings; a form's buttons keep theirs.
  void followHostFont();
  void followLayoutDirection();
  void changeFont(platform::SharedFontPtr font);

  vexabutton* const q;
  ButtonRecord rec;
  platform::Surface surface;
  platform::ControlHost* host = nullptr;
  // The host of a button whose parent is no form, shared by the buttons of
  // one parent; what it keeps for each button is here.
  std::shared_ptr<platform::StandaloneHost> defaultHost;
  platform::Extender extender;
  QMetaObject::Connection fontConnection;
  bool fontShared = false;         // mFont is the shared default font
  bool fontFromHost = true;        // no font of its own: followHostFont decides
  bool rightToLeftFromHost = true; // no RightToLeft of its own: the layout direction decides
  qint32 mousePointer = 0;
  platform::PicturePtr mouseIcon;
  QString accessKeys;
  quint64 appliedRegionSerial = 0;
  struct Hover {
    bool tracking = false;                  // loaded in a running host
    bool repaintOnColourChange = false;     // the desktop theme drew the button when tracking started
    bool leaveRequested = false;            // by the last move over the button; one leave per request
    bool pointerReportedSinceEnter = false; // a move, press or release came after the pointer's last arrival
    bool newVisit = false;                  // the pointer arrived and has not made the button hot yet
    bool leaveHeld = false;                 // its MouseLeave waits for Qt's delivery to end
    // Where Qt last reported the pointer over the button, in its window's
    // coordinates, while a leave is requested.
    std::optional<QPoint> pointerInWindow;
  } hover;
  QPointer<HeldLeaveWatch> heldLeaveWatch; // a leave held back while a modal window is open
  bool showingStateToQt = false;           // Qt's checked state being set to Value
  bool inResizeStep = false;
  int changeDepth = 0;               // nested ChangeSignals
  PropertySet watching = 0;          // the properties they compare
  ChangeSignals* emitting = nullptr; // the innermost change whose signals are going out
  bool contentChanged = true;        // a property the size hints measure may have changed
  bool mirroringFont = false;        // QWidget's font, tool tip or enabled state being set to the control's
  bool redrawPending = false;        // a Redraw came while hidden
  bool enabledCheckPending = false;  // the own enabled setting is to be followed from the event loop
  QSize steppedSize;                 // the size the last resize step laid out and drew
  // What the size hints last measured from.
  vexa::ContentKey measuredContent;
  // The services, last: they go before the state they were built on.
  const std::unique_ptr<vexa::TooltipService> tooltip;
  const std::unique_ptr<vexa::MenuService> menu;
  const std::unique_ptr<vexa::AccessibleService> accessible;
};

// A field as it stands now. The own enabled setting is Qt's: inside a
// disabled container Qt announces no change of it, and the record follows
// it only from the event loop.
template <typename T> const T& valueNow(const vexabuttonPrivate&, const T& field) { return field; }
inline bool valueNow(const vexabuttonPrivate& d, const bool& field) {
  return &field == &d.rec.Enabled ? !d.q->testAttribute(Qt::WA_ForceDisabled) : field;
}

// Emits the change signal of every watched property whose value differs,
// once the outermost of these on the button ends: a setter's side effects
// on other properties count, a set to the same value does not. A setter
// watches the properties it can change (its own, and those its side effects
// reach), so it compares those and no others.
class ChangeSignals {
public:
  explicit ChangeSignals(vexabutton& button, PropertySet watched = AllProperties);
  ~ChangeSignals();
  ChangeSignals(const ChangeSignals&) = delete;
  ChangeSignals& operator=(const ChangeSignals&) = delete;
  struct Snapshot;

private:
  vexabutton& button_;
  PropertySet watched_ = 0; // what this one compares at its end
  std::unique_ptr<Snapshot> before_;
  ChangeSignals* outerEmitting_ = nullptr; // a change whose signals went out when this one's began
};

// Short reads for tools and tests: the record and the surface as the last
// Redraw left them.
// A record written here may change what the size hints measure.
inline ButtonRecord& recordOf(vexabutton& button) {
  vexabuttonPrivate& d = vexabuttonPrivate::settled(button);
  d.contentChanged = true;
  return d.rec;
}
inline const ButtonRecord& recordOf(const vexabutton& button) { return vexabuttonPrivate::settled(button).rec; }
inline const platform::Surface& surfaceOf(const vexabutton& button) {
  return vexabuttonPrivate::settled(button).surface;
}
inline platform::ControlHost& hostOf(const vexabutton& button) { return *vexabuttonPrivate::get(button).host; }

// Steps of the control that a program does not take, for the library's
// tools and tests: a newly placed instance as a form being designed has it
// (no load pass, no hover tracking), a draw on demand, the window handle.
inline void initProperties(vexabutton& button) { vexabuttonPrivate::initProperties(button); }
inline void redrawNow(vexabutton& button) { vexabuttonPrivate::get(button).redraw(); }
inline qint32 windowHandleOf(const vexabutton& button) { return vexabuttonPrivate::windowHandle(button); }

// The control's own reads and state steps on a press, a hover or a key: the
// record as its last draw (and any pending Redraw) left it. Unlike recordOf
// they draw nothing again, and a state written here changes nothing the
// size hints measure.
inline ButtonRecord& liveRecord(vexabutton& button) { return vexabuttonPrivate::current(button).rec; }
inline const ButtonRecord& liveRecord(const vexabutton& button) { return vexabuttonPrivate::current(button).rec; }
