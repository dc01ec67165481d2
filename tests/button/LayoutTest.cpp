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
  b.rec.Caption = QStringLiteral("OK");
  b.paint();
  const Rect text = measured(b, b.rec.Caption, 67);
  ASSERT_GT(text.right, 0);
  EXPECT_EQ(b.rec.CaptionRect, Rect({(75 - text.right) / 2, (25 - text.bottom) / 2, (75 - text.right) / 2 + text.right,
                                     (25 - text.bottom) / 2 + text.bottom}));

  // The measuring width is 67: a caption that wraps differently at 66 and 68
  // gets the block measured at 67.
  HeadlessButton wide(75, 60);
  wide.rec.Caption = Words;
  wide.paint();
  EXPECT_EQ(wide.rec.CaptionRect.width(), measured(wide, Words, 67).right);
  EXPECT_EQ(wide.rec.CaptionRect.height(), measured(wide, Words, 67).bottom);
}

TEST(LayoutCaption, DropDownSymbolAndSeparator) {
  HeadlessButton b(75, 25);
  b.rec.Caption = QStringLiteral("OK");
  b.rec.DropDownSymbol = 6;
  b.rec.DropDownSeparator = true;
  b.paint();

  const Rect text = measured(b, b.rec.Caption, 59);
  EXPECT_EQ(b.rec.CaptionRect.left, (75 - text.right) / 2 - 8);
  EXPECT_EQ(b.rec.SymbolRect, Rect({60, 6, 75, 20}));

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
  plain.rec.Caption = QStringLiteral("OK");
  plain.rec.DropDownSeparator = true;
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
  b.rec.Caption = QStringLiteral("Averyveryverylongcaption thatwrapsandwraps andwraps");
  b.paint();
  EXPECT_EQ(b.rec.CaptionRect.left, 4);
  EXPECT_EQ(b.rec.CaptionRect.right, 71);
  EXPECT_EQ(b.rec.CaptionRect.top, 4);
  EXPECT_EQ(b.rec.CaptionRect.bottom, 21);

  // Style 2 does not clamp.
  HeadlessButton rounded(75, 25, 2);
  rounded.rec.Caption = b.rec.Caption;
  rounded.paint();
  EXPECT_LT(rounded.rec.CaptionRect.left, 4);
}

TEST(LayoutCaption, LeftAndRightAlignment) {
  HeadlessButton b(75, 25);
  b.rec.Caption = QStringLiteral("OK");
  b.rec.CaptionAlign = 0;
  b.paint();
  const Rect text = measured(b, b.rec.Caption, 67);
  EXPECT_EQ(b.rec.CaptionRect.left, 2);

  b.rec.CaptionAlign = 2;
  b.paint();
  EXPECT_EQ(b.rec.CaptionRect.left, 75 - text.right - 4);

  b.rec.DropDownSymbol = 6; // right-aligned text moves clear of the glyph
  b.paint();
  EXPECT_EQ(b.rec.CaptionRect.left, 75 - measured(b, b.rec.Caption, 59).right - 4 - 16);
}

TEST(LayoutPicture, CentredBehindTheCaption) {
  HeadlessButton b(121, 33);
  b.rec.Caption = QStringLiteral("Provera");
  b.rec.PictureNormal = picture16();
  b.rec.PictureAlign = 4;
  b.paint();
  EXPECT_EQ(b.rec.PictureWidth, 16);
  EXPECT_EQ(b.rec.PictureHeight, 16);
  EXPECT_EQ(b.rec.PictureRect, Rect({52, 8, 68, 24}));
  const Rect text = measured(b, b.rec.Caption, 113);
  EXPECT_EQ(b.rec.CaptionRect.left, (121 - text.right + 16) / 2 - 16);
}

TEST(LayoutPicture, PlacementsBesideAboveAndWithoutCaption) {
  HeadlessButton b(121, 41);
  b.rec.Caption = QStringLiteral("Provera");
  b.rec.PictureNormal = picture16();
  const Rect text = measured(b, b.rec.Caption, 113);

  b.rec.PictureAlign = 0; // left edge; a left caption moves clear of it
  b.rec.CaptionAlign = 0;
  b.paint();
  EXPECT_EQ(b.rec.PictureRect, Rect({3, 12, 19, 28}));
  EXPECT_EQ(b.rec.CaptionRect.left, 20);
  EXPECT_EQ(b.rec.CaptionRect.right, 2 + text.right + 20);

  b.rec.PictureAlign = 1; // left of the centred caption
  b.rec.CaptionAlign = 1;
  b.paint();
  EXPECT_EQ(b.rec.CaptionRect.left, (121 - text.right + 16) / 2);
  EXPECT_EQ(b.rec.PictureRect.left, b.rec.CaptionRect.left - 16 - 4);

  b.rec.PictureAlign = 6; // above the caption
  b.paint();
  EXPECT_EQ(b.rec.CaptionRect.top, (41 - text.bottom) / 2 + 8);
  EXPECT_EQ(b.rec.PictureRect, Rect({52, b.rec.CaptionRect.top - 18, 68, b.rec.CaptionRect.top - 2}));

  b.rec.Caption = QStringLiteral("   "); // blank caption: centred
  b.rec.DropDownSymbol = 6;
  b.paint();
  EXPECT_EQ(b.rec.PictureRect, Rect({44, 12, 60, 28}));
}

TEST(LayoutPicture, AnUnnamedAlignmentKeepsTheLaidOutPlaceThroughPressedPaints) {
  HeadlessButton b(121, 33, 0);
  b.rec.Caption = QStringLiteral("OK");
  b.rec.PictureNormal = picture16();
  b.rec.PictureAlign = 0;
  b.paint();
  const Rect placed = b.rec.PictureRect;
  ASSERT_EQ(placed, Rect({3, 8, 19, 24}));

  b.rec.PictureAlign = 9;
  b.rec.ButtonState = ButtonRecord::Down;
  for (int paint = 0; paint < 3; ++paint) {
    b.paint();
    EXPECT_EQ(b.rec.PictureRect, placed.translated(1, 1)) << paint;
  }
  b.rec.ButtonState = ButtonRecord::Normal;
  b.paint();
  EXPECT_EQ(b.rec.PictureRect, placed);
}

TEST(LayoutPicture, CurrentPictureFollowsTheState) {
  HeadlessButton b(60, 30);
  const auto normal = picture16();
  const auto hot = platform::Picture::fromImage(QImage(8, 4, QImage::Format_RGB32));
  b.rec.PictureNormal = normal;
  b.rec.PictureHot = hot;
  b.rec.ButtonState = ButtonRecord::Down; // no PictureDown: PictureHot
  b.paint();
  EXPECT_EQ(b.rec.CurrentPicture, hot);
  EXPECT_EQ(b.rec.PictureWidth, 8);
  EXPECT_EQ(b.rec.PictureHeight, 4);
  b.rec.ButtonState = ButtonRecord::Normal;
  b.paint();
  EXPECT_EQ(b.rec.CurrentPicture, normal);
  b.rec.PictureNormal = nullptr;
  b.paint();
  ASSERT_TRUE(b.rec.CurrentPicture);
  EXPECT_EQ(b.rec.PictureWidth, 0);
}

TEST(LayoutPressed, OffsetsByStyle) {
  const auto rectsAfter = [](qint32 style, qint32 state) {
    HeadlessButton b(80, 30);
    ButtonPaint paint;
    paint.style = style;
    paint.caption = QStringLiteral("OK");
    paint.dropDownSymbol = 6;
    paint.state = state;
    PaintResult result;
    DrawCaptionAndPicture(paint, 0, b.surface, result);
    return std::pair{result.captionRect, result.symbolRect};
  };
  const auto [caption, symbol] = rectsAfter(0, ButtonRecord::Normal);
  EXPECT_EQ(rectsAfter(0, ButtonRecord::Down), std::pair(caption.translated(1, 1), symbol.translated(2, 2)));
  EXPECT_EQ(rectsAfter(5, ButtonRecord::Down), std::pair(caption.translated(1, 1), symbol.translated(1, 1)));
  EXPECT_EQ(rectsAfter(2, ButtonRecord::Down), std::pair(caption, symbol));
}
