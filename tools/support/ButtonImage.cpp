#include "ButtonImage.h"

#include "button/model/vexabutton_p.h"
#include "button/render/Redraw.h"

#include <QPainter>

namespace toolsupport {

QImage renderButton(ButtonRecord record, int width, int height) {
  platform::Surface surface(width, height);
  if (record.mFont)
    surface.setFont(record.mFont->toQFont());
  vexa::Redraw(vexa::describe(record), surface);

  return surface.windowImage();
}

QImage buttonIcon(int size, const QString& caption) {
  const int height = qMax(vexabutton::MinimumSizePixels, (size * 5 + 4) / 8);
  vexabutton button;
  button.InitProperties();
  button.setButtonStyle(vexabutton::RoundedGradient);
  button.setBackColor(0xD08A3C); // a clear blue
  button.setForeColor(0xFFFFFF);
  QFont font(QStringLiteral("Tahoma"));
  font.setPointSizeF(qMax(1.0, height * 0.3));
  font.setBold(true);
  button.setFont(font);
  button.setCaption(caption);

  QImage icon(size, size, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.drawImage(0, (size - height) / 2, renderButton(recordOf(button), size, height));
  return icon;
}

} // namespace toolsupport
