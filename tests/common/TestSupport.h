#pragma once

#include <QAccessible>
#include <QString>
#include <QStringList>

// Shared helpers of the test executables.
namespace testsupport {

// Sets up what every test process needs: the offscreen application (created
// by the test main), the program's fonts and the fixed classic system colours.
void setUpProcess();

// The accessibility events for `of` (for every object when null) while
// alive, as "NameChanged", "DescriptionChanged", "ValueChanged" or
// "StateChanged" with the changed states among checkable, checked, pressed,
// default, popup and disabled. Qt's accessibility is on meanwhile, as a
// screen reader switches it on.
struct Announcements {
  explicit Announcements(const QObject* of = nullptr);
  ~Announcements();
  QStringList seen;
  const QObject* of;
};

} // namespace testsupport
