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

// Fills rec.LightenTable (i x 293 div 255, at most 255) and rec.DarkenTable
// (i x 217 div 255). Called once when an instance is created.
void BuildEffectTables(ButtonRecord& rec);

// A bitmap of 32 bits per pixel (drawn through its alpha channel). Icons and
// other bitmaps are not.
bool IsAlphaBitmap(const platform::Picture& picture);

// Draws the current picture with its top-left corner at (rect.left, rect.top)
// at the picture's size (rect's right and bottom are not used), on the
// surface's device pixels (the background read back, composed and written
// per device pixel, from the picture's pixels at that size), through the
// 32-bit route for an alpha bitmap and the 24-bit route otherwise. colour -1
// draws the picture itself; any other value a silhouette in that colour.
void DrawPicture(ButtonRecord& rec, platform::Surface& surface, const platform::Rect& rect, platform::Colour colour);

// The 24-bit route: the surface area and the picture (an icon first drawn
// over maskColour) in 24-bit work buffers, blended pixel by pixel with the
// record's opacity, effect and disabled look; pixels equal to maskColour are
// transparent while UseMaskColor is True. colour as for DrawPicture, except
// that every negative value draws the picture itself.
void DrawPictureRGB(const ButtonRecord& rec, platform::Surface& surface, int x, int y, int width, int height,
                    const platform::Picture& picture, platform::Colour maskColour, platform::Colour colour);

// The 32-bit route for alpha bitmaps: each pixel's opacity is its alpha
// scaled by the record's opacity; MaskColor plays no part.
void DrawPictureAlpha(const ButtonRecord& rec, platform::Surface& surface, int x, int y, int width, int height,
                      const platform::Picture& picture, platform::Colour colour);

// The two-step drop shadow, then the picture again on top of it.
void DrawPictureShadow(ButtonRecord& rec, platform::Surface& surface);

// The push-on-hover look: a silver silhouette in place, the picture lifted
// by (-2, -2) above it.
void DrawPicturePushOnHover(ButtonRecord& rec, platform::Surface& surface);

} // namespace vexa
