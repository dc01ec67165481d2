// SPDX-License-Identifier: MIT
#include "button/model/vexabutton.h"

#include <gtest/gtest.h>

TEST(Record, ButtonHasAWindowHandle) {
  vexabutton button;
  EXPECT_NE(button.hWnd(), 0);
}
