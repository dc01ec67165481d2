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
// to it) at the surface's device pixel ratio and returns its outline within
// `regionRect`: the logical pixels where the style painted any device pixel.
// *deviceOutline, when given, receives the painted device pixels. An unknown
// state draws as Normal.
QRegion drawPushButton(Surface& surface, const Rect& clientRect, const Rect& regionRect, int state,
                       QRegion* deviceOutline = nullptr);

} // namespace Theme
} // namespace platform
