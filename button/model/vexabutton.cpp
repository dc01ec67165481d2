#include "button/model/vexabutton_p.h"

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
  paintRecord(d_->rec, d_->surface);
  applyRegionIfChanged();
  update();
  announceAccessibleChanges();
}

void vexabutton::applyRegionIfChanged() {
  if (!d_->surface.hasWindowRegion() || d_->surface.regionSerial() == d_->appliedRegionSerial)
    return;
  d_->appliedRegionSerial = d_->surface.regionSerial();
  setMask(d_->surface.windowRegion());
  platform::notifyShapeChanged(this);
}

void vexabutton::paintEvent(QPaintEvent* event) {
  if (d_->rec.Enabled == testAttribute(Qt::WA_ForceDisabled))
    followEnabled();
  QPainter painter(this);
  // A ratio change no event announced: the surface follows the device it is
  // painted on before it is shown.
  const qreal ratio = d_->surface.devicePixelRatio();
  d_->surface.setDevicePixelRatio(painter.device()->devicePixelRatioF());
  if (d_->surface.devicePixelRatio() != ratio)
    paintRecord(d_->rec, d_->surface);
  if (d_->surface.devicePixelRatio() == 1) {
    painter.drawImage(event->rect(), d_->surface.image(), event->rect());
    return;
  }
  // Device pixel for device pixel: the image's device size in logical units.
  const QImage& image = d_->surface.image();
  const qreal scale = d_->surface.devicePixelRatio();
  painter.drawImage(QRectF(0, 0, image.width() / scale, image.height() / scale), image);
}

// The surface draws at the device pixel ratio of the control's window, and
// the whole button is drawn again when that changes.
void vexabutton::followDevicePixelRatio() {
  const qreal ratio = d_->surface.devicePixelRatio();
  d_->surface.setDevicePixelRatio(devicePixelRatioF());
  if (d_->surface.devicePixelRatio() == ratio)
    return;
  Redraw();
}

void vexabutton::propertyChanged(const QString& name) { d_->host->propertyChanged(this, name); }

qint32 vexabutton::hWnd() const { return platform::WindowRegistry::handleOf(this); }

QString vexabutton::Tag() const { return d_->host->extender(this).Tag; }

void vexabutton::setTag(const QString& tag) { d_->host->extender(this).Tag = tag; }
