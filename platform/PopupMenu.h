// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QAction;
class QMenu;

namespace platform {

// The classic menu service's alignment flags. Horizontal: left (0), centre,
// right; vertical: top (0), centre, bottom.
namespace MenuFlags {
constexpr int CenterAlign = 4;
constexpr int RightAlign = 8;
constexpr int VCenterAlign = 16;
constexpr int BottomAlign = 32;
} // namespace MenuFlags

// The top-left corner of a menu of `size` shown at `at` with `flags`: right
// alignment makes `at` its right edge, bottom alignment its bottom edge (the
// centre alignments its centre); then the menu is moved, never cut, into
// `area` (its left and top edges win when it is larger than the area).
QPoint menuPosition(QSize size, QPoint at, int flags, const QRect& area);

// Shows `menu` modally at the global point `at`, placed as menuPosition says
// inside the available area of the screen there, with `defaultItem` (when
// given) as its default, bold item for this showing. Returns when the menu
// has closed. As with the classic menu service, a press outside the menu
// closes it and then goes on to the window of the program under the
// pointer. Returns the global position of the last mouse event the menu
// saw, the one that closed it if a press did; none when the menu was left
// by the keyboard without the pointer moving.
std::optional<QPoint> showPopupMenu(QMenu& menu, QPoint at, int flags, QAction* defaultItem);

} // namespace platform
