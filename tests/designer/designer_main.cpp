// SPDX-License-Identifier: MIT
// The Designer plugin's tests run in a process that, like a user's program,
// links only the installed shared libraries: the plugin's buttons and the
// test's are then one class. So this main sets up only what the public
// interface offers: an offscreen application and the program's fonts.
#include <VexaButton/platform/Fonts.h>

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  platform::registerProgramFonts();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
