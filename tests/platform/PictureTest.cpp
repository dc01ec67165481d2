// SPDX-License-Identifier: MIT
#include "platform/Picture.h"
#include "platform/Geometry.h"

#include "common/TestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtEndian>

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

namespace {

// A 2 x 1 BMP of 32 bits per pixel: with an alpha mask (version 4 header),
// or uncompressed, where the fourth byte of each pixel is its alpha alone.
QByteArray bmp32(quint32 left = 0x80102030, quint32 right = 0xFF405060, bool alphaMask = true) {
  const int offset = alphaMask ? 122 : 54;
  QByteArray bytes(offset + 8, '\0');
  const auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, bytes.data() + at); };
  const auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, bytes.data() + at); };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(2, quint32(bytes.size()));
  put32(10, offset);
  put32(14, offset - 14);
  put32(18, 2);
  put32(22, 1);
  put16(26, 1);
  put16(28, 32);
  put32(34, 8);
  if (alphaMask) {
    put32(30, 3); // bit fields
    put32(54, 0x00FF0000);
    put32(58, 0x0000FF00);
    put32(62, 0x000000FF);
    put32(66, 0xFF000000);
  }
  put32(offset, left);
  put32(offset + 4, right);
  return bytes;
}

// A 2 x 1 GIF: a red pixel and a pixel of the transparent index (blue).
QByteArray gifWithTransparency() {
  const unsigned char gif[] = {'G', 'I', 'F', '8',  '9',  'a',  2, 0, 1, 0,    0x80, 0, 0,    0xff, 0,
                               0,   0,   0,   0xff, 0x21, 0xf9, 4, 1, 0, 0,    1,    0, 0x2c, 0,    0,
                               0,   0,   2,   0,    1,    0,    0, 2, 2, 0x44, 0x0a, 0, 0x3b};
  return QByteArray(reinterpret_cast<const char*>(gif), sizeof gif);
}

QByteArray encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, format)) << format;
  return bytes;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  const QString path = dir.filePath(name);
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  return path;
}

QImage sample(QImage::Format format) {
  QImage image(7, 5, format);
  image.fill(qRgba(10, 200, 30, 128));
  return image;
}

} // namespace

TEST(PictureFile, KindFollowsTheContentAndSizeConvertsBackToPixels) {
  QTemporaryDir dir;
  const struct {
    const char* name;
    QByteArray bytes;
    int type;
    bool alphaBitmap;
    QSize size;
  } cases[] = {
      {"alpha.png", encoded(sample(QImage::Format_ARGB32), "PNG"), Picture::Bitmap, true, {7, 5}},
      {"opaque.png", encoded(sample(QImage::Format_RGB32), "PNG"), Picture::Bitmap, false, {7, 5}},
      {"opaque.bmp", encoded(sample(QImage::Format_RGB32), "BMP"), Picture::Bitmap, false, {7, 5}},
      {"alpha.bmp", bmp32(), Picture::Bitmap, true, {2, 1}},
      {"uncompressed.bmp", bmp32(0x80102030, 0x00405060, false), Picture::Bitmap, true, {2, 1}},
      {"zero-alpha.bmp", bmp32(0x00102030, 0x00405060, false), Picture::Bitmap, true, {2, 1}},
      {"icon.ico", encoded(sample(QImage::Format_ARGB32), "ICO"), Picture::Icon, false, {7, 5}},
      {"icon-named.png", encoded(sample(QImage::Format_ARGB32), "ICO"), Picture::Icon, false, {7, 5}},
      {"photo.jpg", encoded(sample(QImage::Format_RGB32), "JPEG"), Picture::Bitmap, false, {7, 5}},
      {"transparent.gif", gifWithTransparency(), Picture::Bitmap, false, {2, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QString error;
    const auto picture = Picture::load(writeFile(dir, c.name, c.bytes), &error);
    ASSERT_TRUE(picture) << error.toStdString();
    EXPECT_EQ(picture->Type, c.type);
    EXPECT_EQ(picture->alphaBitmap, c.alphaBitmap);
    EXPECT_EQ(picture->image.size(), c.size);
    EXPECT_EQ(platform::himetricToPixels(picture->Width), c.size.width());
    EXPECT_EQ(platform::himetricToPixels(picture->Height), c.size.height());
  }
  // Alpha survives where the kind keeps it: a 32-bit BMP's fourth bytes,
  // unless all are zero (opaque); a GIF's transparent index becomes its own
  // colour in a 24-bit bitmap.
  for (const char* name : {"alpha.bmp", "uncompressed.bmp"})
    EXPECT_EQ(Picture::load(dir.filePath(name))->image.pixel(0, 0), 0x80102030u) << name;
  EXPECT_EQ(Picture::load(dir.filePath("uncompressed.bmp"))->image.pixel(1, 0), 0x00405060u);
  const auto zero = Picture::load(dir.filePath("zero-alpha.bmp"));
  EXPECT_EQ(zero->image.pixel(0, 0), 0xFF102030u);
  EXPECT_EQ(zero->image.pixel(1, 0), 0xFF405060u);
  const auto gif = Picture::load(dir.filePath("transparent.gif"));
  EXPECT_EQ(gif->image.pixel(1, 0), qRgb(0, 0, 255));
}

TEST(PictureFile, SizeInHimetricConvertsBackToEveryPixelSize) {
  for (int pixels = 1; pixels <= 2048; ++pixels)
    ASSERT_EQ(platform::himetricToPixels(platform::pixelsToHimetric(pixels)), pixels) << pixels;
}

TEST(PictureFile, UnreadableEmptyAndTruncatedFilesNameTheFileAndTheReason) {
  QTemporaryDir dir;
  const QByteArray png = encoded(sample(QImage::Format_ARGB32), "PNG");
  const QByteArray bmp = bmp32();
  QByteArray hugeBmp = bmp; // rows whose bytes together pass 2^63
  qToLittleEndian(quint32(0x7FFFFFFF), hugeBmp.data() + 18);
  qToLittleEndian(quint32(0x7FFFFFFF), hugeBmp.data() + 22);
  const QByteArray jpeg = encoded(sample(QImage::Format_RGB32), "JPEG");
  const QByteArray gif = gifWithTransparency();
  const QByteArray ico = encoded(sample(QImage::Format_ARGB32), "ICO");
  const QByteArray xpm = encoded(sample(QImage::Format_RGB32), "XPM");
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.png"));
  // Uncompressed true-colour TGA of 2 x 2 pixels: a header the icon reader
  // would take for a cursor directory.
  const QByteArray tga = QByteArray("\0\0\2\0\0\0\0\0\0\0\0\0\2\0\2\0\x18\0", 18) + QByteArray(12, '\x7F');
  // An icon whose one image is a PNG that claims 60000 x 60000 pixels.
  QByteArray hugePng = png;
  qToBigEndian(quint32(60000), hugePng.data() + 16);
  qToBigEndian(quint32(60000), hugePng.data() + 20);
  QByteArray icoOfPng("\0\0\1\0\1\0\0\0\0\0\1\0\x20\0", 14);
  icoOfPng.resize(22);
  qToLittleEndian(quint32(hugePng.size()), icoOfPng.data() + 14);
  qToLittleEndian(quint32(22), icoOfPng.data() + 18);
  icoOfPng += hugePng;
  const struct {
    const char* name;
    QByteArray bytes; // written unless the name is "missing.png" or the folder
    const char* reason;
  } cases[] = {
      {"missing.png", {}, "does not exist"},
      {"folder.png", {}, "folder"},
      {"empty.png", QByteArray(), "empty"},
      {"text.png", "just some words", "not a picture"},
      {"picture.xpm", xpm, "XPM"},
      {"head.png", png.left(8), "truncated"},
      {"half.png", png.left(png.size() / 2), "truncated"},
      {"no-end.png", png.left(png.size() - 1), "truncated"},
      {"header.bmp", bmp.left(40), "truncated"},
      {"half.bmp", bmp.left(126), "truncated"},
      {"last-byte.bmp", bmp.left(bmp.size() - 1), "truncated"},
      {"huge.bmp", hugeBmp, "larger than any file"},
      {"half.jpg", jpeg.left(jpeg.size() / 2), "truncated"},
      {"no-end.jpg", jpeg.left(jpeg.size() - 2), "truncated"},
      {"half.gif", gif.left(gif.size() - 3), "truncated"},
      {"directory.ico", ico.left(12), "truncated"},
      {"half.ico", ico.left(ico.size() / 2), "truncated"},
      {"damaged.png", png.left(33) + QByteArray(png.size() - 33, 'x'), "truncated"},
      {"large.png", encoded(QImage(600, 600, QImage::Format_RGB32), "PNG"), "too large (600 x 600 pixels"},
      {"picture.tga", tga, "a TGA picture;"},
      {"large.ico", icoOfPng, "too large (icon image 1 is 60000 x 60000 pixels"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString name = QString::fromLatin1(c.name);
    const int limit = QImageReader::allocationLimit();
    if (name == "large.png")
      QImageReader::setAllocationLimit(1); // megabytes
    const auto restoreLimit = qScopeGuard([limit] { QImageReader::setAllocationLimit(limit); });
    const QString path =
        name == "missing.png" || name == "folder.png" ? dir.filePath(name) : writeFile(dir, name, c.bytes);
    QString error;
    EXPECT_FALSE(Picture::load(path, &error));
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_TRUE(error.contains(QLatin1String(c.reason))) << error.toStdString();
  }
}

TEST(PictureFile, AStoredPictureOverTheAllocationLimitIsNamedTooLarge) {
  const int limit = QImageReader::allocationLimit();
  QImageReader::setAllocationLimit(1); // megabytes
  const auto restoreLimit = qScopeGuard([limit] { QImageReader::setAllocationLimit(limit); });
  const QByteArray png = encoded(QImage(600, 600, QImage::Format_RGB32), "PNG");
  QString error;
  EXPECT_FALSE(Picture::fromStored(Picture::Bitmap, QString::fromLatin1(png.toBase64()), &error));
  EXPECT_TRUE(error.contains("too large (600 x 600 pixels")) << error.toStdString();
}

TEST(PictureFile, ATwiceAsLargeAtTwoXFileIsTheHighResolutionVariant) {
  QTemporaryDir dir;
  QImage big(14, 10, QImage::Format_RGB32);
  big.fill(qRgb(1, 2, 3));
  const QString path = writeFile(dir, "face.png", encoded(sample(QImage::Format_RGB32), "PNG"));
  writeFile(dir, "face@2x.png", encoded(big, "PNG"));
  const auto picture = Picture::load(path);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->image.size(), QSize(7, 5)); // the size stays the picture's own
  EXPECT_EQ(picture->highResolution.size(), QSize(14, 10));
  EXPECT_EQ(picture->highResolution.format(), picture->image.format());
  // Device sizes: the image, the variant, or a scaled image of the size asked.
  EXPECT_EQ(&picture->pixelsAt({7, 5}, true), &picture->image);
  EXPECT_EQ(picture->pixelsAt({14, 10}, true).pixel(13, 9), qRgb(1, 2, 3));
  EXPECT_EQ(picture->pixelsAt({11, 8}, true).size(), QSize(11, 8));
  EXPECT_EQ(picture->pixelsAt({11, 8}, true).pixel(10, 7), qRgb(1, 2, 3)); // from the variant
  // The scaled image is kept for the next paint, and made anew from new pixels.
  EXPECT_EQ(&picture->pixelsAt({11, 8}, true), &picture->pixelsAt({11, 8}, true));
  Picture changed = *picture;
  changed.pixelsAt({11, 8}, true);
  changed.highResolution.fill(qRgb(7, 8, 9));
  EXPECT_EQ(changed.pixelsAt({11, 8}, true).pixel(10, 7), qRgb(7, 8, 9));

  // A variant of another size, one that does not read, or a named pipe (not
  // waited for) is left out.
  testsupport::Watchdog watchdog(20);
  const QString variant = dir.filePath("face@2x.png");
  for (const QByteArray& wrong :
       {encoded(sample(QImage::Format_RGB32), "PNG"), QByteArray("not a picture"), QByteArray()}) {
    QFile::remove(variant);
    ASSERT_TRUE(wrong.isEmpty() ? testsupport::makePipe(variant) : testsupport::writeAll(variant, wrong));
    const auto without = Picture::load(path);
    ASSERT_TRUE(without);
    EXPECT_TRUE(without->highResolution.isNull());
  }
}
