// SPDX-License-Identifier: MIT
#include "platform/Surface.h"

#include "platform/ProgramFonts.h"
#include "platform/SystemColors.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace platform {

namespace {

// 0x00BBGGRR to the image's 0xFFRRGGBB. Invalid colours draw black.
inline QRgb toPixel(Colour colour) {
  const quint32 value = quint32(colour);
  if (value & 0xFF000000u)
    return 0xFF000000u;
  return 0xFF000000u | ((value & 0xFFu) << 16) | (value & 0xFF00u) | ((value >> 16) & 0xFFu);
}

inline Colour fromPixel(QRgb pixel) {
  return Colour(((pixel >> 16) & 0xFFu) | (pixel & 0xFF00u) | ((pixel & 0xFFu) << 16));
}

// Clips `rect` to [0, width) x [0, height).
inline Rect clipped(const Rect& rect, int width, int height) {
  return {std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, width), std::min(rect.bottom, height)};
}

} // namespace

// ---- Text layout cache ------------------------------------------------------

struct Surface::TextCache {
  struct Entry {
    QString text;
    QFont font;
    int width = 0;
    unsigned flags = 0;
    QTextLayout layout;
    int lineCount = 0;
    int textWidth = 0;  // widest line, whole pixels
    int textHeight = 0; // lines x line height
    // Coverage of the laid-out text (alpha 0..255) at device resolution,
    // rasterised on first draw at a device pixel ratio; each draw blends it in
    // the text colour. It spans the whole layout box, or for a very large
    // block only the part a draw could show, whose top-left corner in the
    // box (device pixels) is coverageOrigin.
    QImage coverage;
    QPoint coverageOrigin;
    qreal coverageRatio = 1;
    // Per coverage row, the columns [first, last) that hold any ink, so a
    // draw blends only those.
    std::vector<std::pair<int, int>> inkSpans;
  };

  // Layout boxes up to this many pixels are rasterised whole and kept.
  static constexpr qint64 WholeCoverageLimit = 1 << 20;

  // The texts drawn lately by any surface, most recent first. A button draws
  // its caption twice per paint (measured, then drawn centred), so this holds
  // the captions of the last few dozen buttons painted: a hovered or pressed
  // button finds its own, and a window of thousands of buttons keeps no
  // layouts per button (a caption laid out again costs tens of microseconds).
  static constexpr std::size_t Capacity = 64;
  std::vector<std::unique_ptr<Entry>> entries;

  // Surfaces draw on the thread of the application's widgets. The cache is
  // emptied when the application ends, while its fonts can still be let go.
  static TextCache& shared() {
    static TextCache* const cache = [] {
      auto* made = new TextCache;
      qAddPostRoutine([] { shared().entries.clear(); });
      return made;
    }();
    return *cache;
  }

  Entry& get(const QString& text, const QFont& font, int width, unsigned flags) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      Entry& entry = *entries[i];
      if (entry.width == width && entry.flags == flags && entry.text == text && entry.font == font) {
        if (i != 0)
          std::rotate(entries.begin(), entries.begin() + i, entries.begin() + i + 1);
        return *entries.front();
      }
    }
    auto entry = std::make_unique<Entry>();
    entry->text = text;
    entry->font = font;
    entry->width = width;
    entry->flags = flags;
    layOut(*entry);
    if (entries.size() == Capacity)
      entries.pop_back();
    entries.insert(entries.begin(), std::move(entry));
    return *entries.front();
  }

  static void layOut(Entry& entry) {
    const bool noPrefix = entry.flags & TextNoPrefix;
    // Line breaks become line separators; "&x" marks an underlined x, "&&" is "&".
    QString shown;
    shown.reserve(entry.text.size());
    int underlined = -1;
    const QString& text = entry.text;
    for (qsizetype i = 0; i < text.size(); ++i) {
      const QChar ch = text.at(i);
      if (ch == QLatin1Char('\r')) {
        if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
          ++i;
        shown.append(QChar::LineSeparator);
      } else if (ch == QLatin1Char('\n')) {
        shown.append(QChar::LineSeparator);
      } else if (ch == QLatin1Char('&') && !noPrefix) {
        if (i + 1 >= text.size())
          break;
        ++i;
        if (text.at(i) != QLatin1Char('&'))
          underlined = int(shown.size());
        shown.append(text.at(i));
      } else {
        shown.append(ch);
      }
    }
    if (shown.isEmpty())
      return;

    entry.layout.setText(shown);
    entry.layout.setFont(entry.font);
    // Keep the shaped glyphs, so drawing does not shape the text again.
    entry.layout.setCacheEnabled(true);
    QTextOption option;
    const bool wordBreak = entry.flags & TextWordBreak;
    option.setWrapMode(wordBreak ? QTextOption::WordWrap : QTextOption::NoWrap);
    option.setTextDirection((entry.flags & TextRtlReading) ? Qt::RightToLeft : Qt::LeftToRight);
    option.setAlignment((entry.flags & TextCentre) ? Qt::AlignHCenter : (Qt::AlignLeft | Qt::AlignAbsolute));
    entry.layout.setTextOption(option);
    if (underlined >= 0) {
      QTextLayout::FormatRange range;
      range.start = underlined;
      range.length = 1;
      range.format.setFontUnderline(true);
      entry.layout.setFormats({range});
    }

    const int lineHeight = QFontMetrics(entry.font).height();
    const qreal lineWidth = qreal(std::max(entry.width, 0));
    qreal widest = 0;
    entry.layout.beginLayout();
    for (QTextLine line = entry.layout.createLine(); line.isValid(); line = entry.layout.createLine()) {
      line.setLineWidth(lineWidth);
      line.setPosition(QPointF(0, qreal(entry.lineCount) * lineHeight));
      widest = std::max(widest, line.naturalTextWidth());
      ++entry.lineCount;
    }
    entry.layout.endLayout();
    // Whole pixels that hold the widest line, so drawing into the measured
    // width breaks the lines exactly where measuring did.
    // Both are held to MaxTextExtent, so a caption of a million lines in a
    // large font cannot overflow, here or in the rectangles built on it.
    entry.textWidth = int(std::min(std::ceil(widest - 1e-6), double(MaxTextExtent)));
    entry.textHeight = int(std::min(qint64(entry.lineCount) * lineHeight, qint64(MaxTextExtent)));
  }

  // The glyphs of the layout as coverage, drawn once per device pixel ratio
  // with the font's own antialiasing: the logical layout scaled by the ratio,
  // so the lines break and measure as at ratio 1. Ink that leaves the layout
  // box is clipped by every draw anyway, so the box (plus a few rows for
  // deep descenders) is enough. A huge block (a long caption in a very large
  // font) is rasterised only where `visible` (in the box's device
  // coordinates) asks, so memory follows the surface.
  static const QImage& coverageOf(Entry& entry, const QRect& visible, qreal ratio) {
    if (entry.lineCount <= 0) {
      entry.coverage = QImage();
      return entry.coverage;
    }
    const auto device = [ratio](int length) { return ratio == 1 ? length : int(std::ceil(length * ratio)); };
    const QRect box(0, 0, device(std::max(entry.width, 1)), device(entry.textHeight + 4));
    const QRect cached(entry.coverageOrigin, entry.coverage.size());
    const QRect needed = visible.intersected(box);
    if (!entry.coverage.isNull() && entry.coverageRatio == ratio && (needed.isEmpty() || cached.contains(needed)))
      return entry.coverage;
    const bool whole = qint64(box.width()) * box.height() <= WholeCoverageLimit;
    const QRect area = whole ? box : needed;
    if (area.isEmpty()) {
      entry.coverage = QImage();
      entry.coverageOrigin = {};
      return entry.coverage;
    }
    QImage canvas(area.size(), QImage::Format_ARGB32_Premultiplied);
    canvas.setDotsPerMeterX(3780);
    canvas.setDotsPerMeterY(3780);
    canvas.fill(Qt::transparent);
    {
      QPainter painter(&canvas);
      painter.setPen(Qt::black);
      painter.translate(-area.topLeft());
      QRectF clip(area);
      if (ratio != 1) {
        painter.scale(ratio, ratio);
        clip = QRectF(clip.topLeft() / ratio, clip.size() / ratio);
      }
      // The clip lets the layout skip the lines outside the area.
      entry.layout.draw(&painter, QPointF(0, 0), {}, clip);
    }
    entry.coverage = canvas.convertToFormat(QImage::Format_Alpha8);
    entry.coverageOrigin = area.topLeft();
    entry.coverageRatio = ratio;
    entry.inkSpans.assign(entry.coverage.height(), {0, 0});
    for (int y = 0; y < entry.coverage.height(); ++y) {
      const uchar* alpha = entry.coverage.constScanLine(y);
      int first = 0, last = entry.coverage.width();
      while (first < last && alpha[first] == 0)
        ++first;
      while (last > first && alpha[last - 1] == 0)
        --last;
      entry.inkSpans[y] = {first, last};
    }
    return entry.coverage;
  }
};

// ---- Surface ------------------------------------------------------------------

Surface::Surface(int width, int height) : background_(SystemColors::get(SystemColors::ButtonFace)) {
  resize(width, height);
}

void Surface::resize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_ && !image_.isNull())
    return;
  width_ = width;
  height_ = height;
  if (!released_)
    allocate();
}

void Surface::allocate() {
  released_ = false;
  image_ = QImage(toDevice(width_), toDevice(height_), QImage::Format_RGB32);
  if (image_.isNull()) {
    // No memory for the pixels: an empty surface, which every operation
    // clips to nothing (a later resize tries again).
    width_ = height_ = 0;
    return;
  }
  // 96 dpi, so that text on the image measures as on the screen.
  image_.setDotsPerMeterX(3780);
  image_.setDotsPerMeterY(3780);
  image_.fill(toPixel(background_));
}

void Surface::setDevicePixelRatio(qreal ratio) {
  if (!std::isfinite(ratio) || ratio < 1)
    ratio = 1;
  ratio = std::min(ratio, MaxDevicePixelRatio);
  if (ratio == ratio_)
    return;
  ratio_ = ratio;
  unit_ = ratio == 1;
  if (!released_)
    allocate();
  deviceRegion_ = unit_ ? QRegion() : toDeviceRegion(region_);
}

int Surface::scaledEdge(int x) const {
  constexpr double limit = double(1 << 30);
  return int(std::clamp(std::ceil(x * ratio_ - 0.5), -limit, limit));
}

Rect Surface::scaledRect(const Rect& rect) const {
  return {scaledEdge(rect.left), scaledEdge(rect.top), scaledEdge(rect.right), scaledEdge(rect.bottom)};
}

int Surface::toLogical(int x) const {
  if (unit_)
    return x;
  // The estimate from the inverse, corrected against d itself.
  int logical = int(std::floor((x + 0.5) / ratio_));
  while (scaledEdge(logical + 1) <= x)
    ++logical;
  while (scaledEdge(logical) > x)
    --logical;
  return logical;
}

Rect Surface::deviceArea(const Rect& rect) const {
  const Rect area = clipped(rect, width_, height_);
  if (unit_ || area.isEmpty())
    return area;
  return scaledRect(area);
}

QRegion Surface::toDeviceRegion(const QRegion& region) const {
  if (unit_)
    return region;
  std::vector<QRect> rects;
  rects.reserve(region.rectCount());
  for (const QRect& r : region) {
    const Rect device = toDevice(Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    rects.emplace_back(device.left, device.top, device.width(), device.height());
  }
  QRegion result;
  result.setRects(rects.data(), int(rects.size()));
  return result;
}

void Surface::clear() { image_.fill(toPixel(background_)); }

Colour Surface::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width() || y >= height())
    return -1;
  return devicePixel(toDevice(x), toDevice(y));
}

Colour Surface::devicePixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
    return -1;
  return fromPixel(reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x]);
}

void Surface::setPixel(int x, int y, Colour rgb) {
  if (!unit_) {
    fillRect({x, y, x + 1, y + 1}, rgb);
    return;
  }
  if (x < 0 || y < 0 || x >= width() || y >= height())
    return;
  reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = toPixel(rgb);
}

void Surface::line(int x1, int y1, int x2, int y2, Colour rgb) {
  const int dx = x2 - x1;
  const int dy = y2 - y1;
  const int steps = std::max(std::abs(dx), std::abs(dy));
  if (steps == 0)
    return;
  const QRgb pixel = toPixel(rgb);
  // Horizontal and vertical lines: a span without the end pixel.
  if (dy == 0) {
    const int from = dx > 0 ? x1 : x2 + 1;
    fillRect({from, y1, from + steps, y1 + 1}, rgb);
    return;
  }
  if (dx == 0) {
    const int from = dy > 0 ? y1 : y2 + 1;
    fillRect({x1, from, x1 + 1, from + steps}, rgb);
    return;
  }
  // Bresenham over `steps` pixels, the start pixel first, the end pixel not.
  const int sx = dx > 0 ? 1 : -1;
  const int sy = dy > 0 ? 1 : -1;
  const int major = steps;
  const int minor = std::min(std::abs(dx), std::abs(dy));
  const bool xMajor = std::abs(dx) >= std::abs(dy);
  int x = x1;
  int y = y1;
  int error = 2 * minor - major;
  const int w = width();
  const int h = height();
  for (int i = 0; i < steps; ++i) {
    if (!unit_)
      setPixel(x, y, rgb);
    else if (x >= 0 && y >= 0 && x < w && y < h)
      reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = pixel;
    if (error > 0) {
      if (xMajor)
        y += sy;
      else
        x += sx;
      error -= 2 * major;
    }
    error += 2 * minor;
    if (xMajor)
      x += sx;
    else
      y += sy;
  }
}

void Surface::frameRect(const Rect& rect, Colour rgb) {
  if (rect.isEmpty())
    return;
  fillRect({rect.left, rect.top, rect.right, rect.top + 1}, rgb);
  fillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, rgb);
  fillRect({rect.left, rect.top, rect.left + 1, rect.bottom}, rgb);
  fillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, rgb);
}

void Surface::drawEdge(const Rect& rect, unsigned rings) {
  Rect ring = rect;
  const auto drawRing = [&](int lightIndex, int darkIndex) {
    const Colour light = SystemColors::get(lightIndex);
    const Colour dark = SystemColors::get(darkIndex);
    if (!ring.isEmpty()) {
      fillRect({ring.left, ring.top, ring.right, ring.top + 1}, light);
      fillRect({ring.left, ring.top, ring.left + 1, ring.bottom}, light);
      fillRect({ring.left, ring.bottom - 1, ring.right, ring.bottom}, dark);
      fillRect({ring.right - 1, ring.top, ring.right, ring.bottom}, dark);
    }
    ring = {ring.left + 1, ring.top + 1, ring.right - 1, ring.bottom - 1};
  };
  using namespace SystemColors;
  if (rings & RaisedOuter)
    drawRing(Light3D, DarkShadow3D);
  else if (rings & SunkenOuter)
    drawRing(ButtonShadow, ButtonHighlight);
  if (rings & RaisedInner)
    drawRing(ButtonHighlight, ButtonShadow);
  else if (rings & SunkenInner)
    drawRing(DarkShadow3D, Light3D);
}

void Surface::fillRect(const Rect& rect, Colour rgb) {
  const Rect area = deviceArea(rect);
  if (area.isEmpty())
    return;
  const QRgb pixel = toPixel(rgb);
  const qsizetype stride = image_.bytesPerLine();
  uchar* bits = image_.bits();
  for (int y = area.top; y < area.bottom; ++y)
    std::fill_n(reinterpret_cast<QRgb*>(bits + y * stride) + area.left, area.width(), pixel);
}

Rect Surface::bufferArea(const quint32* pixels, int x, int y, int width, int height) const {
  if (!pixels || width <= 0 || height <= 0)
    return {};
  return clipped({x, y, x + width, y + height}, image_.width(), image_.height());
}

void Surface::blitBottomUp32(int x, int y, int width, int height, const quint32* pixels) {
  const Rect area = bufferArea(pixels, x, y, width, height);
  if (area.isEmpty())
    return;
  const qsizetype stride = image_.bytesPerLine();
  uchar* bits = image_.bits();
  const int count = area.width();
  for (int row = area.top; row < area.bottom; ++row) {
    // Surface row `row` is buffer row (height - 1 - (row - y)).
    const quint32* source = pixels + qsizetype(height - 1 - (row - y)) * width + (area.left - x);
    QRgb* target = reinterpret_cast<QRgb*>(bits + row * stride) + area.left;
    for (int i = 0; i < count; ++i)
      target[i] = source[i] | 0xFF000000u;
  }
}

void Surface::writePixels(int x, int y, const PixelBuffer& buffer) {
  if (buffer.bitsPerPixel() == 32)
    blitBottomUp32(x, y, buffer.width(), buffer.height(), buffer.words());
  else
    buffer.writeTo(image_, x, y);
}

void Surface::fillRows(int x, int y, int width, int height, const quint32* rowPixels) {
  const Rect area = bufferArea(rowPixels, x, y, width, height);
  if (area.isEmpty())
    return;
  const qsizetype stride = image_.bytesPerLine();
  uchar* bits = image_.bits();
  for (int row = area.top; row < area.bottom; ++row)
    std::fill_n(reinterpret_cast<QRgb*>(bits + row * stride) + area.left, area.width(),
                rowPixels[row - y] | 0xFF000000u);
}

void Surface::repeatRow(int x, int y, int width, int height, const quint32* pixels) {
  const Rect area = bufferArea(pixels, x, y, width, height);
  if (area.isEmpty())
    return;
  const qsizetype stride = image_.bytesPerLine();
  uchar* bits = image_.bits();
  const quint32* source = pixels + (area.left - x);
  for (int row = area.top; row < area.bottom; ++row) {
    QRgb* target = reinterpret_cast<QRgb*>(bits + row * stride) + area.left;
    for (int i = 0; i < area.width(); ++i)
      target[i] = source[i] | 0xFF000000u;
  }
}

void Surface::blitRow(int x, int y, int count, const quint32* pixels) {
  if (!pixels || y < 0 || y >= image_.height())
    return;
  const int from = std::max(x, 0);
  const int to = std::min(x + count, image_.width());
  if (from >= to)
    return;
  const quint32* source = pixels + (from - x);
  QRgb* target = reinterpret_cast<QRgb*>(image_.scanLine(y)) + from;
  for (int i = 0; i < to - from; ++i)
    target[i] = source[i] | 0xFF000000u;
}

void Surface::setFont(const QFont& font) {
  // The faces the control asks for by name come from its own font files.
  ensureProgramFonts();
  font_ = font;
}

Rect Surface::measureText(const QString& text, const Rect& rect, unsigned flags) const {
  if (!(flags & TextCalcRect))
    return rect;
  if (text.isEmpty())
    return {rect.left, rect.top, rect.left, rect.top};
  const unsigned layoutFlags = flags & (TextWordBreak | TextRtlReading | TextNoPrefix);
  const auto& entry = TextCache::shared().get(text, font_, rect.width(), layoutFlags);
  return {rect.left, rect.top, rect.left + entry.textWidth, rect.top + entry.textHeight};
}

void Surface::drawText(const QString& text, const Rect& rect, unsigned flags) {
  if (text.isEmpty() || image_.isNull())
    return;
  const unsigned layoutFlags = flags & (TextCentre | TextWordBreak | TextRtlReading | TextNoPrefix);
  auto& entry = TextCache::shared().get(text, font_, rect.width(), layoutFlags);
  // What of the layout box can show: the rectangle on the surface, in the
  // box's device coordinates.
  const Rect onSurface = deviceArea(rect);
  if (onSurface.isEmpty())
    return;
  const Rect box = toDevice(rect);
  const QRect visible(onSurface.left - box.left, onSurface.top - box.top, onSurface.width(), onSurface.height());
  const QImage& coverage = TextCache::coverageOf(entry, visible, ratio_);
  if (coverage.isNull())
    return;

  // Blend the coverage in the text colour, clipped to the rectangle, the
  // surface and the rasterised part of the box.
  const int originX = box.left + entry.coverageOrigin.x();
  const int originY = box.top + entry.coverageOrigin.y();
  const Rect area =
      clipped({std::max(box.left, originX), std::max(box.top, originY), std::min(box.right, originX + coverage.width()),
               std::min(box.bottom, originY + coverage.height())},
              image_.width(), image_.height());
  if (area.isEmpty())
    return;
  const QRgb ink = toPixel(textColor_);
  const quint32 inkRed = qRed(ink), inkGreen = qGreen(ink), inkBlue = qBlue(ink);
  const qsizetype stride = image_.bytesPerLine();
  uchar* bits = image_.bits();
  for (int y = area.top; y < area.bottom; ++y) {
    // Only the inked columns of the row, within the area.
    const auto [first, last] = entry.inkSpans[y - originY];
    const int from = std::max(area.left, originX + first);
    const int to = std::min(area.right, originX + last);
    const uchar* alpha = coverage.constScanLine(y - originY) + (from - originX);
    QRgb* target = reinterpret_cast<QRgb*>(bits + y * stride) + from;
    for (int i = 0; i < to - from; ++i) {
      const quint32 a = alpha[i];
      if (a == 0)
        continue;
      if (a == 255) {
        target[i] = ink;
        continue;
      }
      const QRgb back = target[i];
      const quint32 rest = 255 - a;
      const quint32 red = (inkRed * a + qRed(back) * rest + 127) / 255;
      const quint32 green = (inkGreen * a + qGreen(back) * rest + 127) / 255;
      const quint32 blue = (inkBlue * a + qBlue(back) * rest + 127) / 255;
      target[i] = 0xFF000000u | (red << 16) | (green << 8) | blue;
    }
  }
}

void Surface::invertPixel(int x, int y) {
  const Rect area = deviceArea({x, y, x + 1, y + 1});
  for (int row = area.top; row < area.bottom; ++row) {
    QRgb* pixels = reinterpret_cast<QRgb*>(image_.scanLine(row));
    for (int column = area.left; column < area.right; ++column)
      pixels[column] ^= 0x00FFFFFFu;
  }
}

void Surface::drawFocusRect(const Rect& rect) {
  if (rect.isEmpty())
    return;
  const int w = width();
  const int h = height();
  auto invert = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= w || y >= h || ((x + y) & 1))
      return;
    if (!unit_) {
      invertPixel(x, y);
      return;
    }
    QRgb& pixel = reinterpret_cast<QRgb*>(image_.scanLine(y))[x];
    pixel ^= 0x00FFFFFFu;
  };
  // Top and bottom rows over the full width, then the columns between them.
  for (int x = rect.left; x < rect.right; ++x) {
    invert(x, rect.top);
    if (rect.bottom - 1 != rect.top)
      invert(x, rect.bottom - 1);
  }
  for (int y = rect.top + 1; y < rect.bottom - 1; ++y) {
    invert(rect.left, y);
    if (rect.right - 1 != rect.left)
      invert(rect.right - 1, y);
  }
}

QImage Surface::windowImage() const {
  const QRegion region = hasRegion_ ? deviceWindowRegion() : QRegion(image_.rect());
  QImage window(image_.size(), QImage::Format_ARGB32);
  window.fill(Qt::transparent);
  for (const QRect& band : region) {
    const QRect area = band.intersected(window.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
      const QRgb* source = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
      QRgb* target = reinterpret_cast<QRgb*>(window.scanLine(y));
      for (int x = area.left(); x <= area.right(); ++x)
        target[x] = source[x] | 0xFF000000u;
    }
  }
  return window;
}

void Surface::setWindowRegion(const QRegion& region) {
  setWindowRegion(region, unit_ ? QRegion() : toDeviceRegion(region));
}

void Surface::setWindowRegion(const QRegion& region, const QRegion& deviceRegion) {
  if (!unit_)
    deviceRegion_ = deviceRegion;
  if (hasRegion_ && region == region_)
    return;
  region_ = region;
  hasRegion_ = true;
  ++regionSerial_;
}

// The corner cut-outs come from the ellipse of the given size placed in each
// corner: a pixel of the corner square stays when its centre lies inside the
// ellipse grown by 3/8 pixel. In units of 1/8 pixel, with the ellipse centre
// at (ew/2, eh/2) of the corner square, everything is integer:
//   (8i + 4 - 4ew)^2 (4eh - 1)^2 + (8j + 4 - 4eh)^2 (4ew - 1)^2 <= (4ew - 1)^2 (4eh - 1)^2
// This gives the classic coverage: ellipse 3 or 4 removes the corner pixel,
// 6 to 8 two pixels on the outer row and one on the next, 10 three, two, one.
QRegion Surface::roundRectRegion(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
  if (left > right)
    std::swap(left, right);
  if (top > bottom)
    std::swap(top, bottom);
  // The region covers [left, right - 1) x [top, bottom - 1).
  const int width = right - 1 - left;
  const int height = bottom - 1 - top;
  if (width <= 0 || height <= 0)
    return {};
  const int ew = std::min(std::abs(ellipseWidth), width);
  const int eh = std::min(std::abs(ellipseHeight), height);
  if (ew < 2 || eh < 2)
    return rectRegion(left, top, right - 1, bottom - 1);

  const qint64 a = 4 * qint64(ew) - 1; // grown semi-axes, 1/8 pixel
  const qint64 b = 4 * qint64(eh) - 1;
  const qint64 limit = a * a * b * b;
  std::vector<int> cuts; // pixels cut from each side, per row from the outer one
  for (int j = 0; 2 * j + 1 < eh; ++j) {
    const qint64 dy = 8 * qint64(j) + 4 - 4 * qint64(eh);
    int cut = 0;
    while (2 * cut + 1 < ew) {
      const qint64 dx = 8 * qint64(cut) + 4 - 4 * qint64(ew);
      if (dx * dx * b * b + dy * dy * a * a <= limit)
        break;
      ++cut;
    }
    if (cut == 0)
      break;
    cuts.push_back(cut);
  }

  std::vector<QRect> bands;
  bands.reserve(2 * cuts.size() + 1);
  const int rows = int(cuts.size());
  for (int j = 0; j < rows; ++j)
    bands.emplace_back(left + cuts[j], top + j, width - 2 * cuts[j], 1);
  if (height - 2 * rows > 0)
    bands.emplace_back(left, top + rows, width, height - 2 * rows);
  for (int j = rows - 1; j >= 0; --j) {
    const int y = top + height - 1 - j;
    if (y >= top + rows) // rows shared by both corners are drawn once
      bands.emplace_back(left + cuts[j], y, width - 2 * cuts[j], 1);
  }
  std::erase_if(bands, [](const QRect& band) { return band.isEmpty(); });
  QRegion region;
  region.setRects(bands.data(), int(bands.size()));
  return region;
}

QRegion Surface::rectRegion(int left, int top, int right, int bottom) {
  return QRegion(left, top, std::max(right - left, 0), std::max(bottom - top, 0));
}

} // namespace platform
