#include "button/render/ColorKit.h"

#include "platform/SystemColors.h"

namespace vexa {

Colour TranslateColor(qint32 oleColor) { return platform::translateOleColor(oleColor); }
Colour ShiftColor(Colour colour, float) { return colour; }
Colour MixColors(Colour colour1, Colour) { return colour1; }
void DrawLine(platform::Surface& surface, int x1, int y1, int x2, int y2, Colour colour) {
  surface.line(x1, y1, x2, y2, colour);
}
void FrameRectangle(platform::Surface& surface, int x, int y, int width, int height, Colour colour) {
  surface.frameRect({x, y, x + width, y + height}, colour);
}
void FillRectangle(platform::Surface& surface, Colour colour, const platform::Rect& rect) {
  surface.fillRect(rect, colour);
}
void SetCornerPixels(ButtonRecord&, platform::Surface&, Colour) {}
void GradientFill(platform::Surface&, int, int, int, int, Colour, Colour, int) {}
void ApplyDefaultColorScheme(ButtonRecord&) {}
void ApplyStyleDefaults(ButtonRecord& rec) {
  rec.ForeColor = platform::SystemColors::get(platform::SystemColors::ButtonText);
}

} // namespace vexa
