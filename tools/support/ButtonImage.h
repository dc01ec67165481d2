#pragma once

#include "button/model/ButtonRecord.h"

#include <QImage>
#include <QString>

// Pictures of the control drawn by the control itself: previews and icons.
namespace toolsupport {

// One paint of `record` (its properties and run-time state as given) on a
// fresh surface of `width` x `height` pixels, as an ARGB image that is
// transparent outside the window region.
QImage renderButton(ButtonRecord record, int width, int height);

// A vexabutton in the RoundedGradient style, as wide as the `size` pixel
// square and about five eighths as high, centred, with `caption` in a bold
// font that fits.
QImage buttonIcon(int size, const QString& caption);

} // namespace toolsupport
