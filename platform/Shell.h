// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

// Opens a web or mail address (http, https or mailto, in any letter case)
// with the desktop's handler for it and returns whether it opened. Anything
// else - a file path, a program name, another scheme, an address without a
// host or recipient, an empty string - is refused and returns false without
// running anything.
bool openWebAddress(const QString& address);

} // namespace platform
