// SPDX-License-Identifier: MIT
#pragma once

#include "ButtonIcon.h"
#include "button/model/ButtonRecord.h"

#include <QImage>
#include <QString>

// Pictures of the control drawn by the control itself: previews and icons.
namespace toolsupport {

// One paint of `record` (its properties and run-time state as given) on a
// fresh surface of `width` x `height` pixels, as an ARGB image that is
// transparent outside the window region.
QImage renderButton(ButtonRecord record, int width, int height);

} // namespace toolsupport
