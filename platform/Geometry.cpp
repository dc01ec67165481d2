// SPDX-License-Identifier: MIT
#include "platform/Geometry.h"

#include <cmath>

namespace platform {

int roundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

int himetricToPixels(int himetric) { return roundHalfEven(himetric * 96.0 / 2540.0); }

int pixelsToHimetric(int pixels) { return roundHalfEven(pixels * 2540.0 / 96.0); }

} // namespace platform
