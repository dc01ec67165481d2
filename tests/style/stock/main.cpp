// SPDX-License-Identifier: MIT
// A stock Qt program under the style plugin: nothing of this tree is linked
// and no font is registered by the program. Each key draws a push button
// with a menu; its arrow must be a solid triangle pointing down (the symbol
// font's glyph, which the plugin finds by itself, or the shape drawn in its
// place), never a digit of some other font. Exits 0 when every key does.
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

#include <cstdio>
#include <memory>

namespace {

// The rows of dark ink in the arrow's cell (the rightmost 15 columns), as
// [first, last] column spans; a row with two spans is reported as empty.
struct Span {
  int first = -1, last = -1;
};

bool downTriangle(const QImage& image, QString* why) {
  const int left = image.width() - 15;
  QList<Span> rows;
  for (int y = 2; y < image.height() - 2; ++y) {
    Span span;
    bool gap = false;
    for (int x = left; x < image.width() - 1; ++x) {
      if (qGray(image.pixel(x, y)) >= 100)
        continue;
      if (span.first < 0)
        span.first = x;
      else if (x != span.last + 1)
        gap = true;
      span.last = x;
    }
    if (gap) {
      *why = QStringLiteral("row %1 has two separate strokes").arg(y);
      return false;
    }
    if (span.first >= 0)
      rows << span;
  }
  if (rows.size() < 3) {
    *why = QStringLiteral("%1 rows of ink").arg(rows.size());
    return false;
  }
  for (qsizetype i = 1; i < rows.size(); ++i) {
    const int width = rows[i].last - rows[i].first;
    const int above = rows[i - 1].last - rows[i - 1].first;
    const int centre = rows[i].first + rows[i].last;
    const int centreAbove = rows[i - 1].first + rows[i - 1].last;
    if (width > above || std::abs(centre - centreAbove) > 1) {
      *why = QStringLiteral("row %1 of the ink is wider than the one above, or off centre").arg(i);
      return false;
    }
  }
  if (rows.last().last - rows.last().first > rows.first().last - rows.first().first - 4) {
    *why = QStringLiteral("the ink does not narrow to a point");
    return false;
  }
  return true;
}

} // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failures = 0;
  QMenu menu;
  menu.addAction(QStringLiteral("Open"));
  for (const QString& key : QStyleFactory::keys()) {
    if (!key.startsWith(QLatin1String("vexa"), Qt::CaseInsensitive))
      continue;
    const std::unique_ptr<QStyle> style(QStyleFactory::create(key));
    QPushButton button(QStringLiteral("Open"));
    button.setStyle(style.get());
    button.setMenu(&menu);
    button.resize(120, 30);
    const QImage image = button.grab().toImage();
    QString why;
    if (!downTriangle(image, &why)) {
      std::fprintf(stderr, "%s: the menu arrow is no triangle: %s\n", qPrintable(key), qPrintable(why));
      image.save(QStringLiteral("%1-arrow.png").arg(key));
      ++failures;
    }
  }
  if (QStyleFactory::keys().filter(QStringLiteral("vexa"), Qt::CaseInsensitive).size() != 14) {
    std::fprintf(stderr, "the style plugin did not load\n");
    ++failures;
  }
  return failures == 0 ? 0 : 1;
}
