#include "button/services/Pictures.h"

#include "button/render/ColorKit.h"

namespace vexa {

namespace {

const platform::PicturePtr& emptyPicture() {
  static const platform::PicturePtr empty = std::make_shared<const platform::Picture>();
  return empty;
}

} // namespace

platform::PicturePtr CurrentPicture(const ButtonRecord& rec) {
  platform::PicturePtr chosen;
  if (rec.ButtonState == ButtonRecord::Down || (rec.Mode != 0 && rec.Value))
    chosen = rec.PictureDown ? rec.PictureDown : rec.PictureHot ? rec.PictureHot : rec.PictureNormal;
  else if (rec.ButtonState == ButtonRecord::Hot)
    chosen = rec.PictureHot ? rec.PictureHot : rec.PictureNormal;
  else
    chosen = rec.PictureNormal;
  return chosen ? chosen : emptyPicture();
}

void SelectCurrentPicture(ButtonRecord& rec) {
  rec.CurrentPicture = CurrentPicture(rec);
  rec.PictureWidth = platform::himetricToPixels(rec.CurrentPicture->Width);
  rec.PictureHeight = platform::himetricToPixels(rec.CurrentPicture->Height);
}

// Composing the picture's pixels (opacity, mask colour, effects, disabled
// look) is not built yet: nothing is drawn.
void DrawPicture(ButtonRecord&, platform::Surface&, const platform::Rect&, platform::Colour) {}

void DrawPictureShadow(ButtonRecord& rec, platform::Surface& surface) {
  const Colour base = MixColors(TranslateColor(0x808080), TranslateColor(rec.BackColor));
  // Outer, lighter shadow; inner, darker shadow; the picture on top.
  DrawPicture(rec, surface, rec.PictureRect.translated(2, 2), ShiftColor(base, 0.05f));
  DrawPicture(rec, surface, rec.PictureRect.translated(1, 1), ShiftColor(base, -0.1f));
  DrawPicture(rec, surface, rec.PictureRect, -1);
}

void DrawPicturePushOnHover(ButtonRecord& rec, platform::Surface& surface) {
  DrawPicture(rec, surface, rec.PictureRect, TranslateColor(0xC0C0C0));
  DrawPicture(rec, surface, rec.PictureRect.translated(-2, -2), -1);
}

} // namespace vexa
