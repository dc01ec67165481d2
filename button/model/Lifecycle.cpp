// SPDX-License-Identifier: MIT
// The life of one instance as its host drives it: creation, show and hide,
// resize, destruction. The new-instance, load and save steps live in
// Persistence.cpp; painting only copies the surface (vexabutton.cpp).

#include "button/model/vexabutton_p.h"

#include "button/model/PropertyRules.h"

#include "button/model/Diagnostics.h"

#include "platform/Pointer.h"

#include "button/render/Pictures.h"
#include "button/render/Redraw.h"
#include "button/render/VisualStyles.h"

#include <QCursor>
#include <QPixmap>
#include <QResizeEvent>
#include <QScopedValueRollback>

#include <unordered_map>

namespace {
bool systemHandPointerAvailable = true;

// The host of the buttons whose parent is no form: a running host with the
// standalone defaults, one for all the buttons of one parent (a window of
// thousands of buttons made in code holds one), each button keeping its own
// extender values. It keeps no list of changed property names: nobody asks
// the default host for them, and one list for many buttons would grow with
// every change of any of them.
class DefaultHost : public platform::StandaloneHost {
public:
  // A parentless button gets a host of its own.
  static std::shared_ptr<platform::StandaloneHost> of(QWidget* parent) {
    if (!parent)
      return std::make_shared<DefaultHost>(nullptr);
    auto& known = hosts()[parent];
    auto host = known.lock();
    // The address of a parent that died may come back as another widget.
    if (!host || !static_cast<DefaultHost*>(host.get())->parent_) {
      host = std::make_shared<DefaultHost>(parent);
      known = host;
    }
    return host;
  }

  explicit DefaultHost(QWidget* parent) : parent_(parent), key_(parent) {}
  ~DefaultHost() override {
    if (!key_)
      return;
    const auto known = hosts().find(key_);
    if (known != hosts().end() && known->second.expired())
      hosts().erase(known);
  }

  platform::Extender& extender(const QWidget* control) override {
    if (const auto* button = qobject_cast<const vexabutton*>(control))
      return vexabuttonPrivate::get(*const_cast<vexabutton*>(button)).extender;
    return StandaloneHost::extender(control);
  }
  void propertyChanged(const QWidget*, const QString&) override {}

private:
  static std::unordered_map<const QWidget*, std::weak_ptr<platform::StandaloneHost>>& hosts() {
    // Never destroyed: a button may outlive the program's static data.
    static auto* const byParent = new std::unordered_map<const QWidget*, std::weak_ptr<platform::StandaloneHost>>;
    return *byParent;
  }
  QPointer<QWidget> parent_;
  const QWidget* key_;
};

} // namespace

void vexabuttonPrivate::setSystemHandPointerAvailable(bool available) { systemHandPointerAvailable = available; }

// ---- Creation ------------------------------------------------------------------

vexabutton::vexabutton(QWidget* parent, platform::ControlHost* host)
    : QAbstractButton(parent), d_(std::make_unique<vexabuttonPrivate>(this)) {
  d_->host = host;
  if (!d_->host) {
    for (QWidget* w = parent; w && !d_->host; w = w->parentWidget())
      d_->host = dynamic_cast<platform::ControlHost*>(w);
  }
  if (!d_->host) {
    d_->defaultHost = DefaultHost::of(parent);
    d_->host = d_->defaultHost.get();
  }
  setFocusPolicy(Qt::StrongFocus);
  // In a layout it behaves as a push button: as wide as offered, as high as its content asks.
  setSizePolicy(QSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed, QSizePolicy::PushButton));
  setMouseTracking(true);
  platform::watchLeftPresses(); // a release clicks only the button its press went to

  // The picture-effect tables.
  vexa::BuildEffectTables(d_->rec);
  // Nothing is loaded for opening web addresses, and text is always wide.
  d_->rec.UnicodeText = true;
  // Whether ButtonStyle 13 follows the desktop theme (asked once per process).
  d_->rec.VisualStylesActive = vexa::IsThemed();

  // Until a new-instance or load step runs, the control draws with the
  // surface's own font (Tahoma, 8.25 points), so mFont is never none.
  d_->shareDefaultFont();
  d_->followHostFont();
  d_->followLayoutDirection();
  d_->surface.setDevicePixelRatio(devicePixelRatioF());
  d_->surface.setPalette(palette());
  // Pixels only while a paint needs them (see paintEvent).
  d_->surface.releasePixels();
}

// ---- Destruction ---------------------------------------------------------------

vexabuttonPrivate::vexabuttonPrivate(vexabutton* owner)
    : q(owner), tooltip(vexa::makeTooltipService(*this)), menu(vexa::makeMenuService(*this)),
      accessible(vexa::makeAccessibleService(*this)) {}
vexabuttonPrivate::~vexabuttonPrivate() = default;

vexabutton::~vexabutton() {
  // Let go of the shared font (and of its change notifications).
  QObject::disconnect(d_->fontConnection);
  d_->rec.mFont = nullptr;
  UnsetPopupMenu();
  // (The host itself may already be half destroyed: a form deletes its
  // controls from its QWidget base, so it is not asked for anything.)
  d_->stopHoverTracking();
}

// The host, or nullptr once its destruction has begun.
platform::ControlHost* vexabutton::liveHost() const {
  return platform::ControlHost::isLive(d_->host) ? d_->host : nullptr;
}

// ---- Show and hide -------------------------------------------------------------

// While the control is visible it shows its own tooltip, so the host's is
// cleared; hidden, the host gets the ToolTip text back.
//
// A button made in code may never be loaded: in a running host it gets its
// hover tracking and its window's activation when it is first shown, as the
// load step would have given them (a later load keeps them). A hidden
// button hears nothing of its window's activation: it looks when shown.
void vexabutton::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  followDevicePixelRatio();
  // A Redraw left pending while hidden is done by the first paint: the
  // pixels of one button are drawn, shown and let go before the next
  // button's are drawn.
  auto* host = liveHost();
  if (host)
    host->extender(this).ToolTipText.clear();
  if (host && !d_->hover.tracking && host->ambientUserMode())
    d_->startHoverTracking();
  if (d_->hover.tracking)
    d_->rec.ParentActive = isActiveWindow();
}

void vexabutton::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  d_->releaseSpaceCapture();
  if (auto* host = liveHost())
    host->extender(this).ToolTipText = d_->rec.ToolTip;
}

// ---- Resize --------------------------------------------------------------------

// A control sized while hidden gets that resize from Qt once more when it is
// first shown; the size was laid out and drawn already (the load step runs
// the resize step), so only a size the step has not seen runs it.
void vexabutton::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (event->size() != d_->steppedSize)
    resizeStep();
  d_->pointerMovedAway();
}

void vexabutton::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  d_->pointerMovedAway();
}

// Minimum size, window region, repaint. Also run by the load step and by
// clearing PictureNormal. Enlarging the widget sends a resize event of its
// own (at once when visible, later otherwise); the guard keeps that nested
// call from running the step a second time.
void vexabutton::resizeStep() {
  if (d_->inResizeStep)
    return;
  QScopedValueRollback<bool> guard(d_->inResizeStep, true);
  // Height first, then width: at least 220 twips, i.e. 15 whole pixels.
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
  d_->surface.resize(width(), height());
  // The region follows the new size, whether or not a Redraw has run since
  // the last one (a hidden button draws only once shown).
  d_->rec.ClientWidth = d_->surface.width();
  d_->rec.ClientHeight = d_->surface.height();
  applyWindowRegionStep();
  Redraw();
  d_->steppedSize = size();
}

void vexabutton::applyWindowRegionStep() {
  vexa::ApplyWindowRegion(d_->rec, d_->surface);
  applyRegionIfChanged();
}

// ---- Pointer -------------------------------------------------------------------

// The system hand pointer. Qt always has one; the test hook can take it away.
bool vexabutton::loadHandCursor() {
  d_->rec.HandCursor = systemHandPointerAvailable;
  return d_->rec.HandCursor;
}

// The widget's pointer from MousePointer (the classic pointer shape codes)
// and MouseIcon. The hand pointer of HandPointer is set by the mouse handlers.
void vexabutton::applyPointer() {
  if (const std::optional<QCursor> cursor = vexa::rules::cursorFor(d_->mousePointer, d_->mouseIcon))
    setCursor(*cursor);
  else
    unsetCursor();
}
