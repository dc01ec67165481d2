#pragma once

#include "button/model/ButtonRecord.h"
#include "platform/Surface.h"

// The paint pipeline: one entry (Redraw), the window region, and the shared
// content pass every style renderer calls once per paint.
namespace vexa {

// Clears the surface, re-reads its size, applies the forced-Down rule and
// calls the renderer of rec.ButtonStyle with rec.ButtonState.
void Redraw(ButtonRecord& rec, platform::Surface& surface);

// Sets the surface's window region for the style (rounded or rectangular).
void ApplyWindowRegion(ButtonRecord& rec, platform::Surface& surface);

// Lays out and draws caption, picture and drop-down symbol (and separator).
void DrawCaptionAndPicture(ButtonRecord& rec, platform::Surface& surface);
void LayoutPicture(ButtonRecord& rec, platform::Surface& surface);
void DrawCaptionEffects(ButtonRecord& rec, platform::Surface& surface);
void DrawCaptionText(ButtonRecord& rec, platform::Surface& surface, const platform::Rect& rect, platform::Colour colour,
                     int dx, int dy);
void DrawDropDownSymbol(ButtonRecord& rec, platform::Surface& surface, qint32 symbol);
QFont CreateSymbolFont(int height);

} // namespace vexa
