// SPDX-License-Identifier: MIT
#include "platform/Fonts.h"
#include "platform/SharedFont.h"

#include <QDir>
#include <QFontInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifndef VEXA_WINE_FONT_DIR
#define VEXA_WINE_FONT_DIR "/usr/share/wine/fonts"
#endif

// The test main has registered the fonts from the real folder already.

TEST(Fonts, CalibriResolvesToCarlitoAndTahomaToWinesFaces) {
  EXPECT_EQ(QFontInfo(platform::SharedFont(QStringLiteral("Calibri"), 9.75).toQFont()).family(),
            QStringLiteral("Carlito"));
  if (!QDir(QStringLiteral(VEXA_WINE_FONT_DIR)).exists(QStringLiteral("tahoma.ttf")))
    GTEST_SKIP() << "Wine's fonts are not installed";
  const QFontInfo regular(platform::SharedFont(QStringLiteral("Tahoma"), 9.75, 400).toQFont());
  EXPECT_EQ(regular.family(), QStringLiteral("Tahoma"));
  EXPECT_FALSE(regular.bold());
  const QFontInfo bold(platform::SharedFont(QStringLiteral("Tahoma"), 9.75, 700).toQFont());
  EXPECT_EQ(bold.family(), QStringLiteral("Tahoma"));
  EXPECT_TRUE(bold.bold());
  EXPECT_EQ(QFontInfo(platform::SharedFont(QStringLiteral("Marlett"), 9.75).toQFont()).family(),
            QStringLiteral("Marlett"));
}

TEST(Fonts, MissingFilesAreReportedAndDoNotStopRegistration) {
  const QStringList missing = platform::registerProgramFonts(QStringLiteral("/nonexistent/font/folder"));
  EXPECT_EQ(missing, (QStringList{"tahoma.ttf", "tahomabd.ttf", "marlett.ttf"}));
  // The substitution is still in place.
  EXPECT_TRUE(QFont::substitutes(QStringLiteral("Calibri")).contains(QStringLiteral("Carlito"), Qt::CaseInsensitive));
}

TEST(Fonts, UnreadableFontFileIsReportedByName) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QFile bogus(dir.filePath(QStringLiteral("tahoma.ttf")));
  ASSERT_TRUE(bogus.open(QIODevice::WriteOnly));
  bogus.write("not a font");
  bogus.close();
  const QStringList missing = platform::registerProgramFonts(dir.path());
  EXPECT_TRUE(missing.contains(QStringLiteral("tahoma.ttf")));
  EXPECT_EQ(missing.size(), 3);
}

TEST(Fonts, RegisteringTwiceReportsNothingNew) {
  if (!QDir(QStringLiteral(VEXA_WINE_FONT_DIR)).exists(QStringLiteral("tahoma.ttf")))
    GTEST_SKIP() << "Wine's fonts are not installed";
  EXPECT_TRUE(platform::registerProgramFonts().isEmpty());
}
