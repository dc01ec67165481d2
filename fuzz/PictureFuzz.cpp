// SPDX-License-Identifier: MIT
// The picture loader: file bytes (PNG, BMP, ICO, JPEG, GIF) through
// Picture::fromBytes, the same bytes as a stored picture, and every picture
// that loads composed on a button in one of the looks that touch its pixels.
//
// Invariants: a refusal says why; a picture has a known type, pixels, and a
// HIMETRIC size that converts back to its pixel size.
#include "FuzzSupport.h"

#include "button/model/vexabutton_p.h"
#include "platform/Geometry.h"
#include "platform/Picture.h"

using platform::Picture;
using platform::PicturePtr;

namespace {

void check(const PicturePtr& picture) {
  if (picture->Type != Picture::Bitmap && picture->Type != Picture::Icon)
    fuzzsupport::violated("picture of an unknown type");
  if (picture->image.isNull())
    fuzzsupport::violated("picture without pixels");
  if (platform::himetricToPixels(picture->Width) != picture->image.width() ||
      platform::himetricToPixels(picture->Height) != picture->image.height())
    fuzzsupport::violated("HIMETRIC size does not convert back to the pixel size");
}

// One look per input, picked by its length so that each look meets every
// kind of picture: normal, hot with the push-on-hover lift,
// down with a shadow and half opaque, disabled in both picture modes.
void compose(const PicturePtr& picture, size_t look) {
  vexabutton button;
  button.resize(48, 40);
  button.setCaption(QStringLiteral("A"));
  ButtonRecord& rec = recordOf(button);
  switch (look % 5) {
  case 1:
    rec.ButtonState = ButtonRecord::Hot;
    rec.PicturePushOnHover = true;
    break;
  case 2:
    button.setPictureShadow(true);
    rec.ButtonState = ButtonRecord::Down;
    rec.PictureOpacity = 128;
    break;
  case 3:
  case 4:
    rec.Enabled = false;
    rec.DisabledPictureMode = qint32(look % 5 - 3);
    break;
  }
  button.setPictureNormal(picture); // the one paint with the picture
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzsupport::setUpOnce();
  const QByteArray bytes = fuzzsupport::bytes(data, size);
  QString error;
  if (const PicturePtr picture = Picture::fromBytes(bytes, QStringLiteral("input"), &error)) {
    check(picture);
    compose(picture, size);
  } else if (error.isEmpty()) {
    fuzzsupport::violated("a refused picture without a reason");
  }
  error.clear();
  if (const PicturePtr stored = Picture::fromStored(Picture::Icon, QString::fromLatin1(bytes.toBase64()), &error))
    check(stored);
  else if (error.isEmpty())
    fuzzsupport::violated("a refused stored picture without a reason");
  return 0;
}
