#pragma once

// Checks shared by the tests of the two information windows.

#include "platform/Controls.h"
#include "platform/Geometry.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace infotest {

inline void expectPlace(const platform::TwipsGeometry& control, double left, double top) {
  EXPECT_EQ(control.Left(), left);
  EXPECT_EQ(control.Top(), top);
}

// The wrapped text of a fixed-size label fits its box, so nothing is cut off.
inline void expectTextFits(const platform::Label& label) {
  const QFontMetrics metrics(label.Font().toQFont());
  const int width = platform::twipsToPixels(label.Width());
  const int height = platform::twipsToPixels(label.Height());
  const QRect needed = metrics.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, label.Caption());
  EXPECT_LE(needed.height(), height) << label.Caption().left(40).toStdString() << "...";
  EXPECT_LE(needed.width(), width);
}

// Plain Latin letters without diacritics, as every text of the program.
inline void expectPlainText(const QString& text) {
  EXPECT_FALSE(text.isEmpty());
  for (QChar c : text)
    EXPECT_LT(c.unicode(), 128) << text.toStdString();
}

inline void expectFont(const platform::SharedFont& font, const char* name, double size, int weight, int charset) {
  EXPECT_EQ(font.Name(), QLatin1String(name));
  EXPECT_DOUBLE_EQ(font.Size(), size);
  EXPECT_EQ(font.Weight(), weight);
  EXPECT_EQ(font.Charset(), charset);
}

} // namespace infotest
