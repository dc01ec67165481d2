#pragma once

#include "button/model/ButtonRecord.h"
#include "button/render/Paint.h"
#include "platform/Surface.h"

// The paint pipeline as the control uses it: the description of a record,
// the results written back to it, the window region, and the shared content
// pass every style renderer calls once per paint.
namespace vexa {

// The paint of a record as it stands, with the forced-Down rule applied.
ButtonPaint describe(const ButtonRecord& rec);
// Writes what a paint computed into the record: the drawn state, the size
// fields and, when the content was laid out, the layout fields.
void apply(const PaintResult& result, ButtonRecord& rec);

// Sets the surface's window region for the style (rounded or rectangular).
// Rounded styles take the given size, which is that of the last paint.
void ApplyWindowRegion(qint32 style, int width, int height, platform::Surface& surface);
void ApplyWindowRegion(const ButtonRecord& rec, platform::Surface& surface);

// Lays out and draws caption, picture and drop-down symbol (and separator),
// the caption in `foreColor` unless Hot or disabled; fills the layout fields
// of `result`.
void DrawCaptionAndPicture(const ButtonPaint& paint, qint32 foreColor, platform::Surface& surface, PaintResult& result);
QFont CreateSymbolFont(int height);

} // namespace vexa
