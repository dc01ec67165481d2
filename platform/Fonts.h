// SPDX-License-Identifier: MIT
#pragma once

#include "vexabutton_platform_export.h"

#include <QString>
#include <QStringList>

namespace platform {

// Registers the program's fonts with the application: Wine's Tahoma, Tahoma
// Bold and Marlett from their own folder, and the family "Calibri" mapped to
// Carlito. A missing file is skipped (the system's substitute is used);
// the names of the files that could not be registered are returned.
VEXA_PLATFORM_EXPORT QStringList registerProgramFonts(const QString& wineFontDir = QString());

} // namespace platform
