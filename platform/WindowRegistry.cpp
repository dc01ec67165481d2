// SPDX-License-Identifier: MIT
#include "platform/WindowRegistry.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace platform::WindowRegistry {

namespace {
struct Registry {
  QHash<const QWidget*, qint32> handles;
  QHash<qint32, QPointer<QWidget>> widgets;
  qint32 next = 0x100;
};
Registry& registry() {
  static Registry instance;
  return instance;
}
} // namespace

qint32 handleOf(const QWidget* widget) {
  if (!widget)
    return 0;
  Registry& r = registry();
  auto it = r.handles.find(widget);
  if (it != r.handles.end())
    return it.value();
  const qint32 handle = r.next;
  r.next += 4;
  r.handles.insert(widget, handle);
  r.widgets.insert(handle, const_cast<QWidget*>(widget));
  QObject::connect(widget, &QObject::destroyed, [widget, handle] {
    Registry& reg = registry();
    reg.handles.remove(widget);
    reg.widgets.remove(handle);
  });
  return handle;
}

QWidget* widgetOf(qint32 handle) { return registry().widgets.value(handle); }

} // namespace platform::WindowRegistry
