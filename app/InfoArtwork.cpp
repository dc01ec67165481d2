// SPDX-License-Identifier: MIT
#include "app/InfoArtwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace infoartwork {

namespace {

// Sepia inks of the engraving.
const QColor Paper(234, 219, 192);
const QColor PaperEdge(176, 148, 108);
const QColor Ink(74, 53, 38);
const QColor InkLight(120, 92, 66);
const QColor Skin(222, 192, 150);
const QColor SkinShade(190, 155, 112);

// Parallel strokes clipped to `area`, the engraver's shading.
void hatch(QPainter& p, const QPainterPath& area, const QColor& ink, int spacing, qreal slope) {
  p.save();
  p.setClipPath(area, Qt::IntersectClip);
  p.setPen(QPen(ink, 1));
  const QRectF box = area.boundingRect();
  const qreal rise = box.height() * slope;
  for (qreal x = box.left() - qAbs(rise); x < box.right() + qAbs(rise); x += spacing)
    p.drawLine(QPointF(x, box.bottom()), QPointF(x + rise, box.top()));
  p.restore();
}

} // namespace

QImage vokrantPortrait() {
  QImage image(240, 250, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  // Paper, darker towards the edges
  QRadialGradient paper(QPointF(120, 110), 170);
  paper.setColorAt(0, Paper);
  paper.setColorAt(1, PaperEdge);
  p.fillRect(image.rect(), paper);

  // Medallion and its background strokes
  const QRectF medallion(22, 8, 196, 226);
  QPainterPath inside;
  inside.addEllipse(medallion);
  hatch(p, inside, QColor(200, 178, 142), 4, 0.0);

  // Coat, shoulders cut by the medallion
  p.save();
  p.setClipPath(inside);
  QPainterPath coat;
  coat.moveTo(30, 250);
  coat.cubicTo(34, 196, 70, 176, 104, 168);
  coat.lineTo(136, 168);
  coat.cubicTo(170, 176, 206, 196, 210, 250);
  coat.closeSubpath();
  p.fillPath(coat, InkLight);
  hatch(p, coat, Ink, 3, 0.6);

  // Shirt front, collar and bow tie
  QPainterPath shirt;
  shirt.moveTo(104, 168);
  shirt.lineTo(136, 168);
  shirt.lineTo(128, 234);
  shirt.lineTo(112, 234);
  shirt.closeSubpath();
  p.fillPath(shirt, QColor(244, 236, 220));
  p.setPen(QPen(Ink, 1.2));
  p.drawLine(QPointF(104, 168), QPointF(98, 200));
  p.drawLine(QPointF(136, 168), QPointF(142, 200));
  QPainterPath bow;
  bow.moveTo(120, 176);
  bow.lineTo(106, 169);
  bow.lineTo(106, 185);
  bow.closeSubpath();
  bow.moveTo(120, 176);
  bow.lineTo(134, 169);
  bow.lineTo(134, 185);
  bow.closeSubpath();
  p.fillPath(bow, Ink);
  p.setBrush(Ink);
  p.drawEllipse(QPointF(120, 176), 3, 3);
  p.restore();

  // Neck and ears
  p.setPen(QPen(Ink, 1.2));
  p.setBrush(SkinShade);
  p.drawRect(QRectF(108, 140, 24, 30));
  p.setBrush(Skin);
  p.drawEllipse(QRectF(78, 92, 14, 24));
  p.drawEllipse(QRectF(148, 92, 14, 24));

  // Head
  const QRectF head(84, 52, 72, 98);
  p.drawEllipse(head);
  QPainterPath cheek;
  cheek.addEllipse(head);
  QPainterPath lit;
  lit.addEllipse(head.adjusted(10, 4, 4, 0));
  hatch(p, cheek.subtracted(lit), SkinShade, 3, -0.4);

  // Hair: a high forehead with grey tufts over the ears
  p.setBrush(QColor(110, 96, 84));
  p.setPen(Qt::NoPen);
  QPainterPath hair;
  hair.moveTo(84, 96);
  hair.cubicTo(80, 72, 90, 58, 104, 60);
  hair.cubicTo(96, 68, 92, 80, 92, 100);
  hair.closeSubpath();
  hair.moveTo(156, 96);
  hair.cubicTo(160, 72, 150, 58, 136, 60);
  hair.cubicTo(144, 68, 148, 80, 148, 100);
  hair.closeSubpath();
  p.drawPath(hair);

  // Brows, eyes and spectacles
  p.setPen(QPen(Ink, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(98, 86), QPointF(112, 84));
  p.drawLine(QPointF(128, 84), QPointF(142, 86));
  p.setPen(Qt::NoPen);
  p.setBrush(Ink);
  p.drawEllipse(QPointF(106, 96), 2.2, 2.2);
  p.drawEllipse(QPointF(134, 96), 2.2, 2.2);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Ink, 1.4));
  p.drawEllipse(QPointF(106, 96), 9, 9);
  p.drawEllipse(QPointF(134, 96), 9, 9);
  p.drawArc(QRectF(115, 92, 10, 8), 0, 180 * 16);
  p.drawLine(QPointF(97, 94), QPointF(87, 92));
  p.drawLine(QPointF(143, 94), QPointF(153, 92));

  // Nose
  p.setPen(QPen(Ink, 1.2));
  p.drawLine(QPointF(120, 100), QPointF(116, 116));
  p.drawLine(QPointF(116, 116), QPointF(122, 118));

  // Moustache and a short pointed beard
  QPainterPath moustache;
  moustache.moveTo(120, 122);
  moustache.cubicTo(110, 118, 100, 122, 94, 130);
  moustache.cubicTo(104, 128, 112, 128, 120, 126);
  moustache.cubicTo(128, 128, 136, 128, 146, 130);
  moustache.cubicTo(140, 122, 130, 118, 120, 122);
  p.fillPath(moustache, QColor(96, 84, 74));
  QPainterPath beard;
  beard.moveTo(104, 134);
  beard.cubicTo(108, 146, 114, 156, 120, 160);
  beard.cubicTo(126, 156, 132, 146, 136, 134);
  beard.cubicTo(128, 138, 112, 138, 104, 134);
  p.fillPath(beard, QColor(110, 98, 88));
  hatch(p, beard, Ink, 3, 0.2);

  // Frame of the medallion, two rules
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Ink, 2.5));
  p.drawEllipse(medallion);
  p.setPen(QPen(Ink, 1));
  p.drawEllipse(medallion.adjusted(-5, -5, 5, 5));

  // Name plate
  const QRectF plate(70, 226, 100, 20);
  p.setPen(QPen(Ink, 1));
  p.setBrush(Paper);
  p.drawRoundedRect(plate, 4, 4);
  QFont font(QStringLiteral("Carlito"));
  font.setPixelSize(11);
  font.setBold(true);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
  p.setFont(font);
  p.setPen(Ink);
  p.drawText(plate, Qt::AlignCenter, QStringLiteral("T. VOKRANT"));
  return image;
}

QImage authorSnapshot() {
  QImage image(196, 350, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  // Instant-photo border, the picture inside it
  p.fillRect(image.rect(), QColor(250, 250, 246));
  const QRect photo(8, 8, 180, 282);
  p.save();
  p.setClipRect(photo);

  // Wall and floor
  QLinearGradient wall(photo.topLeft(), photo.bottomLeft());
  wall.setColorAt(0, QColor(196, 214, 228));
  wall.setColorAt(1, QColor(160, 184, 204));
  p.fillRect(photo, wall);
  p.fillRect(QRect(8, 250, 180, 40), QColor(150, 120, 92));

  // Whiteboard with the five houses
  p.setPen(QPen(QColor(120, 120, 120), 2));
  p.setBrush(QColor(252, 252, 252));
  p.drawRect(QRect(20, 16, 156, 64));
  const QColor houses[] = {QColor(236, 204, 40), QColor(60, 110, 200), QColor(200, 50, 40), QColor(60, 150, 70),
                           QColor(250, 250, 250)};
  for (int i = 0; i < 5; ++i) {
    const int x = 28 + i * 29;
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(houses[i]);
    p.drawRect(QRect(x, 42, 22, 20));
    QPolygon roof;
    roof << QPoint(x - 3, 42) << QPoint(x + 11, 28) << QPoint(x + 25, 42);
    p.setBrush(QColor(150, 70, 50));
    p.drawPolygon(roof);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.drawText(QRect(x, 62, 22, 16), Qt::AlignCenter, QString::number(i + 1));
  }

  // Thought marks
  QFont big(QStringLiteral("Carlito"));
  big.setPixelSize(30);
  big.setBold(true);
  p.setFont(big);
  p.setPen(QColor(200, 60, 40));
  p.drawText(QRect(146, 84, 36, 40), Qt::AlignCenter, QStringLiteral("?"));
  big.setPixelSize(20);
  p.setFont(big);
  p.drawText(QRect(164, 124, 24, 28), Qt::AlignCenter, QStringLiteral("?"));

  // The author, standing a little below the board
  p.translate(0, 18);

  // Legs and shoes
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(50, 60, 90));
  p.drawRect(QRect(78, 210, 16, 50));
  p.drawRect(QRect(100, 210, 16, 50));
  p.setBrush(QColor(40, 30, 24));
  p.drawRoundedRect(QRect(72, 256, 24, 10), 4, 4);
  p.drawRoundedRect(QRect(98, 256, 24, 10), 4, 4);

  // Jumper with a diamond pattern
  QPainterPath body;
  body.moveTo(70, 150);
  body.cubicTo(72, 140, 84, 136, 97, 136);
  body.cubicTo(110, 136, 122, 140, 124, 150);
  body.lineTo(122, 214);
  body.lineTo(72, 214);
  body.closeSubpath();
  p.fillPath(body, QColor(176, 62, 58));
  p.setPen(QPen(QColor(230, 200, 120), 1));
  for (int y = 160; y < 210; y += 14)
    for (int x = 80; x < 118; x += 14) {
      QPolygon diamond;
      diamond << QPoint(x, y - 5) << QPoint(x + 5, y) << QPoint(x, y + 5) << QPoint(x - 5, y);
      p.drawPolygon(diamond);
    }

  // Arms: one scratches the head, the other holds a mug
  p.setPen(QPen(QColor(176, 62, 58), 11, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPoint(120, 150), QPoint(136, 122));
  p.drawLine(QPoint(136, 122), QPoint(122, 104));
  p.drawLine(QPoint(74, 152), QPoint(60, 184));
  p.drawLine(QPoint(60, 184), QPoint(74, 194));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(238, 200, 166));
  p.drawEllipse(QPoint(120, 102), 6, 6);
  p.setBrush(QColor(240, 240, 236));
  p.drawRoundedRect(QRect(74, 182, 16, 20), 2, 2);
  p.setPen(QPen(QColor(240, 240, 236), 3));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRect(86, 186, 10, 10), -90 * 16, 180 * 16);
  p.setPen(QPen(QColor(200, 200, 200), 1));
  p.drawLine(QPoint(79, 178), QPoint(81, 172));
  p.drawLine(QPoint(84, 178), QPoint(86, 172));

  // Head, messy hair, glasses and a crooked smile
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(238, 200, 166));
  p.drawRect(QRect(91, 126, 12, 12));
  p.drawEllipse(QPoint(97, 108), 20, 23);
  p.setBrush(QColor(70, 50, 36));
  QPainterPath hair;
  hair.moveTo(76, 104);
  hair.lineTo(74, 92);
  hair.lineTo(82, 94);
  hair.lineTo(80, 82);
  hair.lineTo(90, 88);
  hair.lineTo(94, 76);
  hair.lineTo(100, 88);
  hair.lineTo(108, 78);
  hair.lineTo(110, 90);
  hair.lineTo(120, 86);
  hair.lineTo(117, 100);
  hair.cubicTo(108, 92, 88, 92, 76, 104);
  p.drawPath(hair);
  p.setPen(QPen(QColor(30, 30, 30), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(83, 104, 11, 8));
  p.drawRect(QRectF(99, 104, 11, 8));
  p.drawLine(QPointF(94, 107), QPointF(99, 107));
  p.setBrush(QColor(30, 30, 30));
  p.drawEllipse(QPointF(89, 108), 1.2, 1.2);
  p.drawEllipse(QPointF(104, 108), 1.2, 1.2);
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(90, 114, 16, 8), 200 * 16, 120 * 16);
  p.restore();

  // Handwritten note on the border
  QFont note(QStringLiteral("Carlito"));
  note.setPixelSize(16);
  note.setItalic(true);
  p.setFont(note);
  p.setPen(QColor(60, 60, 120));
  p.drawText(QRect(8, 296, 180, 44), Qt::AlignCenter, QStringLiteral("Kaldor, petak uvece"));
  return image;
}

} // namespace infoartwork
