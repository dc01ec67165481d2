// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <map>

namespace platform {

// The classic platform's system colours by their standard indices, as
// 0x00BBGGRR. Taken from the application palette where a role maps, classic
// defaults otherwise. Tests install a fixed table so pixels never depend on
// the machine.
namespace SystemColors {

enum Index : int {
  Menu = 4,
  Window = 5,
  WindowText = 8,
  AppWorkspace = 12,
  ButtonFace = 15,
  ButtonShadow = 16,
  GrayText = 17,
  ButtonText = 18,
  ButtonHighlight = 20,
  DarkShadow3D = 21,
  Light3D = 22,
  InfoBackground = 24,
};

// The current colour of system colour `index`; -1 for an unknown index.
qint32 get(int index);

// The classic table (the fixed test table) for the standard indices.
const std::map<int, qint32>& classicTable();

// Replace every lookup by `table` (indices missing from it answer with the
// classic default). Used by tests and the render tool.
void installFixedTable(const std::map<int, qint32>& table);
void installClassicTable();
// Back to the application palette.
void usePalette();
bool usingFixedTable();

} // namespace SystemColors

// OLE colour translation: RGB values (high byte 0) pass through, 0x80000000 + n
// resolves to system colour n; anything else fails and gives -1.
qint32 translateOleColor(qint32 oleColor);

} // namespace platform
