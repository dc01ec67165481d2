// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

#include <optional>

class QWidget;

namespace platform {

//! The font chosen for \a widget's surroundings: its inherited font, when a
//! font was set anywhere it comes from (a parent's setFont or style sheet,
//! or QApplication::setFont); nothing while every one of them keeps the
//! platform's default.
std::optional<QFont> chosenFont(const QWidget& widget);

//! \a font's size in points; a font sized in pixels counts 96 pixels to the
//! inch (30 pixels are 22.5 points), the logical resolution forms use.
double pointSizeOf(const QFont& font);

} // namespace platform
