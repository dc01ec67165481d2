#include "platform/Surface.h"

#include "platform/SystemColors.h"

namespace platform {

Surface::Surface(int width, int height) : background_(SystemColors::get(SystemColors::ButtonFace)) {
  resize(width, height);
}

void Surface::resize(int width, int height) {
  if (width == image_.width() && height == image_.height() && !image_.isNull())
    return;
  image_ = QImage(qMax(width, 0), qMax(height, 0), QImage::Format_RGB32);
  image_.setDotsPerMeterX(3780);
  image_.setDotsPerMeterY(3780);
}

void Surface::clear() {}
Colour Surface::pixel(int, int) const { return -1; }
void Surface::setPixel(int, int, Colour) {}
void Surface::line(int, int, int, int, Colour) {}
void Surface::frameRect(const Rect&, Colour) {}
void Surface::fillRect(const Rect&, Colour) {}
void Surface::blitBottomUp32(int, int, int, int, const quint32*) {}
void Surface::setFont(const QFont& font) { font_ = font; }
Rect Surface::measureText(const QString&, const Rect& rect, unsigned) const { return rect; }
void Surface::drawText(const QString&, const Rect&, unsigned) {}
void Surface::drawFocusRect(const Rect&) {}

void Surface::setWindowRegion(const QRegion& region) {
  region_ = region;
  hasRegion_ = true;
  ++regionSerial_;
}

QRegion Surface::roundRectRegion(int left, int top, int right, int bottom, int, int) {
  return rectRegion(left, top, right - 1, bottom - 1);
}

QRegion Surface::rectRegion(int left, int top, int right, int bottom) {
  return QRegion(left, top, qMax(right - left, 0), qMax(bottom - top, 0));
}

} // namespace platform
