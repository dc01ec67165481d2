#include "TestSupport.h"

#include "platform/Fonts.h"
#include "platform/SystemColors.h"

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace testsupport {

void setUpProcess() {
  platform::registerProgramFonts();
  platform::SystemColors::installClassicTable();
}

namespace {
Announcements* listening = nullptr;
}

Announcements::Announcements(const QObject* of) : of_(of) {
  listening = this;
  previous_ = QAccessible::installUpdateHandler(&record);
  // As a screen reader switches it on; Qt's own accessibility tests do the same.
  if (QPlatformAccessibility* accessibility = QGuiApplicationPrivate::platformIntegration()->accessibility())
    accessibility->setActive(true);
}

Announcements::~Announcements() {
  if (QPlatformAccessibility* accessibility = QGuiApplicationPrivate::platformIntegration()->accessibility())
    accessibility->setActive(false);
  QAccessible::installUpdateHandler(previous_);
  listening = nullptr;
}

void Announcements::record(QAccessibleEvent* event) {
  if (!listening || (listening->of_ && event->object() != listening->of_))
    return;
  QString text;
  switch (event->type()) {
  case QAccessible::NameChanged:
    text = QStringLiteral("NameChanged");
    break;
  case QAccessible::DescriptionChanged:
    text = QStringLiteral("DescriptionChanged");
    break;
  case QAccessible::ValueChanged:
    text = QStringLiteral("ValueChanged");
    break;
  case QAccessible::StateChanged: {
    text = QStringLiteral("StateChanged");
    const QAccessible::State s = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
    const std::pair<bool, const char*> bits[] = {{s.checkable, "checkable"}, {s.checked, "checked"},
                                                 {s.pressed, "pressed"},     {s.defaultButton, "default"},
                                                 {s.hasPopup, "popup"},      {s.disabled, "disabled"}};
    for (const auto& [on, name] : bits)
      if (on)
        text += QLatin1Char(' ') + QLatin1String(name);
    break;
  }
  default:
    return;
  }
  listening->seen << text;
}

} // namespace testsupport
