// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

namespace toolsupport {

// A vexabutton in the RoundedGradient style, as wide as the `size` pixel
// square and about five eighths as high, centred, with `caption` in a bold
// font that fits; transparent outside the button's window region. It uses
// only the control's public interface, so the Designer plugin, which links
// the installed library, draws it too.
QImage buttonIcon(int size, const QString& caption);

} // namespace toolsupport
