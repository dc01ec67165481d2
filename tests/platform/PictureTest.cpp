#include "platform/Picture.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using platform::Picture;

TEST(Picture, StoredFormRoundTripsPixelsTypeAndSize) {
  QImage image(16, 8, QImage::Format_ARGB32);
  image.fill(qRgba(10, 20, 30, 128));
  const auto picture = Picture::fromImage(image, Picture::Icon);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Width, 423); // 16 px in HIMETRIC
  const auto back = Picture::fromStored(Picture::Icon, picture->toStored());
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Type, Picture::Icon);
  EXPECT_EQ(back->Width, picture->Width);
  EXPECT_EQ(back->Height, picture->Height);
  EXPECT_EQ(back->image, picture->image);
}

TEST(Picture, UnreadableDataFailsWithAReason) {
  QString error;
  EXPECT_FALSE(Picture::fromStored(Picture::Bitmap, "%%%", &error));
  EXPECT_FALSE(error.isEmpty());
  error.clear();
  EXPECT_FALSE(Picture::fromStored(Picture::Bitmap, QString::fromLatin1(QByteArray("not a png").toBase64()), &error));
  EXPECT_FALSE(error.isEmpty());
  error.clear();
  QTemporaryDir dir;
  EXPECT_FALSE(Picture::load(dir.filePath("missing.png"), &error));
  EXPECT_TRUE(error.contains("missing.png"));
}
