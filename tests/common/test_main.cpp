// SPDX-License-Identifier: MIT
// The one test main: an offscreen QApplication, the program's fonts and the
// fixed classic system-colour table, so pixel tests agree on every machine.
// Tests that need a real window system (grabs, popups, tooltips, window
// activation) run with QT_QPA_PLATFORM=xcb under xvfb-run instead; tests of
// several screens give the offscreen platform a screen configuration.
#include "TestSupport.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform has no window-system mouse grab (Qt still routes
// the mouse to the grabbing widget): its warning at every space-bar press
// would only bury real messages.
void offscreenMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message == QLatin1String("This plugin does not support grabbing the mouse"))
    return;
  defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
  // Offscreen unless the run asks for xcb; an offscreen platform given with
  // options (a screen configuration) is kept.
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform != "xcb") {
    if (!platform.startsWith("offscreen"))
      qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(offscreenMessages);
  }
  QApplication app(argc, argv);
  testsupport::setUpProcess();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
