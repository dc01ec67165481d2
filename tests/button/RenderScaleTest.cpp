// SPDX-License-Identifier: MIT
// Whole buttons at device pixel ratios other than 1: the layout stays in
// logical pixels, flat looks are their 1x picture on the device grid, and
// gradients, text and pictures gain the finer resolution.
#include "RenderSupport.h"
#include "StyleCases.h"

#include "button/render/ColorKit.h"
#include "button/render/Pictures.h"
#include "button/render/Redraw.h"

#include <gtest/gtest.h>

#include <set>

using platform::Colour;
using platform::Rect;
using platform::Surface;

namespace {

const qreal Ratios[] = {1.25, 1.5, 2};

const StyleCase& caseNamed(const std::vector<StyleCase>& cases, const std::string& name) {
  for (const StyleCase& c : cases)
    if (c.name == name)
      return c;
  ADD_FAILURE() << "no case " << name;
  return cases.front();
}

int channel(Colour colour, int shift) { return (colour >> shift) & 0xFF; }

// The record's picture drawn at `at`, as the content pass draws it.
void drawPicture(HeadlessButton& b, const Rect& at) {
  vexa::DrawPicture(b.in, vexa::SelectCurrentPicture(b.in), b.surface, at, -1);
}

} // namespace

TEST(RenderScale, LayoutStaysInLogicalPixelsAtEveryRatio) {
  for (const StyleCase& styleCase : styleCases()) {
    const PaintedCase plain = paintCase(styleCase);
    for (qreal ratio : Ratios) {
      const PaintedCase fine = paintCase(styleCase, ratio);
      SCOPED_TRACE(styleCase.name + " at " + std::to_string(ratio));
      EXPECT_EQ(fine.rec.ClientWidth, plain.rec.ClientWidth);
      EXPECT_EQ(fine.rec.CaptionRect, plain.rec.CaptionRect);
      EXPECT_EQ(fine.rec.PictureRect, plain.rec.PictureRect);
      EXPECT_EQ(fine.rec.SymbolRect, plain.rec.SymbolRect);
      EXPECT_EQ(fine.rec.ButtonState, plain.rec.ButtonState);
      const Surface& s = fine.surface;
      if (styleCase.name.rfind("13 System themed", 0) != 0) {
        EXPECT_EQ(s.windowRegion(), plain.surface.windowRegion());
      } else { // the theme's outline is traced at device resolution, within its logical pixels
        EXPECT_FALSE(s.deviceWindowRegion().isEmpty());
        EXPECT_TRUE(s.deviceWindowRegion().subtracted(s.toDeviceRegion(s.windowRegion())).isEmpty());
      }
      EXPECT_EQ(fine.surface.deviceWidth(), fine.surface.toDevice(styleCase.width));
    }
  }
}

TEST(RenderScale, LooksWithoutGradientsAreTheirOneTimesPictureOnTheDeviceGrid) {
  // Fills, frames, edges, lines, corner pixels, the focus rectangle and the
  // default frame, without a caption (text is rasterised afresh).
  const auto cases = styleCases();
  for (const char* name :
       {"0 Classic/Normal", "0 Classic/Down", "0 Classic/Focused", "0 Classic/Checked", "1 ClassicThin/Down",
        "1 ClassicThin/Focused", "2 RoundedGradient/Disabled", "4 Toolbar/Hot", "6 Silver/Down",
        "6 Silver/Checked + Hot", "7 SoftBlue/Disabled", "11 FlatClassic/Down", "12 FlatThin/Down"}) {
    StyleCase styleCase = caseNamed(cases, name);
    styleCase.rec.Caption.clear();
    const PaintedCase plain = paintCase(styleCase);
    for (qreal ratio : Ratios) {
      SCOPED_TRACE(std::string(name) + " at " + std::to_string(ratio));
      const PaintedCase fine = paintCase(styleCase, ratio);
      const Surface& s = fine.surface;
      for (int y = 0; y < s.deviceHeight(); ++y)
        for (int x = 0; x < s.deviceWidth(); ++x)
          ASSERT_EQ(s.devicePixel(x, y), plain.surface.pixel(s.toLogical(x), s.toLogical(y))) << x << "," << y;
    }
  }
}

TEST(RenderScale, GradientsRunOverDeviceRowsBetweenTheSameEndColours) {
  constexpr Colour From = 0x102030, To = 0xF0E0D0;
  for (qreal ratio : Ratios) {
    SCOPED_TRACE(ratio);
    for (int direction : {0, 1}) {
      Surface s(30, 30);
      s.setDevicePixelRatio(ratio);
      vexa::GradientFill(s, 2, 3, 20, 12, From, To, direction);
      const Rect device = s.toDevice(Rect{2, 3, 22, 15});
      // First and last device row (vertical) or column (horizontal).
      const int mid = (device.top + device.bottom) / 2, centre = (device.left + device.right) / 2;
      const int steps = direction == 1 ? device.height() : device.width();
      const auto at = [&](int i) {
        return direction == 1 ? s.devicePixel(centre, device.top + i) : s.devicePixel(device.left + i, mid);
      };
      EXPECT_EQ(at(0), From);
      EXPECT_EQ(at(steps - 1), To);
      // Every device step its own shade, always brighter.
      std::set<Colour> shades;
      for (int i = 0; i < steps; ++i) {
        shades.insert(at(i));
        if (i > 0) {
          EXPECT_GT(channel(at(i), 0), channel(at(i - 1), 0)) << i;
        }
      }
      EXPECT_EQ(int(shades.size()), steps);
      // Nothing outside the rectangle.
      EXPECT_NE(s.devicePixel(device.left - 1, device.top), From);
      EXPECT_NE(s.devicePixel(device.right, device.bottom - 1), To);
    }
  }
}

TEST(RenderScale, CaptionInkIsRasterisedAtDeviceResolution) {
  const auto cases = styleCases();
  const StyleCase& styleCase = caseNamed(cases, "2 RoundedGradient/Normal");
  const PaintedCase plain = paintCase(styleCase);
  const PaintedCase fine = paintCase(styleCase, 2);
  const Surface& s = fine.surface;
  const Rect caption = s.toDevice(fine.rec.CaptionRect);
  // Ink: pixels darker than the light gradient behind the black caption.
  const auto ink = [&](int x, int y) { return channel(s.devicePixel(x, y), 8) < 160; };
  int oddEdges = 0, first = caption.right, last = caption.left;
  for (int y = caption.top; y < caption.bottom; ++y)
    for (int x = caption.left; x < caption.right; ++x) {
      oddEdges += (x & 1) && ink(x, y) && !ink(x - 1, y); // ink starting at an odd column
      if (ink(x, y)) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
    }
  // The ink fills the measured width; a blown-up 1x caption would start
  // every run on an even column.
  EXPECT_GT(last - first, caption.width() * 4 / 5);
  EXPECT_GT(oddEdges, 3);
  // No ink outside the caption rectangle's device pixels.
  const Rect body = s.toDevice(Rect{3, 3, plain.rec.ClientWidth - 3, plain.rec.ClientHeight - 4});
  for (int y = body.top; y < body.bottom; ++y)
    for (int x = body.left; x < body.right; ++x)
      if (x < caption.left || x >= caption.right || y < caption.top || y >= caption.bottom) {
        ASSERT_FALSE(ink(x, y)) << x << "," << y;
      }
}

TEST(RenderScale, PicturesDrawFromTheirDeviceSizedPixels) {
  // A 4 x 3 bitmap whose ground is the mask colour, and a 2x variant with
  // its own pattern.
  QImage image(4, 3, QImage::Format_RGB32);
  image.fill(qRgb(0xE0, 0xE0, 0xE0));
  image.setPixel(1, 1, qRgb(200, 0, 0));
  image.setPixel(2, 1, qRgb(0, 0, 200));
  auto withVariant = std::make_shared<platform::Picture>(*platform::Picture::fromImage(image));
  QImage variant(8, 6, QImage::Format_RGB32);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x)
      variant.setPixel(x, y, qRgb(10 * x, 20 * y, 90));
  withVariant->highResolution = variant;

  for (qreal ratio : {1.5, 2.0}) {
    SCOPED_TRACE(ratio);
    HeadlessButton b(20, 12);
    b.surface.setDevicePixelRatio(ratio);
    b.surface.fillRect({0, 0, 20, 12}, 0x00FF00);
    // Without a variant: each device pixel from its logical pixel, the mask
    // colour transparent to the pixel.
    b.in.PictureNormal = platform::Picture::fromImage(image);
    drawPicture(b, {2, 2, 2, 2});
    const Surface& s = b.surface;
    for (int y = s.toDevice(1); y < s.toDevice(6); ++y)
      for (int x = s.toDevice(1); x < s.toDevice(7); ++x) {
        const int lx = s.toLogical(x) - 2, ly = s.toLogical(y) - 2;
        const Colour expected = ly == 1 && lx == 1 ? 0x0000C8 : ly == 1 && lx == 2 ? 0xC80000 : 0x00FF00;
        ASSERT_EQ(s.devicePixel(x, y), expected) << x << "," << y;
      }

    // With the variant: at 2x its pixels exactly; at 1.5, unmasked, its
    // pixels scaled, inside the picture's device rectangle only.
    b.in.UseMaskColor = ratio == 2;
    b.in.PictureNormal = withVariant;
    drawPicture(b, {10, 5, 10, 5});
    const Rect area = s.toDevice(Rect{10, 5, 14, 8});
    for (int y = 0; ratio == 2 && y < 6; ++y)
      for (int x = 0; x < 8; ++x)
        ASSERT_EQ(s.devicePixel(area.left + x, area.top + y), Colour(10 * x | (20 * y) << 8 | 90 << 16));
    EXPECT_EQ(s.devicePixel(area.left - 1, area.top), 0x00FF00);
    EXPECT_EQ(s.devicePixel(area.right, area.bottom - 1), 0x00FF00);
    EXPECT_EQ(channel(s.devicePixel(area.left, area.top), 16), 90);
    EXPECT_EQ(channel(s.devicePixel(area.right - 1, area.bottom - 1), 16), 90);
  }
}
