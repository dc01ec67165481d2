#pragma once

#include "button/model/ButtonRecord.h"
#include "platform/Surface.h"

// Which picture a button shows in its current state, how big it is, and the
// entries that compose it onto the surface.
namespace vexa {

// The picture for the record's state: PictureDown (then PictureHot, then
// PictureNormal) while Down or checked, PictureHot (then PictureNormal) while
// Hot, PictureNormal otherwise. Never null: an empty picture stands in.
platform::PicturePtr CurrentPicture(const ButtonRecord& rec);

// Sets rec.CurrentPicture and its size in pixels (PictureWidth, PictureHeight,
// from HIMETRIC at 96 dpi, ties to even). Called at the start of each layout pass.
void SelectCurrentPicture(ButtonRecord& rec);

// Draws the current picture with its top-left corner at (rect.left, rect.top).
// colour -1 draws the picture itself; any other value a silhouette in that colour.
void DrawPicture(ButtonRecord& rec, platform::Surface& surface, const platform::Rect& rect, platform::Colour colour);

// The two-step drop shadow, then the picture again on top of it.
void DrawPictureShadow(ButtonRecord& rec, platform::Surface& surface);

// The push-on-hover look: a silver silhouette in place, the picture lifted
// by (-2, -2) above it.
void DrawPicturePushOnHover(ButtonRecord& rec, platform::Surface& surface);

} // namespace vexa
