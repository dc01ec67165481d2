// SPDX-License-Identifier: MIT
// vexabutton-studio: design a vexabutton, see it in each of its looks, try
// it, and keep it as a preset.
//
//   vexabutton-studio [PRESET.json]
#include "StudioWindow.h"

#include "platform/Files.h"
#include "platform/Fonts.h"

#include "ProgramInfo.h"

#include <QApplication>

int main(int argc, char** argv) {
  if (programinfo::answer(argc, argv, "vexabutton-studio",
                          "usage: vexabutton-studio [PRESET.json]\n"
                          "Design a vexabutton, see it in each of its looks, try it and keep it as a preset.\n"
                          "  PRESET.json  a preset to open\n"
                          "  --help       show this text and exit\n"
                          "  --version    show the version and exit\n"))
    return 0;
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("vexabutton studio"));
  app.setDesktopFileName(QStringLiteral("example.belmora.VexaButtonStudio"));
  platform::registerProgramFonts();
  StudioWindow window;
  // From the bytes: a preset's name need not be UTF-8 (see fileNameText).
  if (argc > 1)
    window.openFile(platform::fileNameText(QByteArray(argv[1])));
  window.show();
  return app.exec();
}
