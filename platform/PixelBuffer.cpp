#include "platform/PixelBuffer.h"

#include <algorithm>
#include <cstring>

namespace platform {

// 32-bit buffers and the surface share the 0xAARRGGBB word, whose bytes are
// B, G, R, A only on a little-endian machine.
static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "pixel buffers assume little-endian byte order");

namespace {

bool is32Bit(const QImage& image) {
  return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
}

// `image` itself when it holds 0xAARRGGBB words with straight alpha, else a
// converted copy kept in `converted`.
const QImage& straight32(const QImage& image, QImage& converted) {
  if (is32Bit(image))
    return image;
  converted = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  return converted;
}

// The columns [from, to) of an image `imageWidth` wide that an area of
// `width` pixels starting at column x covers.
struct Span {
  int from;
  int to;
};
Span visibleColumns(int x, int width, int imageWidth) {
  const int from = std::clamp(x, 0, imageWidth);
  const int to = int(std::clamp(qint64(x) + width, qint64(from), qint64(imageWidth)));
  return {from, to};
}

} // namespace

PixelBuffer::PixelBuffer(int width, int height, int bitsPerPixel)
    : width_(width), height_(height), bitsPerPixel_(bitsPerPixel), stride_(strideFor(width, bitsPerPixel)),
      storage_(new quint32[std::size_t(stride_ / 4) * std::size_t(height)]) {
  Q_ASSERT(width > 0 && height > 0 && (bitsPerPixel == 24 || bitsPerPixel == 32));
}

void PixelBuffer::readFrom(const QImage& image, int x, int y) {
  QImage converted;
  const QImage& source = straight32(image, converted);
  const Span span = visibleColumns(x, width_, source.width());
  const int bytesPerPixel = bitsPerPixel_ / 8;
  for (int row = 0; row < height_; ++row) {
    uchar* target = bits() + row * stride_;
    const qint64 imageRow = qint64(y) + height_ - 1 - row;
    if (imageRow < 0 || imageRow >= source.height() || span.from >= span.to) {
      std::memset(target, 0, std::size_t(stride_));
      continue;
    }
    const QRgb* line = reinterpret_cast<const QRgb*>(source.constScanLine(int(imageRow)));
    const int first = span.from - x; // first buffer column inside the image
    const int count = span.to - span.from;
    std::memset(target, 0, std::size_t(first) * bytesPerPixel);
    if (bitsPerPixel_ == 32) {
      std::memcpy(target + std::size_t(first) * 4, line + span.from, std::size_t(count) * 4);
    } else {
      uchar* pixel = target + std::size_t(first) * 3;
      for (int i = 0; i < count; ++i, pixel += 3) {
        const QRgb value = line[span.from + i];
        pixel[0] = uchar(value);
        pixel[1] = uchar(value >> 8);
        pixel[2] = uchar(value >> 16);
      }
    }
    // Columns right of the image, and the row padding.
    const qsizetype used = qsizetype(first + count) * bytesPerPixel;
    std::memset(target + used, 0, std::size_t(stride_ - used));
  }
}

void PixelBuffer::writeTo(QImage& image, int x, int y) const {
  Q_ASSERT(bitsPerPixel_ == 24 && is32Bit(image));
  const Span span = visibleColumns(x, width_, image.width());
  if (span.from >= span.to)
    return;
  const int top = std::max(y, 0);
  const int bottom = int(std::min(qint64(y) + height_, qint64(image.height())));
  for (int imageRow = top; imageRow < bottom; ++imageRow) {
    const uchar* pixel = bits() + (qint64(height_) - 1 - (imageRow - y)) * stride_ + qsizetype(span.from - x) * 3;
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(imageRow));
    for (int column = span.from; column < span.to; ++column, pixel += 3)
      line[column] = 0xFF000000u | (QRgb(pixel[2]) << 16) | (QRgb(pixel[1]) << 8) | pixel[0];
  }
}

void PixelBuffer::drawIcon(const QImage& icon, qint32 background) {
  const int backRed = background & 0xFF;
  const int backGreen = (background >> 8) & 0xFF;
  const int backBlue = (background >> 16) & 0xFF;
  QImage converted;
  const QImage& source = straight32(icon, converted);
  const int bytesPerPixel = bitsPerPixel_ / 8;
  const int iconWidth = source.width();
  const int iconHeight = source.height();
  for (int row = 0; row < height_; ++row) {
    uchar* pixel = bits() + row * stride_;
    // Buffer row 0 is the bottom row; the icon is stretched to the buffer.
    const QRgb* line = source.isNull() ? nullptr
                                       : reinterpret_cast<const QRgb*>(source.constScanLine(
                                             int(qint64(height_ - 1 - row) * iconHeight / height_)));
    for (int column = 0; column < width_; ++column, pixel += bytesPerPixel) {
      const QRgb value = line ? line[qint64(column) * iconWidth / width_] : 0;
      const int alpha = qAlpha(value);
      if (alpha == 255) {
        pixel[0] = uchar(qBlue(value));
        pixel[1] = uchar(qGreen(value));
        pixel[2] = uchar(qRed(value));
      } else if (alpha == 0) {
        pixel[0] = uchar(backBlue);
        pixel[1] = uchar(backGreen);
        pixel[2] = uchar(backRed);
      } else {
        const auto mix = [alpha](int fore, int back) {
          return uchar((fore * alpha + back * (255 - alpha) + 127) / 255);
        };
        pixel[0] = mix(qBlue(value), backBlue);
        pixel[1] = mix(qGreen(value), backGreen);
        pixel[2] = mix(qRed(value), backRed);
      }
      if (bytesPerPixel == 4)
        pixel[3] = 0;
    }
    const qsizetype used = qsizetype(width_) * bytesPerPixel;
    std::memset(bits() + row * stride_ + used, 0, std::size_t(stride_ - used));
  }
}

} // namespace platform
