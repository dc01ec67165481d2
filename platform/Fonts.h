// SPDX-License-Identifier: MIT
#pragma once

#include "vexabutton_platform_export.h"

#include <QString>
#include <QStringList>

namespace platform {

/*! \file Fonts.h
    The fonts the control draws with, registered with the application. */

//! Registers the control's fonts with the application: Wine's Tahoma, Tahoma
//! Bold and Marlett from their own folder (\a wineFontDir, or the fonts-wine
//! package's folder when empty), and the family "Calibri" mapped to Carlito.
//! The library does this by itself the first time it needs a font, so a
//! program need not call it; a program that keeps the fonts elsewhere may
//! call it with that folder. A missing file is skipped (the system's
//! substitute is used; the drop-down symbols are then drawn as shapes); the
//! names of the files that could not be registered are returned.
VEXA_PLATFORM_EXPORT QStringList registerProgramFonts(const QString& wineFontDir = QString());

} // namespace platform
