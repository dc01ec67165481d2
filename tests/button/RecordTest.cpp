// SPDX-License-Identifier: MIT
#include "button/model/vexabutton.h"
#include "button/model/vexabutton_p.h"

#include <gtest/gtest.h>

TEST(Record, ButtonHasAWindowHandle) {
  vexabutton button;
  EXPECT_NE(windowHandleOf(button), 0);
}
