// Getters and setters. The common pattern: store, Redraw, notify the host.
// Setters do not validate: out-of-range values are stored and the drawing
// code decides what they look like. The exceptions are conversions that
// cannot hold the value (MousePointer to 16 bits, the opacities to a byte),
// which fail and change nothing.

#include "button/model/vexabutton_p.h"

#include "button/render/ColorKit.h"
#include "button/render/Redraw.h"

#include <limits>

#define VEXA_COMMON_SETTER(Name, type, field)                                                                          \
  void vexabutton::set##Name(type value) {                                                                             \
    d_->rec.field = value;                                                                                             \
    Redraw();                                                                                                          \
    propertyChanged(QStringLiteral(#Name));                                                                            \
  }

VEXA_COMMON_SETTER(CaptionAlign, qint32, CaptionAlign)
VEXA_COMMON_SETTER(CaptionEffects, qint32, CaptionEffects)
VEXA_COMMON_SETTER(DropDownSymbol, qint32, DropDownSymbol)
VEXA_COMMON_SETTER(DropDownSeparator, bool, DropDownSeparator)
VEXA_COMMON_SETTER(DisabledPictureMode, qint32, DisabledPictureMode)
VEXA_COMMON_SETTER(MaskColor, qint32, MaskColor)
VEXA_COMMON_SETTER(PictureShadow, bool, PictureShadow)
VEXA_COMMON_SETTER(PictureEffectOnOver, qint32, PictureEffectOnOver)
VEXA_COMMON_SETTER(PictureEffectOnDown, qint32, PictureEffectOnDown)
VEXA_COMMON_SETTER(PicturePushOnHover, bool, PicturePushOnHover)
VEXA_COMMON_SETTER(TooltipTitle, const QString&, TooltipTitle)
VEXA_COMMON_SETTER(ToolTip, const QString&, ToolTip)
VEXA_COMMON_SETTER(ToolTipType, qint32, ToolTipType)
#undef VEXA_COMMON_SETTER

void vexabutton::setTooltipBackColor(qint32 value) {
  d_->rec.TooltipBackColor = value;
  Redraw();
  propertyChanged(QStringLiteral("TooltipBackcolor"));
}

void vexabutton::setToolTipIcon(qint32 value) {
  d_->rec.ToolTipIcon = value;
  Redraw();
  propertyChanged(QStringLiteral("TooltipIcon"));
}

namespace {
bool fitsByte(int value, const char* name, QString* error) {
  if (value >= 0 && value <= 255)
    return true;
  if (error)
    *error = QStringLiteral("%1 %2 is outside the byte range 0 to 255").arg(QLatin1String(name)).arg(value);
  return false;
}
} // namespace

bool vexabutton::setPictureOpacity(int value, QString* error) {
  if (!fitsByte(value, "PictureOpacity", error))
    return false;
  d_->rec.PictureOpacity = quint8(value);
  Redraw();
  propertyChanged(QStringLiteral("PictureOpacity"));
  return true;
}

bool vexabutton::setPictureOpacityOnOver(int value, QString* error) {
  if (!fitsByte(value, "PictureOpacityOnOver", error))
    return false;
  d_->rec.PictureOpacityOnOver = quint8(value);
  Redraw();
  propertyChanged(QStringLiteral("PictureOpacityOnOver"));
  return true;
}

void vexabutton::setBackColor(qint32 value) {
  d_->rec.BackColor = value;
  // Any colour but the toolbar style's makes the scheme custom (no notification for it).
  if (d_->rec.ButtonStyle != 4)
    d_->rec.ColorScheme = 3;
  Redraw();
  propertyChanged(QStringLiteral("BackColor"));
}

void vexabutton::setButtonStyle(qint32 value) {
  d_->rec.ButtonStyle = value;
  vexa::ApplyDefaultColorScheme(d_->rec);
  vexa::ApplyStyleDefaults(d_->rec);
  applyWindowRegionStep();
  Redraw();
  propertyChanged(QStringLiteral("ButtonStyle"));
}

void vexabutton::setCaption(const QString& value) {
  d_->rec.Caption = value;
  SetAccessKeys();
  Redraw();
  propertyChanged(QStringLiteral("Caption"));
}

void vexabutton::setColorScheme(qint32 value) {
  d_->rec.ColorScheme = value;
  vexa::ApplyStyleDefaults(d_->rec);
  Redraw();
  propertyChanged(QStringLiteral("ColorScheme"));
}

void vexabutton::setRightToLeft(bool value) {
  d_->rec.RightToLeft = value;
  d_->rec.Tooltip.rightToLeft = value;
  Redraw();
  propertyChanged(QStringLiteral("RightToLeft"));
}

void vexabutton::setEnabled(bool value) {
  d_->rec.Enabled = value;
  QWidget::setEnabled(value); // a disabled surface receives no input
  Redraw();
  propertyChanged(QStringLiteral("Enabled"));
}

void vexabutton::setForeColor(qint32 value) {
  d_->rec.ForeColor = value;
  d_->surface.setTextColor(vexa::TranslateColor(value));
  Redraw();
  propertyChanged(QStringLiteral("ForeColor"));
}

void vexabutton::setForeColorHover(qint32 value) {
  d_->rec.ForeColorHover = value;
  d_->surface.setTextColor(vexa::TranslateColor(value));
  Redraw();
  propertyChanged(QStringLiteral("ForeColorHover"));
}

void vexabutton::setHandPointer(bool value) {
  d_->rec.HandPointer = value;
  if (value) {
    d_->mousePointer = 0;
    applyPointer();
    if (!d_->rec.HandCursor)
      d_->rec.HandPointer = loadHandCursor();
  }
  Redraw();
  propertyChanged(QStringLiteral("HandPointer"));
}

void vexabutton::setMode(qint32 value) {
  d_->rec.Mode = value;
  if (value == 0)
    d_->rec.ButtonState = ButtonRecord::Normal;
  Redraw();
  propertyChanged(QStringLiteral("Value"));
  propertyChanged(QStringLiteral("Mode"));
}

void vexabutton::setValue(bool value) {
  if (d_->rec.Mode == 0) {
    // A push button has no value: it only shows itself released.
    d_->rec.ButtonState = ButtonRecord::Normal;
    Redraw();
    return;
  }
  d_->rec.Value = value;
  if (!value)
    d_->rec.ButtonState = ButtonRecord::Normal;
  Redraw();
  propertyChanged(QStringLiteral("Value"));
}

void vexabutton::setShowFocusRect(bool value) {
  d_->rec.ShowFocusRect = value;
  propertyChanged(QStringLiteral("ShowFocusRect"));
}

void vexabutton::setPictureAlign(qint32 value) {
  d_->rec.PictureAlign = value;
  if (d_->rec.PictureNormal)
    Redraw();
  propertyChanged(QStringLiteral("PictureAlign"));
}

void vexabutton::setUseMaskColor(bool value) {
  d_->rec.UseMaskColor = value;
  if (d_->rec.PictureNormal)
    Redraw();
  propertyChanged(QStringLiteral("UseMaskColor"));
}

// Picture assignment keeps PictureNormal filled first.
void vexabutton::setPictureNormal(platform::PicturePtr picture) {
  d_->rec.PictureNormal = std::move(picture);
  if (!d_->rec.PictureNormal) {
    resizeStep();
    d_->rec.PictureHot = nullptr;
    d_->rec.PictureDown = nullptr;
    propertyChanged(QStringLiteral("PictureHot"));
    propertyChanged(QStringLiteral("PictureDown"));
    return;
  }
  Redraw();
  propertyChanged(QStringLiteral("PictureNormal"));
}

void vexabutton::setPictureHot(platform::PicturePtr picture) {
  if (!d_->rec.PictureNormal) {
    d_->rec.PictureNormal = std::move(picture);
    propertyChanged(QStringLiteral("PictureNormal"));
    return;
  }
  d_->rec.PictureHot = std::move(picture);
  propertyChanged(QStringLiteral("PictureHot"));
  Redraw();
}

void vexabutton::setPictureDown(platform::PicturePtr picture) {
  if (!d_->rec.PictureNormal) {
    d_->rec.PictureNormal = std::move(picture);
    propertyChanged(QStringLiteral("PictureNormal"));
    return;
  }
  d_->rec.PictureDown = std::move(picture);
  propertyChanged(QStringLiteral("PictureDown"));
  Redraw();
}

void vexabutton::setFont(platform::SharedFontPtr font) {
  if (!font)
    return;
  attachFont(std::move(font));
  update();
  Redraw();
  propertyChanged(QStringLiteral("Font"));
  mFont_FontChanged(QStringLiteral("Font"));
}

bool vexabutton::setMousePointer(qint32 value, QString* error) {
  if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max()) {
    if (error)
      *error = QStringLiteral("MousePointer %1 overflows: a pointer code is a 16-bit number from -32768 to 32767")
                   .arg(value);
    return false;
  }
  d_->mousePointer = value;
  applyPointer();
  propertyChanged(QStringLiteral("MousePointer"));
  return true;
}

void vexabutton::setMouseIcon(platform::PicturePtr picture) {
  d_->mouseIcon = std::move(picture);
  if (!d_->mouseIcon) {
    d_->mousePointer = 0;
  } else {
    d_->rec.HandPointer = false;
    propertyChanged(QStringLiteral("HandPointer"));
    d_->mousePointer = 99;
  }
  applyPointer();
  propertyChanged(QStringLiteral("MouseIcon"));
}

// The shared font object changed one of its attributes (or was replaced).
void vexabutton::mFont_FontChanged(const QString&) {
  if (d_->rec.mFont)
    d_->surface.setFont(d_->rec.mFont->toQFont());
  update();
  Redraw();
  propertyChanged(QStringLiteral("Font"));
}

// Holds `font` as mFont and follows its changes.
void vexabutton::attachFont(platform::SharedFontPtr font) {
  QObject::disconnect(d_->fontConnection);
  d_->rec.mFont = std::move(font);
  if (!d_->rec.mFont)
    return;
  d_->surface.setFont(d_->rec.mFont->toQFont());
  d_->fontConnection = connect(d_->rec.mFont.get(), &platform::SharedFont::FontChanged, this,
                               [this](const QString& name) { mFont_FontChanged(name); });
}

// ---- Getters -------------------------------------------------------------------

vexabutton::Style vexabutton::buttonStyleProperty() const { return Style(d_->rec.ButtonStyle); }
vexabutton::Scheme vexabutton::colorSchemeProperty() const { return Scheme(d_->rec.ColorScheme); }
vexabutton::ButtonMode vexabutton::modeProperty() const { return ButtonMode(d_->rec.Mode); }
vexabutton::Pointer vexabutton::mousePointerProperty() const { return Pointer(d_->mousePointer); }
vexabutton::PictureAlignment vexabutton::pictureAlignProperty() const { return PictureAlignment(d_->rec.PictureAlign); }
void vexabutton::setPictureAlignProperty(PictureAlignment value) { setPictureAlign(qint32(value)); }
vexabutton::PictureEffect vexabutton::pictureEffectOnOverProperty() const {
  return PictureEffect(d_->rec.PictureEffectOnOver);
}
void vexabutton::setPictureEffectOnOverProperty(PictureEffect value) { setPictureEffectOnOver(qint32(value)); }
vexabutton::PictureEffect vexabutton::pictureEffectOnDownProperty() const {
  return PictureEffect(d_->rec.PictureEffectOnDown);
}
void vexabutton::setPictureEffectOnDownProperty(PictureEffect value) { setPictureEffectOnDown(qint32(value)); }
void vexabutton::setPictureOpacityProperty(int value) { setPictureOpacity(value); }
void vexabutton::setPictureOpacityOnOverProperty(int value) { setPictureOpacityOnOver(value); }
vexabutton::DisabledPictureLook vexabutton::disabledPictureModeProperty() const {
  return DisabledPictureLook(d_->rec.DisabledPictureMode);
}
void vexabutton::setDisabledPictureModeProperty(DisabledPictureLook value) { setDisabledPictureMode(qint32(value)); }
vexabutton::CaptionEffect vexabutton::captionEffectsProperty() const { return CaptionEffect(d_->rec.CaptionEffects); }
void vexabutton::setCaptionEffectsProperty(CaptionEffect value) { setCaptionEffects(qint32(value)); }
vexabutton::CaptionAlignment vexabutton::captionAlignProperty() const { return CaptionAlignment(d_->rec.CaptionAlign); }
void vexabutton::setCaptionAlignProperty(CaptionAlignment value) { setCaptionAlign(qint32(value)); }
vexabutton::TooltipStyle vexabutton::toolTipTypeProperty() const { return TooltipStyle(d_->rec.ToolTipType); }
void vexabutton::setToolTipTypeProperty(TooltipStyle value) { setToolTipType(qint32(value)); }
vexabutton::TooltipIcon vexabutton::toolTipIconProperty() const { return TooltipIcon(d_->rec.ToolTipIcon); }
void vexabutton::setToolTipIconProperty(TooltipIcon value) { setToolTipIcon(qint32(value)); }
qint32 vexabutton::ButtonStyle() const { return d_->rec.ButtonStyle; }
bool vexabutton::ShowFocusRect() const { return d_->rec.ShowFocusRect; }
platform::SharedFontPtr vexabutton::Font() const { return d_->rec.mFont; }
qint32 vexabutton::BackColor() const { return d_->rec.BackColor; }
bool vexabutton::Enabled() const { return d_->rec.Enabled; }
QString vexabutton::Caption() const { return d_->rec.Caption; }
bool vexabutton::Value() const { return d_->rec.Value; }
qint32 vexabutton::MousePointer() const { return d_->mousePointer; }
bool vexabutton::HandPointer() const { return d_->rec.HandPointer; }
platform::PicturePtr vexabutton::MouseIcon() const { return d_->mouseIcon; }
platform::PicturePtr vexabutton::PictureNormal() const { return d_->rec.PictureNormal; }
platform::PicturePtr vexabutton::PictureHot() const { return d_->rec.PictureHot; }
platform::PicturePtr vexabutton::PictureDown() const { return d_->rec.PictureDown; }
bool vexabutton::PictureShadow() const { return d_->rec.PictureShadow; }
int vexabutton::PictureOpacity() const { return d_->rec.PictureOpacity; }
int vexabutton::PictureOpacityOnOver() const { return d_->rec.PictureOpacityOnOver; }
qint32 vexabutton::DisabledPictureMode() const { return d_->rec.DisabledPictureMode; }
bool vexabutton::PicturePushOnHover() const { return d_->rec.PicturePushOnHover; }
qint32 vexabutton::PictureEffectOnOver() const { return d_->rec.PictureEffectOnOver; }
qint32 vexabutton::PictureEffectOnDown() const { return d_->rec.PictureEffectOnDown; }
qint32 vexabutton::MaskColor() const { return d_->rec.MaskColor; }
bool vexabutton::UseMaskColor() const { return d_->rec.UseMaskColor; }
qint32 vexabutton::CaptionEffects() const { return d_->rec.CaptionEffects; }
qint32 vexabutton::Mode() const { return d_->rec.Mode; }
qint32 vexabutton::PictureAlign() const { return d_->rec.PictureAlign; }
qint32 vexabutton::CaptionAlign() const { return d_->rec.CaptionAlign; }
qint32 vexabutton::ForeColor() const { return d_->rec.ForeColor; }
qint32 vexabutton::ForeColorHover() const { return d_->rec.ForeColorHover; }
bool vexabutton::DropDownSeparator() const { return d_->rec.DropDownSeparator; }
QString vexabutton::TooltipTitle() const { return d_->rec.TooltipTitle; }
QString vexabutton::ToolTip() const { return d_->rec.ToolTip; }
qint32 vexabutton::ToolTipIcon() const { return d_->rec.ToolTipIcon; }
qint32 vexabutton::ToolTipType() const { return d_->rec.ToolTipType; }
qint32 vexabutton::TooltipBackColor() const { return d_->rec.TooltipBackColor; }
bool vexabutton::RightToLeft() const { return d_->rec.RightToLeft; }
qint32 vexabutton::DropDownSymbol() const { return d_->rec.DropDownSymbol; }
qint32 vexabutton::ColorScheme() const { return d_->rec.ColorScheme; }
QString vexabutton::AccessKeys() const { return d_->accessKeys; }
