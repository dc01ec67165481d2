// SPDX-License-Identifier: MIT
// A 32 x 32 picture composed on each route (24-bit with a mask colour,
// 32-bit alpha, icon), plain and lightened while Hot, at opacity 255 and 128,
// against QPainter::drawImage of the same picture at the same opacity onto
// the same surface image. Each row shows the composition's time, the
// reference's, and their ratio from alternating batches run in the benchmark.
//
// And a whole Redraw of a 100 x 30 button whose picture is far larger than
// the button (1024 to 8192 pixels square, centred, so the button shows a
// part of it), at rest and hot with the lighten effect, at device pixel
// ratio 1 and 2: a repaint composes the button's area, not the picture.
// Goal: under 20 ms for the 4096 x 4096 picture at ratio 1.
#include "button/model/ButtonRecord.h"
#include "button/render/ColorKit.h"
#include "button/render/Pictures.h"
#include "button/render/Redraw.h"
#include "platform/Picture.h"
#include "platform/SharedFont.h"
#include "platform/Surface.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <ctime>
#include <map>
#include <string>

namespace {

constexpr int Size = 32;
constexpr platform::Colour Mask = 0xE0E0E0;

enum Route { Rgb, Alpha, Icon };

// A shaded disc with a soft edge on a transparent ground.
QImage disc() {
  QImage image(Size, Size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  QRadialGradient shade(QPointF(12, 11), 18);
  shade.setColorAt(0, QColor(150, 200, 255));
  shade.setColorAt(1, QColor(20, 70, 160));
  painter.setBrush(shade);
  painter.setPen(QPen(QColor(10, 40, 90), 1.5));
  painter.drawEllipse(QRectF(2, 2, 28, 28));
  return image;
}

struct Case {
  ButtonRecord rec;
  platform::Surface surface{64, 48};
  QImage reference; // the same picture as QPainter draws it
  vexa::ButtonPaint paint;
  vexa::ShownPicture shown;

  Case(Route route, bool effect, int opacity) {
    vexa::BuildEffectTables(rec);
    const QImage art = disc();
    if (route == Rgb) {
      // The disc on the mask colour; QPainter gets it with that area transparent.
      QImage opaque(Size, Size, QImage::Format_RGB32);
      opaque.fill(QColor(0xE0, 0xE0, 0xE0));
      QPainter(&opaque).drawImage(0, 0, art);
      rec.PictureNormal = platform::Picture::fromImage(opaque);
      reference = opaque.convertToFormat(QImage::Format_ARGB32);
      for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x)
          if (reference.pixel(x, y) == qRgb(0xE0, 0xE0, 0xE0))
            reference.setPixel(x, y, 0);
    } else {
      rec.PictureNormal =
          platform::Picture::fromImage(art, route == Icon ? platform::Picture::Icon : platform::Picture::Bitmap);
      reference = rec.PictureNormal->image;
    }
    rec.MaskColor = Mask;
    rec.UseMaskColor = true;
    rec.ButtonState = effect ? ButtonRecord::Hot : ButtonRecord::Normal;
    rec.PictureEffectOnOver = effect ? 1 : 0;
    rec.PictureOpacity = quint8(opacity);
    rec.PictureOpacityOnOver = quint8(opacity);
    paint = vexa::describe(rec);
    shown = vexa::SelectCurrentPicture(paint);
    surface.fillRect({0, 0, 64, 48}, 0xECEBE7);
  }
};

double threadCpuNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return double(now.tv_sec) * 1e9 + double(now.tv_nsec);
}

void BM_Picture(benchmark::State& state, Route route, bool effect, int opacity) {
  Case c(route, effect, opacity);
  const platform::Rect at{16, 8, 16 + Size, 8 + Size};
  const auto ours = [&] {
    vexa::DrawPicture(c.paint, c.shown, c.surface, at, -1);
    benchmark::DoNotOptimize(c.surface.image().constBits());
  };
  // The reference: a painter on the surface image per draw, as a paint would.
  const auto reference = [&] {
    QPainter painter(&c.surface.image());
    painter.setOpacity(opacity / 255.0);
    painter.drawImage(QPoint(at.left, at.top), c.reference);
    painter.end();
    benchmark::DoNotOptimize(c.surface.image().constBits());
  };
  for (auto _ : state)
    ours();

  // The ratio from alternating batches of both, so that a change in the
  // machine's load during the run weighs on both alike.
  double oursNs = 0;
  double referenceNs = 0;
  for (int round = 0; round < 20; ++round) {
    double start = threadCpuNanoseconds();
    for (int i = 0; i < 200; ++i)
      ours();
    oursNs += threadCpuNanoseconds() - start;
    start = threadCpuNanoseconds();
    for (int i = 0; i < 200; ++i)
      reference();
    referenceNs += threadCpuNanoseconds() - start;
  }
  state.counters["QPainter_ns"] = referenceNs / 4000;
  state.counters["ratio"] = oursNs / referenceNs;
}

// ---- A large picture on a small button ---------------------------------------

constexpr int ButtonWidth = 100;
constexpr int ButtonHeight = 30;

// A side x side picture of the route's kind: a colour ramp with a disc of
// the mask colour (24-bit) or of transparency (alpha, icon) in every 64 x 64
// tile. Made once per kind and size.
platform::PicturePtr largePicture(Route route, int side) {
  static std::map<std::pair<int, int>, platform::PicturePtr> made;
  platform::PicturePtr& picture = made[{int(route), side}];
  if (picture)
    return picture;
  QImage image(side, side, route == Rgb ? QImage::Format_RGB32 : QImage::Format_ARGB32);
  for (int y = 0; y < side; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < side; ++x) {
      const int dx = x % 64 - 32;
      const int dy = y % 64 - 32;
      const bool hole = dx * dx + dy * dy < 100;
      const QRgb colour = qRgb(x * 255 / side, y * 255 / side, (x + y) % 256);
      line[x] = !hole ? colour : route == Rgb ? qRgb(0xE0, 0xE0, 0xE0) : qRgba(0, 0, 0, 0);
    }
  }
  picture = platform::Picture::fromImage(image, route == Icon ? platform::Picture::Icon : platform::Picture::Bitmap);
  return picture;
}

void BM_LargePictureRedraw(benchmark::State& state, Route route, int side, bool hot, qreal ratio) {
  ButtonRecord rec;
  vexa::BuildEffectTables(rec);
  platform::Surface surface(ButtonWidth, ButtonHeight);
  surface.setDevicePixelRatio(ratio);
  rec.ButtonStyle = 0;
  rec.ColorScheme = 0;
  vexa::ApplyDefaultColorScheme(rec);
  vexa::ApplyStyleDefaults(rec);
  rec.ParentActive = true;
  rec.Caption = QStringLiteral("Slika");
  rec.mFont = std::make_shared<platform::SharedFont>(QStringLiteral("Tahoma"), 8.25, 700);
  surface.setFont(rec.mFont->toQFont());
  rec.PictureNormal = largePicture(route, side);
  rec.MaskColor = Mask;
  rec.UseMaskColor = true;
  rec.MouseInside = hot;
  rec.ButtonState = hot ? ButtonRecord::Hot : ButtonRecord::Normal;
  rec.PictureEffectOnOver = hot ? 1 : 0;
  // The first paint at a new size scales the picture (at ratio 2) and keeps
  // it: what is timed is the repaint.
  vexa::apply(vexa::Redraw(vexa::describe(rec), surface), rec);
  for (auto _ : state) {
    vexa::apply(vexa::Redraw(vexa::describe(rec), surface), rec);
    benchmark::DoNotOptimize(surface.image().constBits());
  }
}

const bool registered = [] {
  const char* routes[] = {"24bit-mask", "32bit-alpha", "icon"};
  for (Route route : {Rgb, Alpha, Icon})
    for (bool effect : {false, true})
      for (int opacity : {255, 128}) {
        const std::string name =
            std::string("Picture/") + routes[route] + (effect ? "/lighten/" : "/plain/") + std::to_string(opacity);
        benchmark::RegisterBenchmark(name.c_str(), BM_Picture, route, effect, opacity);
      }
  // "PictureRedraw/100x30/24bit-mask/4096/Normal", "...@2x/Hot": every size
  // for the 24-bit route, the 4096 picture for the other two.
  for (Route route : {Rgb, Alpha, Icon})
    for (int side : {1024, 2048, 4096, 8192})
      for (bool hot : {false, true})
        for (qreal ratio : {1.0, 2.0}) {
          if ((route != Rgb && side != 4096) || (ratio != 1 && side > 4096))
            continue;
          const std::string name = std::string("PictureRedraw/100x30/") + routes[route] + "/" + std::to_string(side) +
                                   (hot ? "/Hot" : "/Normal") + (ratio == 1 ? "" : "@2x");
          benchmark::RegisterBenchmark(name.c_str(), BM_LargePictureRedraw, route, side, hot, ratio)
              ->Unit(benchmark::kMillisecond);
        }
  return true;
}();

} // namespace
