// The one test main: an offscreen QApplication, the program's fonts and the
// fixed classic system-colour table, so pixel tests agree on every machine.
// Tests that need a real window system (grabs, popups, tooltips, window
// activation) run with QT_QPA_PLATFORM=xcb under xvfb-run instead.
#include "TestSupport.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (qgetenv("QT_QPA_PLATFORM") != "xcb")
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  testsupport::setUpProcess();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
