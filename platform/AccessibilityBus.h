// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>

class QObject;

namespace platform {

// Tells a screen reader of the changes of `object`'s accessible states that
// Qt's own bridge to the desktop's accessibility bus (AT-SPI) does not pass
// on: of the states `changed` marks, whether the object is the default
// button, with its value in `now`. A screen reader keeps the states it has
// read and learns of a change only so; without it, it names a button as the
// default long after the default has moved on. Does nothing while assistive
// technology is inactive or where no such bus is connected.
void announceStateChange(QObject* object, const QAccessible::State& changed, const QAccessible::State& now);

} // namespace platform
