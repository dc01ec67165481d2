// SPDX-License-Identifier: MIT
// A button with a drop-down menu, a balloon tooltip and a picture beside its
// caption.
#include <VexaButton/vexabutton.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>

namespace {

// A small picture drawn here: a sheet of paper with a folded corner.
QImage sheetPicture() {
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setPen(QColor(60, 60, 60));
  painter.setBrush(Qt::white);
  painter.drawPolygon(QPolygon({{2, 1}, {10, 1}, {13, 4}, {13, 14}, {2, 14}}));
  painter.drawPolyline(QPolygon({{10, 1}, {10, 4}, {13, 4}}));
  return image;
}

} // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Popup menu"));
  window.resize(300, 140);
  auto* said = new QLabel(&window);
  said->setGeometry(20, 90, 260, 24);

  auto* save = new vexabutton(&window);
  save->setGeometry(20, 30, 140, 33);
  save->setButtonStyle(vexabutton::WhiteGloss);
  save->setCaption(QStringLiteral("&Save as"));

  // The picture: any image becomes a shared Picture; the button draws it to
  // the left of its caption and lightens it while the pointer is over it.
  save->setPictureNormal(platform::Picture::fromImage(sheetPicture()));
  save->setPictureAlign(vexabutton::LeftOfCaption);
  save->setPictureEffectOnOver(vexabutton::Lighten);

  // The tooltip: the control draws its own, here a balloon with a title
  // and an information icon.
  save->setToolTip(QStringLiteral("Choose the format to save in."));
  save->setTooltipTitle(QStringLiteral("Save as"));
  save->setToolTipType(vexabutton::BalloonTip);
  save->setToolTipIcon(vexabutton::InformationIcon);

  // The menu: once attached, a press opens it below the button instead of
  // raising MouseDown. A drop-down symbol (glyph "6", a triangle pointing
  // down) with a separator shows that the button has one. The button does
  // not own the menu; a menu destroyed first simply detaches itself.
  QMenu menu;
  for (const char* format : {"PNG picture", "PDF document", "Plain text"})
    QObject::connect(menu.addAction(QString::fromLatin1(format)), &QAction::triggered, said,
                     [said, format] { said->setText(QStringLiteral("Saving as %1").arg(QLatin1String(format))); });
  save->SetPopupMenu(&menu, 0, 0, menu.actions().first());
  save->setDropDownSymbol(6);
  save->setDropDownSeparator(true);

  window.show();
  return app.exec();
}
