// SPDX-License-Identifier: MIT
#include "app/BuiltArtwork.h"

#include <QPixmap>

namespace builtartwork {

namespace {

QImage wrap(const tables::Pixels& pixels) {
  return QImage(reinterpret_cast<const uchar*>(pixels.data), pixels.width, pixels.height,
                pixels.width * int(sizeof(quint32)), pixels.alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

} // namespace

const QImage& banner() {
  static const QImage image = wrap(tables::banner);
  return image;
}

const QImage& tesmirPortrait() {
  static const QImage image = wrap(tables::tesmirPortrait);
  return image;
}

QIcon windowIcon() {
  QIcon icon;
  for (const tables::Pixels* pixels : {&tables::icon48, &tables::icon32, &tables::icon16})
    icon.addPixmap(QPixmap::fromImage(wrap(*pixels)));
  return icon;
}

} // namespace builtartwork
