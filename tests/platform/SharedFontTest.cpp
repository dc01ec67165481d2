// SPDX-License-Identifier: MIT
#include "platform/SharedFont.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cstdlib>

using platform::SharedFont;

TEST(SharedFont, TextFormRoundTripsEveryAttribute) {
  SharedFont font("Tahoma", 9.75, 700, 238, true, true, true);
  EXPECT_EQ(font.toText(), "Tahoma,9.75,700,238,italic,underline,strikethrough");
  const auto back = SharedFont::fromText(font.toText());
  ASSERT_TRUE(back);
  EXPECT_TRUE(back->sameAs(font));
  EXPECT_EQ(SharedFont("Calibri", 8.25).toText(), "Calibri,8.25,400,0");
}

TEST(SharedFont, BrokenTextFormsNameWhatIsWrong) {
  const char* broken[] = {"",
                          "Tahoma",
                          "Tahoma,8",
                          ",8,400,0",
                          "Tahoma,big,400,0",
                          "Tahoma,-1,400,0",
                          "Tahoma,8,heavy,0",
                          "Tahoma,8,400,999",
                          "Tahoma,8,400,0,wavy"};
  for (const char* text : broken) {
    QString error;
    EXPECT_FALSE(SharedFont::fromText(text, &error)) << text;
    EXPECT_TRUE(error.startsWith("font \"")) << error.toStdString();
  }
}

TEST(SharedFont, SizesOutsideOneToTwoThousandPointsAreRefusedByTextAndSetter) {
  const char* refused[] = {"nan", "inf", "-inf", "1e-300", "0", "0.99", "-5", "2000.01", "10000", "1e12"};
  for (const char* size : refused) {
    QString error;
    EXPECT_FALSE(SharedFont::fromText(QStringLiteral("Tahoma,%1,400,0").arg(size), &error)) << size;
    EXPECT_TRUE(error.contains("from 1 to 2000")) << error.toStdString();

    SharedFont font;
    QSignalSpy spy(&font, &SharedFont::FontChanged);
    error.clear();
    EXPECT_FALSE(font.setSize(std::strtod(size, nullptr), &error)) << size;
    EXPECT_TRUE(error.contains("from 1 to 2000")) << error.toStdString();
    EXPECT_EQ(font.Size(), 8.25);
    EXPECT_EQ(spy.count(), 0);
  }
  for (double size : {1.0, 2000.0}) {
    const auto font = SharedFont::fromText(QStringLiteral("Tahoma,%1,400,0").arg(size));
    ASSERT_TRUE(font) << size;
    SharedFont other;
    EXPECT_TRUE(other.setSize(size));
    EXPECT_EQ(other.Size(), font->Size());
  }
}

TEST(SharedFont, ReportsEachRealChangeOnceByAttributeName) {
  SharedFont font;
  QSignalSpy spy(&font, &SharedFont::FontChanged);
  font.setSize(9.75);
  font.setSize(9.75); // no change, no report
  font.setBold(true);
  font.setName("Calibri");
  font.setItalic(true);
  ASSERT_EQ(spy.count(), 4);
  EXPECT_EQ(spy[0][0].toString(), "Size");
  EXPECT_EQ(spy[1][0].toString(), "Weight");
  EXPECT_EQ(spy[2][0].toString(), "Name");
  EXPECT_EQ(spy[3][0].toString(), "Italic");
}

TEST(SharedFont, QFontUsesPixelsAtNinetySixDotsPerInch) {
  const QFont small = SharedFont("Tahoma", 8.25).toQFont();
  EXPECT_EQ(small.pixelSize(), 11);
  const QFont bold = SharedFont("Tahoma", 9.75, 700).toQFont();
  EXPECT_EQ(bold.pixelSize(), 13);
  EXPECT_EQ(bold.weight(), QFont::Bold);
  EXPECT_EQ(SharedFont("Tahoma", 8.25, 0).toQFont().weight(), QFont::Normal);
}
