// SPDX-License-Identifier: MIT
#pragma once

// Whether ButtonStyle 13 draws through the desktop theme. Each answer is
// evaluated once per process and then kept: a later theme switch only
// repaints, it does not change the drawing route.
namespace vexa {

bool IsUxThemePresent();
bool IsThemed();

// Tests and tools: forget the kept answers, or fix them.
void resetVisualStyles();
void setVisualStylesForTesting(bool themed);

} // namespace vexa
