// SPDX-License-Identifier: MIT
#pragma once

#include "vexabutton_platform_export.h"

#include <QImage>
#include <QString>

#include <memory>

namespace platform {

//! A shared, reference-counted picture: Type 1 bitmap or 3 icon, its pixels,
//! and Width and Height in HIMETRIC (0.01 mm), as the control's picture
//! properties hold it. Copies share the same object.
struct VEXA_PLATFORM_EXPORT Picture {
  //! The picture types Type holds.
  enum Kind : int { None = 0, Bitmap = 1, Icon = 3 };

  int Type = None;          //!< Bitmap, Icon, or None for no picture.
  QImage image;             //!< ARGB32 for icons and 32-bit bitmaps, RGB32 otherwise.
  bool alphaBitmap = false; //!< A bitmap of 32 bits per pixel, drawn through its alpha channel.
  int Width = 0;            //!< The width in HIMETRIC (0.01 mm).
  int Height = 0;           //!< The height in HIMETRIC (0.01 mm).
  //! The same picture at twice the resolution (a "@2x" file beside the
  //! picture's own), in the image's format; null when there is none.
  QImage highResolution;

  //! No type or no pixels: shown as no picture.
  bool isEmpty() const { return Type == None || image.isNull(); }

  //! The pixels that show the image at \a size device pixels: the image itself
  //! or its high-resolution variant when one has that size, else the
  //! variant (when the size is above the image's) or the image scaled to it,
  //! smoothly or to the nearest pixel (where exact colours matter, as mask
  //! colours do), in the image's format. The last scaled result is kept
  //! (with the picture, for as long as its pixels stay the same), so a
  //! picture is scaled once per size, not on every paint.
  const QImage& pixelsAt(const QSize& size, bool smooth) const;

  //! Loads a picture file by its content: PNG as a bitmap (of 32 bits per
  //! pixel when it has an alpha channel), BMP as a bitmap of its own depth
  //! (a 32-bit file's fourth bytes its alpha; all zero, opaque), ICO as an icon, JPEG or GIF as a
  //! 24-bit bitmap; Width and Height are the HIMETRIC sizes that convert back
  //! to its pixel size. A missing, empty, truncated, damaged or oversized file,
  //! or another format, returns nullptr and sets *error to a message that
  //! names the file and the reason. A file "NAME@2x.EXT" beside "NAME.EXT"
  //! becomes the high-resolution variant when it reads as a picture of
  //! exactly twice the size; otherwise it is left out with a warning that
  //! says why.
  static std::shared_ptr<const Picture> load(const QString& path, QString* error = nullptr);
  //! The same for the content of a file already read; \a name names it in
  //! messages. Pictures over the image readers' allocation limit are refused
  //! as too large.
  static std::shared_ptr<const Picture> fromBytes(const QByteArray& bytes, const QString& name,
                                                  QString* error = nullptr);
  //! The largest picture file load() reads.
  static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;
  //! A picture of \a type holding \a image, its size converted to HIMETRIC at 96 dpi.
  static std::shared_ptr<const Picture> fromImage(const QImage& image, int type = Bitmap);

  //! The stored form for property bags: the pixels as PNG bytes in base64.
  QString toStored() const;
  //! Reads the stored form back as a picture of \a type. Fails with nullptr
  //! and *error on malformed data, and on a valid picture too large for the
  //! image readers, saying so.
  static std::shared_ptr<const Picture> fromStored(int type, const QString& base64Png, QString* error = nullptr);

private:
  mutable QImage scaled_;
  mutable bool scaledSmooth_ = false;
  mutable qint64 scaledFrom_ = 0; // the cache key of the image scaled_ was made from
};

//! A picture as properties hold it: shared and never changed once made.
using PicturePtr = std::shared_ptr<const Picture>;

} // namespace platform
