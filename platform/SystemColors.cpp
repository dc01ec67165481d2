#include "platform/SystemColors.h"

namespace platform {

namespace {
std::map<int, qint32> fixedTable;
bool fixed = false;
} // namespace

namespace SystemColors {

const std::map<int, qint32>& classicTable() {
  static const std::map<int, qint32> table = {
      {Menu, 0xC8D0D4},       {Window, 0xFFFFFF},       {WindowText, 0x000000},      {AppWorkspace, 0x808080},
      {ButtonFace, 0xC8D0D4}, {ButtonShadow, 0x808080}, {GrayText, 0x808080},        {ButtonText, 0x000000},
      {ButtonHighlight, 0xFFFFFF}, {DarkShadow3D, 0x404040}, {Light3D, 0xC8D0D4}, {InfoBackground, 0xE1FFFF},
  };
  return table;
}

qint32 get(int index) {
  const auto& table = fixed ? fixedTable : classicTable();
  auto it = table.find(index);
  if (it != table.end())
    return it->second;
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
