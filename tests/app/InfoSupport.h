// SPDX-License-Identifier: MIT
#pragma once

// Checks shared by the tests of the two information windows.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Geometry.h"

#include <QScreen>

#include <gtest/gtest.h>

namespace infotest {

inline void expectPlace(const platform::TwipsGeometry& control, double left, double top) {
  EXPECT_EQ(control.Left(), left);
  EXPECT_EQ(control.Top(), top);
}

// The wrapped text of a fixed-size label fits its box, so nothing is cut
// off. Measured by a label that wraps at the same width and follows its text.
inline void expectTextFits(const platform::Label& label) {
  platform::Label probe;
  probe.setFont(label.Font());
  probe.setWordWrap(true);
  probe.TwipsGeometry::move(0, 0, label.Width(), 0);
  probe.setAutoSize(true);
  probe.setCaption(label.Caption());
  EXPECT_GT(probe.Height(), 0);
  EXPECT_LE(probe.Height(), label.Height()) << label.Caption().left(40).toStdString() << "...";
}

// Plain Latin letters without diacritics, as every text of the program.
inline void expectPlainText(const QString& text) {
  EXPECT_FALSE(text.isEmpty());
  for (QChar c : text)
    EXPECT_LT(c.unicode(), 128) << text.toStdString();
}

// A fixed tool window without taskbar entry, minimize or maximize button,
// centred on the screen once shown.
inline void expectCentredToolWindow(platform::Form& window) {
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  window.Show();
  const QRect screen = window.screen()->availableGeometry();
  const QPoint offset = window.frameGeometry().center() - screen.center();
  EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << "," << offset.y();
}

inline void expectFont(const platform::SharedFont& font, const char* name, double size, int weight, int charset) {
  EXPECT_EQ(font.Name(), QLatin1String(name));
  EXPECT_DOUBLE_EQ(font.Size(), size);
  EXPECT_EQ(font.Weight(), weight);
  EXPECT_EQ(font.Charset(), charset);
}

} // namespace infotest
