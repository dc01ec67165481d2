// SPDX-License-Identifier: MIT
#include "ButtonIcon.h"

#include "button/model/vexabutton.h"
#include "button/model/vexabutton_p.h"

#include <QPainter>

namespace toolsupport {

QImage buttonIcon(int size, const QString& caption) {
  const int height = qMax(vexabutton::MinimumSizePixels, (size * 5 + 4) / 8);
  vexabutton button;
  initProperties(button);
  button.setButtonStyle(vexabutton::RoundedGradient);
  button.setBackColor(0xD08A3C); // a clear blue
  button.setForeColor(0xFFFFFF);
  QFont font(QStringLiteral("Tahoma"));
  font.setPointSizeF(qMax(1.0, height * 0.3));
  font.setBold(true);
  button.setFont(font);
  button.setCaption(caption);
  button.resize(size, height);

  QImage icon(size, size, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  // Only the paint event, clipped to the window region: no background.
  button.render(&painter, QPoint(0, (size - height) / 2), QRegion(), QWidget::RenderFlags());
  return icon;
}

} // namespace toolsupport
