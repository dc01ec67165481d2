// SPDX-License-Identifier: MIT
#pragma once

#include "button/model/ButtonRecord.h"
#include "button/render/Paint.h"
#include "platform/Surface.h"
#include "platform/SystemColors.h"

#include <QSize>

#include <optional>

// The paint pipeline as the control uses it: the description of a record,
// the results written back to it, the window region, and the shared content
// pass every style renderer calls once per paint.
namespace vexa {

// The paint of a record as it stands, with the forced-Down rule applied.
ButtonPaint describe(const ButtonRecord& rec);
// A colour as it is drawn: one the control took from the system, while the
// property still holds it, as a reference to that system colour (it follows
// the palette and pairs with the system's faces); any other as stored.
qint32 DrawnColour(qint32 stored, const std::optional<qint32>& taken, int systemIndex);
// Writes what a paint computed into the record: the drawn state, the size
// fields and, when the content was laid out, the layout fields.
void apply(const PaintResult& result, ButtonRecord& rec);

// Sets the surface's window region for the style (rounded or rectangular).
// Rounded styles take the given size, which is that of the last paint.
void ApplyWindowRegion(qint32 style, int width, int height, platform::Surface& surface);
void ApplyWindowRegion(const ButtonRecord& rec, platform::Surface& surface);

// Lays out and draws caption, picture and drop-down symbol (and separator),
// the caption in `foreColor` unless Hot or disabled; fills the layout fields
// of `result`. `face` says where the colours under the caption come from:
// a system colour for the caption is taken from the same source.
void DrawCaptionAndPicture(const ButtonPaint& paint, qint32 foreColor, platform::SystemColors::Source face,
                           platform::Surface& surface, PaintResult& result);
// The same on a face painted from BackColor.
inline void DrawCaptionAndPicture(const ButtonPaint& paint, qint32 foreColor, platform::Surface& surface,
                                  PaintResult& result) {
  DrawCaptionAndPicture(paint, foreColor, platform::SystemColors::sourceOf(paint.BackColor), surface, result);
}
QFont CreateSymbolFont(int height);
// The symbol font's glyph for `symbol` ('0' to '9') drawn as a shape of the
// same size in its 15 x 15 cell, in the surface's text colour: what a
// drop-down symbol shows when the font is missing.
void DrawSymbolShape(QChar symbol, platform::Surface& surface, const platform::Rect& cell);

// The room the content pass needs, in surface pixels.
struct ContentSize {
  // Caption block, picture and drop-down cell as PictureAlign arranges them,
  // with no room around them.
  QSize content;
  // The smallest client on which the content pass lays them out apart from
  // each other, inside the client, clear of the drop-down area and with the
  // caption on its own lines.
  QSize fitting;
};
// No extent is searched beyond this (the largest control there is).
inline constexpr int MaximumContentExtent = 4096;
// Measures with the caption as the content pass measures it, in the
// surface's font; the picture is the largest any state shows.
ContentSize MeasureContent(const ButtonPaint& paint, const platform::Surface& surface);

// What MeasureContent reads: while it stays equal the measure does too.
struct ContentKey {
  QString caption;
  QFont font;
  bool unicodeText = true;
  bool rightToLeft = false;
  qint32 style = 0;
  qint32 captionAlign = 0;
  qint32 pictureAlign = 0;
  QSize picture; // invalid without a normal picture
  bool dropDown = false;
  bool operator==(const ContentKey&) const = default;
};
ContentKey contentKey(const ButtonPaint& paint, const platform::Surface& surface);

} // namespace vexa
