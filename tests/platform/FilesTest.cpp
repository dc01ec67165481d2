// Reading what users hand over and replacing files without harming them.
#include "platform/Files.h"

#include "common/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using platform::readRegularFile;
using platform::writeFileReplacing;

namespace {

QByteArray contentOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

TEST(Files, OnlyRegularFilesAreReadAtOnceAndUpToTheLimit) {
  testsupport::Watchdog watchdog(20, "reading special files");
  QTemporaryDir dir;
  const QString fifo = dir.filePath("pipe");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  QFile ten(dir.filePath("ten"));
  ASSERT_TRUE(ten.open(QIODevice::WriteOnly));
  ten.write("0123456789");
  ten.close();
  const struct {
    QString path;
    qint64 limit;
    const char* reason; // empty: read
  } cases[] = {
      {fifo, 100, "not a regular file (a named pipe)"},
      {QStringLiteral("/dev/zero"), 100, "not a regular file (a character device)"},
      {dir.path(), 100, "folder"},
      {dir.filePath("missing"), 100, "does not exist"},
      {ten.fileName(), 9, "too large (10 bytes; files of up to 9 bytes"},
      {ten.fileName(), 10, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    QString why;
    const auto bytes = readRegularFile(c.path, c.limit, &why);
    EXPECT_EQ(bytes.has_value(), !*c.reason);
    EXPECT_TRUE(why.contains(QLatin1String(c.reason))) << why.toStdString();
  }
}

TEST(Files, ANameThatIsNotUtf8IsWrittenAndReadUnderItsOwnBytes) {
  const QByteArray raw = "ko\xC4\x87"
                         "a-\xFF\xC3"
                         ".png"; // "kuća"'s ć, then two stray bytes
  const QString text = platform::fileNameText(raw);
  EXPECT_TRUE(text.startsWith(QStringLiteral("ko\u0107a-")));
  EXPECT_EQ(platform::fileNameBytes(text), raw);
  EXPECT_EQ(platform::fileNameBytes(QStringLiteral("obi\u010Dno")), QByteArray("obi\xC4\x8Dno"));

  QTemporaryDir dir;
  const QString path = dir.path() + QLatin1Char('/') + text;
  QString why;
  ASSERT_TRUE(writeFileReplacing(path, "bytes", &why)) << why.toStdString();
  struct stat status;
  EXPECT_EQ(::stat((QFile::encodeName(dir.path()) + '/' + raw).constData(), &status), 0);
  EXPECT_EQ(readRegularFile(path, 100, &why).value_or("(failed)"), QByteArray("bytes"));
  ::unlink((QFile::encodeName(dir.path()) + '/' + raw).constData()); // a name QTemporaryDir cannot spell
}

TEST(Files, AFailedReplacementLeavesTheOldFileAndNoTraces) {
  testsupport::SmallDisk disk;
  if (!disk.mounted())
    GTEST_SKIP() << "no small file system can be mounted here (needs root)";
  const QString keep = disk.filePath("keep.json");
  QString why;
  ASSERT_TRUE(writeFileReplacing(keep, "the old preset", &why)) << why.toStdString();
  ASSERT_EQ(::chmod(QFile::encodeName(keep).constData(), 0640), 0);
  // A replacement that fits keeps the permissions; one that does not fit
  // (the rest of the disk filled first) fails and leaves the file alone.
  ASSERT_TRUE(writeFileReplacing(keep, "the new preset", &why)) << why.toStdString();
  struct stat status;
  ASSERT_EQ(::stat(QFile::encodeName(keep).constData(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
  disk.fill();
  EXPECT_FALSE(writeFileReplacing(keep, QByteArray(16384, 'x'), &why));
  EXPECT_TRUE(why.contains(QLatin1String("space"))) << why.toStdString();
  EXPECT_EQ(contentOf(keep), QByteArray("the new preset"));
  EXPECT_EQ(QDir(disk.filePath(".")).entryList(QDir::Files | QDir::Hidden), (QStringList{"filler", "keep.json"}));

  // A device is written, not replaced: a full one fails.
  EXPECT_FALSE(writeFileReplacing(QStringLiteral("/dev/full"), "x", &why));
  EXPECT_TRUE(why.contains(QLatin1String("space"))) << why.toStdString();
  EXPECT_TRUE(writeFileReplacing(QStringLiteral("/dev/null"), "x", &why)) << why.toStdString();
}
