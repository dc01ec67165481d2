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

QStyleOptionButton pushButtonOption(const QRect& rect, int state) {
  QStyleOptionButton option;
  option.rect = rect;
  option.palette = QApplication::palette("QPushButton");
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

QRegion drawPushButton(Surface& surface, const Rect& clientRect, const Rect& regionRect, int state,
                       QRegion* deviceOutline) {
  const QStyle* style = QApplication::style();
  if (!style || surface.width() <= 0 || surface.height() <= 0)
    return {};

  // The style draws onto a transparent layer at device resolution, so its
  // outline can be read back.
  const qreal ratio = surface.devicePixelRatio();
  QImage layer(surface.deviceWidth(), surface.deviceHeight(), QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  if (ratio != 1)
    layer.setDevicePixelRatio(ratio);
  const QRect client(clientRect.left, clientRect.top, clientRect.width(), clientRect.height());
  {
    QPainter painter(&layer);
    painter.setClipRect(client);
    const QStyleOptionButton option = pushButtonOption(client, state);
    style->drawControl(QStyle::CE_PushButtonBevel, &option, &painter);
  }
  // Composed pixel for pixel onto the device image.
  layer.setDevicePixelRatio(1);
  {
    QPainter painter(&surface.image());
    painter.drawImage(0, 0, layer);
  }
  const QRect logical = QRect(regionRect.left, regionRect.top, regionRect.width(), regionRect.height())
                            .intersected(QRect(0, 0, surface.width(), surface.height()));
  if (ratio == 1) {
    QRegion outline = paintedOutline(layer, logical);
    if (deviceOutline)
      *deviceOutline = outline;
    return outline;
  }
  if (deviceOutline) {
    const Rect device =
        surface.toDevice(Rect{logical.left(), logical.top(), logical.right() + 1, logical.bottom() + 1});
    *deviceOutline = paintedOutline(layer, QRect(device.left, device.top, device.width(), device.height()));
  }
  return paintedLogicalOutline(surface, layer, logical);
}

} // namespace platform::Theme
