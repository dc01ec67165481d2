#include "button/model/vexabutton.h"

#include "button/render/Redraw.h"
#include "button/services/Subclass.h"
#include "platform/EventRouter.h"
#include "platform/WindowRegistry.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

// One paint of the record: the paint is described from it, and what the
// paint computed (the state drawn, the size and the layout) is written back.
void paintRecord(ButtonRecord& rec, platform::Surface& surface) {
  vexa::apply(vexa::Redraw(vexa::describe(rec), surface), rec);
}

} // namespace

void vexabutton::Redraw() {
  paintRecord(rec_, surface_);
  applyRegionIfChanged();
  update();
  announceAccessibleChanges();
}

void vexabutton::applyRegionIfChanged() {
  if (!surface_.hasWindowRegion() || surface_.regionSerial() == appliedRegionSerial_)
    return;
  appliedRegionSerial_ = surface_.regionSerial();
  setMask(surface_.windowRegion());
  platform::notifyShapeChanged(this);
}

void vexabutton::paintEvent(QPaintEvent* event) {
  if (rec_.Enabled == testAttribute(Qt::WA_ForceDisabled))
    followEnabled();
  QPainter painter(this);
  // A ratio change no event announced: the surface follows the device it is
  // painted on before it is shown.
  const qreal ratio = surface_.devicePixelRatio();
  surface_.setDevicePixelRatio(painter.device()->devicePixelRatioF());
  if (surface_.devicePixelRatio() != ratio)
    paintRecord(rec_, surface_);
  if (surface_.devicePixelRatio() == 1) {
    painter.drawImage(event->rect(), surface_.image(), event->rect());
    return;
  }
  // Device pixel for device pixel: the image's device size in logical units.
  const QImage& image = surface_.image();
  const qreal scale = surface_.devicePixelRatio();
  painter.drawImage(QRectF(0, 0, image.width() / scale, image.height() / scale), image);
}

// The surface draws at the device pixel ratio of the control's window, and
// the whole button is drawn again when that changes.
void vexabutton::followDevicePixelRatio() {
  const qreal ratio = surface_.devicePixelRatio();
  surface_.setDevicePixelRatio(devicePixelRatioF());
  if (surface_.devicePixelRatio() == ratio)
    return;
  Redraw();
}

void vexabutton::propertyChanged(const QString& name) { host_->propertyChanged(this, name); }

qint32 vexabutton::hWnd() const { return platform::WindowRegistry::handleOf(this); }

QString vexabutton::Tag() const { return host_->extender(this).Tag; }

void vexabutton::setTag(const QString& tag) { host_->extender(this).Tag = tag; }
