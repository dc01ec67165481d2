// SPDX-License-Identifier: MIT
#include "platform/Fonts.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>

namespace platform {

namespace {

#ifndef VEXA_WINE_FONT_DIR
#define VEXA_WINE_FONT_DIR "/usr/share/wine/fonts"
#endif

// The font files the program brings in from Wine's own font folder.
constexpr const char* programFontFiles[] = {"tahoma.ttf", "tahomabd.ttf", "marlett.ttf"};

// Files already registered with the application (by absolute path), so a
// second call does not register the same faces twice.
QStringList& registeredPaths() {
  static QStringList paths;
  return paths;
}

} // namespace

QStringList registerProgramFonts(const QString& wineFontDir) {
  const QDir dir(wineFontDir.isEmpty() ? QStringLiteral(VEXA_WINE_FONT_DIR) : wineFontDir);
  QStringList missing;
  for (const char* file : programFontFiles) {
    const QString name = QString::fromLatin1(file);
    const QString path = dir.absoluteFilePath(name);
    if (registeredPaths().contains(path))
      continue;
    // A missing or unreadable file is skipped: the face then resolves to the
    // system's substitute through fontconfig.
    if (!QFile::exists(path) || QFontDatabase::addApplicationFont(path) < 0) {
      missing << name;
      continue;
    }
    registeredPaths() << path;
  }
  // Carlito has the metrics of Calibri.
  if (!QFont::substitutes(QStringLiteral("Calibri")).contains(QStringLiteral("Carlito")))
    QFont::insertSubstitution(QStringLiteral("Calibri"), QStringLiteral("Carlito"));
  return missing;
}

} // namespace platform
