// SPDX-License-Identifier: MIT
#include "style/ButtonLookStyle.h"

#include "button/model/ButtonRecord.h"
#include "button/render/ColorKit.h"
#include "button/render/Redraw.h"
#include "platform/SystemColors.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHashFunctions>
#include <QPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionToolButton>
#include <QToolButton>

#include <algorithm>
#include <climits>
#include <cmath>

namespace vexa {

namespace {

// The symbol font's downward triangle: a button with a menu shows it.
constexpr qint32 MenuSymbol = 6;

// The look's colours as a loaded vexabutton of that look draws them: the
// system's colours a load takes for the missing keys, then the look's own;
// those taken from the system are drawn as the system's.
LookDefaults defaultsOf(qint32 look) {
  using namespace platform::SystemColors;
  ButtonRecord rec;
  rec.ButtonStyle = look;
  rec.BackColor = get(ButtonFace);
  rec.ForeColor = rec.ForeColorHover = get(ButtonText);
  rec.TakenFromSystem = {rec.BackColor, rec.ForeColor, rec.ForeColorHover, std::nullopt};
  ApplyDefaultColorScheme(rec);
  ApplyStyleDefaults(rec);
  const ButtonPaint drawn = describe(rec);
  return {drawn.BackColor, drawn.ForeColor,   drawn.ForeColorHover,
          rec.ColorScheme, rec.ShowFocusRect, rec.PicturePushOnHover};
}

// The picture an icon gives: its pixmap at the icon size, in logical pixels,
// which the content layout places as it places a picture of that size.
platform::PicturePtr pictureOf(const QIcon& icon, const QSize& size, bool enabled) {
  if (icon.isNull() || size.isEmpty())
    return nullptr;
  const QPixmap pixmap = icon.pixmap(size, 1.0, enabled ? QIcon::Normal : QIcon::Disabled);
  return pixmap.isNull() ? nullptr : platform::Picture::fromImage(pixmap.toImage());
}

qreal ratioOf(const QPainter* painter) {
  return painter && painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
}

QFont fontOf(const QWidget* widget) { return widget ? widget->font() : QApplication::font(); }

// The look is for Qt's push and tool buttons; a control of another kind
// that asks for a button panel (a combo box's, a spin box's) keeps the base
// style's. Without a widget the caller draws a button of its own.
bool isButton(const QWidget* widget) {
  return !widget || qobject_cast<const QPushButton*>(widget) || qobject_cast<const QToolButton*>(widget);
}

// The looks that show no panel at rest: among a dialog's buttons they would
// read as labels.
bool bareAtRest(qint32 look) {
  return look == qint32(Style::Toolbar) || look == qint32(Style::FlatClassic) || look == qint32(Style::FlatThin);
}

bool inDialogButtonRow(const QWidget* widget) {
  return widget && qobject_cast<const QDialogButtonBox*>(widget->parentWidget());
}

// The largest button the look draws itself, in device pixels (64 MB of
// pixels); a larger one is a plain panel (see paintLook).
constexpr qint64 MaxLookPixels = 4096 * 4096;

// The kept paints stay within this many bytes.
constexpr qint64 PaintedBudget = 32 * 1024 * 1024;

// a + b for sizes, without overflow: at most INT_MAX.
int saturatedAdd(int a, int b) { return int(std::min<qint64>(qint64(a) + b, INT_MAX)); }

} // namespace

ButtonLookStyle::ButtonLookStyle(qint32 look) : look_(look) {}

void ButtonLookStyle::polish(QWidget* widget) {
  QProxyStyle::polish(widget);
  // Hover is part of every look.
  if (qobject_cast<QPushButton*>(widget) || qobject_cast<QToolButton*>(widget))
    widget->setAttribute(Qt::WA_Hover, true);
}

ButtonPaint ButtonLookStyle::describeOption(const QStyleOption& option, const QString& caption) const {
  // The defaults follow the system colours; they are worked out again only
  // when those change.
  const platform::Colour face = platform::SystemColors::get(platform::SystemColors::ButtonFace);
  const platform::Colour text = platform::SystemColors::get(platform::SystemColors::ButtonText);
  if (!defaults_ || defaultsFace_ != face || defaultsText_ != text) {
    defaults_ = defaultsOf(look_);
    defaultsFace_ = face;
    defaultsText_ = text;
  }
  const LookDefaults& defaults = *defaults_;
  ButtonPaint paint;
  paint.ButtonStyle = look_;
  paint.BackColor = defaults.backColor;
  paint.ForeColor = defaults.foreColor;
  paint.ForeColorHover = defaults.foreColorHover;
  paint.ColorScheme = defaults.colorScheme;
  paint.ShowFocusRect = defaults.showFocusRect;
  paint.PicturePushOnHover = defaults.picturePushOnHover;
  // A theme drawn through the application style would be this style again.
  paint.visualStylesActive = false;
  paint.userMode = true;

  const QStyle::State state = option.state;
  paint.Enabled = state & State_Enabled;
  paint.hasFocus = state & State_HasFocus;
  paint.parentActive = state & State_Active;
  paint.mouseInside = paint.Enabled && (state & State_MouseOver);
  paint.mousePressed = paint.Enabled && (state & State_Sunken);
  if (state & State_On) {
    paint.Mode = qint32(Mode::CheckButton);
    paint.Value = true;
  }
  if (paint.mousePressed)
    paint.state = qint32(vexa::State::Down);
  else if (paint.mouseInside)
    paint.state = qint32(vexa::State::Hot);
  paint.RightToLeft = option.direction == Qt::RightToLeft;
  // Right to left, the icon and the menu arrow change sides, as in every Qt style.
  paint.mirrored = paint.RightToLeft;
  paint.Caption = caption;
  paint.state = ForcedDownState(paint);
  return paint;
}

size_t qHash(const LookPaintKey& key, size_t seed) {
  seed = qHashMulti(seed, key.width, key.height, key.ratio, key.state, key.mode, key.flags, key.dropDownSymbol,
                    key.caption, key.font, key.icon);
  return qHashRange(key.colours.begin(), key.colours.end(), seed);
}

bool ButtonLookStyle::paintLook(ButtonPaint paint, const QStyleOption& option, const QFont& font, QPainter* painter,
                                const QIcon& icon, const QSize& iconSize) const {
  const QRect rect = option.rect;
  if (rect.isEmpty())
    return true;
  // The look renders the whole button: one too large for that at the
  // device's ratio is rendered at ratio 1, and one too large even then is
  // left to the base style.
  const qint64 logicalPixels = qint64(rect.width()) * rect.height();
  qreal ratio = ratioOf(painter);
  if (logicalPixels * std::ceil(ratio) * std::ceil(ratio) > MaxLookPixels)
    ratio = 1;
  if (logicalPixels > MaxLookPixels) {
    // Far beyond any real button: a plain panel in the button's colours,
    // drawn through the painter's clip, so only the exposed part costs
    // anything (the base style would cache the whole button as one image).
    painter->fillRect(rect, option.palette.button());
    painter->setPen(option.palette.dark().color());
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    return true;
  }
  // Standard indices the renderers read (faces, edges, texts).
  static constexpr std::array<int, 12> ColourIndices = {4, 5, 8, 12, 15, 16, 17, 18, 20, 21, 22, 24};
  LookPaintKey key;
  key.width = rect.width();
  key.height = rect.height();
  key.ratio = ratio;
  key.state = paint.state;
  key.mode = paint.Mode;
  key.flags = quint32(paint.Value) | quint32(paint.Enabled) << 1 | quint32(paint.hasFocus) << 2 |
              quint32(paint.isDefault) << 3 | quint32(paint.parentActive) << 4 | quint32(paint.mouseInside) << 5 |
              quint32(paint.mousePressed) << 6 | quint32(paint.RightToLeft) << 7 | quint32(paint.mirrored) << 8;
  key.dropDownSymbol = paint.DropDownSymbol;
  key.caption = paint.Caption;
  key.font = font;
  key.icon = icon.isNull() ? 0 : icon.cacheKey();
  key.iconSize = icon.isNull() ? QSize() : iconSize;
  for (std::size_t i = 0; i < ColourIndices.size(); ++i)
    key.colours[i] = platform::SystemColors::get(ColourIndices[i]);

  // A button repaints in a handful of states: each is rendered once and
  // then copied, as long as nothing it was drawn from changed.
  Painted unkept;
  const Painted* kept = nullptr;
  if (auto found = painted_.constFind(key); found != painted_.constEnd())
    kept = &found.value();
  if (!kept) {
    platform::Surface surface(key.width, key.height);
    surface.setDevicePixelRatio(key.ratio);
    // No memory for the pixels: the base style draws the button.
    if (surface.image().isNull())
      return false;
    surface.setFont(font);
    paint.PictureNormal = pictureOf(icon, iconSize, paint.Enabled);
    const PaintResult result = Redraw(paint, surface);
    ApplyWindowRegion(paint.ButtonStyle, result.clientWidth, result.clientHeight, surface);
    unkept = {surface.image(), surface.windowRegion(), surface.deviceWindowRegion(), surface.devicePixelRatio()};
    // Kept within a count and a byte budget; a paint larger than the whole
    // budget is drawn and let go.
    const qint64 bytes = unkept.image.sizeInBytes();
    if (painted_.size() >= MaxPainted || paintedBytes_ + bytes > PaintedBudget) {
      painted_.clear();
      paintedBytes_ = 0;
    }
    if (bytes <= PaintedBudget) {
      kept = &painted_.insert(key, std::move(unkept)).value();
      paintedBytes_ += bytes;
    }
  }
  const Painted& shown = kept ? *kept : unkept;

  // What a vexabutton shows: the surface inside its window region, copied
  // rectangle by rectangle (quicker than clipping the painter to it).
  if (shown.ratio == 1) {
    for (const QRect& part : shown.region)
      painter->drawImage(rect.topLeft() + part.topLeft(), shown.image, part);
    return true;
  }
  for (const QRect& part : shown.deviceRegion)
    painter->drawImage(
        QRectF(QPointF(rect.topLeft()) + QPointF(part.topLeft()) / shown.ratio, QSizeF(part.size()) / shown.ratio),
        shown.image, part);
  return true;
}

void ButtonLookStyle::outlineInDialogRow(const ButtonPaint& paint, const QStyleOption& option, QPainter* painter,
                                         const QWidget* widget) const {
  if (!bareAtRest(look_) || !inDialogButtonRow(widget) || paint.state != qint32(vexa::State::Normal) || paint.checked())
    return;
  // Outline in the button shadow colour, one pixel inside the rectangle.
  const platform::Colour shadow = platform::SystemColors::get(platform::SystemColors::ButtonShadow);
  painter->save();
  painter->setPen(QColor(shadow & 0xFF, (shadow >> 8) & 0xFF, (shadow >> 16) & 0xFF));
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5));
  painter->restore();
}

void ButtonLookStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const {
  // A tool button's label on a panel of the look: the base style draws it
  // in the text colour of the panel's source, disabled in a grey that reads
  // there.
  const auto* tool = qstyleoption_cast<const QStyleOptionToolButton*>(option);
  if (!isButton(widget)) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  if (element == CE_ToolButtonLabel && tool && (tool->state & (State_Sunken | State_On | State_Raised)) &&
      !platform::SystemColors::usingFixedTable()) {
    using namespace platform::SystemColors;
    platform::Surface panel(16, 16);
    const Source face = Redraw(describeOption(*option, QString()), panel).face;
    const qint32 text = platform::translateOleColor(qint32(0x80000000u | ButtonText), face);
    const qint32 grey = legibleGrayText(face, ButtonText, panel.image(), QRect(3, 3, 10, 10));
    QStyleOptionToolButton label = *tool;
    for (const auto& [group, rgb] :
         {std::pair{QPalette::Active, text}, {QPalette::Inactive, text}, {QPalette::Disabled, grey}})
      label.palette.setColor(group, QPalette::ButtonText, QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF));
    QProxyStyle::drawControl(element, &label, painter, widget);
    return;
  }
  const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
  if (!button || (element != CE_PushButton && element != CE_PushButtonBevel)) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  // A flat button at rest shows only its label.
  const bool flat = button->features & QStyleOptionButton::Flat;
  if (flat && !(button->state & (State_MouseOver | State_Sunken | State_On))) {
    if (element == CE_PushButton)
      proxy()->drawControl(CE_PushButtonLabel, option, painter, widget);
    return;
  }
  // The whole button is the renderer's: face, caption, icon and focus. The
  // bevel alone is the same without caption and icon.
  const bool whole = element == CE_PushButton;
  ButtonPaint paint = describeOption(*option, whole ? button->text : QString());
  paint.isDefault = button->features & QStyleOptionButton::DefaultButton;
  if (button->features & QStyleOptionButton::HasMenu)
    paint.DropDownSymbol = MenuSymbol;
  paint.UseMaskColor = false;
  if (!paintLook(paint, *option, fontOf(widget), painter, whole ? button->icon : QIcon(), button->iconSize)) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  outlineInDialogRow(paint, *option, painter, widget);
}

void ButtonLookStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const {
  const bool panel =
      element == PE_PanelButtonTool || element == PE_IndicatorButtonDropDown || element == PE_PanelButtonCommand;
  if (!panel || !isButton(widget)) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  switch (element) {
  case PE_PanelButtonTool:
  case PE_IndicatorButtonDropDown: {
    // The tool button's panel (and the menu part of a split one) in the look;
    // the base style puts label and arrow on it.
    const bool autoRaise = option->state & State_AutoRaise;
    if (autoRaise && !(option->state & (State_MouseOver | State_Sunken | State_On | State_Raised)))
      return;
    if (!paintLook(describeOption(*option, QString()), *option, fontOf(widget), painter))
      QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  case PE_PanelButtonCommand: {
    ButtonPaint paint = describeOption(*option, QString());
    if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option))
      paint.isDefault = button->features & QStyleOptionButton::DefaultButton;
    if (!paintLook(paint, *option, fontOf(widget), painter)) {
      QProxyStyle::drawPrimitive(element, option, painter, widget);
      return;
    }
    outlineInDialogRow(paint, *option, painter, widget);
    return;
  }
  default:
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
}

QSize ButtonLookStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contentsSize,
                                        const QWidget* widget) const {
  switch (type) {
  case CT_PushButton: {
    // The classic push button: 75 x 23 at least, the caption with room for
    // the frame, the focus rectangle and the content margins of every look.
    QSize size(saturatedAdd(contentsSize.width(), 16), saturatedAdd(contentsSize.height(), 10));
    if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        button && (button->features & QStyleOptionButton::HasMenu))
      size.setWidth(saturatedAdd(size.width(), 16));
    return size.expandedTo(QSize(75, 23));
  }
  case CT_ToolButton:
    // Two pixels of frame and two of margin each side.
    return {saturatedAdd(contentsSize.width(), 8), saturatedAdd(contentsSize.height(), 8)};
  default:
    return QProxyStyle::sizeFromContents(type, option, contentsSize, widget);
  }
}

} // namespace vexa
