// SPDX-License-Identifier: MIT
#pragma once

#include "button/render/Paint.h"
#include "platform/Surface.h"

// The style renderers behind Redraw's dispatch table, one file per family.
// Each draws paint.state (or its own look of a checked toggle), paints the
// style's background, calls DrawCaptionAndPicture once and adds its border
// lines; the content pass fills the layout fields of the result.
namespace vexa {

using StyleRenderer = void (*)(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result);

// Classic, ClassicThin, FlatClassic and FlatThin (Classic.cpp).
void DrawClassic(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result);

// RoundedGradient, and System while visual styles are off (RoundedGradient.cpp).
void DrawRoundedGradient(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result);

// BlueGlass, WarmHighlight, SoftBlue and Shaded (Gradient.cpp).
void DrawBlueGlass(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result);
void DrawWarmHighlight(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result);
void DrawSoftBlue(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result);
void DrawShaded(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result);

// Toolbar, Silver, Gel and WhiteGloss (ToolbarGloss.cpp).
void DrawToolbar(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result);
void DrawSilver(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result);
void DrawGel(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result);
void DrawWhiteGloss(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result);

// System while visual styles are active (Themed.cpp), and its theme state
// id: disabled, defaulted (at rest, focused or default, in an active
// window), else normal, hot or pressed by the state (0 for an unknown state).
void DrawThemed(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result);
int ThemedStateId(const ButtonPaint& paint);

} // namespace vexa
