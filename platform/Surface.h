// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Geometry.h"
#include "platform/PixelBuffer.h"

#include <QFont>
#include <QImage>
#include <QPalette>
#include <QRegion>
#include <QString>

#include <memory>
#include <optional>

namespace platform {

// Colours on the surface are 0x00BBGGRR (red in the low byte), as the control
// stores them. -1 is "no colour"; drawing with it draws black, as the
// classic platform does with an invalid colour.
using Colour = qint32;

// A 32-bit pixel surface that reproduces the classic platform's pixel results.
//
// Pixel conventions (pinned by tests/platform/SurfaceTest.cpp):
//   | operation        | covers                                                  |
//   |------------------|---------------------------------------------------------|
//   | line(x1,y1,x2,y2)| start pixel drawn, end pixel not; Bresenham over        |
//   |                  | max(|dx|,|dy|) pixels; a zero-length line draws nothing |
//   | fillRect(r)      | [left, right) x [top, bottom), clipped                  |
//   | frameRect(r)     | columns left and right-1 over [top, bottom), rows top   |
//   |                  | and bottom-1 over [left, right); empty rect: nothing    |
//   | drawFocusRect(r) | inverts border pixels with (x + y) even, in surface     |
//   |                  | coordinates; twice restores the surface                 |
//   | roundRectRegion  | covers [l, r-1) x [t, b-1) minus the corner cut-outs    |
//   | blitBottomUp32   | first buffer row is the bottom row; bytes B,G,R,x       |
//   | read/writePixels | PixelBuffer layout (24-bit rows padded to 4 bytes)      |
//   | drawText         | clipped to its rectangle; "&x" underlines x and "&&"    |
//   |                  | is one "&" unless TextNoPrefix                          |
// Everything is clipped to the surface; nothing outside it is ever written.
// Colours with a non-zero high byte (-1 among them) draw black.
//
// Device pixel ratio. Callers work in logical pixels (the numbers above);
// the image holds device pixels, ratio times as many along each axis. Edge
// x of the logical grid falls on device edge d(x) = ceil(x * ratio - 1/2),
// so logical pixel x covers the device pixels [d(x), d(x + 1)) whose centres
// lie in it (as Qt fills a logical rectangle). Every drawing operation maps
// its logical pixels so:
//   | operation                 | at device resolution                         |
//   |---------------------------|----------------------------------------------|
//   | fillRect, frameRect, line,| the device pixels of each logical pixel: one |
//   | drawEdge, setPixel        | logical pixel thick, adjacent areas tile     |
//   | drawFocusRect             | one logical pixel per checker square         |
//   | pixel                     | the device pixel at the logical pixel's      |
//   |                           | top-left corner                              |
//   | drawText                  | laid out in logical pixels (the same lines   |
//   |                           | and measure), rasterised at device size      |
//   | window region             | set in logical pixels; deviceWindowRegion    |
//   |                           | maps its edges through d                     |
//   | buffer operations (blits, | address device pixels directly; callers map  |
//   | readPixels, writePixels,  | their logical rectangle with toDevice        |
//   | fillRows, repeatRow)      |                                              |
// At ratio 1 device pixels are logical pixels and every operation takes its
// direct path.
class Surface {
public:
  // Text-layout flags, with the classic platform's values.
  enum TextFlag : unsigned {
    TextCentre = 0x1,
    TextWordBreak = 0x10,
    TextCalcRect = 0x400,
    TextNoPrefix = 0x800,
    TextRtlReading = 0x20000,
  };

  explicit Surface(int width = 0, int height = 0);

  // The logical size.
  void resize(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }

  // Device pixels per logical pixel. Ratios below 1, and NaN or infinite
  // ones, draw at 1 (the window system scales the result); ratios above
  // MaxDevicePixelRatio draw at that ratio. A change clears the surface.
  static constexpr qreal MaxDevicePixelRatio = 8;
  void setDevicePixelRatio(qreal ratio);
  qreal devicePixelRatio() const { return ratio_; }
  // The device edge of logical edge x, d(x) above (results are kept within
  // +-2^30), and the device rectangle of a logical one.
  int toDevice(int x) const { return unit_ ? x : scaledEdge(x); }
  Rect toDevice(const Rect& rect) const { return unit_ ? rect : scaledRect(rect); }
  // The logical pixel that holds device pixel x (device pixels outside the
  // image map all the same).
  int toLogical(int x) const;
  int deviceWidth() const { return image_.width(); }
  int deviceHeight() const { return image_.height(); }

  // The colour `clear` fills with (the system button-face colour unless set).
  void setBackgroundColor(Colour rgb) { background_ = rgb; }
  Colour backgroundColor() const { return background_; }
  void clear();

  // One pixel. Reading outside the surface gives -1.
  Colour pixel(int x, int y) const;
  void setPixel(int x, int y, Colour rgb);
  // One device pixel; -1 outside the image.
  Colour devicePixel(int x, int y) const;

  void line(int x1, int y1, int x2, int y2, Colour rgb);
  void frameRect(const Rect& rect, Colour rgb);
  void fillRect(const Rect& rect, Colour rgb);
  // The buffer operations below address device pixels.
  // Copies a width x height buffer of 32-bit pixels (bytes B, G, R, unused)
  // whose first row is the bottom row, to (x, y) on the surface.
  void blitBottomUp32(int x, int y, int width, int height, const quint32* pixels);
  // Copies one row of `count` such pixels to (x, y) on the surface.
  void blitRow(int x, int y, int count, const quint32* pixels);
  // Reads the area at (x, y) of the buffer's size into the buffer (pixels
  // outside the surface read as 0), and writes a buffer back to (x, y),
  // clipped to the surface (the fourth byte of 32-bit pixels is ignored).
  void readPixels(int x, int y, PixelBuffer& buffer) const { buffer.readFrom(image_, x, y); }
  void writePixels(int x, int y, const PixelBuffer& buffer);
  // Fills row r of the width x height rectangle at (x, y) with rowPixels[r]
  // (such a pixel): the blit of a buffer whose rows are each one colour.
  void fillRows(int x, int y, int width, int height, const quint32* rowPixels);
  // Copies the same row of `width` such pixels to each of `height` rows from (x, y).
  void repeatRow(int x, int y, int width, int height, const quint32* pixels);

  // Text in the selected font and text colour, transparent background.
  void setFont(const QFont& font);
  const QFont& font() const { return font_; }
  void setTextColor(Colour rgb) { textColor_ = rgb; }
  // The palette the desktop theme's push button is drawn with: the widget's
  // own, so a palette set on it or its window reaches the System look.
  // Without one, the application's palette for push buttons.
  void setPalette(const QPalette& palette) { palette_ = palette; }
  const std::optional<QPalette>& palette() const { return palette_; }
  Colour textColor() const { return textColor_; }
  // With TextCalcRect: left and top stay, right = left + widest line,
  // bottom = top + lines x line height. An empty text measures 0 x 0. Width
  // and height are held to MaxTextExtent pixels.
  static constexpr int MaxTextExtent = 1 << 24;
  Rect measureText(const QString& text, const Rect& rect, unsigned flags) const;
  void drawText(const QString& text, const Rect& rect, unsigned flags);

  // The dotted focus rectangle, drawn by inverting pixels.
  void drawFocusRect(const Rect& rect);

  // 3-D edge rings in the current system colours. Each ring draws its top
  // row and left column in its light colour, then its bottom row and right
  // column in its dark colour (the dark colour wins at the top-right and
  // bottom-left corners). The outer ring is the outermost pixel ring of the
  // rectangle; an inner ring without an outer one takes that place too.
  //   | ring         | light (top, left)      | dark (bottom, right)   |
  //   | RaisedOuter  | 3-D light (22)         | 3-D dark shadow (21)   |
  //   | SunkenOuter  | shadow (16)            | highlight (20)         |
  //   | RaisedInner  | highlight (20)         | shadow (16)            |
  //   | SunkenInner  | 3-D dark shadow (21)   | 3-D light (22)         |
  enum EdgeRing : unsigned { RaisedOuter = 0x1, SunkenOuter = 0x2, RaisedInner = 0x4, SunkenInner = 0x8 };
  static constexpr unsigned EdgeRaised = RaisedOuter | RaisedInner;
  static constexpr unsigned EdgeSunken = SunkenOuter | SunkenInner;
  void drawEdge(const Rect& rect, unsigned rings);

  // The window region the surface's window should take, in logical pixels.
  // Renderers set it; the widget applies it as its mask. Empty until first
  // set. The device region is the logical one with its edges mapped through
  // toDevice, or, where the shape was traced at device resolution (the
  // theme's outline), that trace.
  void setWindowRegion(const QRegion& region);
  void setWindowRegion(const QRegion& region, const QRegion& deviceRegion);
  const QRegion& windowRegion() const { return region_; }
  const QRegion& deviceWindowRegion() const { return unit_ ? region_ : deviceRegion_; }
  bool hasWindowRegion() const { return hasRegion_; }
  // A logical region with its edges mapped to device pixels.
  QRegion toDeviceRegion(const QRegion& region) const;
  // Counts changes of the window region (setting an equal region is not a
  // change), so the widget applies a region only when it changed.
  quint64 regionSerial() const { return regionSerial_; }

  // Regions with the classic platform's coverage.
  static QRegion roundRectRegion(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
  static QRegion rectRegion(int left, int top, int right, int bottom);

  // The device pixels (the image's own device pixel ratio stays 1).
  const QImage& image() const { return image_; }
  // The pixels may be let go while nobody needs them (what a widget shows is
  // on the screen already); ensurePixels gets them back, cleared to the
  // background, at the size the surface has then. Until then a resize or a
  // ratio change allocates nothing (a window of many buttons is sized before
  // any of them draws).
  void releasePixels() {
    image_ = QImage();
    released_ = true;
  }
  bool hasPixels() const { return !image_.isNull(); }
  void ensurePixels() {
    if (image_.isNull())
      allocate();
  }
  QImage& image() { return image_; }
  // The device pixels as the window shows them: opaque inside the window
  // region (the whole surface while none is set), transparent outside it.
  QImage windowImage() const;

private:
  // The part of the image a width x height buffer at (x, y) covers; empty
  // without a buffer.
  Rect bufferArea(const quint32* pixels, int x, int y, int width, int height) const;
  // The device pixels of the part of a logical rectangle on the surface.
  Rect deviceArea(const Rect& rect) const;
  int scaledEdge(int x) const;
  Rect scaledRect(const Rect& rect) const;
  void allocate();
  // Inverts the RGB of the device pixels of logical pixel (x, y) on the surface.
  void invertPixel(int x, int y);

  int width_ = 0;
  int height_ = 0;
  qreal ratio_ = 1;
  bool unit_ = true;      // ratio_ == 1
  bool released_ = false; // no pixels until ensurePixels
  QImage image_;
  QFont font_;
  std::optional<QPalette> palette_;
  Colour background_;
  Colour textColor_ = 0;
  QRegion region_;
  QRegion deviceRegion_; // at ratios other than 1
  bool hasRegion_ = false;
  quint64 regionSerial_ = 0;
  // Laid-out texts by (text, font, width, flags), so repainting an unchanged
  // caption does not lay it out again: one bounded cache for every surface
  // (see Surface.cpp), so a window of many buttons keeps no layouts per button.
  struct TextCache;
};

} // namespace platform
