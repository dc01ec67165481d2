#pragma once

#include <QImage>
#include <QString>

#include <memory>

namespace platform {

// A shared, reference-counted picture: Type 1 bitmap or 3 icon, its pixels,
// and Width and Height in HIMETRIC (0.01 mm), as the control's picture
// properties hold it. Copies share the same object.
struct Picture {
  enum Kind : int { None = 0, Bitmap = 1, Icon = 3 };

  int Type = None;
  QImage image;             // ARGB32 for icons and 32-bit bitmaps, RGB32 otherwise
  bool alphaBitmap = false; // a bitmap of 32 bits per pixel
  int Width = 0;            // HIMETRIC
  int Height = 0;           // HIMETRIC

  bool isEmpty() const { return Type == None || image.isNull(); }

  // Loads a picture file by its content: PNG or BMP as a bitmap (32 bits per
  // pixel when it has an alpha channel), ICO as an icon, JPEG or GIF as a
  // 24-bit bitmap; Width and Height are the HIMETRIC sizes that convert back
  // to its pixel size. A missing, empty, truncated, damaged or oversized file,
  // or another format, returns nullptr and sets *error to a message that
  // names the file and the reason.
  static std::shared_ptr<const Picture> load(const QString& path, QString* error = nullptr);
  static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;
  static std::shared_ptr<const Picture> fromImage(const QImage& image, int type = Bitmap);

  // Stored form for property bags: PNG bytes, base64. fromStored fails with
  // nullptr and *error on malformed data.
  QString toStored() const;
  static std::shared_ptr<const Picture> fromStored(int type, const QString& base64Png, QString* error = nullptr);
};

using PicturePtr = std::shared_ptr<const Picture>;

} // namespace platform
