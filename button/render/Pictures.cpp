// SPDX-License-Identifier: MIT
#include "button/render/Pictures.h"

#include "button/render/ColorKit.h"
#include "platform/PixelBuffer.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace vexa {

using platform::Picture;
using platform::PixelBuffer;
using platform::Rect;
using platform::Surface;

namespace {

// Every colour is its own nearest colour on a 32-bit surface, so the query
// the 24-bit route makes for each pixel costs nothing.
constexpr quint32 NearestColor(quint32 pixel) { return pixel; }

// The lighten and darken maps as arithmetic: lighten i = min(255, i + i x 38
// div 255) (which is i x 293 div 255), darken i = i x 217 div 255.
constexpr quint8 Lighten(int i) { return quint8(std::min(255, i + i * 38 / 255)); }
constexpr quint8 Darken(int i) { return quint8(i * 217 / 255); }

struct EffectTables {
  quint8 lighten[256];
  quint8 darken[256];
};
constexpr EffectTables StandardTables = [] {
  EffectTables tables{};
  for (int i = 0; i < 256; ++i) {
    tables.lighten[i] = Lighten(i);
    tables.darken[i] = Darken(i);
  }
  return tables;
}();

// How the channels go through the effect: through the instance's table, or,
// while that table holds the standard values (it always does unless a caller
// rewrote it), by the same arithmetic sixteen bytes at a time.
enum class EffectRule { Table, Lighten, Darken };

// What one draw call applies to every pixel, settled once per call.
struct Look {
  int opacity24 = 0; // f of the 24-bit route
  int opacity32 = 0; // o of the 32-bit route: f = alpha x o div 255
  bool grayscale = false;
  bool effect = false;           // lighten or darken
  const quint8* table = nullptr; // the effect's channel map
  EffectRule rule = EffectRule::Table;
};

Look LookOf(const ButtonPaint& paint) {
  Look look;
  // Effect by state: Hot lightens or darkens by PictureEffectOnOver, Down by
  // PictureEffectOnDown; other values than those two effects do nothing.
  const bool hot = is(paint.state, State::Hot);
  const qint32 effect = hot                            ? paint.PictureEffectOnOver
                        : is(paint.state, State::Down) ? paint.PictureEffectOnDown
                                                       : qint32(PictureEffect::None);
  look.effect = is(effect, PictureEffect::Lighten) || is(effect, PictureEffect::Darken);
  if (is(effect, PictureEffect::Lighten)) {
    look.table = paint.lightenTable ? paint.lightenTable : StandardTables.lighten;
    if (std::memcmp(look.table, StandardTables.lighten, 256) == 0)
      look.rule = EffectRule::Lighten;
  } else if (is(effect, PictureEffect::Darken)) {
    look.table = paint.darkenTable ? paint.darkenTable : StandardTables.darken;
    if (std::memcmp(look.table, StandardTables.darken, 256) == 0)
      look.rule = EffectRule::Darken;
  }

  // Disabled look: faded at a fixed 52, grayscale at three quarters of
  // PictureOpacity, invisible for other modes.
  int disabledOpacity = 0;
  if (!paint.Enabled) {
    if (is(paint.DisabledPictureMode, DisabledPictureLook::Faded)) {
      disabledOpacity = 52;
    } else if (is(paint.DisabledPictureMode, DisabledPictureLook::Grayscale)) {
      disabledOpacity = platform::roundHalfEven(paint.PictureOpacity * 0.75);
      look.grayscale = true;
    }
  }
  // The 24-bit route lets Hot win over the disabled look, the 32-bit route
  // the other way round.
  look.opacity24 = hot ? paint.PictureOpacityOnOver : paint.Enabled ? paint.PictureOpacity : disabledOpacity;
  look.opacity32 = !paint.Enabled ? disabledOpacity : hot ? paint.PictureOpacityOnOver : paint.PictureOpacity;
  return look;
}

// R x 0.3 rounded, plus G x 0.59 and B x 0.11, rounded again; ties to even
// both times (so white gives 254).
int Grayscale(int red, int green, int blue) {
  const double red3 = platform::roundHalfEven(red * 0.3);
  return platform::roundHalfEven(red3 + green * 0.59 + blue * 0.11);
}

// Pixels are composed along runs of one opacity f, byte by byte at the
// buffers' own positions: f = 0 leaves the result, f = 255 stores the source,
// anything between gives (result x (255 - f) + source x f) div 256. The
// loops are plain byte loops, which the compiler turns into vector code.
void ComposeBytes(uchar* __restrict result, const uchar* __restrict source, quint16 f, qsizetype count) {
  for (qsizetype i = 0; i < count; ++i)
    result[i] = uchar(quint16(result[i] * (255 - f) + source[i] * f) >> 8);
}

#ifdef __SSE2__
// Sixteen channel bytes through the standard lighten or darken map: widened
// to 16 bits, y div 255 taken as (y + 1 + (y >> 8)) >> 8 (exact for y below
// 65535), and packed back with saturation, which is lighten's cap at 255.
inline __m128i MapSixteen(__m128i bytes, EffectRule rule) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i one = _mm_set1_epi16(1);
  const __m128i factor = _mm_set1_epi16(rule == EffectRule::Lighten ? 38 : 217);
  const auto map = [&](__m128i x) {
    const __m128i y = _mm_mullo_epi16(x, factor);
    const __m128i quotient = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(y, one), _mm_srli_epi16(y, 8)), 8);
    return rule == EffectRule::Lighten ? _mm_add_epi16(x, quotient) : quotient;
  };
  return _mm_packus_epi16(map(_mm_unpacklo_epi8(bytes, zero)), map(_mm_unpackhi_epi8(bytes, zero)));
}
#endif

// The colour channels of `count` pixels of `bytesPerPixel` bytes through the
// effect (a fourth byte is left alone: it is never shown). The table loop is
// kept scalar: the vectoriser's emulated gather is slower than plain loads.
#if defined(__GNUC__) && !defined(__clang__)
__attribute__((optimize("no-tree-vectorize")))
#endif
void MapChannels(uchar* __restrict out, const uchar* __restrict in, const quint8* __restrict table, EffectRule rule,
                 int count, int bytesPerPixel) {
  const qsizetype bytes = qsizetype(count) * bytesPerPixel;
  qsizetype i = 0;
#ifdef __SSE2__
  if (rule != EffectRule::Table) {
    // The fourth byte of 32-bit pixels keeps what `out` holds.
    const __m128i keep = bytesPerPixel == 4 ? _mm_set1_epi32(int(0xFF000000u)) : _mm_setzero_si128();
    for (; i + 16 <= bytes; i += 16) {
      const __m128i mapped = MapSixteen(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i)), rule);
      const __m128i old = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out + i));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                       _mm_or_si128(_mm_andnot_si128(keep, mapped), _mm_and_si128(keep, old)));
    }
  }
#else
  (void)rule;
#endif
  if (bytesPerPixel == 3) {
    for (; i < bytes; ++i)
      out[i] = table[in[i]];
    return;
  }
  for (; i < bytes; i += 4) {
    out[i] = table[in[i]];
    out[i + 1] = table[in[i + 1]];
    out[i + 2] = table[in[i + 2]];
  }
}

// The colours drawn for picture pixels: the pixels themselves, through the
// effect table, their gray value, or the silhouette colour, stored into a
// row laid out like the picture's, or given as such a row.
class SourceRows {
public:
  enum Kind { Picture, Effect, Gray, Silhouette };

  SourceRows(Kind kind, const Look& look, Colour colour, int width, int bytesPerPixel)
      : kind_(kind), table_(look.table), rule_(look.rule), bytesPerPixel_(bytesPerPixel) {
    if (kind_ == Picture)
      return;
    scratch_.reset(new uchar[std::size_t(width) * bytesPerPixel]());
    if (kind_ == Silhouette) // the same row every time: B, G, R (, 0)
      for (int column = 0; column < width; ++column) {
        uchar* pixel = scratch_.get() + std::size_t(column) * bytesPerPixel;
        pixel[0] = uchar(colour >> 16);
        pixel[1] = uchar(colour >> 8);
        pixel[2] = uchar(colour);
      }
  }

  // Stores the colours of columns [from, to) at the same columns of `row`.
  void store(uchar* row, const uchar* picture, int from, int to) const {
    const qsizetype begin = qsizetype(from) * bytesPerPixel_;
    const qsizetype end = qsizetype(to) * bytesPerPixel_;
    switch (kind_) {
    case Picture:
    case Silhouette:
      std::memcpy(row + begin, (kind_ == Picture ? picture : scratch_.get()) + begin, std::size_t(end - begin));
      return;
    case Effect:
      if (rowMapped_)
        std::memcpy(row + begin, scratch_.get() + begin, std::size_t(end - begin));
      else
        MapChannels(row + begin, picture + begin, table_, rule_, to - from, bytesPerPixel_);
      return;
    case Gray:
      for (qsizetype i = begin; i < end; i += bytesPerPixel_)
        row[i] = row[i + 1] = row[i + 2] = uchar(Grayscale(picture[i + 2], picture[i + 1], picture[i]));
      return;
    }
  }

  // Called before the runs of each picture row of `width` pixels. An effect
  // done by arithmetic maps the whole row at once, sixteen bytes at a time,
  // rather than run by run (the soft edge of a shape is many short runs).
  void beginRow(const uchar* picture, int width) {
    rowMapped_ = kind_ == Effect && rule_ != EffectRule::Table;
    if (rowMapped_)
      MapChannels(scratch_.get(), picture, table_, rule_, width, bytesPerPixel_);
  }

  // A row holding the colours of columns [from, to).
  const uchar* row(const uchar* picture, int from, int to) {
    if (kind_ == Picture)
      return picture;
    if (kind_ != Silhouette && !rowMapped_)
      store(scratch_.get(), picture, from, to);
    return scratch_.get();
  }

private:
  Kind kind_;
  const quint8* table_;
  EffectRule rule_;
  int bytesPerPixel_;
  bool rowMapped_ = false;
  std::unique_ptr<uchar[]> scratch_;
};

SourceRows::Kind SourceKind(bool silhouette, const Look& look) {
  if (silhouette)
    return SourceRows::Silhouette;
  if (look.grayscale)
    return SourceRows::Gray;
  return look.effect ? SourceRows::Effect : SourceRows::Picture;
}

// A 24-bit pixel (bytes B, G, R) as the word 0x00RRGGBB; the buffers have a
// slack word, so the four-byte read of a row's last pixel stays inside.
inline quint32 Pixel24(const uchar* bytes) {
  quint32 word;
  std::memcpy(&word, bytes, 4);
  return word & 0xFFFFFFu;
}

// A colour 0x00BBGGRR as the word a 24-bit pixel reads as; colours outside
// 0..0xFFFFFF (-1, system-colour references) as a word no pixel has.
constexpr quint32 NoPixel = 0xFFFFFFFFu;
inline quint32 PixelWord(Colour colour) {
  if (colour < 0 || colour > 0xFFFFFF)
    return NoPixel;
  return quint32(colour & 0xFF) << 16 | quint32(colour & 0xFF00) | quint32(colour >> 16);
}

// The device pixels a picture drawn at logical (x, y) at its logical size
// (width x height) covers: the rectangle itself at device pixel ratio 1.
Rect DeviceArea(const Surface& surface, int x, int y, int width, int height) {
  return surface.toDevice({x, y, x + width, y + height});
}

// The part of a device area that lies on the surface: the only pixels a
// draw can change, and so the only ones it composes. A picture larger than
// its button costs what the button's area costs.
Rect OnSurface(const Surface& surface, const Rect& area) {
  return {std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, surface.deviceWidth()),
          std::min(area.bottom, surface.deviceHeight())};
}

// The image that fills the device area, and where the visible part of the
// area (`part`, inside it) starts in that image; pixels beyond the image
// read as 0.
struct DeviceSource {
  const QImage& image;
  int column = 0;
  int row = 0;
};

// The image that fills those device pixels. At ratio 1 the picture's own
// image; the high-resolution variant where it has the device size.
// Otherwise, where mask colours must stay exact, the picture's pixels
// on the device grid: each device pixel takes its logical pixel's, so the
// picture shows as at ratio 1, cut and left short alike (made into `made`
// for the visible part alone); elsewhere the picture's pixels at the device
// size (the high-resolution variant, or a smoothly scaled image, which the
// picture keeps for the next paint; a bitmap keeps the proportion of its
// image to its logical size, an icon is stretched to the area).
DeviceSource DevicePixels(const Surface& surface, int x, int y, int width, int height, const Rect& area,
                          const Rect& part, const Picture& picture, bool exactColours, QImage& made) {
  const int column = part.left - area.left;
  const int row = part.top - area.top;
  if (area.width() == width && area.height() == height)
    return {picture.image, column, row};
  if (picture.highResolution.size() == QSize(area.width(), area.height()))
    return {picture.highResolution, column, row};
  if (exactColours) {
    const QImage& image = picture.image;
    made = QImage(part.width(), part.height(), image.format());
    for (int line = 0; line < part.height(); ++line) {
      const int source = surface.toLogical(part.top + line) - y;
      const QRgb* in = source < image.height() ? reinterpret_cast<const QRgb*>(image.constScanLine(source)) : nullptr;
      QRgb* out = reinterpret_cast<QRgb*>(made.scanLine(line));
      for (int at = 0; at < part.width(); ++at) {
        const int sourceColumn = surface.toLogical(part.left + at) - x;
        out[at] = in && sourceColumn < image.width() ? in[sourceColumn] : 0;
      }
    }
    return {made};
  }
  QSize size(area.width(), area.height());
  if (picture.Type == Picture::Bitmap)
    size = QSize(platform::roundHalfEven(double(picture.image.width()) * area.width() / width),
                 platform::roundHalfEven(double(picture.image.height()) * area.height() / height));
  return {picture.pixelsAt(size.expandedTo(QSize(1, 1)), true), column, row};
}

// The device pixels of a picture rectangle that lie on the surface, where
// the drawing's work buffers go, and the image that fills them.
struct DevicePart {
  DevicePart(const Surface& surface, int x, int y, int width, int height, const Picture& picture, bool exactColours)
      : area(DeviceArea(surface, x, y, width, height)), part(OnSurface(surface, area)),
        source(part.isEmpty() ? DeviceSource{made}
                              : DevicePixels(surface, x, y, width, height, area, part, picture, exactColours, made)) {}
  DevicePart(const DevicePart&) = delete;
  DevicePart& operator=(const DevicePart&) = delete;

  QImage made; // what DevicePixels made for the part; `source` may refer to it
  const Rect area;
  const Rect part;
  const DeviceSource source;
};

// The visible part of an icon drawn over the mask colour, stretched to the
// full area (nearest pixel), as the 24-bit route reads it: the icon's pixels
// of that part are picked first, so only they are drawn. A button paints
// the same icon over the same colour on every paint, so the last one drawn
// on this thread is kept; the key is the source image's cache key, which Qt
// never hands out twice, so a changed or new image misses.
const PixelBuffer& IconOverMask(const DeviceSource& source, const Rect& area, const Rect& part, Colour maskColour) {
  struct Drawn {
    qint64 key = 0;
    Colour mask = 0;
    QSize full;
    QRect piece;
    std::optional<PixelBuffer> bits;
  };
  thread_local Drawn last;
  const QImage& icon = source.image;
  const QSize full(area.width(), area.height());
  const QRect piece(source.column, source.row, part.width(), part.height());
  if (last.bits && last.key == icon.cacheKey() && last.mask == maskColour && last.full == full && last.piece == piece)
    return *last.bits;
  QImage pixels;
  if (icon.size() == full) {
    pixels = icon.copy(piece);
  } else {
    // Row r of the area shows icon row r x icon height div area height, and
    // so on for the columns.
    const QImage straight = icon.depth() == 32 ? icon : icon.convertToFormat(QImage::Format_ARGB32);
    pixels = QImage(piece.size(), straight.format());
    for (int row = 0; row < piece.height(); ++row) {
      const auto* in = reinterpret_cast<const QRgb*>(
          straight.constScanLine(int(qint64(piece.top() + row) * straight.height() / full.height())));
      auto* out = reinterpret_cast<QRgb*>(pixels.scanLine(row));
      for (int column = 0; column < piece.width(); ++column)
        out[column] = in[qint64(piece.left() + column) * straight.width() / full.width()];
    }
  }
  last.bits.emplace(piece.width(), piece.height(), 24);
  last.bits->drawIcon(pixels, maskColour);
  last.key = icon.cacheKey();
  last.mask = maskColour;
  last.full = full;
  last.piece = piece;
  return *last.bits;
}

const platform::PicturePtr& emptyPicture() {
  static const platform::PicturePtr empty = std::make_shared<const platform::Picture>();
  return empty;
}

} // namespace

ShownPicture SelectCurrentPicture(const ButtonPaint& paint) {
  platform::PicturePtr chosen;
  if (is(paint.state, State::Down) || paint.checked())
    chosen = paint.PictureDown ? paint.PictureDown : paint.PictureHot ? paint.PictureHot : paint.PictureNormal;
  else if (is(paint.state, State::Hot))
    chosen = paint.PictureHot ? paint.PictureHot : paint.PictureNormal;
  else
    chosen = paint.PictureNormal;
  ShownPicture shown{chosen ? chosen : emptyPicture()};
  shown.width = platform::himetricToPixels(shown.picture->Width);
  shown.height = platform::himetricToPixels(shown.picture->Height);
  return shown;
}

void BuildEffectTables(ButtonRecord& rec) {
  const auto values = [](const quint8(&table)[256]) {
    EffectTable::Values copy;
    std::copy_n(table, 256, copy.begin());
    return copy;
  };
  static const EffectTable::Values lighten = values(StandardTables.lighten);
  static const EffectTable::Values darken = values(StandardTables.darken);
  rec.LightenTable.share(lighten);
  rec.DarkenTable.share(darken);
}

bool IsAlphaBitmap(const Picture& picture) { return picture.Type == Picture::Bitmap && picture.alphaBitmap; }

void DrawPicture(const ButtonPaint& paint, const ShownPicture& shown, Surface& surface, const Rect& rect,
                 Colour colour) {
  if (!shown.picture)
    return;
  const Picture& picture = *shown.picture;
  // Icons are drawn over silver, which then stands for their transparency.
  const Colour maskColour = picture.Type == Picture::Icon ? TranslateColor(0xC0C0C0) : paint.MaskColor;
  if (IsAlphaBitmap(picture))
    DrawPictureAlpha(paint, surface, rect.left, rect.top, shown.width, shown.height, picture, colour);
  else
    DrawPictureRGB(paint, surface, rect.left, rect.top, shown.width, shown.height, picture, maskColour, colour);
}

void DrawPictureRGB(const ButtonPaint& paint, Surface& surface, int x, int y, int width, int height,
                    const Picture& picture, Colour maskColour, Colour colour) {
  if (width <= 0 || height <= 0 || picture.isEmpty())
    return;
  const Look look = LookOf(paint);
  const int f = look.opacity24;
  if (f == 0) // every pixel would stay background
    return;

  const DevicePart device(surface, x, y, width, height, picture, paint.UseMaskColor && picture.Type == Picture::Bitmap);
  const Rect& part = device.part;
  if (part.isEmpty())
    return;
  const DeviceSource& source = device.source;
  x = part.left;
  y = part.top;
  width = part.width();
  height = part.height();

  // B: the picture; an icon over the mask colour, so that its transparent
  // area becomes that colour. A: the surface under it.
  std::optional<PixelBuffer> bitmapBits;
  if (picture.Type == Picture::Bitmap)
    bitmapBits.emplace(width, height, 24).readFrom(source.image, source.column, source.row);
  const PixelBuffer& pictureBits = bitmapBits ? *bitmapBits : IconOverMask(source, device.area, part, maskColour);
  PixelBuffer result(width, height, 24);
  surface.readPixels(x, y, result);

  // Pixels whose nearest colour is the comparison colour stay background;
  // -1 (UseMaskColor False) matches none.
  const quint32 compare = PixelWord(paint.UseMaskColor ? maskColour : -1);
  SourceRows sources(SourceKind(colour >= 0, look), look, colour, width, 3);
  // One opacity for the call: each row is composed as runs of shown pixels
  // between transparent ones.
  for (int row = 0; row < height; ++row) {
    uchar* target = result.bits() + result.offset(row, 0);
    const uchar* pixels = pictureBits.bits() + pictureBits.offset(row, 0);
    sources.beginRow(pixels, width);
    for (int column = 0; column < width;) {
      while (column < width && NearestColor(Pixel24(pixels + 3 * column)) == compare)
        ++column;
      const int start = column;
      while (column < width && NearestColor(Pixel24(pixels + 3 * column)) != compare)
        ++column;
      if (start == column)
        continue;
      if (f == 255)
        sources.store(target, pixels, start, column);
      else
        ComposeBytes(target + 3 * start, sources.row(pixels, start, column) + 3 * start, quint16(f),
                     qsizetype(column - start) * 3);
    }
  }
  surface.writePixels(x, y, result);
}

void DrawPictureAlpha(const ButtonPaint& paint, Surface& surface, int x, int y, int width, int height,
                      const Picture& picture, Colour colour) {
  if (width <= 0 || height <= 0 || picture.isEmpty())
    return;
  const Look look = LookOf(paint);
  const quint32 o = quint32(look.opacity32);
  if (o == 0) // every pixel's opacity would be 0
    return;

  const DevicePart device(surface, x, y, width, height, picture, false);
  const Rect& part = device.part;
  if (part.isEmpty())
    return;
  const DeviceSource& source = device.source;
  x = part.left;
  y = part.top;
  width = part.width();
  height = part.height();

  PixelBuffer pictureBits(width, height, 32);
  pictureBits.readFrom(source.image, source.column, source.row);
  PixelBuffer result(width, height, 32);
  surface.readPixels(x, y, result);

  // Each pixel's opacity is alpha x o div 255: the alpha channel alone
  // decides transparency. Rows are composed as runs of one alpha value. The
  // fourth byte of a result pixel is never shown (the write-back ignores it),
  // so it is not kept apart from the colour bytes.
  SourceRows sources(SourceKind(colour != -1, look), look, colour, width, 4);
  for (int row = 0; row < height; ++row) {
    uchar* target = result.bits() + result.offset(row, 0);
    const uchar* pixels = pictureBits.bits() + pictureBits.offset(row, 0);
    sources.beginRow(pixels, width);
    for (int column = 0; column < width;) {
      const uchar alpha = pixels[4 * column + 3];
      const int start = column;
      while (++column < width && pixels[4 * column + 3] == alpha) {
      }
      const quint32 f = o == 255 ? alpha : alpha * o / 255;
      if (f == 0)
        continue;
      if (f == 255) {
        sources.store(target, pixels, start, column);
        continue;
      }
      const qsizetype bytes = qsizetype(column - start) * 4;
      const uchar* source = sources.row(pixels, start, column) + 4 * start;
      uchar* out = target + 4 * start;
      if (bytes <= 8) // the soft edge of a shape: a pixel or two
        for (qsizetype i = 0; i < bytes; ++i)
          out[i] = uchar((out[i] * (255 - f) + source[i] * f) >> 8);
      else
        ComposeBytes(out, source, quint16(f), bytes);
    }
  }
  surface.writePixels(x, y, result);
}

void DrawPictureShadow(const ButtonPaint& paint, const ShownPicture& shown, Surface& surface, const Rect& rect) {
  const Colour base = MixColors(TranslateColor(0x808080), TranslateColor(paint.BackColor));
  // Outer, lighter shadow; inner, darker shadow; the picture on top.
  DrawPicture(paint, shown, surface, rect.translated(2, 2), ShiftColor(base, 0.05f));
  DrawPicture(paint, shown, surface, rect.translated(1, 1), ShiftColor(base, -0.1f));
  DrawPicture(paint, shown, surface, rect, -1);
}

void DrawPicturePushOnHover(const ButtonPaint& paint, const ShownPicture& shown, Surface& surface, const Rect& rect) {
  DrawPicture(paint, shown, surface, rect, TranslateColor(0xC0C0C0));
  DrawPicture(paint, shown, surface, rect.translated(-2, -2), -1);
}

} // namespace vexa
