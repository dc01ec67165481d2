// SPDX-License-Identifier: MIT
// vexa-icons: writes the desktop icons of the program and the studio, at the
// sizes of the hicolor theme, into OUTDIR/hicolor/NxN/apps.
//
//   vexa-icons OUTDIR
//
// The program's icon is its window icon; the studio's is a vexabutton drawn
// by the control itself.
#include "../support/ButtonImage.h"
#include "app/Artwork.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (app.arguments().size() != 2) {
    std::fputs("usage: vexa-icons OUTDIR\n", stderr);
    return 2;
  }
  platform::registerProgramFonts();
  const QString out = app.arguments().at(1);
  for (int size : {16, 32, 48, 256}) {
    const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(out).arg(size);
    const QImage program = artwork::iconImage(size);
    const QImage studio = toolsupport::buttonIcon(size, size >= 32 ? QStringLiteral("ab") : QString());
    if (!QDir().mkpath(folder) || !program.save(folder + QStringLiteral("/example.belmora.VokrantovTest.png")) ||
        !studio.save(folder + QStringLiteral("/example.belmora.VexaButtonStudio.png"))) {
      std::fprintf(stderr, "vexa-icons: cannot write the icons into \"%s\"\n", qPrintable(folder));
      return 1;
    }
  }
  return 0;
}
