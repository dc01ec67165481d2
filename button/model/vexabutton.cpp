#include "button/model/vexabutton.h"

#include "button/render/Redraw.h"
#include "button/services/Subclass.h"
#include "platform/WindowRegistry.h"

#include <QPaintEvent>
#include <QPainter>

void vexabutton::Redraw() {
  vexa::Redraw(rec_, surface_);
  applyRegionIfChanged();
  update();
  announceAccessibleChanges();
}

void vexabutton::applyRegionIfChanged() {
  if (!surface_.hasWindowRegion() || surface_.regionSerial() == appliedRegionSerial_)
    return;
  appliedRegionSerial_ = surface_.regionSerial();
  setMask(surface_.windowRegion());
}

void vexabutton::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), surface_.image(), event->rect());
}

void vexabutton::propertyChanged(const QString& name) { host_->propertyChanged(this, name); }

qint32 vexabutton::hWnd() const { return platform::WindowRegistry::handleOf(this); }

QString vexabutton::Tag() const { return host_->extender(this).Tag; }

void vexabutton::setTag(const QString& tag) { host_->extender(this).Tag = tag; }
