// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>
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

// Where a colour comes from. A pair that must stay readable (a caption on
// its face, a label on its form) takes both halves from one source: both
// from the system (the palette), or both fixed.
enum class Source { System, Fixed };

// The source of a stored colour: a system-colour reference is the system's,
// and so is -1 (none: the window's own background); an RGB value is fixed.
Source sourceOf(qint32 oleColor);

// System colour `index` as the fixed source has it: the classic colour the
// fixed looks and forms were drawn with. While a fixed table is installed,
// that table is both sources.
qint32 fixedColour(int index);

// Disabled text on a background whose colours run from `darkest` to
// `lightest`: the grey text of `source`. Where the system colours come from
// a palette and that grey reads less than 3:1 there, it moves toward the
// source's text colour `textIndex` (or black or white, where that does not
// read either) just far enough. A fixed table keeps its grey as it is.
qint32 legibleGrayText(Source source, int textIndex, qint32 darkest, qint32 lightest);
// The same on the pixels of `image` within `rect` (the grey of `source` as
// it is where there are none).
qint32 legibleGrayText(Source source, int textIndex, const QImage& image, const QRect& rect);

} // namespace SystemColors

// OLE colour translation: RGB values (high byte 0) pass through, 0x80000000 + n
// resolves to system colour n; anything else fails and gives -1.
qint32 translateOleColor(qint32 oleColor);
// The same, with a system-colour reference taken from `source`.
qint32 translateOleColor(qint32 oleColor, SystemColors::Source source);

// WCAG's contrast ratio of two RGB colours: (L1 + 0.05) / (L2 + 0.05) of
// their relative luminances, 1 to 21.
double contrastRatio(qint32 rgb1, qint32 rgb2);

} // namespace platform
