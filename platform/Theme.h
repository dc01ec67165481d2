// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Surface.h"

#include <QRegion>

namespace platform {

// The desktop theme: the push button of the application's QStyle, drawn into
// a surface. Visual styles count as active whenever the application style is
// not Qt's classic "windows" style.
namespace Theme {

// The themed push button's state ids, with the classic theme's numbers.
enum PushButtonState : int { Normal = 1, Hot = 2, Pressed = 3, Disabled = 4, Defaulted = 5 };

// True when a theme service exists at all (always, with Qt's styles).
bool themeLibraryPresent();
// True when the application style draws themed controls.
bool appThemed();

// Draws the push button in `state` over `clientRect` on the surface (clipped
// to it) at the surface's device pixel ratio, and returns the outline the
// style gives a push button drawn over `outlineRect`, within the surface: the
// logical pixels any of whose device pixels that button paints. A caller
// that passes a rectangle larger than the client area keeps the style's
// rounded corners outside the surface. *deviceOutline, when given, receives
// the painted device pixels. An unknown state draws as Normal.
QRegion drawPushButton(Surface& surface, const Rect& clientRect, const Rect& outlineRect, int state,
                       QRegion* deviceOutline = nullptr);

} // namespace Theme
} // namespace platform
