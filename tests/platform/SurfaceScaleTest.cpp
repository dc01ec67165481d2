// SPDX-License-Identifier: MIT
// The surface at device pixel ratios other than 1: the device grid, and every
// primitive covering exactly the device pixels of its logical pixels.
#include "platform/Surface.h"

#include <gtest/gtest.h>

#include <limits>

using platform::Colour;
using platform::Rect;
using platform::Surface;

namespace {

const qreal Ratios[] = {1.25, 1.5, 2, 3};

// Fills, frames, lines in every direction, 3-D edges, single pixels and the
// focus rectangle, with adjacent and overlapping areas in other colours.
void drawScene(Surface& s) {
  s.fillRect({0, 0, 5, 9}, 0x0000FF);
  s.fillRect({5, 0, 11, 9}, 0x00FF00); // adjacent to the first
  s.frameRect({2, 2, 16, 8}, 0xFF0000);
  s.drawEdge({10, 1, 18, 9}, Surface::EdgeRaised);
  s.line(1, 10, 15, 10, 0x123456);
  s.line(15, 11, 1, 11, 0x654321);
  s.line(17, 2, 17, 12, 0xABCDEF);
  s.line(3, 12, 9, 9, 0x00FFFF); // a diagonal
  s.setPixel(1, 1, 0xFF00FF);
  s.setPixel(18, 12, 0xFF00FF);
  s.drawFocusRect({3, 3, 14, 11});
}

} // namespace

TEST(SurfaceScale, LogicalEdgesLandOnPixelCentreEdges) {
  // Logical pixel x covers the device pixels whose centres lie in it.
  Surface s(10, 4);
  s.setDevicePixelRatio(1.25);
  const int at125[] = {0, 1, 2, 4, 5, 6, 7, 9, 10};
  for (int x = 0; x < 9; ++x)
    EXPECT_EQ(s.toDevice(x), at125[x]) << x;
  s.setDevicePixelRatio(1.5);
  const int at15[] = {0, 1, 3, 4, 6, 7, 9};
  for (int x = 0; x < 7; ++x)
    EXPECT_EQ(s.toDevice(x), at15[x]) << x;
  EXPECT_EQ(s.toDevice(-2), -3);
  EXPECT_EQ(s.deviceWidth(), 15); // d(10)
  EXPECT_EQ(s.deviceHeight(), 6);
  EXPECT_EQ(s.width(), 10); // the logical size is the renderers'
  for (int device = -4; device < 16; ++device) {
    const int x = s.toLogical(device);
    EXPECT_TRUE(s.toDevice(x) <= device && device < s.toDevice(x + 1)) << device;
  }

  // Ratios the surface does not draw at: below 1, not a number, too large.
  for (qreal odd : {0.5, std::numeric_limits<qreal>::quiet_NaN(), std::numeric_limits<qreal>::infinity()}) {
    s.setDevicePixelRatio(odd);
    EXPECT_EQ(s.devicePixelRatio(), 1) << odd;
    EXPECT_EQ(s.deviceWidth(), 10);
  }
  s.setDevicePixelRatio(100);
  EXPECT_EQ(s.devicePixelRatio(), Surface::MaxDevicePixelRatio);
}

TEST(SurfaceScale, EveryPrimitiveCoversTheDevicePixelsOfItsLogicalPixels) {
  // The scene at a ratio is the scene at 1 with each device pixel taking its
  // logical pixel's colour: one logical pixel thick lines, whole corner
  // pixels and checker squares, adjacent fills without gap or overlap.
  Surface plain(20, 14);
  drawScene(plain);
  for (qreal ratio : Ratios) {
    SCOPED_TRACE(ratio);
    Surface fine(20, 14);
    fine.setDevicePixelRatio(ratio);
    drawScene(fine);
    ASSERT_EQ(fine.deviceWidth(), fine.toDevice(20));
    for (int y = 0; y < fine.deviceHeight(); ++y)
      for (int x = 0; x < fine.deviceWidth(); ++x)
        ASSERT_EQ(fine.devicePixel(x, y), plain.pixel(fine.toLogical(x), fine.toLogical(y))) << x << "," << y;
    // Reading a logical pixel reads its device pixels.
    EXPECT_EQ(fine.pixel(17, 5), 0xABCDEF);

    // Drawing the focus rectangle again restores the surface.
    Surface twice(20, 14);
    twice.setDevicePixelRatio(ratio);
    drawScene(twice);
    twice.drawFocusRect({3, 3, 14, 11});
    twice.drawFocusRect({3, 3, 14, 11});
    EXPECT_EQ(twice.image(), fine.image());
  }
}

TEST(SurfaceScale, RegionsMapTheirEdgesAndTextKeepsItsLogicalMeasure) {
  Surface s(40, 20);
  s.setDevicePixelRatio(2);
  s.setWindowRegion(Surface::roundRectRegion(0, 0, 41, 21, 3, 3));
  const QRegion& device = s.deviceWindowRegion();
  // The cut corner pixel is a 2 x 2 block; its neighbours stay.
  for (QPoint p : {QPoint(0, 0), QPoint(1, 1), QPoint(79, 0), QPoint(78, 39), QPoint(0, 39)})
    EXPECT_FALSE(device.contains(p)) << p.x() << "," << p.y();
  for (QPoint p : {QPoint(2, 0), QPoint(0, 2), QPoint(77, 1), QPoint(79, 37), QPoint(40, 20)})
    EXPECT_TRUE(device.contains(p)) << p.x() << "," << p.y();
  EXPECT_EQ(device.boundingRect(), QRect(0, 0, 80, 40));
  // The window's picture: device size, transparent in the cut corner only.
  s.fillRect({0, 0, 40, 20}, 0x102030);
  const QImage window = s.windowImage();
  ASSERT_EQ(window.size(), QSize(80, 40));
  EXPECT_EQ(window.pixel(1, 1), 0u);
  EXPECT_EQ(window.pixel(2, 0), s.image().pixel(2, 0) | 0xFF000000u);
  EXPECT_EQ(qAlpha(window.pixel(79, 37)), 255);
  // A change of ratio maps the region again.
  s.setDevicePixelRatio(1.5);
  EXPECT_EQ(s.deviceWindowRegion().boundingRect(), QRect(0, 0, 60, 30));

  // Text measures in logical pixels whatever the ratio.
  Surface plain(200, 40);
  const Rect box{0, 0, 60, 40};
  const QString text = QStringLiteral("Prva reč druga reč");
  const unsigned measure = Surface::TextWordBreak | Surface::TextCalcRect;
  EXPECT_EQ(s.measureText(text, box, measure), plain.measureText(text, box, measure));
}
