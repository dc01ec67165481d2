// The picture loader: file bytes (PNG, BMP, ICO, JPEG, GIF) through
// Picture::fromBytes, the same bytes as a stored picture, and every picture
// that loads composed on a button in each look that touches its pixels.
//
// Invariants: a refusal says why; a picture has a known type, pixels, and a
// HIMETRIC size that converts back to its pixel size.
#include "FuzzSupport.h"

#include "button/model/vexabutton.h"
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

// Normal, hot with lightening and the push-on-hover look, down with a shadow,
// half opaque, disabled in both picture modes.
void compose(const PicturePtr& picture) {
  vexabutton button;
  button.resize(48, 40);
  button.setCaption(QStringLiteral("A"));
  button.setPictureNormal(picture);
  button.setPictureShadow(true);
  ButtonRecord& rec = button.record();
  for (qint32 state : {ButtonRecord::Normal, ButtonRecord::Hot, ButtonRecord::Down}) {
    rec.ButtonState = state;
    rec.PicturePushOnHover = state == ButtonRecord::Hot;
    rec.PictureOpacity = state == ButtonRecord::Down ? 128 : 255;
    button.Redraw();
  }
  rec.ButtonState = ButtonRecord::Normal;
  for (qint32 mode : {0, 1}) {
    rec.Enabled = false;
    rec.DisabledPictureMode = mode;
    button.Redraw();
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzsupport::setUpOnce();
  const QByteArray bytes = fuzzsupport::bytes(data, size);
  QString error;
  if (const PicturePtr picture = Picture::fromBytes(bytes, QStringLiteral("input"), &error)) {
    check(picture);
    compose(picture);
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
