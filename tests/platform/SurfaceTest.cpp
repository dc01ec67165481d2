// SPDX-License-Identifier: MIT
// The pixel conventions of the drawing surface. Every renderer relies on
// these, so each is pinned exactly once here.
#include "platform/Surface.h"
#include "platform/SystemColors.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

#include <vector>

using platform::Colour;
using platform::Rect;
using platform::Surface;

namespace {

constexpr Colour Back = 0x102030;
constexpr Colour Ink = 0x0000FF;

Surface makeSurface(int w, int h) {
  Surface s(w, h);
  s.setBackgroundColor(Back);
  s.clear();
  return s;
}

// "x" where the pixel is not the background, "." elsewhere, one row per line.
std::string picture(const Surface& s) {
  std::string out;
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x)
      out += s.pixel(x, y) == Back ? '.' : 'x';
    out += '\n';
  }
  return out;
}

int countInk(const Surface& s) {
  int n = 0;
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x)
      n += s.pixel(x, y) != Back;
  return n;
}

} // namespace

TEST(SurfacePixels, ClearSetAndReadKeepTheColourLayout) {
  Surface s = makeSurface(4, 3);
  EXPECT_EQ(s.pixel(3, 2), Back);
  s.setPixel(1, 1, 0x123456);
  EXPECT_EQ(s.pixel(1, 1), 0x123456);
  // 0x00BBGGRR: red in the low byte ends up in the image's red channel.
  EXPECT_EQ(qRed(s.image().pixel(1, 1)), 0x56);
  EXPECT_EQ(qBlue(s.image().pixel(1, 1)), 0x12);
  // Outside: nothing written, -1 read.
  s.setPixel(-1, 0, Ink);
  s.setPixel(4, 0, Ink);
  EXPECT_EQ(s.pixel(-1, 0), -1);
  EXPECT_EQ(s.pixel(0, 3), -1);
  // An invalid colour draws black.
  s.setPixel(0, 0, -1);
  EXPECT_EQ(s.pixel(0, 0), 0);
  EXPECT_EQ(s.image().dotsPerMeterX(), 3780); // 96 dpi
}

TEST(SurfacePixels, LinesExcludeTheirEndPointInEveryDirection) {
  {
    Surface s = makeSurface(6, 3);
    s.line(1, 1, 4, 1, Ink); // right: x 1..3
    EXPECT_EQ(picture(s), "......\n.xxx..\n......\n");
  }
  {
    Surface s = makeSurface(6, 3);
    s.line(4, 1, 1, 1, Ink); // left: x 4..2
    EXPECT_EQ(picture(s), "......\n..xxx.\n......\n");
  }
  {
    Surface s = makeSurface(3, 6);
    s.line(1, 1, 1, 4, Ink); // down: y 1..3
    EXPECT_EQ(picture(s), "...\n.x.\n.x.\n.x.\n...\n...\n");
  }
  {
    Surface s = makeSurface(3, 6);
    s.line(1, 4, 1, 1, Ink); // up: covers y2 + 1 .. y1
    EXPECT_EQ(picture(s), "...\n...\n.x.\n.x.\n.x.\n...\n");
  }
  {
    Surface s = makeSurface(3, 3);
    s.line(1, 1, 1, 1, Ink); // zero length: nothing
    EXPECT_EQ(countInk(s), 0);
  }
  {
    Surface s = makeSurface(5, 5);
    s.line(0, 0, 4, 4, Ink); // diagonal: four pixels, end excluded
    EXPECT_EQ(picture(s), "x....\n.x...\n..x..\n...x.\n.....\n");
  }
  {
    Surface s = makeSurface(7, 3);
    s.line(0, 0, 6, 2, Ink); // x-major: max(|dx|, |dy|) = 6 pixels
    EXPECT_EQ(countInk(s), 6);
    EXPECT_EQ(s.pixel(0, 0), Ink);
    EXPECT_EQ(s.pixel(6, 2), Back);
  }
  {
    Surface s = makeSurface(4, 4);
    s.line(-2, 1, 10, 1, Ink); // clipped to the surface
    EXPECT_EQ(picture(s), "....\nxxxx\n....\n....\n");
  }
}

TEST(SurfacePixels, FillAndFrameAreRightAndBottomExclusiveAndClipped) {
  {
    Surface s = makeSurface(5, 4);
    s.fillRect({1, 1, 3, 3}, Ink);
    EXPECT_EQ(picture(s), ".....\n.xx..\n.xx..\n.....\n");
  }
  {
    Surface s = makeSurface(5, 4);
    s.frameRect({0, 0, 5, 4}, Ink);
    EXPECT_EQ(picture(s), "xxxxx\nx...x\nx...x\nxxxxx\n");
  }
  {
    // (0, 0, W + 1, H + 1): only the top row and the left column land.
    Surface s = makeSurface(5, 4);
    s.frameRect({0, 0, 6, 5}, Ink);
    EXPECT_EQ(picture(s), "xxxxx\nx....\nx....\nx....\n");
  }
  {
    Surface s = makeSurface(3, 3);
    s.frameRect({1, 1, 1, 3}, Ink); // empty: nothing
    s.fillRect({2, 2, 1, 1}, Ink);
    EXPECT_EQ(countInk(s), 0);
    s.fillRect({-5, -5, 50, 50}, Ink);
    EXPECT_EQ(countInk(s), 9);
  }
}

TEST(SurfacePixels, BlitTakesBottomUpRowsAndIgnoresTheFourthByte) {
  Surface s = makeSurface(3, 3);
  // 2 x 2 buffer; first row is the bottom row. Bytes B, G, R, x.
  const std::vector<quint32> buffer = {0xAA0000FF, 0x0000FF00, 0x00FF0000, 0x77123456};
  s.blitBottomUp32(1, 1, 2, 2, buffer.data());
  EXPECT_EQ(s.pixel(1, 2), 0xFF0000); // blue
  EXPECT_EQ(s.pixel(2, 2), 0x00FF00);
  EXPECT_EQ(s.pixel(1, 1), 0x0000FF); // red
  EXPECT_EQ(s.pixel(2, 1), 0x563412);
  EXPECT_EQ(qAlpha(s.image().pixel(2, 1)), 255);
  // Clipped at the edges: only the part on the surface is copied.
  s.clear();
  s.blitBottomUp32(-1, 2, 2, 2, buffer.data());
  EXPECT_EQ(s.pixel(0, 2), 0x563412); // buffer row 1 (the top row), column 1
  EXPECT_EQ(countInk(s), 1);
}

TEST(SurfacePixels, FocusRectInvertsTheEvenCheckerboardAndTwiceRestores) {
  Surface s = makeSurface(6, 5);
  s.drawFocusRect({0, 0, 6, 5});
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 6; ++x) {
      const bool border = x == 0 || y == 0 || x == 5 || y == 4;
      const bool inverted = border && (x + y) % 2 == 0;
      EXPECT_EQ(s.pixel(x, y), inverted ? (Back ^ 0xFFFFFF) : Back) << x << "," << y;
    }
  }
  s.drawFocusRect({0, 0, 6, 5});
  EXPECT_EQ(countInk(s), 0);
  // A one-row rectangle is inverted once, not twice.
  s.drawFocusRect({0, 2, 6, 3});
  EXPECT_EQ(countInk(s), 3);
}

namespace {

// Pixels missing from the region in the top-left corner, per row.
std::vector<int> cornerCuts(const QRegion& region) {
  std::vector<int> cuts;
  for (int y = 0; y < 10; ++y) {
    int cut = 0;
    while (cut < 20 && !region.contains(QPoint(cut, y)))
      ++cut;
    if (cut == 0)
      break;
    cuts.push_back(cut);
  }
  return cuts;
}

} // namespace

TEST(SurfacePixels, EdgeRingsTakeTheSystemColoursAndTheDarkSideWinsTheCorners) {
  using namespace platform::SystemColors;
  installFixedTable(
      {{Light3D, 0x0000A1}, {DarkShadow3D, 0x0000A2}, {ButtonHighlight, 0x0000A3}, {ButtonShadow, 0x0000A4}});
  const auto edge = [](unsigned rings) {
    Surface s = makeSurface(7, 6);
    s.drawEdge({1, 1, 6, 5}, rings);
    std::string out;
    for (int y = 0; y < 6; ++y) {
      for (int x = 0; x < 7; ++x) {
        const Colour c = s.pixel(x, y);
        out += c == Back ? '.' : c == 0xA1 ? 'L' : c == 0xA2 ? 'D' : c == 0xA3 ? 'H' : c == 0xA4 ? 'S' : '?';
      }
      out += '\n';
    }
    return out;
  };
  EXPECT_EQ(edge(Surface::EdgeRaised), ".......\n"
                                       ".LLLLD.\n"
                                       ".LHHSD.\n"
                                       ".LSSSD.\n"
                                       ".DDDDD.\n"
                                       ".......\n");
  EXPECT_EQ(edge(Surface::EdgeSunken), ".......\n"
                                       ".SSSSH.\n"
                                       ".SDDLH.\n"
                                       ".SLLLH.\n"
                                       ".HHHHH.\n"
                                       ".......\n");
  // An inner ring alone lies on the outermost pixels.
  EXPECT_EQ(edge(Surface::RaisedInner), ".......\n"
                                        ".HHHHS.\n"
                                        ".H...S.\n"
                                        ".H...S.\n"
                                        ".SSSSS.\n"
                                        ".......\n");
  installClassicTable();
}

TEST(SurfaceRegions, RoundRectanglesCutTheClassicCorners) {
  using Cuts = std::vector<int>;
  const int W = 40, H = 30;
  const auto region = [&](int e) { return Surface::roundRectRegion(0, 0, W + 1, H + 1, e, e); };
  EXPECT_EQ(region(1), QRegion(0, 0, W, H));
  EXPECT_EQ(region(2), QRegion(0, 0, W, H));
  EXPECT_EQ(cornerCuts(region(3)), Cuts({1}));
  EXPECT_EQ(cornerCuts(region(4)), Cuts({1}));
  EXPECT_EQ(cornerCuts(region(6)), Cuts({2, 1}));
  EXPECT_EQ(cornerCuts(region(7)), Cuts({2, 1}));
  EXPECT_EQ(cornerCuts(region(8)), Cuts({2, 1}));
  EXPECT_EQ(cornerCuts(region(10)), Cuts({3, 2, 1}));

  // The four corners are cut alike and the region covers exactly W x H.
  for (int e : {3, 4, 6, 8, 10}) {
    const QRegion r = region(e);
    EXPECT_EQ(r.boundingRect(), QRect(0, 0, W, H)) << e;
    const std::vector<int> cuts = cornerCuts(r);
    int cut = 0;
    for (const int c : cuts)
      cut += c;
    // Top-right and bottom-left corners mirror the top-left one.
    EXPECT_TRUE(r.contains(QPoint(W - 1 - cuts[0], 0))) << e;
    EXPECT_FALSE(r.contains(QPoint(W - cuts[0], 0))) << e;
    EXPECT_FALSE(r.contains(QPoint(cuts[0] - 1, H - 1))) << e;
    EXPECT_TRUE(r.contains(QPoint(cuts[0], H - 1))) << e;
    int area = 0;
    for (const QRect& rect : r)
      area += rect.width() * rect.height();
    EXPECT_EQ(area, W * H - 4 * cut) << e;
    EXPECT_FALSE(r.contains(QPoint(W - 1, H - 1))) << e;
    EXPECT_TRUE(r.contains(QPoint(W / 2, H - 1))) << e;
  }
  EXPECT_EQ(Surface::rectRegion(0, 0, 5, 4), QRegion(0, 0, 5, 4));
}

TEST(SurfaceText, MeasuresWithWordBreakAndCalcRect) {
  Surface s = makeSurface(100, 40);
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(11);
  s.setFont(font);
  const unsigned measure = Surface::TextWordBreak | Surface::TextCalcRect;
  const int lineHeight = QFontMetrics(font).height();

  EXPECT_EQ(s.measureText(QString(), {3, 4, 60, 20}, measure), Rect({3, 4, 3, 4}));

  const Rect one = s.measureText(QStringLiteral("OK"), {3, 4, 60, 20}, measure);
  EXPECT_EQ(one.left, 3);
  EXPECT_EQ(one.top, 4);
  EXPECT_EQ(one.bottom, 4 + lineHeight);
  EXPECT_GT(one.width(), 5);
  EXPECT_LT(one.width(), 30);

  // Too narrow for both words: two lines, as wide as the wider word.
  const Rect two = s.measureText(QStringLiteral("Wide Wider"), {0, 0, one.width() * 3, 20}, measure);
  const Rect wider = s.measureText(QStringLiteral("Wider"), {0, 0, 200, 20}, measure);
  EXPECT_EQ(two.height(), 2 * lineHeight);
  EXPECT_EQ(two.width(), wider.width());

  // An access-key prefix takes no room; "&&" is one ampersand.
  EXPECT_EQ(s.measureText(QStringLiteral("&OK"), {0, 0, 60, 20}, measure), one.translated(-3, -4));
  EXPECT_GT(s.measureText(QStringLiteral("A&&B"), {0, 0, 60, 20}, measure).width(),
            s.measureText(QStringLiteral("AB"), {0, 0, 60, 20}, measure).width());

  // Right-to-left reading order lays out the same block.
  EXPECT_EQ(s.measureText(QStringLiteral("OK"), {3, 4, 60, 20}, measure | Surface::TextRtlReading), one);
}

TEST(SurfaceText, DrawsCentredLinesInTheTextColourInsideItsRectangle) {
  Surface s = makeSurface(80, 30);
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(11);
  s.setFont(font);
  s.setTextColor(0x000000);
  const Rect rect{10, 5, 70, 25};
  s.drawText(QStringLiteral("IIII"), rect, Surface::TextCentre | Surface::TextWordBreak);
  int minX = 1000, maxX = -1;
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) {
      if (s.pixel(x, y) == Back)
        continue;
      EXPECT_TRUE(x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom) << x << "," << y;
      minX = std::min(minX, x);
      maxX = std::max(maxX, x);
    }
  }
  ASSERT_LE(minX, maxX);
  // Centred: the ink's middle is within two pixels of the rectangle's.
  EXPECT_NEAR((minX + maxX + 1) / 2.0, (rect.left + rect.right) / 2.0, 2.0);
  EXPECT_EQ(s.textColor(), 0x000000);
}

TEST(SurfaceText, AMeasureIsHeldToTheLimitSoThatNoCaptionOverflows) {
  // Lines x line height past the limit (a million lines would pass 2^31
  // pixels): the largest font and 7,000 lines.
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(2667); // 2000 points
  const QString tall = QStringLiteral("W") + QString(7000, QLatin1Char('\n'));
  ASSERT_GT(7000 * QFontMetrics(font).height(), Surface::MaxTextExtent);
  Surface s = makeSurface(121, 33);
  s.setFont(font);
  const Rect block = s.measureText(tall, {0, 5, 121, 33}, Surface::TextWordBreak | Surface::TextCalcRect);
  EXPECT_EQ(block, Rect({0, 5, block.right, 5 + Surface::MaxTextExtent}));
  s.drawText(tall, block, Surface::TextWordBreak); // draws what shows
}

TEST(SurfaceText, AHugeBlockDrawsOnlyWhatShowsAndDrawsItRight) {
  // 3000 lines of "W" in a very large font: a layout box far larger than any
  // surface. Shown 1500 lines up, the surface sees one line's "W", exactly as
  // a lone "W" drawn at the top.
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(300);
  const int lineHeight = QFontMetrics(font).height();
  QStringList lines;
  for (int i = 0; i < 3000; ++i)
    lines << QStringLiteral("W");
  const QString tall = lines.join(QLatin1Char('\n'));
  const unsigned flags = Surface::TextCentre | Surface::TextWordBreak;

  Surface huge = makeSurface(121, 33);
  huge.setFont(font);
  const Rect block = huge.measureText(tall, {0, 0, 121, 33}, flags | Surface::TextCalcRect);
  EXPECT_EQ(block.height(), 3000 * lineHeight);
  const int top = -1500 * lineHeight;
  huge.drawText(tall, {0, top, 121, top + block.height()}, flags);
  // Scrolling to another part of the same block reuses the layout.
  huge.drawText(tall, {0, top - lineHeight, 121, top - lineHeight + block.height()}, flags);

  Surface single = makeSurface(121, 33);
  single.setFont(font);
  single.drawText(QStringLiteral("W"), {0, 0, 121, lineHeight}, flags);
  single.drawText(QStringLiteral("W"), {0, 0, 121, lineHeight}, flags);
  EXPECT_EQ(huge.image(), single.image());
}
