// SPDX-License-Identifier: MIT
#include "platform/Fonts.h"
#include "platform/ProgramFonts.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

#include <atomic>
#include <mutex>

namespace platform {

namespace {

#ifndef VEXA_WINE_FONT_DIR
#define VEXA_WINE_FONT_DIR "/usr/share/wine/fonts"
#endif

// The font files the control brings in from Wine's own font folder.
constexpr const char* programFontFiles[] = {"tahoma.ttf", "tahomabd.ttf", "marlett.ttf"};

// Registration may be asked for from any thread, and again from inside
// itself (a font database change can reach code that draws).
std::recursive_mutex& registrationMutex() {
  static std::recursive_mutex mutex;
  return mutex;
}

// Files already registered with the application (by absolute path), so a
// second call does not register the same faces twice. Under the mutex.
QStringList& registeredPaths() {
  static QStringList paths;
  return paths;
}

std::atomic<bool> fontsEnsured{false};
// Set while this thread registers them: a call from inside the registration
// goes on without waiting for itself.
thread_local bool registeringHere = false;

} // namespace

QStringList registerProgramFonts(const QString& wineFontDir) {
  const std::lock_guard lock(registrationMutex());
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

void ensureProgramFonts() {
  if (fontsEnsured.load(std::memory_order_acquire) || registeringHere)
    return;
  const std::lock_guard lock(registrationMutex());
  if (fontsEnsured.load(std::memory_order_relaxed))
    return;
  // The font database belongs to a GUI application; before one exists there
  // is nothing to draw, and the next call tries again.
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    return;
  registeringHere = true;
  registerProgramFonts();
  registeringHere = false;
  fontsEnsured.store(true, std::memory_order_release);
}

bool symbolFontAvailable() {
  ensureProgramFonts();
  QFont font(QStringLiteral("Marlett"));
  font.setStyleStrategy(QFont::NoFontMerging);
  return QFontInfo(font).family().compare(QStringLiteral("Marlett"), Qt::CaseInsensitive) == 0;
}

} // namespace platform
