// SPDX-License-Identifier: MIT
#include "platform/HostFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QWidget>

namespace platform {

std::optional<QFont> chosenFont(const QWidget& widget) {
  const QFont font = widget.font();
  // The resolve mask holds what the widget and its parents set; the
  // application's font counts once it is not the platform's own.
  if (font.resolveMask() != 0 || QApplication::font() != QFontDatabase::systemFont(QFontDatabase::GeneralFont))
    return font;
  return std::nullopt;
}

double pointSizeOf(const QFont& font) {
  if (font.pointSizeF() > 0)
    return font.pointSizeF();
  return font.pixelSize() > 0 ? font.pixelSize() * 72.0 / 96.0 : 0;
}

} // namespace platform
