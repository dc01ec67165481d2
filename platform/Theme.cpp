#include "platform/Theme.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

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

// The opaque pixels of an ARGB image as a region, one rectangle per run.
QRegion paintedOutline(const QImage& image, const QRect& within) {
  QRegion region;
  const QRect area = within.intersected(image.rect());
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    int x = area.left();
    while (x <= area.right()) {
      while (x <= area.right() && qAlpha(row[x]) == 0)
        ++x;
      const int start = x;
      while (x <= area.right() && qAlpha(row[x]) != 0)
        ++x;
      if (x > start)
        region += QRect(start, y, x - start, 1);
    }
  }
  return region;
}

} // namespace

QRegion drawPushButton(Surface& surface, const Rect& clientRect, const Rect& regionRect, int state) {
  const QStyle* style = QApplication::style();
  if (!style || surface.width() <= 0 || surface.height() <= 0)
    return {};

  // The style draws onto a transparent layer, so its outline can be read back.
  QImage layer(surface.width(), surface.height(), QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  const QRect client(clientRect.left, clientRect.top, clientRect.width(), clientRect.height());
  {
    QPainter painter(&layer);
    painter.setClipRect(client);
    const QStyleOptionButton option = pushButtonOption(client, state);
    style->drawControl(QStyle::CE_PushButtonBevel, &option, &painter);
  }
  {
    QPainter painter(&surface.image());
    painter.drawImage(0, 0, layer);
  }
  const QRect within(regionRect.left, regionRect.top, regionRect.width(), regionRect.height());
  return paintedOutline(layer, within);
}

} // namespace platform::Theme
