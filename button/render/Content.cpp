// SPDX-License-Identifier: MIT
// The content pass every style renderer calls once per paint: caption,
// picture, drop-down symbol and separator.
#include "button/render/ColorKit.h"
#include "button/render/Pictures.h"
#include "button/render/Redraw.h"
#include "platform/ProgramFonts.h"
#include "platform/SystemColors.h"

#include <QFontMetricsF>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace vexa {

using platform::Rect;
using platform::Surface;

namespace {

bool hasDropDown(const ButtonPaint& paint) { return paint.DropDownSeparator || paint.DropDownSymbol != 0; }

// The caption as the text calls take it: as stored for the wide call, else
// in the narrow code page (characters it lacks become "?").
QString captionForText(const ButtonPaint& paint) {
  if (paint.unicodeText)
    return paint.Caption;
  return QString::fromLatin1(paint.Caption.toLatin1());
}

unsigned rtlFlag(const ButtonPaint& paint) { return paint.RightToLeft ? Surface::TextRtlReading : 0u; }

// Only spaces count, as the caption trim of the layout has it.
bool captionIsBlank(const QString& caption) {
  for (QChar ch : caption)
    if (ch != QLatin1Char(' '))
      return false;
  return true;
}

// Whether a stored number is one of the named values.
template <typename Enum> bool isAny(qint32 stored, std::initializer_list<Enum> values) {
  for (Enum value : values)
    if (is(stored, value))
      return true;
  return false;
}

// Beside the caption on the right, at the edge or next to it.
bool pictureRight(const ButtonPaint& paint) {
  return isAny(paint.PictureAlign, {PictureAlignment::RightEdge, PictureAlignment::RightOfCaption});
}

// Above or below the caption, at the edge or next to it.
bool pictureStacked(const ButtonPaint& paint) {
  return isAny(paint.PictureAlign, {PictureAlignment::TopEdge, PictureAlignment::AboveCaption,
                                    PictureAlignment::BottomEdge, PictureAlignment::BelowCaption});
}

using platform::SystemColors::Source;

// Disabled text on what the renderer painted under `rect`: the grey text of
// the face's source, made legible on the darkest and lightest colour there.
Colour disabledTextColour(Source face, const Surface& surface, const Rect& rect) {
  using namespace platform::SystemColors;
  if (usingFixedTable())
    return legibleGrayText(face, ButtonText, 0, 0);
  const Rect area = surface.toDevice(rect);
  return legibleGrayText(face, ButtonText, surface.image(), QRect(area.left, area.top, area.width(), area.height()));
}

void DrawCaptionText(const ButtonPaint& paint, Surface& surface, const Rect& rect, Colour colour, int dx, int dy) {
  const Colour previous = surface.textColor();
  surface.setTextColor(colour);
  surface.drawText(captionForText(paint), rect.translated(dx, dy),
                   Surface::TextCentre | Surface::TextWordBreak | rtlFlag(paint));
  surface.setTextColor(previous);
}

// The effect's copies of the caption under it, then the caption itself in
// the caption colour (ForeColor's place even while Hot).
void DrawCaptionEffects(const ButtonPaint& paint, Surface& surface, const Rect& rect, Colour colour) {
  const Colour base = TranslateColor(paint.BackColor);
  const auto copy = [&](Colour shade, int dx, int dy) { DrawCaptionText(paint, surface, rect, shade, dx, dy); };
  const auto fourCopies = [&](Colour shade) {
    copy(shade, 1, 1);
    copy(shade, 1, -1);
    copy(shade, -1, 1);
    copy(shade, -1, -1);
  };
  switch (CaptionEffect(paint.CaptionEffects)) {
  case CaptionEffect::Raised:
    copy(ShiftColor(base, 0.14f), -1, -1);
    break;
  case CaptionEffect::Sunken:
    copy(ShiftColor(base, 0.14f), 1, 1);
    break;
  case CaptionEffect::Shadow:
    copy(TranslateColor(0xC0C0C0), 1, 1);
    break;
  case CaptionEffect::LightOutline:
    fourCopies(ShiftColor(base, 0.1f));
    break;
  case CaptionEffect::DarkOutline:
    fourCopies(ShiftColor(base, -0.1f));
    break;
  default:
    break;
  }
  copy(colour, 0, 0);
}

// The top-left corner of a picture.
struct Place {
  int x, y;
};

// The picture's place by PictureAlign around the laid-out caption; without
// a caption, or behind it, the picture is centred. Places PictureAlign does
// not name keep the previous one.
Place PlacePicture(const ButtonPaint& paint, int W, int H, int pw, int ph, const Rect& c) {
  int left = paint.previousPictureLeft;
  int top = paint.previousPictureTop;
  const bool dropDown = hasDropDown(paint);
  if (captionIsBlank(paint.Caption) || is(paint.PictureAlign, PictureAlignment::BehindCaption)) {
    left = (W - pw) / 2 - (dropDown ? 8 : 0);
    return {left, (H - ph) / 2};
  }
  const int middle = (H - ph) / 2;
  const int centre = (W - pw) / 2;
  switch (PictureAlignment(paint.PictureAlign)) {
  case PictureAlignment::LeftEdge:
    left = 3;
    top = middle;
    break;
  case PictureAlignment::LeftOfCaption:
    left = c.left - pw - 4;
    top = middle;
    break;
  case PictureAlignment::RightEdge:
  case PictureAlignment::RightOfCaption:
    left = is(paint.PictureAlign, PictureAlignment::RightEdge) ? W - pw - 3 : c.right + 4;
    top = middle;
    if (dropDown)
      left -= 16;
    left = std::max(left, c.right + 2);
    break;
  case PictureAlignment::TopEdge:
    left = centre;
    top = 4;
    break;
  case PictureAlignment::AboveCaption:
    left = centre;
    top = c.top - ph - 2;
    break;
  case PictureAlignment::BottomEdge:
    left = centre;
    top = H - ph - 4;
    break;
  case PictureAlignment::BelowCaption:
    left = centre;
    top = c.bottom + 2;
    break;
  default:
    break;
  }
  if (pictureStacked(paint) && dropDown)
    left -= 8;
  return {left, top};
}

void DrawDropDownSymbol(const ButtonPaint& paint, Surface& surface, const Rect& rect) {
  // The glyph of the first character of the decimal text; without the
  // symbol font, its shape drawn where the glyph would be.
  const QChar symbol = QString::number(paint.DropDownSymbol).at(0);
  if (!platform::symbolFontAvailable()) {
    DrawSymbolShape(symbol, surface, rect);
    return;
  }
  const QFont previous = surface.font();
  surface.setFont(CreateSymbolFont(14));
  surface.drawText(QString(symbol), rect, Surface::TextWordBreak | Surface::TextNoPrefix);
  surface.setFont(previous);
}

// Where the content goes on a W x H client.
struct Layout {
  Rect caption;
  Place picture;
  Rect symbol;
};

// The width the caption is measured in is the client's less this.
int captionReduction(const ButtonPaint& paint) {
  if (!hasDropDown(paint))
    return 8;
  return pictureRight(paint) ? 24 : 16;
}

// The caption block at the origin, as the text call lays it out in `width`.
Rect measureCaption(const ButtonPaint& paint, const Surface& surface, int width, int height) {
  return surface.measureText(captionForText(paint), {0, 0, width, height},
                             Surface::TextWordBreak | Surface::TextCalcRect | rtlFlag(paint));
}

// Places the measured caption block `t` (at the origin), a pw x ph picture
// and the drop-down symbol on a W x H client. Drawing and measuring both
// come here, so the size a button asks for is the size this layout needs.
Layout layOut(const ButtonPaint& paint, int W, int H, Rect t, int pw, int ph) {
  const bool dropDown = hasDropDown(paint);

  // Placed by CaptionAlign.
  const int textW = t.right;
  const int textH = t.bottom;
  const bool centred = is(paint.CaptionAlign, CaptionAlignment::Center);
  switch (CaptionAlignment(paint.CaptionAlign)) {
  case CaptionAlignment::Left:
    t.translate(2, (H - textH) / 2);
    break;
  case CaptionAlignment::Center:
    t.translate((W - textW + pw) / 2, (H - textH) / 2);
    if (dropDown)
      t.translate(-8, 0);
    if (pictureStacked(paint))
      t.translate(-(pw / 2), 0);
    break;
  case CaptionAlignment::Right:
    t.translate(W - textW - 4, (H - textH) / 2);
    break;
  default:
    break;
  }

  // Room for the picture.
  if (paint.PictureNormal) {
    switch (PictureAlignment(paint.PictureAlign)) {
    case PictureAlignment::LeftEdge:
    case PictureAlignment::LeftOfCaption:
      if (!centred && t.left < pw + 4) {
        t.right += pw + 4;
        t.left = pw + 4;
      }
      break;
    case PictureAlignment::RightEdge:
    case PictureAlignment::RightOfCaption:
      if (t.right > W - pw - 4) {
        t.right = W - pw - 4;
        t.left -= pw + 4;
      }
      if (centred)
        t.translate(-12, 0);
      break;
    case PictureAlignment::BehindCaption:
      if (centred)
        t.translate(-16, 0);
      break;
    case PictureAlignment::TopEdge:
    case PictureAlignment::AboveCaption:
      t.translate(0, ph / 2);
      break;
    case PictureAlignment::BottomEdge:
    case PictureAlignment::BelowCaption:
      t.translate(0, -(ph / 2));
      break;
    default:
      break;
    }
  }

  // A right-aligned caption stays clear of the drop-down area.
  if (is(paint.CaptionAlign, CaptionAlignment::Right) && dropDown)
    t.translate(-16, 0);

  // The system style keeps the caption 4 pixels inside every edge.
  if (is(paint.ButtonStyle, Style::System)) {
    t.left = std::max(t.left, 4);
    t.right = std::min(t.right, W - 4);
    t.top = std::max(t.top, 4);
    t.bottom = std::min(t.bottom, H - 4);
  }

  // The picture is laid out only while there is a normal picture; without
  // one, a state's own picture shows where the last layout put it.
  Layout layout{t, {paint.previousPictureLeft, paint.previousPictureTop}, {}};
  if (paint.PictureNormal)
    layout.picture = PlacePicture(paint, W, H, pw, ph, t);

  // The drop-down symbol's cell at the right edge.
  if (paint.DropDownSymbol != 0)
    layout.symbol = {W - 15, platform::roundHalfEven(H / 2.0 - 7), W, platform::roundHalfEven(H / 2.0 + 8)};
  return layout;
}

} // namespace

void DrawCaptionAndPicture(const ButtonPaint& paint, qint32 foreColor, Source face, Surface& surface,
                           PaintResult& result) {
  const int W = surface.width();
  const int H = surface.height();

  // The picture of the state, and its size.
  const ShownPicture shown = SelectCurrentPicture(paint);
  const int pw = shown.width;
  const int ph = shown.height;

  // The caption block, measured in the width left beside the drop-down area.
  const Layout layout = layOut(paint, W, H, measureCaption(paint, surface, W - captionReduction(paint), H), pw, ph);
  Rect t = layout.caption;
  Place placed = layout.picture;
  Rect symbolRect = layout.symbol;
  // Mirrored, the parts change sides: x becomes W - x.
  const auto mirror = [W](const Rect& r) { return Rect{W - r.right, r.top, W - r.left, r.bottom}; };
  if (paint.mirrored) {
    t = mirror(t);
    placed.x = W - placed.x - pw;
    if (paint.DropDownSymbol != 0)
      symbolRect = mirror(symbolRect);
  }
  Rect pictureRect{placed.x, placed.y, placed.x + pw, placed.y + ph};

  // Separator, in shades of the background the renderer painted (on a
  // finer surface, the device pixel at the corner of logical pixel (7, 7)).
  if (paint.DropDownSeparator && (paint.mirrored ? t.left > 8 : W - 8 > t.right)) {
    const Colour background = surface.pixel(7, 7);
    // The groove keeps its shading (dark, then light) on either side.
    const int x = paint.mirrored ? 14 : W - 16;
    DrawLine(surface, x, 3, x, H - 3, ShiftColor(background, -0.1f));
    DrawLine(surface, x + 1, 3, x + 1, H - 3, ShiftColor(background, 0.1f));
  }

  // Styles whose pressed look sinks move the content one pixel.
  const bool down = is(paint.state, State::Down);
  const bool pressedMoves =
      isAny(paint.ButtonStyle, {Style::Classic, Style::ClassicThin, Style::WarmHighlight, Style::Silver,
                                Style::SoftBlue, Style::Shaded, Style::FlatClassic, Style::FlatThin});
  if (down && pressedMoves) {
    t.translate(1, 1);
    pictureRect.translate(1, 1);
    symbolRect.translate(1, 1);
  }

  // Caption colours: a system colour from the source of the face under the
  // caption; the disabled grey made legible on what lies there now.
  const auto drawn = [face](qint32 colour) { return platform::translateOleColor(colour, face); };
  const Colour disabledText = paint.Enabled ? 0 : disabledTextColour(face, surface, t);
  const Colour captionColour =
      paint.Enabled ? drawn(is(paint.state, State::Hot) ? paint.ForeColorHover : foreColor) : disabledText;
  const Colour effectCaptionColour = paint.Enabled ? drawn(foreColor) : disabledText;

  // Picture, lifted, or with its shadow under a second copy.
  const bool pushOnHover = paint.PicturePushOnHover && is(paint.state, State::Hot);
  if (pushOnHover)
    DrawPicturePushOnHover(paint, shown, surface, pictureRect);
  else
    DrawPicture(paint, shown, surface, pictureRect, -1);
  if (paint.PictureShadow && !pushOnHover)
    DrawPictureShadow(paint, shown, surface, pictureRect);

  // Caption, over its effect's copies.
  if (!is(paint.CaptionEffects, CaptionEffect::None))
    DrawCaptionEffects(paint, surface, t, effectCaptionColour);
  DrawCaptionText(paint, surface, t, captionColour, 0, 0);

  // Drop-down symbol; some styles push it one pixel further when pressed.
  if (paint.DropDownSymbol != 0) {
    const bool symbolMovesTwice = isAny(paint.ButtonStyle, {Style::Classic, Style::ClassicThin, Style::Silver,
                                                            Style::SoftBlue, Style::FlatClassic, Style::FlatThin});
    if (down && symbolMovesTwice)
      symbolRect.translate(1, 1);
    surface.setTextColor(effectCaptionColour);
    DrawDropDownSymbol(paint, surface, symbolRect);
  }

  result.laidOut = true;
  result.face = face;
  result.captionRect = t;
  result.pictureRect = pictureRect;
  result.symbolRect = symbolRect;
  result.pictureLeft = placed.x;
  result.pictureTop = placed.y;
  result.pictureWidth = pw;
  result.pictureHeight = ph;
  result.currentPicture = shown.picture;
}

namespace {

// The largest picture any state shows: the layout makes room for each.
QSize largestPicture(const ButtonPaint& paint) {
  QSize size;
  for (const platform::PicturePtr& picture : {paint.PictureNormal, paint.PictureHot, paint.PictureDown})
    if (picture)
      size = size.expandedTo({platform::himetricToPixels(picture->Width), platform::himetricToPixels(picture->Height)});
  return size;
}

// The first extent from `from` up to the largest control for which `fits`
// holds; `from` when none does (a caption too long for any button).
template <typename Fits> int firstFitting(int from, Fits fits) {
  for (int extent = from; extent <= MaximumContentExtent; ++extent)
    if (fits(extent))
      return extent;
  return from;
}

// [low, high) lies within [0, limit).
bool within(int low, int high, int limit) { return low >= 0 && high <= limit; }

// [low1, high1) and [low2, high2) do not overlap.
bool apart(int low1, int high1, int low2, int high2) { return high1 <= low2 || high2 <= low1; }

} // namespace

ContentSize MeasureContent(const ButtonPaint& paint, const Surface& surface) {
  const bool caption = !captionIsBlank(paint.Caption);
  const bool picture =
      paint.PictureNormal &&
      isAny(paint.PictureAlign,
            {PictureAlignment::LeftEdge, PictureAlignment::LeftOfCaption, PictureAlignment::RightEdge,
             PictureAlignment::RightOfCaption, PictureAlignment::BehindCaption, PictureAlignment::TopEdge,
             PictureAlignment::AboveCaption, PictureAlignment::BottomEdge, PictureAlignment::BelowCaption});
  const bool stacked = caption && picture && pictureStacked(paint);
  const bool beside = caption && picture && !stacked && !is(paint.PictureAlign, PictureAlignment::BehindCaption);
  const bool dropDown = hasDropDown(paint);

  // The caption on its own lines, as no button is too narrow for it.
  const Rect block = measureCaption(paint, surface, MaximumContentExtent * 16, MaximumContentExtent * 16);
  const int textW = caption ? block.right : 0;
  const int textH = caption ? block.bottom : 0;
  const QSize shown = paint.PictureNormal ? largestPicture(paint) : QSize(0, 0);
  const int pw = shown.width();
  const int ph = shown.height();

  // Caption and picture side by side, one above the other, or one over the
  // other; the drop-down cell beside them.
  ContentSize size;
  size.content = {textW, textH};
  if (beside)
    size.content = {textW + 4 + pw, std::max(textH, ph)};
  else if (stacked)
    size.content = {std::max(textW, pw), textH + 2 + ph};
  else if (picture)
    size.content = size.content.expandedTo(shown);
  if (dropDown)
    size.content = {size.content.width() + 16, std::max(size.content.height(), 15)};

  // The layout itself says where it fits: each part inside the client, the
  // caption no smaller than measured (not wrapped, nor cut by an inset), the
  // parts apart from each other and from the drop-down area. Across and down
  // are independent in the layout, so each is found on its own.
  const auto fitsAcross = [&](int W) {
    const Layout l = layOut(paint, W, size.content.height(), block, pw, ph);
    const int limit = dropDown ? W - 16 : W;
    const int pictureLeft = l.picture.x;
    return (!caption || (within(l.caption.left, l.caption.right, limit) && l.caption.width() >= textW)) &&
           (!picture || within(pictureLeft, pictureLeft + pw, limit)) &&
           (!beside || apart(l.caption.left, l.caption.right, pictureLeft, pictureLeft + pw));
  };
  const int fromW = std::max(size.content.width(), caption ? textW + captionReduction(paint) : 0);
  const int W = firstFitting(fromW, fitsAcross);
  const auto fitsDown = [&](int H) {
    const Layout l = layOut(paint, W, H, block, pw, ph);
    const int pictureTop = l.picture.y;
    return (!caption || (within(l.caption.top, l.caption.bottom, H) && l.caption.height() >= textH)) &&
           (!picture || within(pictureTop, pictureTop + ph, H)) &&
           (!stacked || apart(l.caption.top, l.caption.bottom, pictureTop, pictureTop + ph));
  };
  size.fitting = {W, firstFitting(size.content.height(), fitsDown)};
  return size;
}

ContentKey contentKey(const ButtonPaint& paint, const Surface& surface) {
  ContentKey key;
  key.caption = paint.Caption;
  key.font = surface.font();
  key.unicodeText = paint.unicodeText;
  key.rightToLeft = paint.RightToLeft;
  key.style = paint.ButtonStyle;
  key.captionAlign = paint.CaptionAlign;
  key.pictureAlign = paint.PictureAlign;
  key.picture = paint.PictureNormal ? largestPicture(paint) : QSize();
  key.dropDown = hasDropDown(paint);
  return key;
}

void DrawSymbolShape(QChar symbol, Surface& surface, const Rect& cell) {
  // Where the symbol font's 14-pixel glyph covers its cell: solid spans of
  // one row, in the text colour.
  const Colour colour = surface.textColor();
  const auto span = [&](int y, int from, int to) {
    surface.fillRect({cell.left + from, cell.top + y, cell.left + to + 1, cell.top + y + 1}, colour);
  };
  const auto column = [&](int x, int from, int to) {
    surface.fillRect({cell.left + x, cell.top + from, cell.left + x + 1, cell.top + to + 1}, colour);
  };
  // A window: its outline with a title bar two rows high.
  const auto window = [&](int left, int top, int right, int bottom) {
    span(top, left, right);
    span(top + 1, left, right);
    span(bottom, left, right);
    column(left, top, bottom);
    column(right, top, bottom);
  };
  switch (symbol.unicode()) {
  case '0': // Low bar
    span(10, 2, 8);
    span(11, 2, 8);
    break;
  case '1': // Window
    window(1, 3, 10, 11);
    break;
  case '2': // A window over another: the back one's visible edges first
    span(3, 4, 10);
    span(4, 4, 10);
    column(4, 3, 5);
    column(10, 3, 8);
    span(8, 8, 10);
    window(1, 6, 8, 11);
    break;
  case '3': // Triangle pointing left
    for (int i = 0; i < 4; ++i)
      column(4 + i, 6 - i, 6 + i);
    break;
  case '4': // Triangle pointing right
    for (int i = 0; i < 4; ++i)
      column(9 - i, 6 - i, 6 + i);
    break;
  case '5': // Triangle pointing up
    for (int i = 0; i < 4; ++i)
      span(5 + i, 6 - i, 6 + i);
    break;
  case '6': // Triangle pointing down
    for (int i = 0; i < 4; ++i)
      span(5 + i, 3 + i, 9 - i);
    break;
  case '7': // Triangle pointing down over a bar
    for (int i = 0; i < 4; ++i)
      span(4 + i, 3 + i, 9 - i);
    span(10, 2, 10);
    break;
  case '8':
  case '9': // Cross, as thin and uneven as the glyph at this size
    for (const auto& [y, x] :
         {std::pair{5, 3}, {5, 9}, {6, 4}, {6, 9}, {7, 5}, {7, 7}, {9, 5}, {9, 7}, {10, 3}, {10, 8}, {11, 3}, {11, 9}})
      span(y, x, x);
    break;
  default: // The font has no glyph for a minus sign either
    break;
  }
}

QFont CreateSymbolFont(int height) {
  platform::ensureProgramFonts();
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
