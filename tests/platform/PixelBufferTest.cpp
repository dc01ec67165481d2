// SPDX-License-Identifier: MIT
// Byte layout of device-independent pixel buffers, and icons drawn into them.
#include "platform/PixelBuffer.h"

#include <gtest/gtest.h>

using platform::PixelBuffer;

namespace {

// Pixel (x, y) of the test area: red x, green y, blue 100 + x + y, alpha 7 x x.
QRgb sampleAt(int x, int y) { return qRgba(x, y, 100 + x + y, 7 * x); }

QImage sampleImage(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, sampleAt(x, y));
  return image;
}

} // namespace

TEST(PixelBuffer, RowsBottomUpPaddedToFourBytesAtTheStatedPositions) {
  const struct {
    int width;
    int bits;
    qsizetype stride;
  } cases[] = {{5, 24, 16}, {1, 24, 4}, {4, 24, 12}, {7, 24, 24}, {5, 32, 20}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.bits << " bits");
    const int height = 3;
    PixelBuffer buffer(c.width, height, c.bits);
    ASSERT_EQ(buffer.stride(), c.stride);
    buffer.readFrom(sampleImage(c.width, height), 0, 0);
    const uchar* bits = buffer.bits();
    for (int row = 0; row < height; ++row) {
      const int y = height - 1 - row; // buffer row 0 is the bottom row
      for (int column = 0; column < c.width; ++column) {
        const uchar* pixel = bits + row * c.stride + column * (c.bits / 8);
        EXPECT_EQ(pixel[0], 100 + column + y);
        EXPECT_EQ(pixel[1], y);
        EXPECT_EQ(pixel[2], column);
        if (c.bits == 32) {
          EXPECT_EQ(pixel[3], 7 * column);
        }
      }
      for (qsizetype pad = qsizetype(c.width) * (c.bits / 8); pad < c.stride; ++pad)
        EXPECT_EQ(bits[row * c.stride + pad], 0) << "padding";
    }
  }
}

TEST(PixelBuffer, IconOverABackgroundKeepsItExactlyWhereTransparent) {
  QImage icon(2, 1, QImage::Format_ARGB32);
  icon.setPixel(0, 0, qRgba(255, 0, 0, 0));
  icon.setPixel(1, 0, qRgba(255, 0, 0, 255));
  // Stretched to 4 x 2: columns 0 and 1 from icon column 0.
  PixelBuffer buffer(4, 2, 24);
  buffer.drawIcon(icon, 0xC0C0C0);
  for (int row = 0; row < 2; ++row) {
    const uchar* bits = buffer.bits() + row * buffer.stride();
    EXPECT_EQ(bits[3 + 0], 0xC0);
    EXPECT_EQ(bits[3 + 2], 0xC0);
    EXPECT_EQ(bits[6 + 0], 0);
    EXPECT_EQ(bits[6 + 2], 0xFF);
  }
  // Translucent pixels are mixed with the background, rounded: at the icon's
  // own size, four at a time and one by one.
  const int alphas[] = {0, 1, 128, 254, 255, 77, 200};
  QImage row(7, 1, QImage::Format_ARGB32);
  for (int x = 0; x < 7; ++x)
    row.setPixel(x, 0, qRgba(250, 3 * x, 100, alphas[x]));
  PixelBuffer mixed(7, 1, 24);
  mixed.drawIcon(row, 0x30C0C0); // red C0, green C0, blue 30
  for (int x = 0; x < 7; ++x) {
    const int a = alphas[x];
    const auto mix = [a](int fore, int back) { return (fore * a + back * (255 - a) + 127) / 255; };
    EXPECT_EQ(mixed.bits()[3 * x], mix(100, 0x30)) << x;
    EXPECT_EQ(mixed.bits()[3 * x + 1], mix(3 * x, 0xC0)) << x;
    EXPECT_EQ(mixed.bits()[3 * x + 2], mix(250, 0xC0)) << x;
  }
}
