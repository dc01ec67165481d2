// SPDX-License-Identifier: MIT
#include "Sheet.h"

#include "button/model/vexabutton_p.h"
#include "button/render/Redraw.h"
#include "platform/Picture.h"
#include "platform/SharedFont.h"
#include "platform/SystemColors.h"

#include <QPainter>

#include <cmath>

namespace rendertool {

namespace {

constexpr int CellWidth = 96;
constexpr int CellHeight = 28;
constexpr int Gap = 8;
constexpr int LabelWidth = 132;
constexpr int HeaderHeight = 24;

} // namespace

const std::vector<SheetColumn>& sheetColumns() {
  static const std::vector<SheetColumn> table = {
      {"Normal", [](ButtonRecord&) {}},
      {"Hot",
       [](ButtonRecord& rec) {
         rec.ButtonState = ButtonRecord::Hot;
         rec.MouseInside = true;
       }},
      {"Down",
       [](ButtonRecord& rec) {
         rec.ButtonState = ButtonRecord::Down;
         rec.MouseInside = true;
         rec.MousePressed = true;
       }},
      {"Focused", [](ButtonRecord& rec) { rec.HasFocus = true; }},
      {"Default", [](ButtonRecord& rec) { rec.IsDefault = true; }},
      {"Disabled", [](ButtonRecord& rec) { rec.Enabled = false; }},
      {"Checked",
       [](ButtonRecord& rec) {
         rec.Mode = 1;
         rec.Value = true;
       }},
      {"Checked + Hot",
       [](ButtonRecord& rec) {
         rec.Mode = 1;
         rec.Value = true;
         rec.ButtonState = ButtonRecord::Hot;
         rec.MouseInside = true;
       }},
  };
  return table;
}

namespace {

const char* const StyleNames[] = {"Classic",       "ClassicThin", "RoundedGradient", "BlueGlass", "Toolbar",
                                  "WarmHighlight", "Silver",      "SoftBlue",        "Gel",       "WhiteGloss",
                                  "Shaded",        "FlatClassic", "FlatThin"};

// One button drawn by Redraw at the device pixel ratio, transparent outside
// its window region.
QImage renderCell(const ButtonRecord& base, const SheetColumn& column, bool themed, qreal scale) {
  ButtonRecord rec = base;
  rec.ParentActive = true;
  rec.UserMode = true;
  rec.VisualStylesActive = themed;
  column.apply(rec);
  platform::Surface surface(CellWidth, CellHeight);
  surface.setDevicePixelRatio(scale);
  surface.setFont(rec.mFont->toQFont());
  vexa::Redraw(vexa::describe(rec), surface);

  QImage cell = surface.windowImage();
  cell.setDevicePixelRatio(scale);
  return cell;
}

// The picture of the picture rows: a 16 x 16 orange disc with a soft edge
// on a transparent ground (a 32-bit bitmap, so its shadow and silhouette
// follow the disc's shape).
platform::PicturePtr sheetPicture() {
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(150, 50, 10), 1.2));
  painter.setBrush(QColor(250, 150, 30));
  painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
  painter.end();
  return platform::Picture::fromImage(image);
}

// Rows that show what pictures do, each on the rounded gradient style with
// the picture left of the caption: lighten on hover, darken on press and the
// faded disabled look; half opacity with the grayscale disabled look; the
// drop shadow; the lift on hover.
void addPictureRows(std::vector<SheetRow>& rows) {
  const platform::PicturePtr picture = sheetPicture();
  const auto withPicture = [picture](std::function<void(vexabutton&)> more) {
    return [picture, more](vexabutton& button) {
      button.setPictureNormal(picture);
      button.setPictureAlign(1);
      button.setPictureEffectOnOver(1);
      button.setPictureEffectOnDown(2);
      more(button);
    };
  };
  rows.push_back({QStringLiteral("Picture, effects"), 2, false, withPicture([](vexabutton&) {})});
  rows.push_back({QStringLiteral("Opacity 128, gray"), 2, false, withPicture([](vexabutton& button) {
                    button.setPictureOpacity(128);
                    button.setPictureOpacityOnOver(128);
                    button.setDisabledPictureMode(1);
                  })});
  rows.push_back({QStringLiteral("Picture shadow"), 2, false,
                  withPicture([](vexabutton& button) { button.setPictureShadow(true); })});
  rows.push_back({QStringLiteral("Push on hover"), 2, false,
                  withPicture([](vexabutton& button) { button.setPicturePushOnHover(true); })});
}

} // namespace

std::vector<SheetRow> sheetRows(bool themed) {
  std::vector<SheetRow> rows;
  // ButtonStyle 13 keeps the BackColor it finds, and a new instance's is
  // black: its rows take the rounded gradient style's background first.
  const auto systemColours = [](vexabutton& button) {
    button.setButtonStyle(2);
    button.setButtonStyle(13);
  };
  for (qint32 style = 0; style < 13; ++style)
    rows.push_back({QStringLiteral("%1 %2").arg(style).arg(QLatin1String(StyleNames[style])), style, false, {}});
  rows.push_back({QStringLiteral("13 System"), 13, false, systemColours});
  if (themed)
    rows.push_back({QStringLiteral("13 System, themed"), 13, true, systemColours});
  addPictureRows(rows);
  return rows;
}

QImage renderSheet(const std::vector<SheetRow>& rows, qreal scale) {
  const int pitchX = CellWidth + Gap;
  const int pitchY = CellHeight + Gap;
  const int width = LabelWidth + int(sheetColumns().size()) * pitchX + Gap;
  const int height = HeaderHeight + int(rows.size()) * pitchY + Gap;
  // Drawn in logical pixels on an image of scale x as many device pixels.
  QImage sheet(int(std::ceil(width * scale)), int(std::ceil(height * scale)), QImage::Format_RGB32);
  sheet.setDevicePixelRatio(scale);
  sheet.setDotsPerMeterX(3780);
  sheet.setDotsPerMeterY(3780);
  const qint32 face = platform::SystemColors::get(platform::SystemColors::ButtonFace);
  sheet.fill(QColor(face & 0xFF, (face >> 8) & 0xFF, (face >> 16) & 0xFF));

  QPainter painter(&sheet);
  painter.setFont(platform::SharedFont(QStringLiteral("Tahoma"), 8.25).toQFont());
  painter.setPen(Qt::black);
  for (int c = 0; c < int(sheetColumns().size()); ++c)
    painter.drawText(QRect(LabelWidth + c * pitchX, 0, CellWidth, HeaderHeight), Qt::AlignCenter,
                     QLatin1String(sheetColumns()[c].title));

  for (int r = 0; r < int(rows.size()); ++r) {
    const SheetRow& row = rows[r];
    const int top = HeaderHeight + r * pitchY;
    painter.drawText(QRect(Gap, top, LabelWidth - Gap, CellHeight), Qt::AlignLeft | Qt::AlignVCenter, row.label);

    // The row's button: a new instance given the style, so the style's
    // default colours apply, and the caption.
    vexabutton button;
    button.resize(CellWidth, CellHeight);
    initProperties(button);
    button.setButtonStyle(row.style);
    button.setCaption(QStringLiteral("Dugme"));
    if (row.setUp)
      row.setUp(button);
    for (int c = 0; c < int(sheetColumns().size()); ++c)
      painter.drawImage(QPointF(LabelWidth + c * pitchX, top),
                        renderCell(recordOf(button), sheetColumns()[c], row.themed, scale));
  }
  return sheet;
}

} // namespace rendertool
