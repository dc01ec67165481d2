// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

class QWidget;

namespace platform {

// Opaque window handles: a small non-zero number per widget, handed out on
// first request and forgotten when the widget is destroyed. Never a pointer.
namespace WindowRegistry {

qint32 handleOf(const QWidget* widget);
// The widget behind a handle, or nullptr when it is gone or unknown.
QWidget* widgetOf(qint32 handle);

} // namespace WindowRegistry
} // namespace platform
