// SPDX-License-Identifier: MIT
#include "platform/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <optional>

namespace platform {

namespace {

std::map<int, qint32> fixedTable;
bool fixed = false;

constexpr qint32 rgb(int red, int green, int blue) { return qint32(red | (green << 8) | (blue << 16)); }

qint32 fromQColor(const QColor& colour) { return rgb(colour.red(), colour.green(), colour.blue()); }

// WCAG's relative luminance of an RGB colour (0x00BBGGRR).
double luminance(qint32 colour) {
  const auto linear = [](int channel) {
    const double s = channel / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour & 0xFF) + 0.7152 * linear((colour >> 8) & 0xFF) +
         0.0722 * linear((colour >> 16) & 0xFF);
}

// The palette role that stands for a system colour, where one maps.
std::optional<std::pair<QPalette::ColorGroup, QPalette::ColorRole>> paletteRole(int index) {
  using P = QPalette;
  switch (index) {
  case SystemColors::Menu:
    return std::pair{P::Active, P::Window};
  case SystemColors::Window:
    return std::pair{P::Active, P::Base};
  case 7: // menu text
  case SystemColors::WindowText:
    return std::pair{P::Active, P::WindowText};
  case 13: // highlight
    return std::pair{P::Active, P::Highlight};
  case 14: // highlight text
    return std::pair{P::Active, P::HighlightedText};
  case SystemColors::ButtonFace:
    return std::pair{P::Active, P::Button};
  case SystemColors::ButtonShadow:
    return std::pair{P::Active, P::Dark};
  case SystemColors::GrayText:
    return std::pair{P::Disabled, P::Text};
  case SystemColors::ButtonText:
    return std::pair{P::Active, P::ButtonText};
  case SystemColors::ButtonHighlight:
    return std::pair{P::Active, P::Light};
  case SystemColors::DarkShadow3D:
    return std::pair{P::Active, P::Shadow};
  case SystemColors::Light3D:
    return std::pair{P::Active, P::Midlight};
  case 23: // tooltip text
    return std::pair{P::Active, P::ToolTipText};
  case SystemColors::InfoBackground:
    return std::pair{P::Active, P::ToolTipBase};
  default:
    return std::nullopt;
  }
}

} // namespace

namespace SystemColors {

const std::map<int, qint32>& classicTable() {
  static const std::map<int, qint32> table = {
      {0, rgb(212, 208, 200)},               // scroll bar
      {1, rgb(58, 110, 165)},                // desktop
      {2, rgb(10, 36, 106)},                 // active caption
      {3, rgb(128, 128, 128)},               // inactive caption
      {Menu, rgb(212, 208, 200)},            //
      {Window, rgb(255, 255, 255)},          //
      {6, rgb(0, 0, 0)},                     // window frame
      {7, rgb(0, 0, 0)},                     // menu text
      {WindowText, rgb(0, 0, 0)},            //
      {9, rgb(255, 255, 255)},               // caption text
      {10, rgb(212, 208, 200)},              // active border
      {11, rgb(212, 208, 200)},              // inactive border
      {AppWorkspace, rgb(128, 128, 128)},    //
      {13, rgb(10, 36, 106)},                // highlight
      {14, rgb(255, 255, 255)},              // highlight text
      {ButtonFace, rgb(212, 208, 200)},      //
      {ButtonShadow, rgb(128, 128, 128)},    //
      {GrayText, rgb(128, 128, 128)},        //
      {ButtonText, rgb(0, 0, 0)},            //
      {19, rgb(212, 208, 200)},              // inactive caption text
      {ButtonHighlight, rgb(255, 255, 255)}, //
      {DarkShadow3D, rgb(64, 64, 64)},       //
      {Light3D, rgb(212, 208, 200)},         //
      {23, rgb(0, 0, 0)},                    // tooltip text
      {InfoBackground, rgb(255, 255, 225)},  //
      {26, rgb(0, 0, 128)},                  // hot-tracked item
      {27, rgb(166, 202, 240)},              // active caption gradient
      {28, rgb(192, 192, 192)},              // inactive caption gradient
      {29, rgb(10, 36, 106)},                // menu highlight
      {30, rgb(212, 208, 200)},              // menu bar
  };
  return table;
}

qint32 get(int index) {
  if (fixed) {
    auto it = fixedTable.find(index);
    if (it != fixedTable.end())
      return it->second;
  } else if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    if (auto role = paletteRole(index))
      return fromQColor(QGuiApplication::palette().color(role->first, role->second));
  }
  auto classic = classicTable().find(index);
  return classic != classicTable().end() ? classic->second : -1;
}

void installFixedTable(const std::map<int, qint32>& table) {
  fixedTable = table;
  fixed = true;
}
void installClassicTable() { installFixedTable(classicTable()); }
void usePalette() { fixed = false; }
bool usingFixedTable() { return fixed; }

Source sourceOf(qint32 oleColor) {
  return oleColor == -1 || (quint32(oleColor) & 0xFF000000u) == 0x80000000u ? Source::System : Source::Fixed;
}

qint32 fixedColour(int index) {
  if (fixed)
    return get(index);
  auto classic = classicTable().find(index);
  return classic != classicTable().end() ? classic->second : -1;
}

qint32 legibleGrayText(Source source, int textIndex, qint32 darkest, qint32 lightest) {
  const auto from = [source](int index) { return source == Source::System ? get(index) : fixedColour(index); };
  const qint32 grey = from(GrayText);
  if (fixed)
    return grey;
  // The least contrast with any colour of the background: none where the
  // text's luminance lies within the background's.
  const double dark = std::min(luminance(darkest), luminance(lightest));
  const double light = std::max(luminance(darkest), luminance(lightest));
  const auto worst = [&](qint32 text) {
    const double l = luminance(text);
    return l >= dark && l <= light ? 1.0 : std::min(contrastRatio(text, darkest), contrastRatio(text, lightest));
  };
  constexpr double Legible = 3.0;
  if (worst(grey) >= Legible)
    return grey;
  qint32 toward = from(textIndex);
  if (worst(toward) < Legible)
    toward = worst(0x000000) >= worst(0xFFFFFF) ? 0x000000 : 0xFFFFFF;
  // One step past 3:1, so that thin anti-aliased strokes, which never
  // reach the full colour, read 3:1 too.
  constexpr int Steps = 32;
  const auto mixed = [&](int step) {
    const auto channel = [&](int shift) {
      const int a = (grey >> shift) & 0xFF, b = (toward >> shift) & 0xFF;
      return qint32(a + (b - a) * std::min(step, Steps) / Steps) << shift;
    };
    return channel(0) | channel(8) | channel(16);
  };
  int step = 1;
  while (step < Steps && worst(mixed(step)) < Legible)
    ++step;
  return mixed(step + 1);
}

qint32 legibleGrayText(Source source, int textIndex, const QImage& image, const QRect& rect) {
  qint32 darkest = -1, lightest = -1;
  double least = 2, most = -1;
  QRgb previous = 0;
  const QRect area = rect & image.rect();
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (pixel == previous && darkest >= 0)
        continue;
      previous = pixel;
      const qint32 colour = rgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
      const double l = luminance(colour);
      if (l < least)
        least = l, darkest = colour;
      if (l > most)
        most = l, lightest = colour;
    }
  if (darkest < 0)
    return source == Source::System ? get(GrayText) : fixedColour(GrayText);
  return legibleGrayText(source, textIndex, darkest, lightest);
}

} // namespace SystemColors

qint32 translateOleColor(qint32 oleColor, SystemColors::Source source) {
  const quint32 value = quint32(oleColor);
  if (source == SystemColors::Source::Fixed && (value & 0xFF000000u) == 0x80000000u)
    return SystemColors::fixedColour(int(value & 0x00FFFFFFu));
  return translateOleColor(oleColor);
}

double contrastRatio(qint32 rgb1, qint32 rgb2) {
  const double l1 = luminance(rgb1), l2 = luminance(rgb2);
  return (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
}

qint32 translateOleColor(qint32 oleColor) {
  const quint32 value = quint32(oleColor);
  if ((value & 0xFF000000u) == 0)
    return oleColor;
  if ((value & 0xFF000000u) == 0x80000000u)
    return SystemColors::get(int(value & 0x00FFFFFFu));
  return -1;
}

} // namespace platform
