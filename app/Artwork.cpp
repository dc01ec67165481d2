// SPDX-License-Identifier: MIT
#include "app/Artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace artwork {

namespace {

// The five house colours of the puzzle, in the order of the solution.
const QColor houseColours[] = {QColor(242, 201, 76), QColor(66, 120, 196), QColor(200, 62, 56), QColor(70, 156, 90),
                               QColor(245, 245, 240)};

// A small house: a body with a door and a pitched roof, standing on `base`.
void drawHouse(QPainter& painter, const QRectF& body, const QColor& colour) {
  const QColor outline(40, 40, 50);
  painter.setPen(QPen(outline, body.width() / 18.0));
  // Roof
  QPainterPath roof;
  roof.moveTo(body.left() - body.width() * 0.12, body.top());
  roof.lineTo(body.center().x(), body.top() - body.height() * 0.6);
  roof.lineTo(body.right() + body.width() * 0.12, body.top());
  roof.closeSubpath();
  painter.setBrush(QColor(120, 60, 45));
  painter.drawPath(roof);
  // Walls
  painter.setBrush(colour);
  painter.drawRect(body);
  // Door
  const QRectF door(body.center().x() - body.width() * 0.14, body.bottom() - body.height() * 0.5, body.width() * 0.28,
                    body.height() * 0.5);
  painter.setBrush(outline);
  painter.drawRect(door);
}

} // namespace

QImage banner() {
  QImage image(700, 65, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  // Background: deep blue fading to teal
  QLinearGradient sky(0, 0, 700, 65);
  sky.setColorAt(0.0, QColor(22, 38, 82));
  sky.setColorAt(1.0, QColor(28, 110, 128));
  painter.fillRect(image.rect(), sky);

  // Thin light rule along the bottom edge
  painter.fillRect(QRect(0, 62, 700, 3), QColor(230, 230, 230));

  // Five houses on the right, in the colours of the puzzle
  for (int i = 0; i < 5; ++i)
    drawHouse(painter, QRectF(480 + i * 42, 30, 28, 24), houseColours[i]);

  // A question mark above the middle house
  QFont mark(QStringLiteral("Tahoma"));
  mark.setPixelSize(20);
  mark.setBold(true);
  painter.setFont(mark);
  painter.setPen(QColor(255, 214, 90));
  painter.drawText(QRectF(480 + 2 * 42, 0, 28, 22), Qt::AlignCenter, QStringLiteral("?"));

  // Title
  QFont title(QStringLiteral("Tahoma"));
  title.setPixelSize(26);
  title.setBold(true);
  painter.setFont(title);
  painter.setPen(QColor(0, 0, 0, 90));
  painter.drawText(QRectF(18, 9, 460, 34), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Vokrantov test inteligencije"));
  painter.setPen(Qt::white);
  painter.drawText(QRectF(16, 7, 460, 34), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Vokrantov test inteligencije"));

  // Maker's line
  QFont maker(QStringLiteral("Tahoma"));
  maker.setPixelSize(12);
  painter.setFont(maker);
  painter.setPen(QColor(190, 214, 230));
  painter.drawText(QRectF(18, 40, 460, 18), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Belmora  -  logicka zagonetka sa pet kuca"));
  return image;
}

QImage iconImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const double s = size / 48.0;

  // Tile: rounded square in the banner's blue
  QLinearGradient tile(0, 0, 0, size);
  tile.setColorAt(0.0, QColor(36, 72, 140));
  tile.setColorAt(1.0, QColor(22, 38, 82));
  painter.setPen(Qt::NoPen);
  painter.setBrush(tile);
  painter.drawRoundedRect(QRectF(1 * s, 1 * s, 46 * s, 46 * s), 8 * s, 8 * s);

  // One yellow house with a question-mark window
  drawHouse(painter, QRectF(12 * s, 22 * s, 24 * s, 20 * s), houseColours[0]);
  if (size >= 32) {
    QFont mark(QStringLiteral("Tahoma"));
    mark.setPixelSize(qMax(6, int(11 * s)));
    mark.setBold(true);
    painter.setFont(mark);
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(QRectF(12 * s, 2 * s, 24 * s, 13 * s), Qt::AlignCenter, QStringLiteral("?"));
  }
  return image;
}

QList<QImage> iconImages() {
  QList<QImage> images;
  for (int size : {48, 32, 16}) {
    const QImage full = iconImage(size);
    // 8 bits: a palette of the picture's colours; pixels less than half
    // opaque become the transparent entry.
    QImage indexed = full.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdAlphaDither | Qt::AvoidDither);
    images << indexed << full;
  }
  return images;
}

QIcon windowIcon() {
  QIcon icon;
  for (int size : {48, 32, 16})
    icon.addPixmap(QPixmap::fromImage(iconImage(size)));
  return icon;
}

QImage tesmirPortrait(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(QColor(172, 150, 120));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  // Everything below is drawn on a 154 x 200 canvas, scaled evenly.
  const double scale = std::min(size.width() / 154.0, size.height() / 200.0);
  painter.translate((size.width() - 154 * scale) / 2, (size.height() - 200 * scale) / 2);
  painter.scale(scale, scale);

  // Background: a warm studio glow
  QRadialGradient glow(77, 80, 120);
  glow.setColorAt(0.0, QColor(238, 226, 200));
  glow.setColorAt(1.0, QColor(172, 150, 120));
  painter.fillRect(QRectF(0, 0, 154, 200), glow);

  const QColor ink(50, 40, 36);
  painter.setPen(QPen(ink, 1.6));

  // Neck, behind the collar
  painter.setBrush(QColor(226, 186, 152));
  painter.drawRect(QRectF(67, 126, 20, 24));

  // Jacket and shirt collar
  QPainterPath jacket;
  jacket.moveTo(10, 200);
  jacket.cubicTo(14, 160, 40, 148, 77, 146);
  jacket.cubicTo(114, 148, 140, 160, 144, 200);
  jacket.closeSubpath();
  painter.setBrush(QColor(58, 66, 92));
  painter.drawPath(jacket);
  QPainterPath collar;
  collar.moveTo(60, 146);
  collar.lineTo(77, 176);
  collar.lineTo(94, 146);
  collar.closeSubpath();
  painter.setBrush(QColor(244, 244, 238));
  painter.drawPath(collar);
  // Bow tie
  QPainterPath bow;
  bow.moveTo(77, 160);
  bow.lineTo(66, 154);
  bow.lineTo(66, 166);
  bow.closeSubpath();
  bow.moveTo(77, 160);
  bow.lineTo(88, 154);
  bow.lineTo(88, 166);
  bow.closeSubpath();
  painter.setBrush(QColor(170, 40, 48));
  painter.drawPath(bow);

  // Hair: short and dark, combed to one side
  painter.setPen(QPen(QColor(40, 28, 22), 1.2));
  painter.setBrush(QColor(74, 50, 36));
  QPainterPath hair;
  hair.moveTo(44, 96);
  hair.cubicTo(38, 56, 58, 40, 80, 42);
  hair.cubicTo(104, 44, 118, 60, 110, 96);
  hair.closeSubpath();
  painter.drawPath(hair);

  // Face
  painter.setPen(QPen(ink, 1.6));
  painter.setBrush(QColor(236, 198, 164));
  painter.drawEllipse(QRectF(48, 52, 58, 80));
  // Ears
  painter.drawEllipse(QRectF(42, 86, 10, 18));
  painter.drawEllipse(QRectF(102, 86, 10, 18));

  // Fringe over the forehead, parted on the left
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(74, 50, 36));
  QPainterPath fringe;
  fringe.moveTo(50, 78);
  fringe.cubicTo(52, 56, 70, 50, 100, 60);
  fringe.cubicTo(90, 60, 74, 62, 64, 70);
  fringe.cubicTo(58, 72, 54, 76, 50, 78);
  painter.drawPath(fringe);

  // Eyebrows, raised in thought
  painter.setPen(QPen(QColor(60, 42, 32), 2.4, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(58, 78), QPointF(70, 74));
  painter.drawLine(QPointF(84, 74), QPointF(96, 78));

  // Round spectacles
  painter.setPen(QPen(ink, 1.8));
  painter.setBrush(QColor(255, 255, 255, 70));
  painter.drawEllipse(QPointF(65, 88), 9, 8);
  painter.drawEllipse(QPointF(89, 88), 9, 8);
  painter.drawLine(QPointF(74, 88), QPointF(80, 88));
  // Eyes
  painter.setBrush(ink);
  painter.drawEllipse(QPointF(66, 89), 1.8, 1.8);
  painter.drawEllipse(QPointF(88, 89), 1.8, 1.8);

  // Nose
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(170, 120, 96), 1.6, Qt::SolidLine, Qt::RoundCap));
  QPainterPath nose;
  nose.moveTo(77, 92);
  nose.cubicTo(74, 102, 72, 106, 78, 108);
  painter.drawPath(nose);

  // A short trimmed beard along the jaw
  painter.setPen(QPen(QColor(40, 28, 22), 1.0));
  painter.setBrush(QColor(84, 58, 42));
  QPainterPath beard;
  beard.moveTo(50, 104);
  beard.cubicTo(54, 132, 68, 134, 77, 134);
  beard.cubicTo(86, 134, 100, 132, 104, 104);
  beard.cubicTo(98, 122, 88, 126, 77, 126);
  beard.cubicTo(66, 126, 56, 122, 50, 104);
  painter.drawPath(beard);

  // A cheeky smile with the tip of the tongue
  painter.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  QPainterPath smile;
  smile.moveTo(68, 120);
  smile.quadTo(77, 126, 86, 120);
  painter.drawPath(smile);
  painter.setBrush(QColor(214, 96, 104));
  painter.drawChord(QRectF(77, 117, 10, 12), 180 * 16, 180 * 16);

  // Frame line
  painter.setPen(QPen(QColor(110, 92, 70), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(1, 1, 152, 198));
  return image;
}

} // namespace artwork
