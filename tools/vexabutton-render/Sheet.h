// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

class vexabutton;
struct ButtonRecord;

// The contact sheet: every ButtonStyle in every look, labelled, in one image.
namespace rendertool {

// One row: a label, the ButtonStyle that is set (so the style's default
// colours apply), whether visual styles are active, and any further set-up
// of the row's button (pictures, colours) after the style and caption.
struct SheetRow {
  QString label;
  qint32 style = 0;
  bool themed = false;
  std::function<void(vexabutton&)> setUp;
};

// The rows of the sheet: ButtonStyle 0 to 13, 13 once more with visual
// styles when `themed` is set, then four rows of picture cases.
std::vector<SheetRow> sheetRows(bool themed);

// A column of the sheet: its title and what it changes in the run-time
// state of a button at rest.
struct SheetColumn {
  const char* title;
  std::function<void(ButtonRecord&)> apply;
};
const std::vector<SheetColumn>& sheetColumns();

// The sheet of these rows; each cell is a 96 x 28 button captioned "Dugme".
// At a device pixel ratio the image has scale times the pixels along each
// side (and that device pixel ratio), every button drawn at that resolution.
QImage renderSheet(const std::vector<SheetRow>& rows, qreal scale = 1);

} // namespace rendertool
