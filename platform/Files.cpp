// SPDX-License-Identifier: MIT
#include "platform/Files.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// What an open or a stat failing with `error` means for a file named by the user.
QString openError(int error) {
  if (error == ENOENT)
    return QStringLiteral("the file does not exist");
  if (error == ENOTDIR)
    return QStringLiteral("a folder on its path is a file");
  return systemError(error);
}

QString notRegular(mode_t mode) {
  if (S_ISDIR(mode))
    return QStringLiteral("it is a folder, not a file");
  const char* kind = S_ISFIFO(mode)   ? "a named pipe"
                     : S_ISCHR(mode)  ? "a character device"
                     : S_ISBLK(mode)  ? "a block device"
                     : S_ISSOCK(mode) ? "a socket"
                                      : "a special file";
  return QStringLiteral("not a regular file (%1)").arg(QLatin1String(kind));
}

// The length of the valid UTF-8 sequence at `at`, or 0.
int utf8Sequence(const QByteArray& bytes, qsizetype at) {
  const auto byte = [&](qsizetype i) { return i < bytes.size() ? uchar(bytes[i]) : 0u; };
  const uint lead = byte(at);
  const auto continuation = [&](qsizetype i) { return (byte(i) & 0xC0) == 0x80; };
  if (lead < 0x80)
    return 1;
  if (lead >= 0xC2 && lead <= 0xDF)
    return continuation(at + 1) ? 2 : 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    const uint second = byte(at + 1);
    // No overlong forms and no surrogates.
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0))
      return 0;
    return continuation(at + 1) && continuation(at + 2) ? 3 : 0;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    const uint second = byte(at + 1);
    if ((lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
      return 0;
    return continuation(at + 1) && continuation(at + 2) && continuation(at + 3) ? 4 : 0;
  }
  return 0;
}

bool isEscapedByte(const QString& name, qsizetype i) {
  const char16_t c = name[i].unicode();
  return c >= 0xDC80 && c <= 0xDCFF && (i == 0 || !name[i - 1].isHighSurrogate());
}

// The file a name leads to: a symbolic link is followed, so that replacing
// the file keeps the link.
QByteArray resolvedTarget(const QByteArray& name) {
  char* real = ::realpath(name.constData(), nullptr);
  if (!real)
    return name;
  QByteArray result(real);
  std::free(real);
  return result;
}

bool writeAllTo(int fd, const QByteArray& bytes, QString* why) {
  for (qsizetype at = 0; at < bytes.size();) {
    const ssize_t written = ::write(fd, bytes.constData() + at, size_t(bytes.size() - at));
    if (written < 0 && errno == EINTR)
      continue;
    if (written <= 0) {
      *why = written < 0 ? systemError(errno) : QStringLiteral("nothing could be written");
      return false;
    }
    at += written;
  }
  return true;
}

} // namespace

QString fileNameText(const QByteArray& bytes) {
  QString text;
  text.reserve(bytes.size());
  for (qsizetype at = 0; at < bytes.size();) {
    const int length = utf8Sequence(bytes, at);
    if (length == 0) {
      text += QChar(char16_t(0xDC00 + uchar(bytes[at])));
      ++at;
      continue;
    }
    text += QString::fromUtf8(bytes.constData() + at, length);
    at += length;
  }
  return text;
}

QByteArray fileNameBytes(const QString& name) {
  QByteArray bytes;
  bytes.reserve(name.size());
  qsizetype run = 0; // start of the text not yet converted
  for (qsizetype i = 0; i < name.size(); ++i) {
    if (!isEscapedByte(name, i))
      continue;
    bytes += QStringView(name).mid(run, i - run).toUtf8();
    bytes += char(name[i].unicode() - 0xDC00);
    run = i + 1;
  }
  bytes += QStringView(name).mid(run).toUtf8();
  return bytes;
}

bool fileExists(const QString& path) {
  struct stat status;
  return ::stat(fileNameBytes(path).constData(), &status) == 0;
}

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes, QString* why) {
  const QByteArray name = fileNameBytes(path);
  const auto tooLarge = [&](qint64 size) {
    *why = QStringLiteral("the file is too large (%1 bytes; files of up to %2 bytes are read)").arg(size).arg(maxBytes);
    return std::nullopt;
  };
  // Looked at before it is opened: opening a device may already do something.
  struct stat status;
  if (::stat(name.constData(), &status) != 0) {
    const int error = errno;
    *why = openError(error);
    // Text that could not hold a name's bytes (Qt's file dialog decodes
    // them to U+FFFD) names no file: say why, or the user hunts a typo.
    if (error == ENOENT && path.contains(QChar::ReplacementCharacter))
      *why += QStringLiteral(" under this name: its \uFFFD stands for bytes that are not UTF-8, lost before the name "
                             "came here (rename the file, or give its name on the command line)");
    return std::nullopt;
  }
  if (!S_ISREG(status.st_mode)) {
    *why = notRegular(status.st_mode);
    return std::nullopt;
  }
  if (status.st_size > maxBytes)
    return tooLarge(status.st_size);
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    *why = openError(errno);
    return std::nullopt;
  }
  // The name may have been given to something else in between.
  const auto failWith = [&](const QString& reason) -> std::optional<QByteArray> {
    ::close(fd);
    *why = reason;
    return std::nullopt;
  };
  if (::fstat(fd, &status) != 0)
    return failWith(systemError(errno));
  if (!S_ISREG(status.st_mode))
    return failWith(notRegular(status.st_mode));
  QByteArray content;
  content.resize(qsizetype(std::min<qint64>(status.st_size, maxBytes)) + 1);
  qint64 size = 0;
  for (;;) {
    if (size == content.size()) {
      if (size > maxBytes)
        break;
      // The file grew since it was looked at.
      content.resize(qsizetype(std::min<qint64>(size * 2, maxBytes + 1)));
    }
    const ssize_t got = ::read(fd, content.data() + size, size_t(content.size() - size));
    if (got < 0 && errno == EINTR)
      continue;
    if (got < 0)
      return failWith(QStringLiteral("the file could not be read (%1)").arg(systemError(errno)));
    if (got == 0)
      break;
    size += got;
  }
  ::close(fd);
  if (size > maxBytes)
    return tooLarge(size);
  content.resize(size);
  return content;
}

bool writeAll(int fd, const QByteArray& bytes, QString* why) { return writeAllTo(fd, bytes, why); }

bool writeFileReplacing(const QString& path, const QByteArray& bytes, QString* why) {
  const QByteArray target = resolvedTarget(fileNameBytes(path));
  struct stat status;
  const bool exists = ::stat(target.constData(), &status) == 0;
  if (exists && S_ISDIR(status.st_mode)) {
    *why = notRegular(status.st_mode);
    return false;
  }
  if (exists && !S_ISREG(status.st_mode)) {
    // A device or a pipe cannot be replaced; it takes the bytes as they come.
    const int fd = ::open(target.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
      *why = openError(errno);
      return false;
    }
    const bool written = writeAllTo(fd, bytes, why);
    if (::close(fd) != 0 && written) {
      *why = systemError(errno);
      return false;
    }
    return written;
  }

  const qsizetype slash = target.lastIndexOf('/');
  const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);
  QByteArray temporary = folder + "/." + target.mid(slash + 1) + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) {
    *why = QStringLiteral("cannot make a file in its folder (%1)").arg(openError(errno));
    return false;
  }
  const auto failWith = [&](const QString& reason) {
    ::close(fd);
    ::unlink(temporary.constData());
    *why = reason;
    return false;
  };
  // The new file gets the old one's permissions, or those a new file gets.
  mode_t mode = 0;
  if (exists) {
    mode = status.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (::fchmod(fd, mode) != 0)
    return failWith(systemError(errno));
  if (!writeAllTo(fd, bytes, why))
    return failWith(*why);
  // Some file systems report a full disk only when the data goes out.
  if (::fsync(fd) != 0)
    return failWith(systemError(errno));
  if (::close(fd) != 0) {
    *why = systemError(errno);
    ::unlink(temporary.constData());
    return false;
  }
  if (::rename(temporary.constData(), target.constData()) != 0) {
    *why = systemError(errno);
    ::unlink(temporary.constData());
    return false;
  }
  return true;
}

} // namespace platform
