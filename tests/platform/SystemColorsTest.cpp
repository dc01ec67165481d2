// SPDX-License-Identifier: MIT
#include "platform/SystemColors.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

using namespace platform;

TEST(SystemColors, FixedClassicTableHoldsTheClassicValues) {
  SystemColors::installClassicTable();
  const auto rgb = [](int r, int g, int b) { return qint32(r | (g << 8) | (b << 16)); };
  EXPECT_EQ(SystemColors::get(4), rgb(212, 208, 200));
  EXPECT_EQ(SystemColors::get(5), rgb(255, 255, 255));
  EXPECT_EQ(SystemColors::get(8), 0);
  EXPECT_EQ(SystemColors::get(12), rgb(128, 128, 128));
  EXPECT_EQ(SystemColors::get(15), 0xC8D0D4);
  EXPECT_EQ(SystemColors::get(16), rgb(128, 128, 128));
  EXPECT_EQ(SystemColors::get(17), rgb(128, 128, 128));
  EXPECT_EQ(SystemColors::get(18), 0);
  EXPECT_EQ(SystemColors::get(20), rgb(255, 255, 255));
  EXPECT_EQ(SystemColors::get(21), rgb(64, 64, 64));
  EXPECT_EQ(SystemColors::get(22), rgb(212, 208, 200));
  EXPECT_EQ(SystemColors::get(24), 0xE1FFFF);
  EXPECT_EQ(SystemColors::get(999), -1);

  // OLE translation: RGB passes, 0x80000000 + n is system colour n, the rest fails.
  EXPECT_EQ(translateOleColor(0x123456), 0x123456);
  EXPECT_EQ(translateOleColor(qint32(0x8000000F)), 0xC8D0D4);
  EXPECT_EQ(translateOleColor(qint32(0x80000018)), 0xE1FFFF);
  EXPECT_EQ(translateOleColor(qint32(0x80000999)), -1);
  EXPECT_EQ(translateOleColor(0x01000000), -1);
  EXPECT_EQ(translateOleColor(-1), -1);
}

TEST(SystemColors, PaletteRolesAnswerWhenNoFixedTableIsInstalled) {
  const QPalette saved = QApplication::palette();
  QPalette palette = saved;
  palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(90, 91, 92));
  QApplication::setPalette(palette);
  SystemColors::usePalette();
  EXPECT_FALSE(SystemColors::usingFixedTable());
  EXPECT_EQ(SystemColors::get(SystemColors::ButtonFace), 0x030201);
  EXPECT_EQ(SystemColors::get(SystemColors::GrayText), 0x5C5B5A);
  // No role for the application workspace: the classic default.
  EXPECT_EQ(SystemColors::get(SystemColors::AppWorkspace), 0x808080);

  // A fixed table wins; indices it lacks answer with the classic default.
  SystemColors::installFixedTable({{SystemColors::ButtonFace, 0x445566}});
  EXPECT_EQ(SystemColors::get(SystemColors::ButtonFace), 0x445566);
  EXPECT_EQ(SystemColors::get(SystemColors::GrayText), 0x808080);

  QApplication::setPalette(saved);
  SystemColors::installClassicTable();
}
