#include "platform/Picture.h"

#include "platform/Geometry.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace platform {

std::shared_ptr<const Picture> Picture::fromImage(const QImage& image, int type) {
  if (image.isNull())
    return nullptr;
  auto picture = std::make_shared<Picture>();
  picture->Type = type;
  picture->alphaBitmap = type == Bitmap && image.hasAlphaChannel();
  picture->image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  picture->Width = pixelsToHimetric(image.width());
  picture->Height = pixelsToHimetric(image.height());
  return picture;
}

std::shared_ptr<const Picture> Picture::load(const QString& path, QString* error) {
  QImageReader reader(path);
  const QImage image = reader.read();
  if (image.isNull()) {
    if (error)
      *error = QStringLiteral("cannot read picture \"%1\": %2").arg(path, reader.errorString());
    return nullptr;
  }
  const bool icon = QFileInfo(path).suffix().compare(QLatin1String("ico"), Qt::CaseInsensitive) == 0;
  return fromImage(image, icon ? Icon : Bitmap);
}

QString Picture::toStored() const {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return QString::fromLatin1(bytes.toBase64());
}

std::shared_ptr<const Picture> Picture::fromStored(int type, const QString& base64Png, QString* error) {
  const auto decoded = QByteArray::fromBase64Encoding(base64Png.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
  QImage image;
  if (!decoded || !image.loadFromData(*decoded, "PNG")) {
    if (error)
      *error = QStringLiteral("the stored picture is not base64-encoded PNG data");
    return nullptr;
  }
  if (type != Bitmap && type != Icon) {
    if (error)
      *error = QStringLiteral("the stored picture type %1 is neither 1 (bitmap) nor 3 (icon)").arg(type);
    return nullptr;
  }
  return fromImage(image, type);
}

} // namespace platform
