// SPDX-License-Identifier: MIT
// Where a menu goes: the alignment flags, then inside the available area.

#include "platform/PopupMenu.h"

#include <gtest/gtest.h>

namespace {

using platform::menuPosition;

TEST(MenuPosition, AlignmentFlagsMakeThePointAnEdgeOrTheCentre) {
  const QRect area(0, 0, 1024, 768);
  const QSize size(100, 50);
  const std::pair<int, QPoint> cases[] = {
      {0, {500, 400}}, {8, {400, 400}},  {32, {500, 350}}, {40, {400, 350}},
      {4, {450, 400}}, {16, {500, 375}}, {20, {450, 375}}, {8 | 0x100, {400, 400}}, // other bits change nothing
  };
  for (const auto& [flags, corner] : cases)
    EXPECT_EQ(menuPosition(size, {500, 400}, flags, area), corner) << flags;
}

// Moved, never cut: the right and bottom edges of the area are exclusive; a
// menu larger than the area starts at its corner.
TEST(MenuPosition, PushedBackInsideTheArea) {
  const QRect area(0, 30, 1024, 738); // a panel along the top
  const QSize size(100, 50);
  struct Case {
    QPoint at;
    int flags;
    QPoint corner;
  };
  for (const Case& c : {
           Case{{1000, 400}, 0, {924, 400}},
           Case{{924, 400}, 0, {924, 400}},
           Case{{500, 760}, 0, {500, 718}},
           Case{{30, 400}, 8, {0, 400}},
           Case{{500, 60}, 32, {500, 30}},
           Case{{-50, -50}, 40, {0, 30}},
       })
    EXPECT_EQ(menuPosition(size, c.at, c.flags, area), c.corner) << c.at.x() << "," << c.at.y() << " " << c.flags;
  EXPECT_EQ(menuPosition({2000, 1000}, {500, 400}, 0, area), QPoint(0, 30));
}

} // namespace
