// SPDX-License-Identifier: MIT
#include "platform/AccessibilityBus.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace platform::atspi {

// An accessible object on the bus: its application's bus name and its path.
struct ObjectReference {
  QString service;
  QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& argument, const ObjectReference& reference) {
  argument.beginStructure();
  argument << reference.service << reference.path;
  argument.endStructure();
  return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ObjectReference& reference) {
  argument.beginStructure();
  argument >> reference.service >> reference.path;
  argument.endStructure();
  return argument;
}

} // namespace platform::atspi

Q_DECLARE_METATYPE(platform::atspi::ObjectReference)

namespace platform {

void announceStateChange(QObject* object, const QAccessible::State& changed, const QAccessible::State& now) {
  if (!changed.defaultButton || !object || !QAccessible::isActive())
    return;
  // Qt's bridge keeps its connection to the accessibility bus under this
  // name; the event must come from that connection, whose bus name is the
  // application's there.
  const QDBusConnection bus(QStringLiteral("a11y"));
  if (!bus.isConnected())
    return;
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
  if (!accessible)
    return;
  static const QMetaType registered = qDBusRegisterMetaType<atspi::ObjectReference>();
  Q_UNUSED(registered);
  // The path Qt's bridge gives the object; the event as the bridge sends
  // those of the states it passes on: the state's name, its new value, no
  // detail, no data, and the application's root.
  const QString root = QStringLiteral("/org/a11y/atspi/accessible/root");
  const QString path =
      QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(accessible));
  QDBusMessage event =
      QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
  event << QStringLiteral("is-default") << int(now.defaultButton) << 0 << QVariant::fromValue(QDBusVariant(0))
        << QVariant::fromValue(atspi::ObjectReference{bus.baseService(), QDBusObjectPath(root)});
  bus.send(event);
}

} // namespace platform
