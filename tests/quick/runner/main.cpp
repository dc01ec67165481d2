// SPDX-License-Identifier: MIT
// A QML test program that links nothing of this tree: the module comes from
// the build tree's QML folder, as a QML program of a user loads it, under a
// QGuiApplication.
#include <QtQuickTest>

QUICK_TEST_MAIN(quick_module)
