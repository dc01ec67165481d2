// SPDX-License-Identifier: MIT
#include "app/Form1.h"
#include "platform/FirstPaint.h"
#include "platform/Fonts.h"

#include "ProgramInfo.h"

#include <QApplication>

int main(int argc, char** argv) {
  // The game takes no command line but these two; any other argument is
  // ignored as before.
  if (programinfo::answer(argc, argv, "vokrantov-test",
                          "usage: vokrantov-test\n"
                          "Vokrantov test inteligencije: a timed five-houses logic puzzle in Serbian.\n"
                          "  --help     show this text and exit\n"
                          "  --version  show the version and exit\n"))
    return 0;
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Vokrantov test inteligencije"));
  // The program ends when the main window unloads, not when its last window
  // closes: during a pause the main window is hidden while a message box or
  // an information window is the only one open.
  app.setQuitOnLastWindowClosed(false);
  platform::registerProgramFonts();
  auto* form = new Form1;
  // For the screen-reader test only: a shorter second, so that a minute
  // passes in a few seconds. The program takes no command line; this is
  // read from the environment and ignored unless it is a whole number of
  // milliseconds from 1 to 1000.
  if (qEnvironmentVariableIsSet("VOKRANTOV_TEST_TICK_MS")) {
    bool ok = false;
    const int tick = qEnvironmentVariableIntValue("VOKRANTOV_TEST_TICK_MS", &ok);
    if (ok && tick >= 1 && tick <= 1000)
      form->Timer1->setInterval(tick);
    else
      qWarning("VOKRANTOV_TEST_TICK_MS must be 1 to 1000 (milliseconds); the clock keeps its second");
  }
  QObject::connect(form, &platform::Form::unloaded, &app, &QApplication::quit);
  // For the start-up benchmark (bench/startup) only: quit as soon as the
  // window has been shown and painted once.
  if (app.arguments().contains(QStringLiteral("--quit-after-first-paint")))
    platform::quitAfterFirstPaint(form);
  form->Show();
  return app.exec();
}
