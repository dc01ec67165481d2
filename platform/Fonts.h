// SPDX-License-Identifier: MIT
#pragma once

#include "vexabutton_platform_export.h"

#include <QString>
#include <QStringList>

namespace platform {

/*! \file Fonts.h
    The fonts the control draws with, registered with the application. */

//! Registers the program's fonts with the application: Wine's Tahoma, Tahoma
//! Bold and Marlett from their own folder (\a wineFontDir, or the fonts-wine
//! package's folder when empty), and the family "Calibri" mapped to Carlito.
//! Call it once after constructing the QApplication, before the first button.
//! A missing file is skipped (the system's substitute is used); the names of
//! the files that could not be registered are returned.
VEXA_PLATFORM_EXPORT QStringList registerProgramFonts(const QString& wineFontDir = QString());

} // namespace platform
