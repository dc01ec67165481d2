// SPDX-License-Identifier: MIT
#include "TestSupport.h"

#include "platform/Fonts.h"
#include "platform/SystemColors.h"

#include <QFile>
#include <QHash>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <sys/mount.h>
#include <sys/stat.h>

namespace testsupport {

void setUpProcess() {
  platform::registerProgramFonts();
  platform::SystemColors::installClassicTable();
}

namespace {

Announcements* listening = nullptr;

void record(QAccessibleEvent* event) {
  if (!listening || (listening->of && event->object() != listening->of))
    return;
  static const QHash<int, QString> names{{QAccessible::NameChanged, QStringLiteral("NameChanged")},
                                         {QAccessible::DescriptionChanged, QStringLiteral("DescriptionChanged")},
                                         {QAccessible::ValueChanged, QStringLiteral("ValueChanged")},
                                         {QAccessible::StateChanged, QStringLiteral("StateChanged")},
                                         {QAccessible::TextInserted, QStringLiteral("TextInserted")},
                                         {QAccessible::ObjectShow, QStringLiteral("ObjectShow")},
                                         {QAccessible::TextCaretMoved, QStringLiteral("TextCaretMoved")},
                                         {QAccessible::Focus, QStringLiteral("Focus")}};
  // A widget's own focus changes are its state's business; the focus moving
  // among the parts of one widget is an announcement of its own.
  if (event->type() == QAccessible::Focus && event->child() < 0)
    return;
  QString text = names.value(event->type());
  if (event->type() == QAccessible::StateChanged) {
    const QAccessible::State s = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
    const std::pair<bool, const char*> bits[] = {{s.checkable, "checkable"}, {s.checked, "checked"},
                                                 {s.pressed, "pressed"},     {s.defaultButton, "default"},
                                                 {s.hasPopup, "popup"},      {s.disabled, "disabled"}};
    for (const auto& [on, name] : bits)
      if (on)
        text += QLatin1Char(' ') + QLatin1String(name);
  }
  // An event for a child names the child.
  if (!text.isEmpty() && event->child() >= 0)
    if (QAccessibleInterface* child = event->accessibleInterface())
      text += QLatin1Char(' ') + child->text(QAccessible::Name);
  if (!text.isEmpty())
    listening->seen << text;
}

} // namespace

Announcements::Announcements(const QObject* of) : of(of) {
  listening = this;
  QAccessible::installUpdateHandler(&record);
  QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
}

Announcements::~Announcements() {
  QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
  QAccessible::installUpdateHandler(nullptr);
  listening = nullptr;
}

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool makePipe(const QString& path) { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; }

SmallDisk::SmallDisk() {
  mounted_ =
      dir_.isValid() && ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0, "size=64k") == 0;
}

void SmallDisk::fill() const {
  QFile filler(filePath(QStringLiteral("filler")));
  if (filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    while (filler.write(QByteArray(4096, 'f')) == 4096) {
    }
}

SmallDisk::~SmallDisk() {
  if (mounted_)
    ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

} // namespace testsupport
