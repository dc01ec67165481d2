// The content pass every style renderer calls once per paint: caption,
// picture, drop-down symbol and separator.
#include "button/render/ColorKit.h"
#include "button/render/Redraw.h"
#include "button/services/Pictures.h"
#include "platform/SystemColors.h"

#include <QFontMetricsF>

#include <algorithm>

namespace vexa {

using platform::Rect;
using platform::Surface;

namespace {

bool hasDropDown(const ButtonRecord& rec) { return rec.DropDownSeparator || rec.DropDownSymbol != 0; }

// The caption as the text calls take it: as stored for the wide call, else
// in the narrow code page (characters it lacks become "?").
QString captionForText(const ButtonRecord& rec) {
  if (rec.UnicodeText)
    return rec.Caption;
  return QString::fromLatin1(rec.Caption.toLatin1());
}

unsigned rtlFlag(const ButtonRecord& rec) { return rec.RightToLeft ? Surface::TextRtlReading : 0u; }

// Only spaces count, as the caption trim of the layout has it.
bool captionIsBlank(const QString& caption) {
  for (QChar ch : caption)
    if (ch != QLatin1Char(' '))
      return false;
  return true;
}

Colour disabledTextColour() { return platform::SystemColors::get(platform::SystemColors::GrayText); }

} // namespace

void DrawCaptionAndPicture(ButtonRecord& rec, Surface& surface) {
  // 1. Size.
  rec.ClientWidth = surface.width();
  rec.ClientHeight = surface.height();
  const int W = rec.ClientWidth;
  const int H = rec.ClientHeight;

  // 2. Current picture and its size.
  SelectCurrentPicture(rec);
  const int pw = rec.PictureWidth;
  const int ph = rec.PictureHeight;

  // 3. Room for the drop-down area.
  int reduction = 8;
  if (hasDropDown(rec))
    reduction = (rec.PictureAlign == 2 || rec.PictureAlign == 3) ? 24 : 16;
  rec.CaptionRect = {0, 0, W - reduction, H};

  // 4. Measure the caption block.
  const QString caption = captionForText(rec);
  rec.CaptionRect =
      surface.measureText(caption, rec.CaptionRect, Surface::TextWordBreak | Surface::TextCalcRect | rtlFlag(rec));

  // 5. Place it by CaptionAlign.
  Rect t = rec.CaptionRect;
  const int textW = t.right;
  const int textH = t.bottom;
  switch (rec.CaptionAlign) {
  case 0:
    t.translate(2, (H - textH) / 2);
    break;
  case 1:
    t.translate((W - textW + pw) / 2, (H - textH) / 2);
    if (hasDropDown(rec))
      t.translate(-8, 0);
    if (rec.PictureAlign >= 5 && rec.PictureAlign <= 8)
      t.translate(-(pw / 2), 0);
    break;
  case 2:
    t.translate(W - textW - 4, (H - textH) / 2);
    break;
  default:
    break;
  }

  // 6. Make room for the picture.
  if (rec.PictureNormal) {
    switch (rec.PictureAlign) {
    case 0:
    case 1:
      if (rec.CaptionAlign != 1 && t.left < pw + 4) {
        t.right += pw + 4;
        t.left = pw + 4;
      }
      break;
    case 2:
    case 3:
      if (t.right > W - pw - 4) {
        t.right = W - pw - 4;
        t.left -= pw + 4;
      }
      if (rec.CaptionAlign == 1)
        t.translate(-12, 0);
      break;
    case 4:
      if (rec.CaptionAlign == 1)
        t.translate(-16, 0);
      break;
    case 5:
    case 6:
      t.translate(0, ph / 2);
      break;
    case 7:
    case 8:
      t.translate(0, -(ph / 2));
      break;
    default:
      break;
    }
  }

  // 7. Right-aligned caption beside the drop-down area.
  if (rec.CaptionAlign == 2 && hasDropDown(rec))
    t.translate(-16, 0);

  // 8. The system style keeps the caption 4 pixels inside every edge.
  if (rec.ButtonStyle == 13) {
    t.left = std::max(t.left, 4);
    t.right = std::min(t.right, surface.width() - 4);
    t.top = std::max(t.top, 4);
    t.bottom = std::min(t.bottom, surface.height() - 4);
  }

  // 9, 10.
  rec.CaptionRect = t;
  LayoutPicture(rec, surface);

  // 11. Drop-down symbol area.
  if (rec.DropDownSymbol != 0)
    rec.SymbolRect = {W - 15, platform::roundHalfEven(H / 2.0 - 7), W, platform::roundHalfEven(H / 2.0 + 8)};

  // 12. Separator, in shades of the background the renderer painted (on a
  // finer surface, the device pixel at the corner of logical pixel (7, 7)).
  if (rec.DropDownSeparator && surface.width() - 8 > rec.CaptionRect.right) {
    const Colour background = surface.pixel(7, 7);
    DrawLine(surface, W - 16, 3, W - 16, H - 3, ShiftColor(background, -0.1f));
    DrawLine(surface, W - 15, 3, W - 15, H - 3, ShiftColor(background, 0.1f));
  }

  // 13. Pressed offset.
  const bool down = rec.ButtonState == ButtonRecord::Down;
  const qint32 style = rec.ButtonStyle;
  const bool pressedMoves =
      style == 0 || style == 1 || style == 5 || style == 6 || style == 7 || style == 10 || style == 11 || style == 12;
  if (down && pressedMoves) {
    rec.CaptionRect.translate(1, 1);
    rec.PictureRect.translate(1, 1);
    rec.SymbolRect.translate(1, 1);
  }

  // 14, 15. Picture and its shadow.
  const bool pushOnHover = rec.PicturePushOnHover && rec.ButtonState == ButtonRecord::Hot;
  if (pushOnHover)
    DrawPicturePushOnHover(rec, surface);
  else
    DrawPicture(rec, surface, rec.PictureRect, -1);
  if (rec.PictureShadow && !pushOnHover)
    DrawPictureShadow(rec, surface);

  // 16. Caption effects.
  if (rec.CaptionEffects != 0)
    DrawCaptionEffects(rec, surface);

  // 17. Caption.
  Colour captionColour = disabledTextColour();
  if (rec.Enabled)
    captionColour = TranslateColor(rec.ButtonState == ButtonRecord::Hot ? rec.ForeColorHover : rec.ForeColor);
  DrawCaptionText(rec, surface, rec.CaptionRect, captionColour, 0, 0);

  // 18. Drop-down symbol; some styles push it one pixel further when pressed.
  if (rec.DropDownSymbol == 0)
    return;
  const bool symbolMovesTwice = style == 0 || style == 1 || style == 6 || style == 7 || style == 11 || style == 12;
  if (down && symbolMovesTwice)
    rec.SymbolRect.translate(1, 1);
  surface.setTextColor(rec.Enabled ? TranslateColor(rec.ForeColor) : disabledTextColour());
  DrawDropDownSymbol(rec, surface, rec.DropDownSymbol);
}

void LayoutPicture(ButtonRecord& rec, Surface&) {
  if (!rec.PictureNormal)
    return;
  const int W = rec.ClientWidth;
  const int H = rec.ClientHeight;
  const int pw = rec.PictureWidth;
  const int ph = rec.PictureHeight;
  const Rect& c = rec.CaptionRect;
  // Placements PictureAlign does not name keep the previous position (as
  // laid out, without the offset of a pressed paint).
  int left = rec.PicturePlacedLeft;
  int top = rec.PicturePlacedTop;

  if (!captionIsBlank(rec.Caption) && rec.PictureAlign != 4) {
    const int middle = (H - ph) / 2;
    const int centre = (W - pw) / 2;
    switch (rec.PictureAlign) {
    case 0:
      left = 3;
      top = middle;
      break;
    case 1:
      left = c.left - pw - 4;
      top = middle;
      break;
    case 2:
    case 3:
      left = rec.PictureAlign == 2 ? W - pw - 3 : c.right + 4;
      top = middle;
      if (hasDropDown(rec))
        left -= 16;
      left = std::max(left, c.right + 2);
      break;
    case 5:
      left = centre;
      top = 4;
      break;
    case 6:
      left = centre;
      top = c.top - ph - 2;
      break;
    case 7:
      left = centre;
      top = H - ph - 4;
      break;
    case 8:
      left = centre;
      top = c.bottom + 2;
      break;
    default:
      break;
    }
    if (rec.PictureAlign >= 5 && rec.PictureAlign <= 8 && hasDropDown(rec))
      left -= 8;
  } else {
    // No caption, or the picture behind it: centred.
    left = (W - pw) / 2;
    top = (H - ph) / 2;
    if (hasDropDown(rec))
      left -= 8;
  }
  rec.PicturePlacedLeft = left;
  rec.PicturePlacedTop = top;
  rec.PictureRect = {left, top, left + pw, top + ph};
}

void DrawCaptionEffects(ButtonRecord& rec, Surface& surface) {
  const Colour base = TranslateColor(rec.BackColor);
  const Rect& rect = rec.CaptionRect;
  const auto fourCopies = [&](Colour colour) {
    DrawCaptionText(rec, surface, rect, colour, 1, 1);
    DrawCaptionText(rec, surface, rect, colour, 1, -1);
    DrawCaptionText(rec, surface, rect, colour, -1, 1);
    DrawCaptionText(rec, surface, rect, colour, -1, -1);
  };
  switch (rec.CaptionEffects) {
  case 1: // raised
    DrawCaptionText(rec, surface, rect, ShiftColor(base, 0.14f), -1, -1);
    break;
  case 2: // sunken
    DrawCaptionText(rec, surface, rect, ShiftColor(base, 0.14f), 1, 1);
    break;
  case 3: // shadow
    DrawCaptionText(rec, surface, rect, TranslateColor(0xC0C0C0), 1, 1);
    break;
  case 4: // light outline
    fourCopies(ShiftColor(base, 0.1f));
    break;
  case 5: // dark outline
    fourCopies(ShiftColor(base, -0.1f));
    break;
  default:
    break;
  }
  DrawCaptionText(rec, surface, rect, rec.Enabled ? TranslateColor(rec.ForeColor) : disabledTextColour(), 0, 0);
}

void DrawCaptionText(ButtonRecord& rec, Surface& surface, const Rect& rect, Colour colour, int dx, int dy) {
  const Colour previous = surface.textColor();
  surface.setTextColor(colour);
  surface.drawText(captionForText(rec), rect.translated(dx, dy),
                   Surface::TextCentre | Surface::TextWordBreak | rtlFlag(rec));
  surface.setTextColor(previous);
}

void DrawDropDownSymbol(ButtonRecord& rec, Surface& surface, qint32 symbol) {
  const QFont previous = surface.font();
  surface.setFont(CreateSymbolFont(14));
  // The glyph of the first character of the decimal text.
  surface.drawText(QString::number(symbol).left(1), rec.SymbolRect, Surface::TextWordBreak | Surface::TextNoPrefix);
  surface.setFont(previous);
}

QFont CreateSymbolFont(int height) {
  QFont font(QStringLiteral("Marlett"));
  font.setStyleStrategy(QFont::NoFontMerging);
  // A positive height is the cell height (ascent plus descent): the pixel
  // size whose cell is that high, found once per height.
  static int cachedHeight = -1;
  static int cachedPixelSize = 0;
  if (height != cachedHeight) {
    font.setPixelSize(100);
    const qreal cell = QFontMetricsF(font).height();
    cachedPixelSize = std::max(1, platform::roundHalfEven(height * 100.0 / (cell > 0 ? cell : 100.0)));
    cachedHeight = height;
  }
  font.setPixelSize(cachedPixelSize);
  return font;
}

} // namespace vexa
