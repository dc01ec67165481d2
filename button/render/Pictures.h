// SPDX-License-Identifier: MIT
#pragma once

#include "button/model/ButtonRecord.h"
#include "button/render/Paint.h"
#include "platform/Surface.h"

// Which picture a button shows in its current state, how big it is, and the
// entries that compose it onto the surface.
namespace vexa {

// A picture as a paint shows it: never null (an empty picture stands in),
// and its size in pixels (from HIMETRIC at 96 dpi, ties to even).
struct ShownPicture {
  platform::PicturePtr picture;
  int width = 0;
  int height = 0;
};

// The picture for the paint's state: PictureDown (then PictureHot, then
// PictureNormal) while Down or checked, PictureHot (then PictureNormal) while
// Hot, PictureNormal otherwise.
ShownPicture SelectCurrentPicture(const ButtonPaint& paint);

// Fills rec.LightenTable (i x 293 div 255, at most 255) and rec.DarkenTable
// (i x 217 div 255). Called once when an instance is created.
void BuildEffectTables(ButtonRecord& rec);

// A bitmap of 32 bits per pixel (drawn through its alpha channel). Icons and
// other bitmaps are not.
bool IsAlphaBitmap(const platform::Picture& picture);

// Draws the shown picture with its top-left corner at (rect.left, rect.top)
// at the picture's size (rect's right and bottom are not used), on the
// surface's device pixels (the background read back, composed and written
// per device pixel, from the picture's pixels at that size), through the
// 32-bit route for an alpha bitmap and the 24-bit route otherwise. colour -1
// draws the picture itself; any other value a silhouette in that colour.
void DrawPicture(const ButtonPaint& paint, const ShownPicture& shown, platform::Surface& surface,
                 const platform::Rect& rect, platform::Colour colour);

// The 24-bit route: the surface area and the picture (an icon first drawn
// over maskColour) in 24-bit work buffers, blended pixel by pixel with the
// paint's opacity, effect and disabled look; pixels equal to maskColour are
// transparent while UseMaskColor is True. colour as for DrawPicture, except
// that every negative value draws the picture itself.
void DrawPictureRGB(const ButtonPaint& paint, platform::Surface& surface, int x, int y, int width, int height,
                    const platform::Picture& picture, platform::Colour maskColour, platform::Colour colour);

// The 32-bit route for alpha bitmaps: each pixel's opacity is its alpha
// scaled by the paint's opacity; MaskColor plays no part.
void DrawPictureAlpha(const ButtonPaint& paint, platform::Surface& surface, int x, int y, int width, int height,
                      const platform::Picture& picture, platform::Colour colour);

// The two-step drop shadow of the picture at `rect`, then the picture again
// on top of it.
void DrawPictureShadow(const ButtonPaint& paint, const ShownPicture& shown, platform::Surface& surface,
                       const platform::Rect& rect);

// The push-on-hover look: a silver silhouette at `rect`, the picture lifted
// by (-2, -2) above it.
void DrawPicturePushOnHover(const ButtonPaint& paint, const ShownPicture& shown, platform::Surface& surface,
                            const platform::Rect& rect);

} // namespace vexa
