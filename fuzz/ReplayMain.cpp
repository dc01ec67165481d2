// SPDX-License-Identifier: MIT
// Runs one harness over files and folders of inputs (folders in name order),
// as an ordinary test: any crash or broken invariant ends the process.
#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv) {
  // Every path first, made absolute: a harness may change the working folder.
  QStringList files;
  for (int i = 1; i < argc; ++i) {
    const QFileInfo path(QString::fromLocal8Bit(argv[i]));
    if (!path.isDir()) {
      files << path.absoluteFilePath();
      continue;
    }
    for (const QFileInfo& entry : QDir(path.absoluteFilePath()).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name))
      if (entry.fileName() != QLatin1String(".gitkeep"))
        files << entry.absoluteFilePath();
  }
  for (const QString& file : std::as_const(files)) {
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
      std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
      return 1;
    }
    const QByteArray data = input.readAll();
    std::fprintf(stderr, "%s\n", qPrintable(file));
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(data.constData()), size_t(data.size()));
  }
  std::printf("replayed %lld inputs\n", static_cast<long long>(files.size()));
  return files.isEmpty() ? 1 : 0;
}
