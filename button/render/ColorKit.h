// SPDX-License-Identifier: MIT
#pragma once

#include "button/model/ButtonRecord.h"
#include "platform/Surface.h"

// The colour kit every style renderer is written against: translation, two
// colour operations, five drawing primitives and the style colour defaults.
namespace vexa {

using platform::Colour;

// RGB of a stored colour (system-colour references resolved); -1 on failure.
Colour TranslateColor(qint32 oleColor);
// Each channel moved by fraction x 255 (single-precision fraction), rounded
// to nearest with ties to even, limited to 255 (fraction > 0) or 0.
Colour ShiftColor(Colour colour, float fraction);
// Channel averages, rounded to nearest with ties to even.
Colour MixColors(Colour colour1, Colour colour2);

void DrawLine(platform::Surface& surface, int x1, int y1, int x2, int y2, Colour colour);
void FrameRectangle(platform::Surface& surface, int x, int y, int width, int height, Colour colour);
void FillRectangle(platform::Surface& surface, Colour colour, const platform::Rect& rect);
// The four pixels one in from the corners, where rounded styles soften them.
void SetCornerPixels(platform::Surface& surface, Colour colour);
// direction 0 horizontal, 1 vertical, 2 and 3 diagonal, other values black.
// The ramp is taken over the rectangle's device pixels.
void GradientFill(platform::Surface& surface, int x, int y, int width, int height, Colour colour1, Colour colour2,
                  int direction);

// ColorScheme from ButtonStyle.
void ApplyDefaultColorScheme(ButtonRecord& rec);
// BackColor, ForeColor, ShowFocusRect and PicturePushOnHover from ButtonStyle and ColorScheme.
void ApplyStyleDefaults(ButtonRecord& rec);

} // namespace vexa
