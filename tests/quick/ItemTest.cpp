// SPDX-License-Identifier: MIT
#include "quick/VexaButtonItem.h"

#include <gtest/gtest.h>

TEST(QuickItem, Builds) { SUCCEED(); }
