// SPDX-License-Identifier: MIT
#include "platform/Picture.h"

#include "platform/Files.h"
#include "platform/Geometry.h"

#include <QBuffer>
#include <QImageReader>
#include <QtNumeric>

#include <algorithm>
#include <cstdlib>

namespace platform {

namespace {

// Little- and big-endian fields; 0 past the end of the data.
quint32 le16(const QByteArray& bytes, qsizetype at) {
  if (at < 0 || at + 2 > bytes.size())
    return 0;
  return quint32(uchar(bytes[at])) | quint32(uchar(bytes[at + 1])) << 8;
}
quint32 le32(const QByteArray& bytes, qsizetype at) { return le16(bytes, at) | le16(bytes, at + 2) << 16; }
quint32 be32(const QByteArray& bytes, qsizetype at) {
  if (at < 0 || at + 4 > bytes.size())
    return 0;
  return quint32(uchar(bytes[at])) << 24 | quint32(uchar(bytes[at + 1])) << 16 | quint32(uchar(bytes[at + 2])) << 8 |
         quint32(uchar(bytes[at + 3]));
}

// How a BMP stores its pixels (the header's compression field).
constexpr quint32 BmpRows = 0;           // uncompressed rows
constexpr quint32 BmpBitFields = 3;      // uncompressed rows, colours by masks
constexpr quint32 BmpAlphaBitFields = 6; // the same with an alpha mask

// Why a file of the given format ends before its picture does, or an empty
// string. The image readers would otherwise return the part they got.
QString truncation(const QByteArray& format, const QByteArray& bytes) {
  const qint64 size = bytes.size();
  if (format == "png") {
    // Chunks (length, type, data, CRC) from after the signature to IEND.
    for (qint64 at = 8;;) {
      if (at + 12 > size)
        return QStringLiteral("the PNG end chunk is missing");
      const qint64 next = at + 12 + be32(bytes, at);
      if (next > size)
        return QStringLiteral("a PNG chunk runs past the end of the file");
      if (bytes.mid(at + 4, 4) == "IEND")
        return {};
      at = next;
    }
  }
  if (format == "bmp") {
    const qint64 headerSize = le32(bytes, 14);
    if (size < 14 + 4 || size < 14 + headerSize)
      return QStringLiteral("the BMP header is incomplete");
    const qint64 offset = le32(bytes, 10);
    const bool core = headerSize == 12;
    const qint64 width = core ? le16(bytes, 18) : qint32(le32(bytes, 18));
    const qint64 height = core ? le16(bytes, 20) : qint32(le32(bytes, 22));
    const qint64 bitsPerPixel = le16(bytes, core ? 24 : 28);
    const quint32 compression = core ? 0 : le32(bytes, 30);
    // Uncompressed rows are padded to 4 bytes; compressed data has its size.
    const bool rows = compression == BmpRows || compression == BmpBitFields || compression == BmpAlphaBitFields;
    // A row is below 2^48 bytes, but the rows together may pass 2^63.
    const qint64 rowBytes = (std::abs(width) * bitsPerPixel + 31) / 32 * 4;
    qint64 data = le32(bytes, 34);
    qint64 end = 0;
    if ((rows && qMulOverflow(rowBytes, std::abs(height), &data)) || qAddOverflow(offset, data, &end))
      return QStringLiteral("the BMP pixel data of %1 x %2 pixels is larger than any file").arg(width).arg(height);
    if (end > size)
      return QStringLiteral("the BMP pixel data needs %1 bytes, the file holds %2").arg(end).arg(size);
    return {};
  }
  if (format == "jpeg" || format == "jpg") {
    // The last scan must be followed by the end-of-image marker.
    const qsizetype scan = bytes.lastIndexOf(QByteArrayView("\xFF\xDA", 2));
    if (scan < 0)
      return QStringLiteral("the JPEG image data is missing");
    if (bytes.indexOf(QByteArrayView("\xFF\xD9", 2), scan) < 0)
      return QStringLiteral("the JPEG end-of-image marker is missing");
    return {};
  }
  if (format == "gif") {
    if (bytes.endsWith(char(0x3B)))
      return {};
    return QStringLiteral("the GIF trailer is missing");
  }
  if (format == "ico") {
    const qint64 count = le16(bytes, 4);
    if (size < 6 + 16 * count)
      return QStringLiteral("the icon directory is incomplete");
    for (qint64 i = 0; i < count; ++i) {
      const qint64 entry = 6 + 16 * i;
      if (qint64(le32(bytes, entry + 12)) + le32(bytes, entry + 8) > size)
        return QStringLiteral("icon image %1 runs past the end of the file").arg(i + 1);
    }
    return {};
  }
  return {};
}

// The format whose signature the file starts with, for files too short for
// the image readers to recognise; empty when none matches.
QByteArray formatBySignature(const QByteArray& bytes) {
  const struct {
    QByteArrayView signature;
    const char* format;
  } signatures[] = {
      {QByteArrayView("\x89PNG\r\n\x1A\n", 8), "png"}, {QByteArrayView("BM", 2), "bmp"},
      {QByteArrayView("\xFF\xD8\xFF", 3), "jpeg"},     {QByteArrayView("GIF8", 4), "gif"},
      {QByteArrayView("\0\0\1\0", 4), "ico"},
  };
  for (const auto& s : signatures) {
    const qsizetype common = std::min(bytes.size(), s.signature.size());
    if (QByteArrayView(bytes).first(common) == s.signature.first(common))
      return s.format;
  }
  return {};
}

// Why the image readers would refuse to hold the reader's picture (it is
// over their allocation limit), or an empty string.
QString overAllocationLimit(QImageReader& reader) {
  const QSize size = reader.size();
  const qint64 limit = qint64(QImageReader::allocationLimit()) << 20;
  if (limit > 0 && size.isValid() && qint64(size.width()) * size.height() * 4 > limit)
    return QStringLiteral("too large (%1 x %2 pixels; the image readers hold up to %3 MB)")
        .arg(size.width())
        .arg(size.height())
        .arg(QImageReader::allocationLimit());
  return {};
}

// A BMP of 32 bits per pixel is drawn through its alpha channel whatever
// its header says of that channel: the fourth byte of each pixel is its
// alpha. The image readers drop that byte from uncompressed files (and
// from bit-field files without an alpha mask), so it is read here. Many
// programs write 32-bit files whose fourth byte is simply zero; such a file
// would draw nothing at all, so one whose alpha bytes are all zero is drawn
// opaque instead. Other depths come back as they were read.
QImage withBmpAlpha(const QImage& image, const QByteArray& bytes) {
  const quint32 headerSize = le32(bytes, 14);
  if (headerSize == 12 || le16(bytes, 28) != 32)
    return image;
  QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  const quint32 compression = le32(bytes, 30);
  // Bit fields: the masks follow the 40-byte header part, colours first.
  const bool fourthByteIsColour =
      compression == BmpBitFields && ((le32(bytes, 54) | le32(bytes, 58) | le32(bytes, 62)) & 0xFF000000u) != 0;
  if (!image.hasAlphaChannel() && (compression == BmpRows || compression == BmpBitFields) && !fourthByteIsColour) {
    // Rows are bottom-up for a positive height; the file's size was checked.
    const qsizetype offset = le32(bytes, 10);
    const bool bottomUp = qint32(le32(bytes, 22)) > 0;
    const qsizetype rowBytes = qsizetype(argb.width()) * 4;
    for (int y = 0; y < argb.height(); ++y) {
      const qsizetype row = offset + (bottomUp ? argb.height() - 1 - y : y) * rowBytes;
      auto* pixels = reinterpret_cast<QRgb*>(argb.scanLine(y));
      for (int x = 0; x < argb.width(); ++x) {
        const QRgb p = pixels[x];
        pixels[x] = qRgba(qRed(p), qGreen(p), qBlue(p), uchar(bytes[row + 4 * x + 3]));
      }
    }
  }
  for (int y = 0; y < argb.height(); ++y) {
    const auto* pixels = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x)
      if (qAlpha(pixels[x]) != 0)
        return argb;
  }
  return image.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32);
}

// A TGA file, which has no signature: the readers take its header for an
// icon directory of cursors. Its header (uncompressed or run-length
// colour-mapped, true-colour or grey, a known depth) or its closing
// signature tells it apart.
bool looksLikeTga(const QByteArray& bytes) {
  if (bytes.endsWith(QByteArrayView("TRUEVISION-XFILE.\0", 18)))
    return true;
  if (bytes.size() < 18)
    return false;
  const uint mapType = uchar(bytes[1]);
  const uint imageType = uchar(bytes[2]);
  const uint depth = uchar(bytes[16]);
  const bool knownType =
      imageType == 1 || imageType == 2 || imageType == 3 || imageType == 9 || imageType == 10 || imageType == 11;
  const bool knownDepth = depth == 8 || depth == 15 || depth == 16 || depth == 24 || depth == 32;
  return mapType <= 1 && knownType && knownDepth && le16(bytes, 12) > 0 && le16(bytes, 14) > 0;
}

// Why the icon's largest image is over the readers' allocation limit, or
// an empty string. An icon image may be a whole PNG file, whose own header
// holds its size (the directory has one byte for each side).
QString iconOverAllocationLimit(const QByteArray& bytes) {
  const qint64 limit = qint64(QImageReader::allocationLimit()) << 20;
  const qint64 count = le16(bytes, 4);
  for (qint64 i = 0; i < count && limit > 0; ++i) {
    const qint64 offset = le32(bytes, 6 + 16 * i + 12);
    if (bytes.mid(offset, 8) != QByteArrayView("\x89PNG\r\n\x1A\n", 8))
      continue;
    const qint64 width = be32(bytes, offset + 16);
    const qint64 height = be32(bytes, offset + 20);
    if (width * height * 4 > limit)
      return QStringLiteral("too large (icon image %1 is %2 x %3 pixels; the image readers hold up to %4 MB)")
          .arg(i + 1)
          .arg(width)
          .arg(height)
          .arg(QImageReader::allocationLimit());
  }
  return {};
}

} // namespace

std::shared_ptr<const Picture> Picture::fromImage(const QImage& image, int type) {
  if (image.isNull())
    return nullptr;
  auto picture = std::make_shared<Picture>();
  picture->Type = type;
  picture->alphaBitmap = type == Bitmap && image.hasAlphaChannel();
  QImage pixels = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  // An image made for a high-density screen (QIcon::pixmap at ratio 2, say)
  // keeps its logical size: its own pixels become the high-resolution
  // variant, drawn on such a screen, beside a copy at the logical size.
  const qreal ratio = pixels.devicePixelRatio();
  pixels.setDevicePixelRatio(1);
  if (ratio > 1) {
    const QSize logical = (QSizeF(pixels.size()) / ratio).toSize().expandedTo(QSize(1, 1));
    picture->image = pixels.scaled(logical, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture->highResolution = std::move(pixels);
  } else {
    picture->image = std::move(pixels);
  }
  picture->Width = pixelsToHimetric(picture->image.width());
  picture->Height = pixelsToHimetric(picture->image.height());
  return picture;
}

const QImage& Picture::pixelsAt(const QSize& size, bool smooth) const {
  if (size == image.size())
    return image;
  if (size == highResolution.size())
    return highResolution;
  const bool finer = !highResolution.isNull() && size.width() > image.width();
  const QImage& source = finer ? highResolution : image;
  // Kept while it is of the same pixels: an image replaced since (Qt hands
  // out a cache key once) is scaled anew.
  if (scaled_.size() == size && scaledSmooth_ == smooth && scaledFrom_ == source.cacheKey())
    return scaled_;
  scaled_ = source.scaled(size, Qt::IgnoreAspectRatio, smooth ? Qt::SmoothTransformation : Qt::FastTransformation)
                .convertToFormat(image.format());
  scaledSmooth_ = smooth;
  scaledFrom_ = source.cacheKey();
  return scaled_;
}

namespace {

std::shared_ptr<const Picture> loadFile(const QString& path, QString* error);

// The "@2x" file beside `path`, if any, as the high-resolution variant of `picture`.
void addHighResolution(Picture& picture, const QString& path) {
  // By the name's text alone: it may hold bytes that are not UTF-8.
  const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
  const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
  const qsizetype end = dot > slash + 1 ? dot : path.size();
  const QString base = path.left(end);
  const QString variantPath = base + QStringLiteral("@2x") + path.mid(end);
  if (base.endsWith(QLatin1String("@2x")) || !fileExists(variantPath))
    return;
  QString why;
  const auto variant = loadFile(variantPath, &why);
  if (variant && variant->image.size() != picture.image.size() * 2)
    why = QStringLiteral("picture \"%1\" is %2 x %3 pixels, not twice the %4 x %5 of \"%6\"")
              .arg(variantPath)
              .arg(variant->image.width())
              .arg(variant->image.height())
              .arg(picture.image.width())
              .arg(picture.image.height())
              .arg(path);
  if (!why.isEmpty()) {
    qWarning("high-resolution variant left out: %s", qPrintable(why));
    return;
  }
  picture.highResolution = variant->image.convertToFormat(picture.image.format());
}

} // namespace

std::shared_ptr<const Picture> Picture::load(const QString& path, QString* error) {
  auto picture = loadFile(path, error);
  if (!picture)
    return nullptr;
  auto withVariant = std::make_shared<Picture>(*picture);
  addHighResolution(*withVariant, path);
  return withVariant;
}

namespace {

std::shared_ptr<const Picture> loadFile(const QString& path, QString* error) {
  QString why;
  const std::optional<QByteArray> bytes = readRegularFile(path, Picture::MaxFileBytes, &why);
  if (!bytes) {
    if (error)
      *error = QStringLiteral("cannot read picture \"%1\": %2").arg(path, why);
    return nullptr;
  }
  return Picture::fromBytes(*bytes, path, error);
}

} // namespace

std::shared_ptr<const Picture> Picture::fromBytes(const QByteArray& bytes, const QString& name, QString* error) {
  const auto fail = [&](const QString& reason) -> std::shared_ptr<const Picture> {
    if (error)
      *error = QStringLiteral("cannot read picture \"%1\": %2").arg(name, reason);
    return nullptr;
  };
  if (bytes.isEmpty())
    return fail(QStringLiteral("the file is empty"));

  // The kind follows the content, whatever the file is called.
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  QByteArray format = reader.format().toLower();
  if (format.isEmpty())
    format = formatBySignature(bytes);
  // An icon file's type field is 1; a cursor's is 2, which TGA headers share.
  if (format == "ico" && le16(bytes, 2) != 1 && looksLikeTga(bytes))
    format = "tga";
  const bool bitmapByAlpha = format == "png" || format == "bmp";
  const bool opaqueBitmap = format == "jpeg" || format == "jpg" || format == "gif";
  const bool icon = format == "ico";
  if (!bitmapByAlpha && !opaqueBitmap && !icon) {
    const QString kind = format.isEmpty() ? QStringLiteral("not a picture in a known format")
                                          : QStringLiteral("a %1 picture").arg(QString::fromLatin1(format.toUpper()));
    return fail(kind + QStringLiteral("; pictures are read from PNG, BMP, ICO, JPEG or GIF files"));
  }
  const QString truncated = truncation(format, bytes);
  if (!truncated.isEmpty())
    return fail(QStringLiteral("the file is truncated (%1)").arg(truncated));
  const QString tooLarge = icon ? iconOverAllocationLimit(bytes) : overAllocationLimit(reader);
  if (!tooLarge.isEmpty())
    return fail(QStringLiteral("the picture is ") + tooLarge);
  const QImage image = reader.read();
  if (image.isNull())
    return fail(QStringLiteral("the picture data is damaged (%1)").arg(reader.errorString()));
  if (icon)
    return Picture::fromImage(image, Picture::Icon);
  if (opaqueBitmap)
    return Picture::fromImage(image.convertToFormat(QImage::Format_RGB32), Picture::Bitmap);
  if (format == "bmp")
    return Picture::fromImage(withBmpAlpha(image, bytes), Picture::Bitmap);
  return Picture::fromImage(image, Picture::Bitmap);
}

QString Picture::toStored() const {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return QString::fromLatin1(bytes.toBase64());
}

std::shared_ptr<const Picture> Picture::fromStored(int type, const QString& base64Png, QString* error) {
  const auto fail = [&](const QString& reason) -> std::shared_ptr<const Picture> {
    if (error)
      *error = reason;
    return nullptr;
  };
  const QString notPng = QStringLiteral("the stored picture is not base64-encoded PNG data");
  const auto decoded = QByteArray::fromBase64Encoding(base64Png.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
  if (!decoded)
    return fail(notPng);
  QBuffer buffer;
  buffer.setData(*decoded);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "PNG");
  if (const QString tooLarge = overAllocationLimit(reader); !tooLarge.isEmpty())
    return fail(QStringLiteral("the stored picture is ") + tooLarge);
  const QImage image = reader.read();
  if (image.isNull())
    return fail(notPng);
  if (type != Bitmap && type != Icon)
    return fail(QStringLiteral("the stored picture type %1 is neither 1 (bitmap) nor 3 (icon)").arg(type));
  return fromImage(image, type);
}

} // namespace platform
