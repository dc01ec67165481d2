// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace platform {

// For start-up measurements only. Once `window` has been painted for the first
// time (its backing store flushed to the window system), writes the line
// "first-paint NANOSECONDS cpu NANOSECONDS" to standard output: the steady
// clock's reading at that moment (CLOCK_MONOTONIC on Linux, so a launcher can
// compare it with its own) and the CPU time the process has used so far. Then
// quits the application's event loop.
void quitAfterFirstPaint(QWidget* window);

} // namespace platform
