// SPDX-License-Identifier: MIT
#include "button/model/vexabutton_p.h"

#include "button/render/Redraw.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "platform/WindowRegistry.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

// One paint of the record: the paint is described from it, and what the
// paint computed (the state drawn, the size and the layout) is written back.
void paintRecord(ButtonRecord& rec, platform::Surface& surface) {
  surface.ensurePixels();
  vexa::apply(vexa::Redraw(vexa::describe(rec), surface), rec);
}

} // namespace

// A hidden button is drawn once it is shown (or its surface or record is
// read): a window of many buttons built in code sets captions, sizes and
// styles one after the other, and only the last of those paints counts.
void vexabutton::Redraw() {
  if (!isVisible()) {
    d_->redrawPending = true;
    return;
  }
  d_->draw();
  update();
}

void vexabuttonPrivate::settle() {
  if (redrawPending)
    draw();
}

void vexabuttonPrivate::draw() {
  redrawPending = false;
  sizeSurface();
  paintRecord(rec, surface);
  // Every change of what the size hints measure is drawn, so this is where a
  // layout learns of it. Hovering and pressing change nothing measured: only
  // a draw after a property (or the font) changed looks.
  if (contentChanged) {
    contentChanged = false;
    vexa::ContentKey measured = vexa::contentKey(vexa::describe(rec), surface);
    if (measured != measuredContent) {
      measuredContent = std::move(measured);
      q->updateGeometry();
    }
  }
  q->applyRegionIfChanged();
  accessible->announceChanges();
}

// A button at rest keeps no pixels (see paintEvent): a read of its surface
// draws it again from the record, which gives the same pixels.
void vexabuttonPrivate::ensureDrawn() {
  settle();
  if (!surface.hasPixels() && surface.width() > 0 && surface.height() > 0)
    paintRecord(rec, surface);
}

// The surface takes the widget's size at the first drawing (the resize step
// keeps it in step after that), so a button made and sized in code never
// allocates pixels for the size it had before.
void vexabuttonPrivate::sizeSurface() {
  if (surface.width() == 0 && surface.height() == 0)
    surface.resize(q->width(), q->height());
}

namespace {

QSize withinControlLimits(const QSize& size) {
  return size.expandedTo({vexabutton::MinimumSizePixels, vexabutton::MinimumSizePixels})
      .boundedTo({vexabutton::MaximumSizePixels, vexabutton::MaximumSizePixels});
}
static_assert(vexa::MaximumContentExtent == vexabutton::MaximumSizePixels);

} // namespace

// The push-button margins come from the application's style, so a button
// lines up with the push buttons beside it in a form; the content pass's own
// needs (its fixed insets, the drop-down area) win where they are larger.
// A layout asks before the button is first shown: a pending draw is made
// first, so the hints measure in the font the button will be drawn in.
QSize vexabutton::sizeHint() const {
  d_->settle();
  const vexa::ContentSize content = vexa::MeasureContent(vexa::describe(d_->rec), d_->surface);
  QStyleOptionButton option;
  option.initFrom(this);
  option.text = d_->rec.Caption;
  const QSize styled = style()->sizeFromContents(QStyle::CT_PushButton, &option, content.content, this);
  return withinControlLimits(styled.expandedTo(content.fitting));
}

QSize vexabutton::minimumSizeHint() const {
  d_->settle();
  return withinControlLimits(vexa::MeasureContent(vexa::describe(d_->rec), d_->surface).fitting);
}

void vexabutton::applyRegionIfChanged() {
  if (!d_->surface.hasWindowRegion() || d_->surface.regionSerial() == d_->appliedRegionSerial)
    return;
  d_->appliedRegionSerial = d_->surface.regionSerial();
  // A region that is the whole widget is no mask at all: the widget keeps
  // none (no region per button, and a hit test need not look at one).
  const QRegion& region = d_->surface.windowRegion();
  const bool whole = region.rectCount() == 1 && region.boundingRect() == rect();
  if (whole)
    clearMask();
  else
    setMask(region);
  // A paint covers the whole surface, so an unshaped button hides what is
  // behind it: Qt repaints it alone, without the window beneath and the
  // siblings beside it (a click in a window of thousands of buttons).
  // A shaped one is drawn over its window, which shows in its corners.
  setAttribute(Qt::WA_OpaquePaintEvent, whole);
  d_->shapeChanged();
}

void vexabutton::paintEvent(QPaintEvent* event) {
  d_->settle(); // painted while hidden (grab, render)
  d_->sizeSurface();
  QPainter painter(this);
  // A ratio change no event announced: the surface follows the device it is
  // painted on before it is shown.
  const qreal ratio = d_->surface.devicePixelRatio();
  d_->surface.setDevicePixelRatio(painter.device()->devicePixelRatioF());
  if (d_->surface.devicePixelRatio() != ratio || !d_->surface.hasPixels())
    paintRecord(d_->rec, d_->surface);
  if (d_->surface.devicePixelRatio() == 1) {
    painter.drawImage(event->rect(), d_->surface.image(), event->rect());
  } else {
    // Device pixel for device pixel: the image's device size in logical units.
    const QImage& image = d_->surface.image();
    const qreal scale = d_->surface.devicePixelRatio();
    painter.drawImage(QRectF(0, 0, image.width() / scale, image.height() / scale), image);
  }
  // What is shown is on the screen now; the pixels come back at the next
  // Redraw (drawing a button costs a few microseconds, keeping its pixels
  // as much memory as the rest of the button).
  d_->surface.releasePixels();
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

vexa::ButtonSide* vexa::sideOf(QObject* object) {
  auto* button = qobject_cast<vexabutton*>(object);
  return button ? &vexabuttonPrivate::get(*button) : nullptr;
}

// ---- The attachable menu, web addresses and the information box ------------

void vexabutton::SetPopupMenu(QObject* Menu, qint32 Align, qint32 Flags, QAction* DefaultMenu) {
  if (d_->menu->attach(Menu, Align, Flags, DefaultMenu))
    d_->accessible->announceChanges();
}

void vexabutton::UnsetPopupMenu() {
  const bool wasSet = d_->rec.PopupMenuSet;
  d_->menu->detach();
  if (wasSet)
    d_->accessible->announceChanges();
}

bool vexabutton::OpenWebsite(const QString& sAddress) { return platform::openWebAddress(sAddress); }

QString vexabutton::aboutText() {
  return QStringLiteral("VexaButton v 1.02\n"
                        "Written by Ranko Vesnic\n"
                        "Contact: ranko.vesnic@vexabutton.example\n"
                        "\n"
                        "The control remains the property of its author; it may be used freely in any program "
                        "that keeps this notice.");
}

void vexabutton::About() { platform::msgBox(aboutText(), platform::MsgBoxIcon::Information, QStringLiteral("About")); }
