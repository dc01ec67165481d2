#include "button/services/Pictures.h"

#include "button/render/ColorKit.h"
#include "platform/PixelBuffer.h"

#include <algorithm>
#include <array>

namespace vexa {

using platform::Picture;
using platform::PixelBuffer;
using platform::Rect;
using platform::Surface;

namespace {

// Every colour is its own nearest colour on a 32-bit surface, so the query
// the 24-bit route makes for each pixel costs nothing.
constexpr Colour NearestColor(Colour rgb) { return rgb; }

constexpr std::array<quint8, 256> IdentityTable = [] {
  std::array<quint8, 256> table{};
  for (int i = 0; i < 256; ++i)
    table[i] = quint8(i);
  return table;
}();

// What one draw call applies to every pixel, settled once per call.
struct Look {
  int opacity24 = 0; // f of the 24-bit route
  int opacity32 = 0; // o of the 32-bit route: f = alpha x o div 255
  bool grayscale = false;
  bool effect = false;                        // lighten or darken
  const quint8* table = IdentityTable.data(); // the effect's channel map
};

Look LookOf(const ButtonRecord& rec) {
  Look look;
  // Effect by state: Hot lightens or darkens by PictureEffectOnOver, Down by
  // PictureEffectOnDown; 1 lighten, 2 darken, other values none.
  const qint32 effect = rec.ButtonState == ButtonRecord::Hot    ? rec.PictureEffectOnOver
                        : rec.ButtonState == ButtonRecord::Down ? rec.PictureEffectOnDown
                                                                : 0;
  look.effect = effect == 1 || effect == 2;
  if (effect == 1)
    look.table = rec.LightenTable.data();
  else if (effect == 2)
    look.table = rec.DarkenTable.data();

  // Disabled look: mode 0 faded at a fixed 52, mode 1 grayscale at three
  // quarters of PictureOpacity, other modes invisible.
  int disabledOpacity = 0;
  if (!rec.Enabled) {
    if (rec.DisabledPictureMode == 0) {
      disabledOpacity = 52;
    } else if (rec.DisabledPictureMode == 1) {
      disabledOpacity = platform::roundHalfEven(rec.PictureOpacity * 0.75);
      look.grayscale = true;
    }
  }
  // The 24-bit route lets Hot win over the disabled look, the 32-bit route
  // the other way round.
  const bool hot = rec.ButtonState == ButtonRecord::Hot;
  look.opacity24 = hot ? rec.PictureOpacityOnOver : rec.Enabled ? rec.PictureOpacity : disabledOpacity;
  look.opacity32 = !rec.Enabled ? disabledOpacity : hot ? rec.PictureOpacityOnOver : rec.PictureOpacity;
  return look;
}

// One channel: (background x (255 - f) + source x f) div 256.
inline uchar Blend(int background, int source, int f) { return uchar((background * (255 - f) + source * f) >> 8); }

// R x 0.3 rounded, plus G x 0.59 and B x 0.11, rounded again; ties to even
// both times (so white gives 254).
int Grayscale(int red, int green, int blue) {
  const double red3 = platform::roundHalfEven(red * 0.3);
  return platform::roundHalfEven(red3 + green * 0.59 + blue * 0.11);
}

// The colour a picture pixel (bytes B, G, R) is drawn in.
struct Channels {
  int blue;
  int green;
  int red;
};
struct Silhouette {
  explicit Silhouette(Colour colour) : channels{(colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF} {}
  Channels operator()(const uchar*) const { return channels; }
  Channels channels;
};
struct Gray {
  Channels operator()(const uchar* pixel) const {
    const int gray = Grayscale(pixel[2], pixel[1], pixel[0]);
    return {gray, gray, gray};
  }
};
struct Mapped { // through an effect table (or the identity)
  Channels operator()(const uchar* pixel) const { return {table[pixel[0]], table[pixel[1]], table[pixel[2]]}; }
  const quint8* table;
};

// What happens to the fourth byte of a 32-bit result pixel drawn opaquely.
enum class FourthByte { Keep, Zero, Copy };

// Composes picture buffer B into result buffer A, pixel by pixel at the same
// byte positions: opacity f = opacityOf(B pixel); 0 leaves A, 255 stores the
// source's channels, anything between blends each channel.
template <int Bytes, FourthByte Fourth, class Opacity, class Source>
void Compose(PixelBuffer& result, const PixelBuffer& picture, Opacity opacityOf, Source source) {
  for (int row = 0; row < result.height(); ++row) {
    uchar* target = result.bits() + result.offset(row, 0);
    const uchar* pixel = picture.bits() + picture.offset(row, 0);
    for (int column = 0; column < result.width(); ++column, target += Bytes, pixel += Bytes) {
      const int f = opacityOf(pixel);
      if (f == 0)
        continue;
      const Channels c = source(pixel);
      if (f == 255) {
        target[0] = uchar(c.blue);
        target[1] = uchar(c.green);
        target[2] = uchar(c.red);
        if constexpr (Fourth == FourthByte::Zero)
          target[3] = 0;
        else if constexpr (Fourth == FourthByte::Copy)
          target[3] = pixel[3];
      } else {
        target[0] = Blend(target[0], c.blue, f);
        target[1] = Blend(target[1], c.green, f);
        target[2] = Blend(target[2], c.red, f);
      }
    }
  }
}

const platform::PicturePtr& emptyPicture() {
  static const platform::PicturePtr empty = std::make_shared<const platform::Picture>();
  return empty;
}

} // namespace

platform::PicturePtr CurrentPicture(const ButtonRecord& rec) {
  platform::PicturePtr chosen;
  if (rec.ButtonState == ButtonRecord::Down || (rec.Mode != 0 && rec.Value))
    chosen = rec.PictureDown ? rec.PictureDown : rec.PictureHot ? rec.PictureHot : rec.PictureNormal;
  else if (rec.ButtonState == ButtonRecord::Hot)
    chosen = rec.PictureHot ? rec.PictureHot : rec.PictureNormal;
  else
    chosen = rec.PictureNormal;
  return chosen ? chosen : emptyPicture();
}

void SelectCurrentPicture(ButtonRecord& rec) {
  rec.CurrentPicture = CurrentPicture(rec);
  rec.PictureWidth = platform::himetricToPixels(rec.CurrentPicture->Width);
  rec.PictureHeight = platform::himetricToPixels(rec.CurrentPicture->Height);
}

void BuildEffectTables(ButtonRecord& rec) {
  for (int i = 0; i < 256; ++i) {
    rec.LightenTable[i] = quint8(std::min(255, i * 293 / 255));
    rec.DarkenTable[i] = quint8(i * 217 / 255);
  }
}

bool IsAlphaBitmap(const Picture& picture) { return picture.Type == Picture::Bitmap && picture.alphaBitmap; }

void DrawPicture(ButtonRecord& rec, Surface& surface, const Rect& rect, Colour colour) {
  if (!rec.CurrentPicture)
    return;
  const Picture& picture = *rec.CurrentPicture;
  // Icons are drawn over silver, which then stands for their transparency.
  const Colour maskColour = picture.Type == Picture::Icon ? TranslateColor(0xC0C0C0) : rec.MaskColor;
  if (IsAlphaBitmap(picture))
    DrawPictureAlpha(rec, surface, rect.left, rect.top, rec.PictureWidth, rec.PictureHeight, picture, colour);
  else
    DrawPictureRGB(rec, surface, rect.left, rect.top, rec.PictureWidth, rec.PictureHeight, picture, maskColour, colour);
}

void DrawPictureRGB(const ButtonRecord& rec, Surface& surface, int x, int y, int width, int height,
                    const Picture& picture, Colour maskColour, Colour colour) {
  if (width <= 0 || height <= 0 || picture.isEmpty())
    return;
  const Look look = LookOf(rec);
  const int f = look.opacity24;
  if (f == 0) // every pixel would stay background
    return;

  // B: the picture; an icon over the mask colour, so that its transparent
  // area becomes that colour. A: the surface under it.
  PixelBuffer pictureBits(width, height, 24);
  if (picture.Type == Picture::Bitmap)
    pictureBits.readFrom(picture.image, 0, 0);
  else
    pictureBits.drawIcon(picture.image, maskColour);
  PixelBuffer result(width, height, 24);
  surface.readPixels(x, y, result);

  // Pixels of the comparison colour stay background; -1 matches none.
  const Colour compare = rec.UseMaskColor ? maskColour : -1;
  const auto opacityOf = [compare, f](const uchar* pixel) {
    const Colour rgb = Colour(pixel[2]) | Colour(pixel[1]) << 8 | Colour(pixel[0]) << 16;
    return NearestColor(rgb) == compare ? 0 : f;
  };
  if (colour >= 0)
    Compose<3, FourthByte::Keep>(result, pictureBits, opacityOf, Silhouette(colour));
  else if (look.grayscale)
    Compose<3, FourthByte::Keep>(result, pictureBits, opacityOf, Gray{});
  else
    Compose<3, FourthByte::Keep>(result, pictureBits, opacityOf, Mapped{look.table});
  surface.writePixels(x, y, result);
}

void DrawPictureAlpha(const ButtonRecord& rec, Surface& surface, int x, int y, int width, int height,
                      const Picture& picture, Colour colour) {
  if (width <= 0 || height <= 0 || picture.isEmpty())
    return;
  const Look look = LookOf(rec);
  const int o = look.opacity32;
  if (o == 0) // every pixel's opacity would be 0
    return;

  PixelBuffer pictureBits(width, height, 32);
  pictureBits.readFrom(picture.image, 0, 0);
  PixelBuffer result(width, height, 32);
  surface.readPixels(x, y, result);

  // The alpha channel alone decides transparency.
  const auto opacityOf = [o](const uchar* pixel) { return pixel[3] * o / 255; };
  if (colour != -1)
    Compose<4, FourthByte::Zero>(result, pictureBits, opacityOf, Silhouette(colour));
  else if (look.grayscale)
    Compose<4, FourthByte::Keep>(result, pictureBits, opacityOf, Gray{});
  else if (look.effect)
    Compose<4, FourthByte::Keep>(result, pictureBits, opacityOf, Mapped{look.table});
  else // an opaque pixel is stored whole, alpha included
    Compose<4, FourthByte::Copy>(result, pictureBits, opacityOf, Mapped{IdentityTable.data()});
  surface.writePixels(x, y, result);
}

void DrawPictureShadow(ButtonRecord& rec, Surface& surface) {
  const Colour base = MixColors(TranslateColor(0x808080), TranslateColor(rec.BackColor));
  // Outer, lighter shadow; inner, darker shadow; the picture on top.
  DrawPicture(rec, surface, rec.PictureRect.translated(2, 2), ShiftColor(base, 0.05f));
  DrawPicture(rec, surface, rec.PictureRect.translated(1, 1), ShiftColor(base, -0.1f));
  DrawPicture(rec, surface, rec.PictureRect, -1);
}

void DrawPicturePushOnHover(ButtonRecord& rec, Surface& surface) {
  DrawPicture(rec, surface, rec.PictureRect, TranslateColor(0xC0C0C0));
  DrawPicture(rec, surface, rec.PictureRect.translated(-2, -2), -1);
}

} // namespace vexa
