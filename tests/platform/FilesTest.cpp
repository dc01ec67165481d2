// SPDX-License-Identifier: MIT
// Reading what users hand over and replacing files without harming them.
#include "platform/Files.h"

#include "common/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using platform::readRegularFile;

TEST(Files, OnlyRegularFilesAreReadAtOnceAndUpToTheLimit) {
  testsupport::Watchdog watchdog(20);
  QTemporaryDir dir;
  const QString fifo = dir.filePath("pipe");
  ASSERT_TRUE(testsupport::makePipe(fifo));
  const QString ten = dir.filePath("ten");
  ASSERT_TRUE(testsupport::writeAll(ten, "0123456789"));
  const struct {
    QString path;
    qint64 limit;
    const char* reason; // empty: read
  } cases[] = {
      {fifo, 100, "not a regular file (a named pipe)"},
      {QStringLiteral("/dev/zero"), 100, "not a regular file (a character device)"},
      {dir.path(), 100, "folder"},
      {dir.filePath("missing"), 100, "does not exist"},
      {dir.filePath(QStringLiteral("caf\uFFFD")), 100, "bytes that are not UTF-8"},
      {ten, 9, "too large (10 bytes; files of up to 9 bytes"},
      {ten, 10, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    QString why;
    const auto bytes = readRegularFile(c.path, c.limit, &why);
    EXPECT_EQ(bytes.has_value(), !*c.reason);
    EXPECT_TRUE(why.contains(QLatin1String(c.reason))) << why.toStdString();
  }
}

TEST(Files, ANameThatIsNotUtf8KeepsItsBytes) {
  const QByteArray raw = "ko\xC4\x87"
                         "a-\xFF\xC3"
                         ".png"; // "kuća"'s ć, then two stray bytes
  const QString text = platform::fileNameText(raw);
  EXPECT_TRUE(text.startsWith(QStringLiteral("ko\u0107a-")));
  EXPECT_EQ(platform::fileNameBytes(text), raw);
}
