// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QtGlobal>

#include <memory>

namespace platform {

// A device-independent pixel buffer laid out as the classic platform's
// bitmaps are, so that code written against byte positions works unchanged:
//
//   | bits | pixel bytes  | row stride                          |
//   |------|--------------|-------------------------------------|
//   | 24   | B, G, R      | ((3 x width + 3) div 4) x 4 (padded) |
//   | 32   | B, G, R, A   | 4 x width                           |
//
// Rows are stored bottom-up: buffer row 0 is the bottom row of the area, and
// the pixel at buffer row r, column c starts at byte r x stride + c x bytes
// per pixel. The storage is allocated per buffer and not initialised; one
// word of slack after the last row lets code read or write a 24-bit pixel as
// a four-byte word.
class PixelBuffer {
public:
  // width and height must be positive; bitsPerPixel 24 or 32.
  PixelBuffer(int width, int height, int bitsPerPixel);

  static qsizetype strideFor(int width, int bitsPerPixel) {
    return bitsPerPixel == 24 ? (qsizetype(3) * width + 3) / 4 * 4 : qsizetype(4) * width;
  }

  int width() const { return width_; }
  int height() const { return height_; }
  int bitsPerPixel() const { return bitsPerPixel_; }
  qsizetype stride() const { return stride_; }
  qsizetype byteCount() const { return stride_ * height_; }
  qsizetype offset(int row, int column) const { return row * stride_ + qsizetype(column) * (bitsPerPixel_ / 8); }

  uchar* bits() { return reinterpret_cast<uchar*>(storage_.get()); }
  const uchar* bits() const { return reinterpret_cast<const uchar*>(storage_.get()); }
  // The 32-bit pixels as 0xAARRGGBB words (32-bit buffers on this byte order).
  const quint32* words() const { return storage_.get(); }

  // Fills the buffer from the area of `image` whose top-left corner is
  // (x, y). Pixels of the area outside the image read as 0 in every byte.
  void readFrom(const QImage& image, int x, int y);
  // Writes a 24-bit buffer to `image` (a 32-bit image) with its top-left
  // corner at (x, y), clipped to the image; the fourth byte becomes 0xFF.
  void writeTo(QImage& image, int x, int y) const;
  // Draws `icon` stretched to the buffer's size (nearest pixel) over a
  // background of `background` (0x00BBGGRR): transparent icon pixels become
  // exactly the background, translucent ones are mixed with it, as an icon
  // is drawn with a background brush.
  void drawIcon(const QImage& icon, qint32 background);

private:
  int width_;
  int height_;
  int bitsPerPixel_;
  qsizetype stride_;
  std::unique_ptr<quint32[]> storage_; // words, so 32-bit pixels are aligned; plus the slack word
};

} // namespace platform
