#include "button/model/vexabutton.h"

// Getters and setters. The common pattern: store, Redraw, notify the host.

#define VEXA_COMMON_SETTER(Name, type, field)                                                                          \
  void vexabutton::set##Name(type value) {                                                                             \
    rec_.field = value;                                                                                                \
    Redraw();                                                                                                          \
    propertyChanged(QStringLiteral(#Name));                                                                            \
  }

VEXA_COMMON_SETTER(ButtonStyle, qint32, ButtonStyle)
VEXA_COMMON_SETTER(BackColor, qint32, BackColor)
VEXA_COMMON_SETTER(Caption, const QString&, Caption)
VEXA_COMMON_SETTER(Value, bool, Value)
VEXA_COMMON_SETTER(HandPointer, bool, HandPointer)
VEXA_COMMON_SETTER(PictureShadow, bool, PictureShadow)
VEXA_COMMON_SETTER(DisabledPictureMode, qint32, DisabledPictureMode)
VEXA_COMMON_SETTER(PicturePushOnHover, bool, PicturePushOnHover)
VEXA_COMMON_SETTER(PictureEffectOnOver, qint32, PictureEffectOnOver)
VEXA_COMMON_SETTER(PictureEffectOnDown, qint32, PictureEffectOnDown)
VEXA_COMMON_SETTER(MaskColor, qint32, MaskColor)
VEXA_COMMON_SETTER(UseMaskColor, bool, UseMaskColor)
VEXA_COMMON_SETTER(CaptionEffects, qint32, CaptionEffects)
VEXA_COMMON_SETTER(Mode, qint32, Mode)
VEXA_COMMON_SETTER(PictureAlign, qint32, PictureAlign)
VEXA_COMMON_SETTER(CaptionAlign, qint32, CaptionAlign)
VEXA_COMMON_SETTER(ForeColor, qint32, ForeColor)
VEXA_COMMON_SETTER(ForeColorHover, qint32, ForeColorHover)
VEXA_COMMON_SETTER(DropDownSeparator, bool, DropDownSeparator)
VEXA_COMMON_SETTER(TooltipTitle, const QString&, TooltipTitle)
VEXA_COMMON_SETTER(ToolTip, const QString&, ToolTip)
VEXA_COMMON_SETTER(ToolTipIcon, qint32, ToolTipIcon)
VEXA_COMMON_SETTER(ToolTipType, qint32, ToolTipType)
VEXA_COMMON_SETTER(TooltipBackColor, qint32, TooltipBackColor)
VEXA_COMMON_SETTER(RightToLeft, bool, RightToLeft)
VEXA_COMMON_SETTER(DropDownSymbol, qint32, DropDownSymbol)
VEXA_COMMON_SETTER(ColorScheme, qint32, ColorScheme)
#undef VEXA_COMMON_SETTER

void vexabutton::setShowFocusRect(bool value) {
  rec_.ShowFocusRect = value;
  propertyChanged(QStringLiteral("ShowFocusRect"));
}

void vexabutton::setFont(platform::SharedFontPtr font) {
  rec_.mFont = std::move(font);
  Redraw();
  propertyChanged(QStringLiteral("Font"));
}

void vexabutton::setEnabled(bool value) {
  rec_.Enabled = value;
  QWidget::setEnabled(value);
  Redraw();
  propertyChanged(QStringLiteral("Enabled"));
}

bool vexabutton::setMousePointer(qint32 value, QString* error) {
  if (value < -32768 || value > 32767) {
    if (error)
      *error = QStringLiteral("MousePointer %1 is outside the 16-bit range").arg(value);
    return false;
  }
  mousePointer_ = value;
  propertyChanged(QStringLiteral("MousePointer"));
  return true;
}

void vexabutton::setMouseIcon(platform::PicturePtr picture) {
  mouseIcon_ = std::move(picture);
  propertyChanged(QStringLiteral("MouseIcon"));
}

void vexabutton::setPictureNormal(platform::PicturePtr picture) {
  rec_.PictureNormal = std::move(picture);
  Redraw();
  propertyChanged(QStringLiteral("PictureNormal"));
}

void vexabutton::setPictureHot(platform::PicturePtr picture) {
  rec_.PictureHot = std::move(picture);
  Redraw();
  propertyChanged(QStringLiteral("PictureHot"));
}

void vexabutton::setPictureDown(platform::PicturePtr picture) {
  rec_.PictureDown = std::move(picture);
  Redraw();
  propertyChanged(QStringLiteral("PictureDown"));
}

void vexabutton::setPictureOpacity(int value) {
  rec_.PictureOpacity = quint8(value);
  Redraw();
  propertyChanged(QStringLiteral("PictureOpacity"));
}

void vexabutton::setPictureOpacityOnOver(int value) {
  rec_.PictureOpacityOnOver = quint8(value);
  Redraw();
  propertyChanged(QStringLiteral("PictureOpacityOnOver"));
}

void vexabutton::mFont_FontChanged(const QString&) {
  Redraw();
  propertyChanged(QStringLiteral("Font"));
}
