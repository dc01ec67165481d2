// SPDX-License-Identifier: MIT
#include "platform/PixelBuffer.h"

#include <algorithm>
#include <cstring>
#include <optional>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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
const QImage& straight32(const QImage& image, std::optional<QImage>& converted) {
  if (is32Bit(image))
    return image;
  converted = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  return *converted;
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

#ifdef __SSE2__
// Four 32-bit pixels in a register stored as twelve bytes B, G, R, ... (a
// sixteen-byte store: the last four bytes belong to whatever follows and are
// written again later).
inline void storePacked(uchar* out, __m128i v) {
  // Each 64-bit half: its two pixels as six bytes.
  const __m128i pairs = _mm_or_si128(_mm_and_si128(v, _mm_set1_epi64x(0xFFFFFF)),
                                     _mm_and_si128(_mm_srli_epi64(v, 8), _mm_set1_epi64x(0xFFFFFF000000)));
  // The high half's six bytes next to the low half's.
  const __m128i packed =
      _mm_or_si128(_mm_and_si128(pairs, _mm_set_epi64x(0, 0xFFFFFFFFFFFF)),
                   _mm_and_si128(_mm_srli_si128(pairs, 2), _mm_set_epi64x(0xFFFFFFFF, 0xFFFF000000000000)));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), packed);
}
#endif

// Four 32-bit pixels to twelve bytes B, G, R, ... (sixteen bytes written).
inline void packFour(uchar* out, const QRgb* in) {
#ifdef __SSE2__
  storePacked(out, _mm_loadu_si128(reinterpret_cast<const __m128i*>(in)));
#else
  for (int i = 0; i < 4; ++i)
    std::memcpy(out + 3 * i, in + i, 4);
#endif
}

// Twelve bytes B, G, R, ... to four opaque 32-bit pixels (reads sixteen bytes).
inline void unpackFour(QRgb* out, const uchar* in) {
#ifdef __SSE2__
  const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
  const __m128i halves = _mm_or_si128(_mm_and_si128(v, _mm_set_epi64x(0, 0xFFFFFFFFFFFF)),
                                      _mm_and_si128(_mm_slli_si128(v, 2), _mm_set_epi64x(0xFFFFFFFFFFFF, 0)));
  const __m128i pixels = _mm_or_si128(_mm_and_si128(halves, _mm_set1_epi64x(0xFFFFFF)),
                                      _mm_and_si128(_mm_slli_epi64(halves, 8), _mm_set1_epi64x(0xFFFFFF00000000)));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_or_si128(pixels, _mm_set1_epi32(int(0xFF000000u))));
#else
  for (int i = 0; i < 4; ++i) {
    quint32 word;
    std::memcpy(&word, in + 3 * i, 4);
    out[i] = 0xFF000000u | word;
  }
#endif
}

} // namespace

PixelBuffer::PixelBuffer(int width, int height, int bitsPerPixel)
    : width_(width), height_(height), bitsPerPixel_(bitsPerPixel), stride_(strideFor(width, bitsPerPixel)),
      storage_(new quint32[std::size_t(stride_ / 4) * std::size_t(height) + 1]) {
  Q_ASSERT(width > 0 && height > 0 && (bitsPerPixel == 24 || bitsPerPixel == 32));
  storage_[std::size_t(stride_ / 4) * std::size_t(height)] = 0;
}

void PixelBuffer::readFrom(const QImage& image, int x, int y) {
  std::optional<QImage> converted;
  const QImage& source = straight32(image, converted);
  const int imageHeight = source.height();
  const Span span = visibleColumns(x, width_, source.width());
  const int bytesPerPixel = bitsPerPixel_ / 8;
  const int first = span.from - x; // first buffer column inside the image
  const int count = span.to - span.from;
  const qsizetype used = qsizetype(first + count) * bytesPerPixel;
  const uchar* imageBits = source.constBits();
  const qsizetype imageStride = source.bytesPerLine();
  for (int row = 0; row < height_; ++row) {
    uchar* target = bits() + row * stride_;
    const qint64 imageRow = qint64(y) + height_ - 1 - row;
    if (imageRow < 0 || imageRow >= imageHeight || count <= 0) {
      std::memset(target, 0, std::size_t(stride_));
      continue;
    }
    const QRgb* line = reinterpret_cast<const QRgb*>(imageBits + imageRow * imageStride) + span.from;
    if (first > 0)
      std::memset(target, 0, std::size_t(first) * bytesPerPixel);
    uchar* pixel = target + qsizetype(first) * bytesPerPixel;
    if (bitsPerPixel_ == 32) {
      std::memcpy(pixel, line, std::size_t(count) * 4);
    } else {
      // Four pixels at a time; the bytes a store writes beyond them are
      // written again by the next store, the padding below, the next row,
      // or land in the slack.
      int i = 0;
      for (; i + 4 <= count; i += 4, pixel += 12)
        packFour(pixel, line + i);
      for (; i < count; ++i, pixel += 3)
        std::memcpy(pixel, line + i, 4);
    }
    // Columns right of the image, and the row padding.
    if (used < stride_)
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
  if (top >= bottom)
    return;
  uchar* imageBits = image.bits();
  const qsizetype imageStride = image.bytesPerLine();
  for (int imageRow = top; imageRow < bottom; ++imageRow) {
    const uchar* pixel = bits() + (qint64(height_) - 1 - (imageRow - y)) * stride_ + qsizetype(span.from - x) * 3;
    QRgb* line = reinterpret_cast<QRgb*>(imageBits + imageRow * imageStride);
    // Reads run at most four bytes past the last pixel: the padding, the
    // next row or the slack.
    int column = span.from;
    for (; column + 4 <= span.to; column += 4, pixel += 12)
      unpackFour(line + column, pixel);
    for (; column < span.to; ++column, pixel += 3) {
      quint32 word; // B, G, R and the next byte, replaced by 0xFF
      std::memcpy(&word, pixel, 4);
      line[column] = 0xFF000000u | word;
    }
  }
}

void PixelBuffer::drawIcon(const QImage& icon, qint32 background) {
  const quint32 backRed = background & 0xFF;
  const quint32 backGreen = (background >> 8) & 0xFF;
  const quint32 backBlue = (background >> 16) & 0xFF;
  const quint32 backWord = backBlue | backGreen << 8 | backRed << 16;
  std::optional<QImage> converted;
  const QImage& source = straight32(icon, converted);
  const int bytesPerPixel = bitsPerPixel_ / 8;
  const int iconWidth = source.width();
  const int iconHeight = source.height();
  // The icon column each buffer column shows, worked out once when the icon
  // is stretched.
  const bool stretched = iconWidth != width_ || iconHeight != height_;
  std::unique_ptr<int[]> columns(stretched ? new int[std::size_t(width_)] : nullptr);
  for (int column = 0; stretched && column < width_; ++column)
    columns[column] = int(qint64(column) * iconWidth / width_);
  const uchar* iconBits = source.isNull() ? nullptr : source.constBits();
  const qsizetype iconStride = source.bytesPerLine();
  for (int row = 0; row < height_; ++row) {
    uchar* pixel = bits() + row * stride_;
    // Buffer row 0 is the bottom row.
    const int iconRow = stretched ? int(qint64(height_ - 1 - row) * iconHeight / height_) : height_ - 1 - row;
    const QRgb* line = iconBits ? reinterpret_cast<const QRgb*>(iconBits + iconRow * iconStride) : nullptr;
    int column = 0;
#ifdef __SSE2__
    // Four pixels at a time: each channel (c x alpha + back x (255 - alpha)
    // + 127) div 255 in 16-bit lanes, the division as (y + 1 + y / 256) / 256
    // (exact below 65535).
    if (line && !stretched && bytesPerPixel == 3) {
      const __m128i zero = _mm_setzero_si128();
      const __m128i back = _mm_set_epi16(0, short(backRed), short(backGreen), short(backBlue), 0, short(backRed),
                                         short(backGreen), short(backBlue));
      const __m128i full = _mm_set1_epi16(255);
      const auto mixHalf = [&](__m128i fore) {
        const __m128i alpha = _mm_shufflehi_epi16(_mm_shufflelo_epi16(fore, 0xFF), 0xFF);
        const __m128i y = _mm_add_epi16(
            _mm_add_epi16(_mm_mullo_epi16(fore, alpha), _mm_mullo_epi16(back, _mm_sub_epi16(full, alpha))),
            _mm_set1_epi16(127));
        return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(y, _mm_set1_epi16(1)), _mm_srli_epi16(y, 8)), 8);
      };
      for (; column + 4 <= width_; column += 4, pixel += 12) {
        const __m128i fore = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line + column));
        storePacked(pixel,
                    _mm_packus_epi16(mixHalf(_mm_unpacklo_epi8(fore, zero)), mixHalf(_mm_unpackhi_epi8(fore, zero))));
      }
    }
#endif
    for (; column < width_; ++column, pixel += bytesPerPixel) {
      const QRgb value = !line ? 0 : stretched ? line[columns[column]] : line[column];
      // Over the background by alpha, rounded (opaque and transparent pixels,
      // nearly all of an icon, take the quick way).
      // A four-byte store; the fourth byte is the next pixel's, the padding
      // below, the next row or the slack (32-bit buffers: 0).
      const quint32 alpha = qAlpha(value);
      quint32 word = backWord;
      if (alpha == 255) {
        word = value & 0xFFFFFFu;
      } else if (alpha != 0) {
        const auto mix = [alpha](quint32 fore, quint32 back) {
          return (fore * alpha + back * (255 - alpha) + 127) / 255;
        };
        word = mix(qBlue(value), backBlue) | mix(qGreen(value), backGreen) << 8 | mix(qRed(value), backRed) << 16;
      }
      std::memcpy(pixel, &word, 4);
    }
    const qsizetype used = qsizetype(width_) * bytesPerPixel;
    if (used < stride_)
      std::memset(bits() + row * stride_ + used, 0, std::size_t(stride_ - used));
  }
}

} // namespace platform
