// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QWidget>

namespace platform {

// Where the pointer is, as far as a widget can know it: from the positions
// its own events carry. Nothing here asks the window system; a Wayland
// client has no global pointer position, and a synthetic event moves no
// real pointer.

// Whether `local` (in the widget's coordinates) is on the widget itself:
// inside its rectangle and its mask, and on none of its children.
bool isOnWidget(const QWidget* widget, QPoint local);

// Whether the window system reports the pointer arriving on a window with
// an enter alone, without a move: a Wayland compositor does when the
// pointer comes onto a window from elsewhere; X11 and QTest's synthetic
// events follow every arrival of a moving pointer with a move.
bool arrivalComesWithoutMove();

// Whether a modal window that blocks `widget`'s window is being shown or is
// open: the Leave that such a window sends to the window below it takes the
// pointer away without moving it. Qt sends that Leave while it shows the
// modal window, before its own list of modal windows names it, so the
// visible modal windows are looked at.
bool isBlockedByModalWindow(const QWidget* widget);

// Which widget each press of the left mouse button went to (the one Qt
// delivered it to, a capture or an open popup included), watched from the
// application's event filter once watchLeftPresses has been called.
// endLeftPress says whether the last left press went to `widget`, and
// forgets it: the release that ends a press ends it for its own widget
// only, however the pointer got there.
void watchLeftPresses();
bool endLeftPress(const QWidget* widget);
// The widget whose left press has not ended yet while the left button is
// still down, if any.
QWidget* leftPressHolder();
// A press made without a mouse event (a click asked for by assistive
// technology) is the widget's own press all the same.
void claimLeftPress(QWidget* widget);
// Whether the press before the current double click went to `widget` too.
// Qt makes a double click of two presses close in time and place even when
// they went to two widgets side by side: for the second that is a first press.
bool isOwnDoubleClick(const QWidget* widget);

} // namespace platform
