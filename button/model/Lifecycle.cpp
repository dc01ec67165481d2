// The life of one instance as its host drives it: creation, show and hide,
// resize, destruction. The new-instance, load and save steps live in
// Persistence.cpp; painting only copies the surface (vexabutton.cpp).

#include "button/model/vexabutton.h"

#include "button/model/Diagnostics.h"

#include "platform/EventRouter.h"

#include "button/render/Redraw.h"
#include "button/services/Accessible.h"
#include "button/services/Pictures.h"
#include "button/services/Subclass.h"
#include "button/services/VisualStyles.h"

#include <QCursor>
#include <QPixmap>
#include <QResizeEvent>
#include <QScopedValueRollback>

namespace {
bool systemHandPointerAvailable = true;
} // namespace

void vexabutton::setSystemHandPointerAvailable(bool available) { systemHandPointerAvailable = available; }

// ---- Creation ------------------------------------------------------------------

vexabutton::vexabutton(QWidget* parent, platform::ControlHost* host) : QWidget(parent), host_(host) {
  if (!host_) {
    for (QWidget* w = parent; w && !host_; w = w->parentWidget())
      host_ = dynamic_cast<platform::ControlHost*>(w);
  }
  if (!host_) {
    ownHost_ = std::make_unique<platform::StandaloneHost>();
    host_ = ownHost_.get();
  }
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  vexa::installAccessibleFactory();
  platform::watchLeftPresses(); // a release clicks only the button its press went to

  // 1. The picture-effect tables.
  vexa::BuildEffectTables(rec_);
  // 2. Nothing to load for opening web addresses. 3. Text is always wide.
  rec_.UnicodeText = true;
  // Whether ButtonStyle 13 follows the desktop theme (asked once per process).
  rec_.VisualStylesActive = vexa::IsThemed();

  // Until a new-instance or load step runs, the control draws with the
  // surface's own font (Tahoma, 8.25 points), so mFont is never none.
  attachFont(std::make_shared<platform::SharedFont>());
  surface_.setDevicePixelRatio(devicePixelRatioF());
  surface_.resize(width(), height());
}

// ---- Destruction ---------------------------------------------------------------

vexabutton::~vexabutton() {
  // 1. Let go of the shared font (and of its change notifications).
  QObject::disconnect(fontConnection_);
  rec_.mFont = nullptr;
  // 2. Nothing was loaded at creation. 3.
  UnsetPopupMenu();
  // 4. Only a load in a running host installed routers. (The host itself may
  // already be half destroyed: a form deletes its controls from its QWidget
  // base, so it is not asked for its UserMode again.)
  if (subclassingStarted_)
    stopSubclassing();
}

// The host, or nullptr once its destruction has begun.
platform::ControlHost* vexabutton::liveHost() const { return platform::ControlHost::isLive(host_) ? host_ : nullptr; }

// ---- Show and hide -------------------------------------------------------------

// While the control is visible it shows its own tooltip, so the host's is
// cleared; hidden, the host gets the ToolTip text back.
void vexabutton::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  followDevicePixelRatio();
  if (auto* host = liveHost())
    host->extender(this).ToolTipText.clear();
}

void vexabutton::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  releaseSpaceCapture();
  if (auto* host = liveHost())
    host->extender(this).ToolTipText = rec_.ToolTip;
}

// ---- Resize --------------------------------------------------------------------

// A control sized while hidden gets that resize from Qt once more when it is
// first shown; the size was laid out and drawn already (the load step runs
// the resize step), so only a size the step has not seen runs it.
void vexabutton::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (event->size() == steppedSize_)
    return;
  resizeStep();
}

// Minimum size, window region, repaint. Also run by the load step and by
// clearing PictureNormal. Enlarging the widget sends a resize event of its
// own (at once when visible, later otherwise); the guard keeps that nested
// call from running the step a second time.
void vexabutton::resizeStep() {
  if (inResizeStep_)
    return;
  QScopedValueRollback<bool> guard(inResizeStep_, true);
  // 1. Height first, then width: at least 220 twips, i.e. 15 whole pixels.
  if (height() < MinimumSizePixels)
    resize(width(), MinimumSizePixels);
  if (width() < MinimumSizePixels)
    resize(MinimumSizePixels, height());
  // A form may ask for any size; the surface is never larger than the limit.
  if (width() > MaximumSizePixels || height() > MaximumSizePixels) {
    qCWarning(vexaLog,
              "vexabutton \"%s\": %d x %d pixels is larger than the %d pixels a side the control takes; "
              "it is made %d x %d",
              qPrintable(objectName()), width(), height(), MaximumSizePixels, qMin(width(), MaximumSizePixels),
              qMin(height(), MaximumSizePixels));
    resize(qMin(width(), MaximumSizePixels), qMin(height(), MaximumSizePixels));
  }
  surface_.resize(width(), height());
  // 2.
  applyWindowRegionStep();
  // 3.
  Redraw();
  steppedSize_ = size();
}

void vexabutton::applyWindowRegionStep() {
  vexa::ApplyWindowRegion(rec_, surface_);
  applyRegionIfChanged();
}

// ---- Pointer -------------------------------------------------------------------

// The system hand pointer. Qt always has one; the test hook can take it away.
bool vexabutton::loadHandCursor() {
  rec_.HandCursor = systemHandPointerAvailable;
  return rec_.HandCursor;
}

// The widget's pointer from MousePointer (the classic pointer shape codes)
// and MouseIcon. The hand pointer of HandPointer is set by the mouse handlers.
void vexabutton::applyPointer() {
  switch (mousePointer_) {
  case 1:
    setCursor(Qt::ArrowCursor);
    break;
  case 2:
    setCursor(Qt::CrossCursor);
    break;
  case 3:
    setCursor(Qt::IBeamCursor);
    break;
  case 5:
  case 15:
    setCursor(Qt::SizeAllCursor);
    break;
  case 6:
    setCursor(Qt::SizeBDiagCursor);
    break;
  case 7:
    setCursor(Qt::SizeVerCursor);
    break;
  case 8:
    setCursor(Qt::SizeFDiagCursor);
    break;
  case 9:
    setCursor(Qt::SizeHorCursor);
    break;
  case 10:
    setCursor(Qt::UpArrowCursor);
    break;
  case 11:
    setCursor(Qt::WaitCursor);
    break;
  case 12:
    setCursor(Qt::ForbiddenCursor);
    break;
  case 13:
    setCursor(Qt::BusyCursor);
    break;
  case 14:
    setCursor(Qt::WhatsThisCursor);
    break;
  case 99:
    if (mouseIcon_ && !mouseIcon_->isEmpty()) {
      setCursor(QCursor(QPixmap::fromImage(mouseIcon_->image)));
      break;
    }
    unsetCursor();
    break;
  default:
    unsetCursor();
    break; // 0 and codes without a shape: the default pointer
  }
}
