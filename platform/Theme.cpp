// SPDX-License-Identifier: MIT
#include "platform/Theme.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include <functional>
#include <vector>

namespace platform::Theme {

bool themeLibraryPresent() { return true; }

bool appThemed() {
  const QStyle* style = QApplication::style();
  return style && style->name().compare(QLatin1String("windows"), Qt::CaseInsensitive) != 0;
}

namespace {

QStyleOptionButton pushButtonOption(const Surface& surface, const QRect& rect, int state) {
  QStyleOptionButton option;
  option.rect = rect;
  option.palette = surface.palette() ? *surface.palette() : QApplication::palette("QPushButton");
  option.state = QStyle::State_Enabled | QStyle::State_Raised;
  switch (state) {
  case Hot:
    option.state |= QStyle::State_MouseOver;
    break;
  case Pressed:
    option.state = QStyle::State_Enabled | QStyle::State_Sunken;
    break;
  case Disabled:
    option.state = QStyle::State_Raised;
    option.palette.setCurrentColorGroup(QPalette::Disabled);
    break;
  case Defaulted:
    option.features |= QStyleOptionButton::DefaultButton;
    break;
  default:
    break;
  }
  return option;
}

// The painted pixels of an ARGB image as a region, one rectangle per run.
QRegion runsOf(int width, int height, const std::function<bool(int, int)>& painted) {
  QRegion region;
  for (int y = 0; y < height; ++y) {
    int x = 0;
    while (x < width) {
      while (x < width && !painted(x, y))
        ++x;
      const int start = x;
      while (x < width && painted(x, y))
        ++x;
      if (x > start)
        region += QRect(start, y, x - start, 1);
    }
  }
  return region;
}

// The opaque pixels of an ARGB image within `area` (inside the image).
QRegion paintedOutline(const QImage& image, const QRect& area) {
  const auto painted = [&](int x, int y) {
    return qAlpha(reinterpret_cast<const QRgb*>(image.constScanLine(y + area.top()))[x + area.left()]) != 0;
  };
  return runsOf(area.width(), area.height(), painted).translated(area.topLeft());
}

// The logical pixels (within `area`, logical) any of whose device pixels the
// style painted on the device-resolution layer.
QRegion paintedLogicalOutline(const Surface& surface, const QImage& layer, const QRect& area) {
  std::vector<uchar> painted(std::size_t(area.width()) * area.height(), 0);
  for (int y = 0; y < area.height(); ++y) {
    const Rect device = surface.toDevice(Rect{area.left(), area.top() + y, area.right() + 1, area.top() + y + 1});
    for (int row = std::max(device.top, 0); row < std::min(device.bottom, layer.height()); ++row) {
      const auto* pixels = reinterpret_cast<const QRgb*>(layer.constScanLine(row));
      for (int column = std::max(device.left, 0); column < std::min(device.right, layer.width()); ++column)
        if (qAlpha(pixels[column]) != 0)
          painted[std::size_t(y) * area.width() + (surface.toLogical(column) - area.left())] = 1;
    }
  }
  const auto at = [&](int x, int y) { return painted[std::size_t(y) * area.width() + x] != 0; };
  return runsOf(area.width(), area.height(), at).translated(area.topLeft());
}

} // namespace

namespace {

// The style's push button over `rect` (logical) on a transparent layer of the
// surface's device size, clipped to `clip` when it is not null, at device
// pixel ratio 1 once drawn.
QImage pushButtonLayer(const Surface& surface, const QRect& rect, const QRect& clip, int state) {
  QImage layer(surface.deviceWidth(), surface.deviceHeight(), QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  const qreal ratio = surface.devicePixelRatio();
  if (ratio != 1)
    layer.setDevicePixelRatio(ratio);
  {
    QPainter painter(&layer);
    if (!clip.isNull())
      painter.setClipRect(clip);
    const QStyleOptionButton option = pushButtonOption(surface, rect, state);
    QApplication::style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter);
  }
  layer.setDevicePixelRatio(1);
  return layer;
}

} // namespace

QRegion drawPushButton(Surface& surface, const Rect& clientRect, const Rect& outlineRect, int state,
                       QRegion* deviceOutline) {
  if (!QApplication::style() || surface.width() <= 0 || surface.height() <= 0)
    return {};

  // The style draws onto transparent layers at device resolution: the button
  // over the client rectangle, composed pixel for pixel onto the surface, and
  // the button over the outline rectangle, whose painted pixels are its shape.
  const QRect client(clientRect.left, clientRect.top, clientRect.width(), clientRect.height());
  const QImage layer = pushButtonLayer(surface, client, client, state);
  {
    QPainter painter(&surface.image());
    painter.drawImage(0, 0, layer);
  }
  const QRect outline(outlineRect.left, outlineRect.top, outlineRect.width(), outlineRect.height());
  const QImage shape = pushButtonLayer(surface, outline, QRect(), state);
  const QRect logical = outline.intersected(QRect(0, 0, surface.width(), surface.height()));
  if (surface.devicePixelRatio() == 1) {
    QRegion region = paintedOutline(shape, logical);
    if (deviceOutline)
      *deviceOutline = region;
    return region;
  }
  if (deviceOutline) {
    const Rect device =
        surface.toDevice(Rect{logical.left(), logical.top(), logical.right() + 1, logical.bottom() + 1});
    *deviceOutline = paintedOutline(shape, QRect(device.left, device.top, device.width(), device.height()));
  }
  return paintedLogicalOutline(surface, shape, logical);
}

} // namespace platform::Theme
