// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <unistd.h>

// Shared helpers of the test executables.
namespace testsupport {

// Sets up what every test process needs: the offscreen application (created
// by the test main), the program's fonts and the fixed classic system colours.
void setUpProcess();

// The accessibility events for `of` (for every object when null) while
// alive, as "NameChanged", "DescriptionChanged", "ValueChanged",
// "TextInserted", "TextCaretMoved", "ObjectShow", "Focus" (on a part of a
// widget) or "StateChanged" with the changed states among checkable, checked, pressed,
// default, popup and disabled. Qt's accessibility is on meanwhile, as a
// screen reader switches it on.
struct Announcements {
  explicit Announcements(const QObject* of = nullptr);
  ~Announcements();
  QStringList seen;
  const QObject* of;
};

// The bytes of a file, empty when it does not read; writes a whole file.
QByteArray contents(const QString& path);
bool writeAll(const QString& path, const QByteArray& bytes);
// A named pipe: opening it to read waits for a writer that never comes.
bool makePipe(const QString& path);

// Ends the process (SIGALRM) when it is still alive `seconds` from now: a
// test of something that must not block cannot wait for ctest's timeout.
struct Watchdog {
  explicit Watchdog(unsigned seconds) { ::alarm(seconds); }
  ~Watchdog() { ::alarm(0); }
};

// A folder on a file system of 64 KiB, to fill up: a tmpfs mounted for the
// test (we run as root), unmounted when it goes. mounted() is false where
// mounting is not permitted; tests then skip.
class SmallDisk {
public:
  SmallDisk();
  ~SmallDisk();
  bool mounted() const { return mounted_; }
  QString filePath(const QString& name) const { return dir_.filePath(name); }
  // Takes up the room left, in a file called "filler".
  void fill() const;

private:
  QTemporaryDir dir_;
  bool mounted_ = false;
};

} // namespace testsupport
