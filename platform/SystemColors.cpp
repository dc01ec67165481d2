// SPDX-License-Identifier: MIT
#include "platform/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

#include <optional>

namespace platform {

namespace {

std::map<int, qint32> fixedTable;
bool fixed = false;

constexpr qint32 rgb(int red, int green, int blue) { return qint32(red | (green << 8) | (blue << 16)); }

qint32 fromQColor(const QColor& colour) { return rgb(colour.red(), colour.green(), colour.blue()); }

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

} // namespace SystemColors

qint32 translateOleColor(qint32 oleColor) {
  const quint32 value = quint32(oleColor);
  if ((value & 0xFF000000u) == 0)
    return oleColor;
  if ((value & 0xFF000000u) == 0x80000000u)
    return SystemColors::get(int(value & 0x00FFFFFFu));
  return -1;
}

} // namespace platform
