#include "button/render/Redraw.h"

namespace vexa {

void Redraw(ButtonRecord& rec, platform::Surface& surface) {
  surface.clear();
  rec.ClientWidth = surface.width();
  rec.ClientHeight = surface.height();
  rec.ClientRect = {0, 0, rec.ClientWidth, rec.ClientHeight};
}

void ApplyWindowRegion(ButtonRecord&, platform::Surface& surface) {
  surface.setWindowRegion(platform::Surface::rectRegion(0, 0, surface.width(), surface.height()));
}

void DrawCaptionAndPicture(ButtonRecord&, platform::Surface&) {}
void LayoutPicture(ButtonRecord&, platform::Surface&) {}
void DrawCaptionEffects(ButtonRecord&, platform::Surface&) {}
void DrawCaptionText(ButtonRecord&, platform::Surface&, const platform::Rect&, platform::Colour, int, int) {}
void DrawDropDownSymbol(ButtonRecord&, platform::Surface&, qint32) {}
QFont CreateSymbolFont(int height) {
  QFont font(QStringLiteral("Marlett"));
  font.setPixelSize(height);
  return font;
}

} // namespace vexa
