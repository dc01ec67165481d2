// SPDX-License-Identifier: MIT
#include "platform/Geometry.h"

#include <gtest/gtest.h>

TEST(Units, HimetricToPixelsRoundsTiesToEven) {
  EXPECT_EQ(platform::himetricToPixels(3201), 121);
  EXPECT_EQ(platform::himetricToPixels(873), 33);
  EXPECT_EQ(platform::roundHalfEven(2.5), 2);
  EXPECT_EQ(platform::roundHalfEven(3.5), 4);
  EXPECT_EQ(platform::roundHalfEven(-2.5), -2);
}
