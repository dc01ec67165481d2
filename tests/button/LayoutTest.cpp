// SPDX-License-Identifier: MIT
// Layout of caption, picture and drop-down symbol by the content pass.
#include "RenderSupport.h"

#include "button/render/ColorKit.h"
#include "button/render/Redraw.h"

#include <QFontDatabase>
#include <gtest/gtest.h>

using namespace vexa;
using platform::Rect;
using platform::Surface;

namespace {

// The caption block as the content pass measures it at `width`.
Rect measured(const HeadlessButton& b, const QString& caption, int width) {
  return b.surface.measureText(caption, {0, 0, width, b.surface.height()},
                               Surface::TextWordBreak | Surface::TextCalcRect);
}

// Short words that wrap differently at the widths the tests compare.
const QString Words = QStringLiteral("ab ab ab ab ab ab ab ab ab ab ab ab");

platform::PicturePtr picture16() {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(Qt::red);
  return platform::Picture::fromImage(image);
}

bool haveSymbolFont() {
  if (QFontDatabase::families().contains(QStringLiteral("Marlett")))
    return true;
  QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/marlett.ttf"));
  return QFontDatabase::families().contains(QStringLiteral("Marlett"));
}

} // namespace

TEST(LayoutCaption, CentredBlockMeasuredEightPixelsNarrowerThanTheButton) {
  HeadlessButton b(75, 25);
  b.in.Caption = QStringLiteral("OK");
  b.paint();
  const Rect text = measured(b, b.in.Caption, 67);
  ASSERT_GT(text.right, 0);
  EXPECT_EQ(b.out.captionRect, Rect({(75 - text.right) / 2, (25 - text.bottom) / 2, (75 - text.right) / 2 + text.right,
                                     (25 - text.bottom) / 2 + text.bottom}));

  // The measuring width is 67: a caption that wraps differently at 66 and 68
  // gets the block measured at 67.
  HeadlessButton wide(75, 60);
  wide.in.Caption = Words;
  wide.paint();
  EXPECT_EQ(wide.out.captionRect.width(), measured(wide, Words, 67).right);
  EXPECT_EQ(wide.out.captionRect.height(), measured(wide, Words, 67).bottom);
}

TEST(LayoutCaption, DropDownSymbolAndSeparator) {
  HeadlessButton b(75, 25);
  b.in.Caption = QStringLiteral("OK");
  b.in.DropDownSymbol = 6;
  b.in.DropDownSeparator = true;
  b.paint();

  const Rect text = measured(b, b.in.Caption, 59);
  EXPECT_EQ(b.out.captionRect.left, (75 - text.right) / 2 - 8);
  EXPECT_EQ(b.out.symbolRect, Rect({60, 6, 75, 20}));

  // Separator lines at x = 59 (darker) and 60 (lighter) from y = 3; the style's
  // own shading lines cover the rows from H - 4 on.
  const Colour background = b.at(7, 7);
  for (int y = 3; y < 21; ++y) {
    EXPECT_EQ(b.at(59, y), ShiftColor(background, -0.1f)) << y;
    if (y < 6) {
      EXPECT_EQ(b.at(60, y), ShiftColor(background, 0.1f)) << y;
    }
  }
  EXPECT_NE(b.at(59, 2), ShiftColor(background, -0.1f));

  // The glyph for "6" is the down triangle: wider at its top than at its bottom.
  if (!haveSymbolFont())
    GTEST_SKIP() << "the symbol font is not installed";
  HeadlessButton plain(75, 25);
  plain.in.Caption = QStringLiteral("OK");
  plain.in.DropDownSeparator = true;
  plain.paint();
  int top = -1, bottom = -1;
  std::vector<int> widths;
  for (int y = 6; y < 20; ++y) {
    int ink = 0;
    for (int x = 62; x < 75; ++x)
      ink += b.at(x, y) != plain.at(x, y);
    widths.push_back(ink);
    if (ink > 0) {
      bottom = y;
      if (top < 0)
        top = y;
    }
  }
  ASSERT_GE(top, 0) << "no glyph drawn";
  EXPECT_GT(widths[top - 6], widths[bottom - 6]);
}

TEST(LayoutCaption, SystemStyleKeepsTheCaptionFourPixelsInside) {
  HeadlessButton b(75, 25, 13);
  b.in.Caption = QStringLiteral("Averyveryverylongcaption thatwrapsandwraps andwraps");
  b.paint();
  EXPECT_EQ(b.out.captionRect.left, 4);
  EXPECT_EQ(b.out.captionRect.right, 71);
  EXPECT_EQ(b.out.captionRect.top, 4);
  EXPECT_EQ(b.out.captionRect.bottom, 21);

  // Style 2 does not clamp.
  HeadlessButton rounded(75, 25, 2);
  rounded.in.Caption = b.in.Caption;
  rounded.paint();
  EXPECT_LT(rounded.out.captionRect.left, 4);
}

TEST(LayoutCaption, LeftAndRightAlignment) {
  HeadlessButton b(75, 25);
  b.in.Caption = QStringLiteral("OK");
  b.in.CaptionAlign = 0;
  b.paint();
  const Rect text = measured(b, b.in.Caption, 67);
  EXPECT_EQ(b.out.captionRect.left, 2);

  b.in.CaptionAlign = 2;
  b.paint();
  EXPECT_EQ(b.out.captionRect.left, 75 - text.right - 4);

  b.in.DropDownSymbol = 6; // right-aligned text moves clear of the glyph
  b.paint();
  EXPECT_EQ(b.out.captionRect.left, 75 - measured(b, b.in.Caption, 59).right - 4 - 16);
}

TEST(LayoutPicture, CentredBehindTheCaption) {
  HeadlessButton b(121, 33);
  b.in.Caption = QStringLiteral("Provera");
  b.in.PictureNormal = picture16();
  b.in.PictureAlign = 4;
  b.paint();
  EXPECT_EQ(b.out.pictureWidth, 16);
  EXPECT_EQ(b.out.pictureHeight, 16);
  EXPECT_EQ(b.out.pictureRect, Rect({52, 8, 68, 24}));
  const Rect text = measured(b, b.in.Caption, 113);
  EXPECT_EQ(b.out.captionRect.left, (121 - text.right + 16) / 2 - 16);
}

TEST(LayoutPicture, PlacementsBesideAboveAndWithoutCaption) {
  HeadlessButton b(121, 41);
  b.in.Caption = QStringLiteral("Provera");
  b.in.PictureNormal = picture16();
  const Rect text = measured(b, b.in.Caption, 113);

  b.in.PictureAlign = 0; // left edge; a left caption moves clear of it
  b.in.CaptionAlign = 0;
  b.paint();
  EXPECT_EQ(b.out.pictureRect, Rect({3, 12, 19, 28}));
  EXPECT_EQ(b.out.captionRect.left, 20);
  EXPECT_EQ(b.out.captionRect.right, 2 + text.right + 20);

  b.in.PictureAlign = 1; // left of the centred caption
  b.in.CaptionAlign = 1;
  b.paint();
  EXPECT_EQ(b.out.captionRect.left, (121 - text.right + 16) / 2);
  EXPECT_EQ(b.out.pictureRect.left, b.out.captionRect.left - 16 - 4);

  b.in.PictureAlign = 6; // above the caption
  b.paint();
  EXPECT_EQ(b.out.captionRect.top, (41 - text.bottom) / 2 + 8);
  EXPECT_EQ(b.out.pictureRect, Rect({52, b.out.captionRect.top - 18, 68, b.out.captionRect.top - 2}));

  b.in.Caption = QStringLiteral("   "); // blank caption: centred
  b.in.DropDownSymbol = 6;
  b.paint();
  EXPECT_EQ(b.out.pictureRect, Rect({44, 12, 60, 28}));
}

TEST(LayoutPicture, AnUnnamedAlignmentKeepsTheLaidOutPlaceThroughPressedPaints) {
  // Through the record, which carries the place from one paint to the next.
  platform::Surface surface(121, 33);
  ButtonRecord rec;
  rec.Caption = QStringLiteral("OK");
  rec.PictureNormal = picture16();
  rec.PictureAlign = 0;
  const auto paint = [&] { apply(Redraw(describe(rec), surface), rec); };
  paint();
  const Rect placed = rec.PictureRect;
  ASSERT_EQ(placed, Rect({3, 8, 19, 24}));

  rec.PictureAlign = 9;
  rec.ButtonState = Down;
  for (int i = 0; i < 3; ++i) {
    paint();
    EXPECT_EQ(rec.PictureRect, placed.translated(1, 1)) << i;
  }
  rec.ButtonState = Normal;
  paint();
  EXPECT_EQ(rec.PictureRect, placed);
}

TEST(LayoutPicture, CurrentPictureFollowsTheState) {
  HeadlessButton b(60, 30);
  const auto normal = picture16();
  const auto hot = platform::Picture::fromImage(QImage(8, 4, QImage::Format_RGB32));
  b.in.PictureNormal = normal;
  b.in.PictureHot = hot;
  b.in.state = Down; // no PictureDown: PictureHot
  b.paint();
  EXPECT_EQ(b.out.currentPicture, hot);
  EXPECT_EQ(b.out.pictureWidth, 8);
  EXPECT_EQ(b.out.pictureHeight, 4);
  b.in.state = Normal;
  b.paint();
  EXPECT_EQ(b.out.currentPicture, normal);
  b.in.PictureNormal = nullptr;
  b.paint();
  ASSERT_TRUE(b.out.currentPicture);
  EXPECT_EQ(b.out.pictureWidth, 0);
}

TEST(LayoutPressed, OffsetsByStyle) {
  const auto rectsAfter = [](qint32 style, qint32 state) {
    HeadlessButton b(80, 30);
    ButtonPaint paint;
    paint.ButtonStyle = style;
    paint.Caption = QStringLiteral("OK");
    paint.DropDownSymbol = 6;
    paint.state = state;
    PaintResult result;
    DrawCaptionAndPicture(paint, 0, b.surface, result);
    return std::pair{result.captionRect, result.symbolRect};
  };
  const auto [caption, symbol] = rectsAfter(0, Normal);
  EXPECT_EQ(rectsAfter(0, Down), std::pair(caption.translated(1, 1), symbol.translated(2, 2)));
  EXPECT_EQ(rectsAfter(5, Down), std::pair(caption.translated(1, 1), symbol.translated(1, 1)));
  EXPECT_EQ(rectsAfter(2, Down), std::pair(caption, symbol));
}

// Without the symbol font each glyph is drawn as its shape: solid where the
// glyph is solid, nowhere the glyph leaves blank, so the drop-down reads the
// same (and never as the digit a substitute font would draw).
TEST(LayoutCaption, SymbolShapesCoverTheSymbolFontsGlyphs) {
  if (!haveSymbolFont())
    GTEST_SKIP() << "the symbol font is not installed";
  const auto cell = [](auto draw) {
    Surface s(15, 15);
    s.fillRect({0, 0, 15, 15}, 0xFFFFFF);
    s.setTextColor(0x000000);
    draw(s);
    return s.image().convertToFormat(QImage::Format_Grayscale8);
  };
  for (char symbol : {'0', '1', '2', '3', '4', '5', '6', '7', '8'}) {
    SCOPED_TRACE(symbol);
    const QImage glyph = cell([&](Surface& s) {
      s.setFont(CreateSymbolFont(14));
      s.drawText(QString(QChar(symbol)), {0, 0, 15, 15}, Surface::TextWordBreak | Surface::TextNoPrefix);
    });
    const QImage shape = cell([&](Surface& s) { DrawSymbolShape(QChar(symbol), s, {0, 0, 15, 15}); });
    int drawn = 0;
    for (int y = 0; y < 15; ++y)
      for (int x = 0; x < 15; ++x) {
        const int ink = 255 - qGray(glyph.pixel(x, y));
        const bool inShape = qGray(shape.pixel(x, y)) == 0;
        drawn += inShape;
        if (ink > 191) {
          EXPECT_TRUE(inShape) << "solid glyph pixel left out at " << x << "," << y;
        }
        if (inShape) {
          EXPECT_GT(ink, 31) << "shape pixel where the glyph is blank at " << x << "," << y;
        }
      }
    EXPECT_GT(drawn, 0);
  }
}
