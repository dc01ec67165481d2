// SPDX-License-Identifier: MIT
// Picture composition on the surface: opacity, mask colour, effects, the
// disabled looks, icons, alpha bitmaps, push-on-hover and shadow.
#include "RenderSupport.h"

#include "button/render/ColorKit.h"
#include "button/render/Pictures.h"
#include "button/render/Redraw.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vexa;
using platform::Colour;
using platform::Picture;
using platform::PicturePtr;

namespace {

// The three ways a picture reaches the surface.
enum class Route { Rgb, Alpha, Icon };
const char* nameOf(Route route) { return route == Route::Rgb ? "24-bit" : route == Route::Alpha ? "32-bit" : "icon"; }

QRgb toQRgb(Colour colour, int alpha = 255) {
  return qRgba(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF, alpha);
}

// A picture whose pixel (x, y) has colourAt(x, y) (0x00BBGGRR) and, for the
// 32-bit route and icons, alphaAt(x, y).
PicturePtr makePicture(
    Route route, int width, int height, const std::function<Colour(int, int)>& colourAt,
    const std::function<int(int, int)>& alphaAt = [](int, int) { return 255; }) {
  QImage image(width, height, route == Route::Rgb ? QImage::Format_RGB32 : QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, toQRgb(colourAt(x, y), route == Route::Rgb ? 255 : alphaAt(x, y)));
  return Picture::fromImage(image, route == Route::Icon ? Picture::Icon : Picture::Bitmap);
}

PicturePtr solid(Route route, Colour colour, int alpha = 255, int size = 4) {
  return makePicture(
      route, size, size, [colour](int, int) { return colour; }, [alpha](int, int) { return alpha; });
}

Colour gray(int level) { return level | level << 8 | level << 16; }

// A surface filled with one background colour and a paint with a new
// instance's picture settings, in a style whose pressed content stays put.
struct Canvas {
  platform::Surface surface;
  ButtonPaint paint;
  explicit Canvas(Colour background, int width = 20, int height = 12) : surface(width, height) {
    surface.fillRect({0, 0, width, height}, background);
    paint.ButtonStyle = qint32(Style::RoundedGradient);
  }
  // Draws `picture` as the current picture at (x, y).
  void draw(const PicturePtr& picture, int x = 2, int y = 2, Colour colour = -1) {
    paint.PictureNormal = picture;
    DrawPicture(paint, SelectCurrentPicture(paint), surface, {x, y, x, y}, colour);
  }
  // The content pass of the paint.
  void content() {
    PaintResult result;
    DrawCaptionAndPicture(paint, paint.ForeColor, surface, result);
  }
  Colour at(int x, int y) const { return surface.pixel(x, y); }
};

} // namespace

TEST(PictureOpacity, ExactAtFullBlendedByDiv256NothingAtZero) {
  for (Route route : {Route::Rgb, Route::Alpha}) {
    SCOPED_TRACE(nameOf(route));
    // 255 reproduces every pixel, the row order and the last column included.
    const auto colourAt = [](int x, int y) { return Colour(x * 40 | (y * 60) << 8 | (200 - x * 10 - y) << 16); };
    Canvas full(0x000000);
    full.draw(makePicture(route, 5, 3, colourAt));
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x)
        ASSERT_EQ(full.at(2 + x, 2 + y), colourAt(x, y)) << x << "," << y;
    EXPECT_EQ(full.at(7, 2), 0x000000);
    EXPECT_EQ(full.at(2, 5), 0x000000);

    // 254: white on black gives 253 (255 x 254 div 256).
    Canvas almost(0x000000);
    almost.paint.PictureOpacity = 254;
    almost.draw(solid(route, 0xFFFFFF));
    EXPECT_EQ(almost.at(3, 3), gray(253));

    // 0: nothing, the silhouette included.
    Canvas none(0x102030);
    none.paint.PictureOpacity = 0;
    none.draw(solid(route, 0xFFFFFF));
    none.draw(solid(route, 0xFFFFFF), 2, 2, 0x0000FF);
    EXPECT_EQ(none.at(3, 3), 0x102030);

    // Hot draws at PictureOpacityOnOver, whatever PictureOpacity holds.
    none.paint.state = qint32(State::Hot);
    none.paint.PictureOpacityOnOver = 254;
    none.draw(solid(route, 0xFFFFFF));
    EXPECT_EQ(none.at(3, 3), gray(253));
  }
}

TEST(PictureOpacity, AlphaBitmapScalesEachPixelsAlpha) {
  // f = alpha x o div 255 on runs of one alpha value of every length.
  const int alphas[] = {0, 255, 255, 128, 128, 128, 64, 0, 200, 200, 1, 255};
  const int width = int(std::size(alphas));
  const auto colourAt = [](int x, int) { return Colour(0x10 * x | (0xF0 - 0x08 * x) << 8 | 0x80 << 16); };
  for (int opacity : {255, 128}) {
    Canvas canvas(0x203040, 20, 6);
    canvas.paint.PictureOpacity = quint8(opacity);
    canvas.draw(makePicture(Route::Alpha, width, 2, colourAt, [&](int x, int) { return alphas[x]; }));
    for (int x = 0; x < width; ++x) {
      const int f = alphas[x] * opacity / 255;
      Colour expected = 0;
      for (int shift : {0, 8, 16}) {
        const int source = (colourAt(x, 0) >> shift) & 0xFF;
        const int background = (0x203040 >> shift) & 0xFF;
        const int value = f == 0 ? background : f == 255 ? source : (background * (255 - f) + source * f) / 256;
        expected |= value << shift;
      }
      EXPECT_EQ(canvas.at(2 + x, 3), expected) << "opacity " << opacity << " column " << x;
    }
  }
}

TEST(PictureEffect, LightenWhileHotDarkenWhileDownNoneWhileNormal) {
  const struct {
    qint32 state;
    qint32 effect;
    int channel;
    int expected;
  } cases[] = {
      {qint32(State::Hot), 1, 128, 147},    {qint32(State::Hot), 1, 222, 255},    {qint32(State::Hot), 1, 221, 253},
      {qint32(State::Down), 2, 255, 217},   {qint32(State::Down), 2, 128, 108},   {qint32(State::Hot), 3, 128, 128},
      {qint32(State::Normal), 1, 128, 128}, {qint32(State::Normal), 2, 128, 128},
  };
  for (Route route : {Route::Rgb, Route::Alpha, Route::Icon})
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << nameOf(route) << " state " << c.state << " effect " << c.effect);
      Canvas canvas(0x000000);
      canvas.paint.state = c.state;
      canvas.paint.PictureEffectOnOver = c.effect;
      canvas.paint.PictureEffectOnDown = c.effect;
      // Each channel on its own, so red, green and blue all go through the table.
      canvas.draw(solid(route, c.channel));
      canvas.draw(solid(route, c.channel << 8), 8, 2);
      canvas.draw(solid(route, c.channel << 16), 14, 2);
      EXPECT_EQ(canvas.at(3, 3), c.expected);
      EXPECT_EQ(canvas.at(9, 3), c.expected << 8);
      EXPECT_EQ(canvas.at(15, 3), c.expected << 16);
    }
}

TEST(PictureEffect, EveryChannelValueMapsThroughTheInstanceTable) {
  // A row holding each channel value in red, green and blue at different
  // columns, long enough for the sixteen-byte steps and their tail; the
  // instance's table decides, also when a caller rewrote it.
  const auto colourAt = [](int x, int) { return Colour(x | (255 - x) << 8 | (x * 7 % 256) << 16); };
  for (Route route : {Route::Rgb, Route::Alpha, Route::Icon})
    for (int effect : {1, 2, 0}) {
      SCOPED_TRACE(testing::Message() << nameOf(route) << " effect " << effect);
      Canvas canvas(0x000000, 260, 3);
      canvas.paint.state = qint32(State::Hot);
      canvas.paint.PictureEffectOnOver = effect == 0 ? 1 : effect;
      ButtonRecord instance;
      BuildEffectTables(instance);
      if (effect == 0) // a rewritten lighten table: every value inverted
        for (int i = 0; i < 256; ++i)
          instance.LightenTable[i] = quint8(255 - i);
      canvas.paint.lightenTable = instance.LightenTable.data();
      canvas.paint.darkenTable = instance.DarkenTable.data();
      const auto& table = effect == 2 ? instance.DarkenTable : instance.LightenTable;
      canvas.draw(makePicture(route, 256, 1, colourAt), 1, 1);
      for (int x = 0; x < 256; ++x) {
        const Colour c = colourAt(x, 0);
        const Colour expected = table[c & 0xFF] | table[(c >> 8) & 0xFF] << 8 | table[c >> 16] << 16;
        ASSERT_EQ(canvas.at(1 + x, 1), expected) << "column " << x;
      }
    }
}

TEST(PictureDisabled, FadedAtFiftyTwoGrayscaleAtThreeQuartersOrNothing) {
  // White pictures on black: the result shows the opacity used.
  const struct {
    qint32 mode;
    int opacity;
    qint32 state;
    Route route;
    int expected;
  } cases[] = {
      {0, 255, qint32(State::Normal), Route::Rgb, 255 * 52 / 256},
      {0, 10, qint32(State::Normal), Route::Rgb, 255 * 52 / 256},   // PictureOpacity ignored
      {0, 10, qint32(State::Normal), Route::Alpha, 255 * 52 / 256}, //
      {1, 255, qint32(State::Normal), Route::Rgb, 254 * 191 / 256}, // gray 254 at 191
      {1, 255, qint32(State::Normal), Route::Alpha, 254 * 191 / 256},
      {1, 100, qint32(State::Normal), Route::Rgb, 254 * 75 / 256},  // 75 = 100 x 0.75
      {1, 254, qint32(State::Normal), Route::Rgb, 254 * 190 / 256}, // 190.5 rounds to even
      {2, 255, qint32(State::Normal), Route::Rgb, 0},
      {-1, 255, qint32(State::Normal), Route::Alpha, 0},
      // Hot: the 24-bit route takes PictureOpacityOnOver (255 here, so the
      // gray value itself shows), the 32-bit route keeps the disabled look.
      {1, 255, qint32(State::Hot), Route::Rgb, 254},
      {0, 255, qint32(State::Hot), Route::Rgb, 255},
      {0, 255, qint32(State::Hot), Route::Alpha, 255 * 52 / 256},
      {2, 255, qint32(State::Hot), Route::Alpha, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << nameOf(c.route) << " mode " << c.mode << " opacity " << c.opacity << " state "
                                    << c.state);
    Canvas canvas(0x000000);
    canvas.paint.Enabled = false;
    canvas.paint.DisabledPictureMode = c.mode;
    canvas.paint.PictureOpacity = quint8(c.opacity);
    canvas.paint.state = c.state;
    canvas.draw(solid(c.route, 0xFFFFFF));
    EXPECT_EQ(canvas.at(3, 3), gray(c.expected));
  }
}

TEST(PictureDisabled, GrayscaleRoundsTiesToEvenTwice) {
  // Hot and disabled in mode 1 on the 24-bit route draws the gray value
  // unblended (PictureOpacityOnOver 255).
  const struct {
    Colour colour;
    int gray;
  } cases[] = {
      {0xFFFFFF, 254}, // 76.5 -> 76, then 254.5 -> 254
      {0x00000F, 4},   // red 15: 4.5 -> 4
      {0x000005, 2},   // red 5: 1.5 -> 2
      {0x00FF00, 150}, // green only: 150.45
      {0xFF0000, 28},  // blue only: 28.05
      {0x1EC80A, 124}, // 3 + 118 + 3.3
  };
  for (const auto& c : cases) {
    Canvas canvas(0x000000);
    canvas.paint.Enabled = false;
    canvas.paint.DisabledPictureMode = 1;
    canvas.paint.state = qint32(State::Hot);
    canvas.draw(solid(Route::Rgb, c.colour));
    EXPECT_EQ(canvas.at(3, 3), gray(c.gray)) << std::hex << c.colour;
  }
}

TEST(PictureRgbRoute, EveryColumnExactForOddWidths) {
  // 24-bit rows are padded to 4 bytes (width 5: 16 bytes); a wrong stride
  // shears the rows. The mask colour sits on the diagonal.
  for (int width : {1, 2, 3, 5, 7})
    for (int opacity : {255, 128}) {
      SCOPED_TRACE(testing::Message() << "width " << width << " opacity " << opacity);
      const int height = 4;
      const auto colourAt = [](int x, int y) {
        return x == y ? Colour(0xE0E0E0) : Colour((x * 30 + 5) | (y * 50 + 7) << 8 | (x * 7 + y * 11) << 16);
      };
      Canvas canvas(0x336699);
      canvas.paint.PictureOpacity = quint8(opacity);
      canvas.draw(makePicture(Route::Rgb, width, height, colourAt), 3, 1);
      for (int y = -1; y <= height; ++y)
        for (int x = -1; x <= width; ++x) {
          Colour expected = 0x336699;
          if (x >= 0 && y >= 0 && x < width && y < height && x != y) {
            const Colour c = colourAt(x, y);
            expected = 0;
            for (int shift : {0, 8, 16}) {
              const int source = (c >> shift) & 0xFF;
              const int background = (0x336699 >> shift) & 0xFF;
              expected |= (opacity == 255 ? source : (background * (255 - opacity) + source * opacity) / 256) << shift;
            }
          }
          ASSERT_EQ(canvas.at(3 + x, 1 + y), expected) << x << "," << y;
        }
    }
}

TEST(PictureRgbRoute, MaskColourAsStoredMatchesOnlyWhileUsed) {
  const auto picture = makePicture(Route::Rgb, 2, 1, [](int x, int) { return x == 0 ? 0x00FF00 : 0x0000FF; });
  const struct {
    bool use;
    qint32 mask;
    Colour first;
  } cases[] = {
      {true, 0x00FF00, 0x102030},            // masked: background
      {false, 0x00FF00, 0x00FF00},           // not used
      {true, qint32(0x8000FF00u), 0x00FF00}, // a system-colour reference is not translated
  };
  for (const auto& c : cases) {
    Canvas canvas(0x102030);
    canvas.paint.UseMaskColor = c.use;
    canvas.paint.MaskColor = c.mask;
    canvas.draw(picture);
    EXPECT_EQ(canvas.at(2, 2), c.first) << c.use << " " << std::hex << c.mask;
    EXPECT_EQ(canvas.at(3, 2), 0x0000FF);
  }
}

TEST(PictureIconRoute, TransparentAreaIsSilverUnlessTheMaskIsUsed) {
  // Left column transparent, right column opaque green.
  const auto icon = makePicture(
      Route::Icon, 2, 2, [](int, int) { return 0x00FF00; }, [](int x, int) { return x == 0 ? 0 : 255; });
  for (bool use : {false, true}) {
    Canvas canvas(0x102030);
    canvas.paint.UseMaskColor = use;
    canvas.paint.MaskColor = 0x00FF00; // never consulted for icons
    canvas.draw(icon);
    EXPECT_EQ(canvas.at(2, 2), use ? 0x102030 : 0xC0C0C0) << use;
    EXPECT_EQ(canvas.at(3, 3), 0x00FF00) << use;
  }

  // Icons of one size drawn in turn each show their own pixels.
  Canvas canvas(0x102030);
  canvas.paint.UseMaskColor = false;
  for (const auto& [picture, colour] :
       {std::pair{icon, 0xC0C0C0}, {solid(Route::Icon, 0x0000FF, 255, 2), 0x0000FF}, {icon, 0xC0C0C0}}) {
    canvas.draw(picture);
    EXPECT_EQ(canvas.at(2, 2), colour);
  }
}

TEST(PictureAlphaRoute, AlphaAloneDecidesTransparency) {
  // A transparent and an opaque pixel, both in the mask colour.
  const auto picture = makePicture(
      Route::Alpha, 2, 1, [](int, int) { return 0xE0E0E0; }, [](int x, int) { return x == 0 ? 0 : 255; });
  Canvas canvas(0x102030);
  canvas.draw(picture);
  EXPECT_EQ(canvas.at(2, 2), 0x102030);
  EXPECT_EQ(canvas.at(3, 2), 0xE0E0E0);

  // All alpha bytes 0: nothing at all, not even a silhouette.
  Canvas clear(0x102030);
  clear.draw(solid(Route::Alpha, 0xFFFFFF, 0));
  clear.draw(solid(Route::Alpha, 0xFFFFFF, 0), 2, 2, 0x0000FF);
  for (int x = 2; x < 6; ++x)
    EXPECT_EQ(clear.at(x, 3), 0x102030);
}

TEST(PictureRoutes, ClippedAtEverySurfaceEdge) {
  for (Route route : {Route::Rgb, Route::Alpha, Route::Icon}) {
    SCOPED_TRACE(nameOf(route));
    Canvas canvas(0x000000, 6, 5);
    const auto picture = solid(route, 0x0000FF, 255, 4);
    canvas.draw(picture, -2, -2);
    canvas.draw(picture, 4, 3);
    canvas.draw(picture, 100, -100);
    EXPECT_EQ(canvas.at(0, 0), 0x0000FF);
    EXPECT_EQ(canvas.at(1, 1), 0x0000FF);
    EXPECT_EQ(canvas.at(2, 2), 0x000000);
    EXPECT_EQ(canvas.at(3, 3), 0x000000);
    EXPECT_EQ(canvas.at(4, 3), 0x0000FF);
    EXPECT_EQ(canvas.at(5, 4), 0x0000FF);
  }
}

// Only the part of a picture that lies on the surface is composed: a
// picture far larger than the button, drawn up and left of it, shows the
// same pixels as its visible part drawn at the corner, hot with the lighten
// effect too, and on the device grid of a finer surface (the mask colour's
// route keeps each logical pixel's colour there).
TEST(PictureRoutes, APictureLargerThanTheSurfaceShowsWhatItsVisiblePartShows) {
  const auto colourAt = [](int x, int y) { return Colour(((x * 7) & 0xFF) | ((y * 11) & 0xFF) << 8 | 0x40 << 16); };
  const auto alphaAt = [](int x, int y) { return (x + y) % 5 == 0 ? 0 : (x * y) % 3 == 0 ? 255 : 128; };
  for (Route route : {Route::Rgb, Route::Alpha, Route::Icon})
    for (qreal ratio : {1.0, 1.5})
      for (bool hot : {false, true}) {
        if (ratio != 1 && route != Route::Rgb)
          continue; // others are scaled smoothly at the device size: no cut-out equals them
        SCOPED_TRACE(std::string(nameOf(route)) + (hot ? " hot" : "") + " at ratio " + std::to_string(ratio));
        const auto large = makePicture(route, 60, 40, colourAt, alphaAt);
        const auto part = makePicture(
            route, 20, 12, [&](int x, int y) { return colourAt(x + 9, y + 7); },
            [&](int x, int y) { return alphaAt(x + 9, y + 7); });
        Canvas whole(0x204060);
        Canvas cut(0x204060);
        for (Canvas* canvas : {&whole, &cut}) {
          canvas->surface.setDevicePixelRatio(ratio);
          canvas->surface.fillRect({0, 0, 20, 12}, 0x204060);
          canvas->paint.MaskColor = 0x400000 | 12 * 7 | (9 * 11) << 8; // at (12, 9) of the large one
          canvas->paint.state = qint32(hot ? State::Hot : State::Normal);
          canvas->paint.PictureEffectOnOver = qint32(PictureEffect::Lighten);
          canvas->paint.PictureOpacityOnOver = 200;
        }
        whole.draw(large, -9, -7);
        cut.draw(part, 0, 0);
        EXPECT_EQ(whole.surface.image(), cut.surface.image());
      }
}

TEST(PictureState, FallsBackToThePictureNormalShows) {
  const auto red = solid(Route::Rgb, 0x0000FF);
  const auto green = solid(Route::Rgb, 0x00FF00);
  const auto blue = solid(Route::Rgb, 0xFF0000);
  const struct {
    qint32 state;
    PicturePtr hot;
    PicturePtr down;
    Colour shown;
  } cases[] = {
      {qint32(State::Hot), nullptr, nullptr, 0x0000FF},  {qint32(State::Hot), green, nullptr, 0x00FF00},
      {qint32(State::Down), nullptr, nullptr, 0x0000FF}, {qint32(State::Down), green, nullptr, 0x00FF00},
      {qint32(State::Down), green, blue, 0xFF0000},      {qint32(State::Normal), green, blue, 0x0000FF},
  };
  for (const auto& c : cases) {
    // No caption: the picture is centred, at (8, 4) on a 20 x 12 surface.
    Canvas canvas(0x000000);
    canvas.paint.state = c.state;
    canvas.paint.PictureNormal = red;
    canvas.paint.PictureHot = c.hot;
    canvas.paint.PictureDown = c.down;
    canvas.content();
    EXPECT_EQ(canvas.at(8, 4), c.shown) << "state " << c.state;
    EXPECT_EQ(canvas.at(11, 7), c.shown) << "state " << c.state;
  }
}

TEST(PictureState, ACheckedToggleShowsPictureDownInTheStylesNotForcedDown) {
  for (Style style : {Style::Classic, Style::Silver}) {
    Canvas canvas(0x000000);
    canvas.paint.ButtonStyle = qint32(style);
    canvas.paint.Mode = qint32(Mode::OptionButton);
    canvas.paint.Value = true;
    canvas.paint.PictureNormal = solid(Route::Rgb, 0x0000FF);
    canvas.paint.PictureDown = solid(Route::Rgb, 0xFF0000);
    canvas.content();
    EXPECT_EQ(canvas.at(8, 4), 0xFF0000) << "style " << qint32(style);
  }
}

TEST(PictureLift, PushOnHoverAndShadowNeverTogether) {
  // A 4 x 4 red picture centred at (8, 4) on a 20 x 12 surface.
  const Colour back = 0x102030;
  const Colour base = MixColors(TranslateColor(0x808080), TranslateColor(0xE7EBEC));
  const Colour outer = ShiftColor(base, 0.05f);
  const Colour inner = ShiftColor(base, -0.1f);
  const auto paint = [&](qint32 state, bool push, bool shadow) {
    auto canvas = std::make_unique<Canvas>(back);
    canvas->paint.BackColor = 0xE7EBEC;
    canvas->paint.state = state;
    canvas->paint.PicturePushOnHover = push;
    canvas->paint.PictureShadow = shadow;
    canvas->paint.PictureNormal = solid(Route::Rgb, 0x0000FF);
    canvas->content();
    return canvas;
  };
  // Push-on-hover: a silver silhouette in place, the picture at (-2, -2) over
  // it, and no shadow although PictureShadow is set.
  const auto pushed = paint(qint32(State::Hot), true, true);
  EXPECT_EQ(pushed->at(6, 2), 0x0000FF);
  EXPECT_EQ(pushed->at(9, 5), 0x0000FF);
  EXPECT_EQ(pushed->at(10, 6), 0xC0C0C0);
  EXPECT_EQ(pushed->at(11, 7), 0xC0C0C0);
  EXPECT_EQ(pushed->at(10, 2), back);
  EXPECT_EQ(pushed->at(12, 8), back);
  EXPECT_EQ(pushed->at(13, 9), back);

  // Shadow: the lighter shade at (+2, +2), the darker at (+1, +1), the
  // picture on top; push-on-hover does not apply outside Hot.
  for (const auto& shadowed : {paint(qint32(State::Normal), false, true), paint(qint32(State::Normal), true, true)}) {
    EXPECT_EQ(shadowed->at(8, 4), 0x0000FF);
    EXPECT_EQ(shadowed->at(11, 7), 0x0000FF);
    EXPECT_EQ(shadowed->at(12, 8), inner);
    EXPECT_EQ(shadowed->at(9, 8), inner);
    EXPECT_EQ(shadowed->at(13, 9), outer);
    EXPECT_EQ(shadowed->at(10, 9), outer);
    EXPECT_EQ(shadowed->at(7, 3), back);
  }
}
