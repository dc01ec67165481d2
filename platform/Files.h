// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reading and writing the files users hand to the control and its tools.
namespace platform {

// File names are bytes to the system. As text, a name's UTF-8 reads as
// usual and every byte that is not part of valid UTF-8 becomes one of the
// code points U+DC80 to U+DCFF, which fileNameBytes turns back into that
// byte, so a name that is not UTF-8 still reaches its own file.
QString fileNameText(const QByteArray& bytes);
QByteArray fileNameBytes(const QString& name);

// The whole content of the regular file at `path`, of at most maxBytes
// bytes. Anything else (missing, a folder, a named pipe, a device, a
// socket, larger than maxBytes, unreadable) gives nothing and sets *why to
// the reason, without a name. The type is checked before the file is
// opened and again on the opened file, which is opened without waiting, so
// no special file can block the reader.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes, QString* why);

// Whether `path` names something (of any type) the system can see.
bool fileExists(const QString& path);

// Replaces the file at `path` with `bytes`: they go to a new file beside it
// that takes the name only once every byte is written and flushed to the
// disk, so on any failure (a full disk among them) what was there stays as
// it was. A name that is not a regular file (a device such as /dev/null, a
// named pipe) is written directly, every write checked; a folder is
// refused. On failure returns false with *why saying what went wrong.
bool writeFileReplacing(const QString& path, const QByteArray& bytes, QString* why);

// Writes every byte to the open descriptor `fd` (standard output), checking
// each write. On failure returns false with *why.
bool writeAll(int fd, const QByteArray& bytes, QString* why);

} // namespace platform
