// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace vexa {

// The caption as it reads: "&x" is x, "&&" is one ampersand.
QString captionWithoutAccessKey(const QString& caption);

// Makes vexabutton known to Qt's accessibility (once per process; every
// button's constructor calls it).
void installAccessibleFactory();

} // namespace vexa
