// SPDX-License-Identifier: MIT
#pragma once

#include <QMetaObject>
#include <QPointer>

#include <utility>

namespace platform {

// Runs `action(target)` from the event loop, after the event being handled
// and whoever waits on its answer are done, as a real click or key arrives.
// A caller such as a screen reader is not held while the action opens a
// modal box or a menu. Nothing runs if `target` is destroyed first.
template <class Target, class Action> void later(Target* target, Action action) {
  QMetaObject::invokeMethod(
      target,
      [guard = QPointer<Target>(target), action = std::move(action)] {
        if (guard)
          action(guard.data());
      },
      Qt::QueuedConnection);
}

} // namespace platform
