// SPDX-License-Identifier: MIT
// Draws the main window's pictures with the artwork code and writes them as
// a C++ source of pixel tables (run by the build; see app/CMakeLists.txt).
//   artwork-bake OUTPUT.cpp
// The pictures are drawn with the program's fonts, on the offscreen
// platform, exactly as the program would draw them.
#include "app/Artwork.h"
#include "platform/Fonts.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace {

// One table: the 32-bit pixel values (QRgb) row by row, eight to a line.
void writeTable(QTextStream& out, const char* name, const QImage& picture) {
  const QImage image =
      picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  out << "\nconst quint32 " << name << "Pixels[" << image.width() * image.height() << "] = {\n";
  int column = 0;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      out << "0x" << QString::number(row[x], 16).rightJustified(8, QLatin1Char('0')) << "u,";
      if (++column == 8) {
        out << '\n';
        column = 0;
      }
    }
  }
  out << "};\n";
  out << "const Pixels " << name << "{" << image.width() << ", " << image.height() << ", "
      << (image.hasAlphaChannel() ? "true" : "false") << ", " << name << "Pixels};\n";
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: artwork-bake OUTPUT.cpp\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  platform::registerProgramFonts();

  QSaveFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
    std::fprintf(stderr, "artwork-bake: cannot write %s\n", argv[1]);
    return 1;
  }
  QTextStream out(&file);
  out << "// Made by artwork-bake from the drawings of app/Artwork.cpp. Do not edit.\n";
  out << "#include \"app/BuiltArtwork.h\"\n\nnamespace builtartwork::tables {\n";
  writeTable(out, "banner", artwork::banner());
  writeTable(out, "tesmirPortrait", artwork::tesmirPortrait());
  writeTable(out, "icon48", artwork::iconImage(48));
  writeTable(out, "icon32", artwork::iconImage(32));
  writeTable(out, "icon16", artwork::iconImage(16));
  out << "\n} // namespace builtartwork::tables\n";
  out.flush();
  if (out.status() != QTextStream::Ok || !file.commit()) {
    std::fprintf(stderr, "artwork-bake: writing %s failed\n", argv[1]);
    return 1;
  }
  return 0;
}
