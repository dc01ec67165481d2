// SPDX-License-Identifier: MIT
#include "StyleCases.h"

#include "button/model/vexabutton_p.h"
#include "button/render/Redraw.h"
#include "tools/vexabutton-render/Sheet.h"

#include <QImage>

#include <cmath>
#include <functional>

namespace {

using Change = std::function<void(ButtonRecord&)>;

// A new instance's record in the style, captioned, in a running host's active window.
ButtonRecord styledRecord(qint32 style, const QString& caption = QStringLiteral("Dugme")) {
  vexabutton button;
  initProperties(button);
  if (style == 13) // keeps the background it finds: the rounded style's
    button.setButtonStyle(2);
  button.setButtonStyle(style);
  button.setCaption(caption);
  ButtonRecord rec = recordOf(button);
  rec.ParentActive = true;
  rec.UserMode = true;
  rec.VisualStylesActive = false;
  return rec;
}

QRgb opaque(int red, int green, int blue) { return qRgb(red, green, blue); }

// 14 x 12, ground of the default mask colour (0xE0E0E0) with a shaded diamond.
platform::PicturePtr maskedBitmap() {
  QImage image(14, 12, QImage::Format_RGB32);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 14; ++x) {
      const bool inside = std::abs(2 * x - 13) + std::abs(2 * y - 11) <= 12;
      image.setPixel(x, y, inside ? opaque(40 + 15 * x, 200 - 12 * y, 90 + 7 * (x + y)) : opaque(224, 224, 224));
    }
  return platform::Picture::fromImage(image, platform::Picture::Bitmap);
}

// 16 x 16 with alpha: a disc with a soft rim, as a 32-bit bitmap or an icon.
platform::PicturePtr softDisc(int type) {
  QImage image(16, 16, QImage::Format_ARGB32);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const double r = std::hypot(x - 7.5, y - 7.5);
      const int alpha = r < 5.5 ? 255 : r < 7.5 ? int(255 * (7.5 - r) / 2) : 0;
      image.setPixel(x, y, qRgba(30 + 12 * x, 60 + 9 * y, 220 - 8 * x, alpha));
    }
  return platform::Picture::fromImage(image, type);
}

} // namespace

std::vector<StyleCase> styleCases() {
  static const char* const names[] = {"Classic",       "ClassicThin", "RoundedGradient", "BlueGlass", "Toolbar",
                                      "WarmHighlight", "Silver",      "SoftBlue",        "Gel",       "WhiteGloss",
                                      "Shaded",        "FlatClassic", "FlatThin",        "System"};
  std::vector<StyleCase> cases;
  // Every style and look, ButtonStyle 13 with and without visual styles.
  for (int style = 0; style <= 14; ++style) {
    const ButtonRecord base = styledRecord(std::min(style, 13));
    const std::string styleName = style == 14 ? "13 System themed" : std::to_string(style) + " " + names[style];
    for (const rendertool::SheetColumn& look : rendertool::sheetColumns()) {
      StyleCase c{styleName + "/" + look.title, base};
      c.rec.VisualStylesActive = style == 14;
      look.apply(c.rec);
      cases.push_back(std::move(c));
    }
  }

  // Content variations on a 121 x 33 button.
  const auto add = [&](const std::string& name, qint32 style, const Change& change, int width = 121, int height = 33,
                       const QString& caption = QStringLiteral("Provera (3)")) {
    StyleCase c{name, styledRecord(style, caption), width, height};
    change(c.rec);
    cases.push_back(std::move(c));
  };
  const auto dropDown = [](qint32 state) {
    return [state](ButtonRecord& rec) {
      rec.DropDownSymbol = 6;
      rec.DropDownSeparator = true;
      rec.ButtonState = state;
    };
  };
  add("drop-down/2 Normal", 2, dropDown(ButtonRecord::Normal));
  add("drop-down/0 Down", 0, dropDown(ButtonRecord::Down));
  add("drop-down/5 Down", 5, dropDown(ButtonRecord::Down));
  add("drop-down/3 Hot", 3, dropDown(ButtonRecord::Hot));
  for (int effect = 1; effect <= 5; ++effect)
    add("caption effect " + std::to_string(effect) + "/3", 3,
        [effect](ButtonRecord& rec) { rec.CaptionEffects = effect; });
  add("caption left, right to left/10", 10, [](ButtonRecord& rec) {
    rec.CaptionAlign = 0;
    rec.RightToLeft = true;
  });
  add("caption right, drop-down/8", 8, [](ButtonRecord& rec) {
    rec.CaptionAlign = 2;
    rec.DropDownSymbol = 4;
  });
  add(
      "wrapped caption/9 Focused", 9, [](ButtonRecord& rec) { rec.HasFocus = true; }, 70, 44,
      QStringLiteral("Prva reč, druga reč i treća"));
  add(
      "odd size/0 Focused", 0, [](ButtonRecord& rec) { rec.HasFocus = true; }, 75, 23);

  const auto withPicture = [](const platform::PicturePtr& picture, const Change& more) {
    return [picture, more](ButtonRecord& rec) {
      rec.PictureNormal = picture;
      more(rec);
    };
  };
  add("bitmap left/2 Normal", 2, withPicture(maskedBitmap(), [](ButtonRecord&) {}));
  add("bitmap lighten/5 Hot", 5, withPicture(maskedBitmap(), [](ButtonRecord& rec) {
        rec.ButtonState = ButtonRecord::Hot;
        rec.PictureEffectOnOver = 1;
        rec.PictureAlign = 3;
      }));
  add("bitmap darken half/0 Down", 0, withPicture(maskedBitmap(), [](ButtonRecord& rec) {
        rec.ButtonState = ButtonRecord::Down;
        rec.PictureEffectOnDown = 2;
        rec.PictureOpacity = 128;
        rec.PictureAlign = 5;
      }));
  add("alpha shadow/9 Normal", 9, withPicture(softDisc(platform::Picture::Bitmap), [](ButtonRecord& rec) {
        rec.PictureShadow = true;
        rec.PictureAlign = 0;
      }));
  add("alpha grayscale/3 Disabled", 3, withPicture(softDisc(platform::Picture::Bitmap), [](ButtonRecord& rec) {
        rec.Enabled = false;
        rec.DisabledPictureMode = 1;
        rec.PictureAlign = 7;
      }));
  add("icon push on hover/4 Hot", 4, withPicture(softDisc(platform::Picture::Icon), [](ButtonRecord& rec) {
        rec.ButtonState = ButtonRecord::Hot;
        rec.MouseInside = true;
        rec.PictureAlign = 2;
      }));
  add("icon unmasked/7 Hot", 7, withPicture(softDisc(platform::Picture::Icon), [](ButtonRecord& rec) {
        rec.ButtonState = ButtonRecord::Hot;
        rec.UseMaskColor = false;
        rec.Caption.clear();
      }));
  return cases;
}

PaintedCase paintCase(const StyleCase& styleCase, qreal ratio) {
  PaintedCase painted{styleCase.rec, platform::Surface(styleCase.width, styleCase.height)};
  painted.surface.setDevicePixelRatio(ratio);
  painted.surface.setFont(painted.rec.mFont->toQFont());
  vexa::apply(vexa::Redraw(vexa::describe(painted.rec), painted.surface), painted.rec);
  return painted;
}

quint64 paintDigest(const PaintedCase& painted) {
  quint64 hash = 14695981039346656037ull; // FNV-1a
  const auto add = [&hash](const void* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
      hash ^= static_cast<const uchar*>(data)[i];
      hash *= 1099511628211ull;
    }
  };
  const auto addInt = [&add](qint32 value) { add(&value, sizeof value); };
  const QImage& image = painted.surface.image();
  for (int y = 0; y < image.height(); ++y)
    add(image.constScanLine(y), std::size_t(image.width()) * 4);
  for (const QRect& band : painted.surface.windowRegion())
    for (int value : {band.left(), band.top(), band.width(), band.height()})
      addInt(value);
  const ButtonRecord& rec = painted.rec;
  for (const platform::Rect& r : {rec.CaptionRect, rec.PictureRect, rec.SymbolRect})
    for (int value : {r.left, r.top, r.right, r.bottom})
      addInt(value);
  for (int value : {rec.ClientWidth, rec.ClientHeight, rec.ButtonState})
    addInt(value);
  return hash;
}
