// SPDX-License-Identifier: MIT
#include "app/Artwork.h"
#include "app/BuiltArtwork.h"

#include <QPixmap>
#include <QSet>
#include <gtest/gtest.h>

namespace {

int distinctColours(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      colours.insert(image.pixel(x, y));
  return int(colours.size());
}

} // namespace

TEST(Artwork, PicturesHaveTheirSizesAndAreDrawings) {
  const QImage banner = artwork::banner();
  EXPECT_EQ(banner.size(), QSize(700, 65));
  EXPECT_GT(distinctColours(banner), 50);
  const QImage portrait = artwork::tesmirPortrait();
  EXPECT_EQ(portrait.size(), QSize(154, 200));
  EXPECT_GT(distinctColours(portrait), 50);
  // Another size keeps the proportions: the drawing is centred, the
  // background fills the sides.
  const QImage wide = artwork::tesmirPortrait(QSize(240, 250));
  EXPECT_EQ(wide.size(), QSize(240, 250));
  EXPECT_EQ(wide.pixel(0, 125), wide.pixel(239, 125));
}

TEST(Artwork, IconHasSixImagesAtThreeSizesAndTwoDepths) {
  const QList<QImage> images = artwork::iconImages();
  ASSERT_EQ(images.size(), 6);
  const int sizes[] = {48, 32, 16};
  for (int i = 0; i < 3; ++i) {
    const int size = sizes[i];
    const QImage& indexed = images[2 * i];
    const QImage& full = images[2 * i + 1];
    EXPECT_EQ(indexed.size(), QSize(size, size));
    EXPECT_EQ(full.size(), QSize(size, size));
    EXPECT_EQ(indexed.format(), QImage::Format_Indexed8);
    EXPECT_LE(indexed.colorCount(), 256);
    EXPECT_EQ(full.depth(), 32);
    // The corners are transparent (rounded tile), the middle is not.
    EXPECT_EQ(qAlpha(full.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(full.pixel(size / 2, size / 2)), 255);
    EXPECT_EQ(qAlpha(indexed.pixel(0, 0)), 0);
  }
  const QIcon icon = artwork::windowIcon();
  for (int size : {48, 32, 16})
    EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
}

// The program shows the pictures the build drew: the same pixels the drawing
// code gives now, with the same fonts.
TEST(Artwork, BuiltPicturesAreTheDrawings) {
  EXPECT_EQ(builtartwork::banner(), artwork::banner());
  EXPECT_EQ(builtartwork::tesmirPortrait(), artwork::tesmirPortrait());
  const QIcon icon = builtartwork::windowIcon();
  for (int size : {48, 32, 16})
    EXPECT_EQ(icon.pixmap(size).toImage(), QPixmap::fromImage(artwork::iconImage(size)).toImage()) << size;
}
