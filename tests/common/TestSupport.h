#pragma once

#include <QAccessible>
#include <QString>
#include <QStringList>

// Shared helpers of the test executables.
namespace testsupport {

// Sets up what every test process needs: the offscreen application (created
// by the test main), the program's fonts and the fixed classic system colours.
void setUpProcess();

// The accessibility announcements made while alive, in order: "NameChanged",
// "DescriptionChanged", "ValueChanged", or "StateChanged" followed by the
// changed states among checkable, checked, pressed, default, popup and
// disabled. `of` keeps those of one object only.
class Announcements {
public:
  explicit Announcements(const QObject* of = nullptr);
  ~Announcements();
  Announcements(const Announcements&) = delete;
  Announcements& operator=(const Announcements&) = delete;
  QStringList seen;

private:
  static void record(QAccessibleEvent* event);
  const QObject* of_;
  QAccessible::UpdateHandler previous_ = nullptr;
};

} // namespace testsupport
