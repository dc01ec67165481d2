// Getters and setters. The common pattern: store, Redraw, notify the host.
// Setters do not validate: out-of-range values are stored and the drawing
// code decides what they look like. The exceptions are conversions that
// cannot hold the value (MousePointer to 16 bits, the opacities to a byte),
// which fail and change nothing.

#include "button/model/vexabutton_p.h"

#include "button/model/Diagnostics.h"

#include "button/render/ColorKit.h"
#include "button/render/Redraw.h"

#include <limits>

// The getters, and the setters that store, repaint as the list says and
// notify the host.
#define VEXA_REDRAW_Redraw() Redraw();
#define VEXA_REDRAW_NoRedraw()
#define VEXA_REDRAW_RedrawWithPicture()                                                                                \
  if (d_->rec.PictureNormal)                                                                                           \
    Redraw();
#define VEXA_SETTER_Stored(Name, Type, Field, Notify, Change)                                                          \
  void vexabutton::set##Name(vexa::In<Type> value) {                                                                   \
    d_->Field = value;                                                                                                 \
    VEXA_REDRAW_##Change() propertyChanged(QStringLiteral(Notify));                                                    \
  }
#define VEXA_SETTER_Own(Name, Type, Field, Notify, Change)
#define VEXA_DEFINE_ACCESSORS(Name, Type, Kind, Field, Key, Notify, NewValue, ReadDefault, Change, Setter, Help)       \
  Type vexabutton::Name() const { return d_->Field; }                                                                  \
  VEXA_SETTER_##Setter(Name, Type, Field, Notify, Change)
VEXA_BUTTON_PROPERTIES(VEXA_DEFINE_ACCESSORS)
#undef VEXA_DEFINE_ACCESSORS
#undef VEXA_SETTER_Own
#undef VEXA_SETTER_Stored
#undef VEXA_REDRAW_RedrawWithPicture
#undef VEXA_REDRAW_NoRedraw
#undef VEXA_REDRAW_Redraw

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
  if (!vexa::is(d_->rec.ButtonStyle, vexa::Style::Toolbar))
    d_->rec.ColorScheme = qint32(vexa::Scheme::Custom);
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
  if (value.size() > MaxCaptionLength) {
    qCWarning(vexaLog,
              "vexabutton \"%s\": a caption of %lld characters is longer than the %d the control takes; "
              "the caption stays as it was",
              qPrintable(objectName()), qlonglong(value.size()), MaxCaptionLength);
    return;
  }
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
    d_->mousePointer = qint32(Pointer::Default);
    applyPointer();
    if (!d_->rec.HandCursor)
      d_->rec.HandPointer = loadHandCursor();
  }
  Redraw();
  propertyChanged(QStringLiteral("HandPointer"));
}

void vexabutton::setMode(qint32 value) {
  d_->rec.Mode = value;
  if (vexa::is(value, vexa::Mode::PushButton))
    d_->rec.ButtonState = ButtonRecord::Normal;
  Redraw();
  propertyChanged(QStringLiteral("Value"));
  propertyChanged(QStringLiteral("Mode"));
}

void vexabutton::setValue(bool value) {
  if (vexa::is(d_->rec.Mode, vexa::Mode::PushButton)) {
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
    d_->mousePointer = qint32(Pointer::Default);
  } else {
    d_->rec.HandPointer = false;
    propertyChanged(QStringLiteral("HandPointer"));
    d_->mousePointer = qint32(Pointer::Custom);
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

// ---- The property view's named values ---------------------------------------

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
vexabutton::DisabledPictureLook vexabutton::disabledPictureModeProperty() const {
  return DisabledPictureLook(d_->rec.DisabledPictureMode);
}
void vexabutton::setDisabledPictureModeProperty(DisabledPictureLook value) { setDisabledPictureMode(qint32(value)); }
vexabutton::CaptionEffect vexabutton::captionEffectsProperty() const { return CaptionEffect(d_->rec.CaptionEffects); }
void vexabutton::setCaptionEffectsProperty(CaptionEffect value) { setCaptionEffects(qint32(value)); }
vexabutton::CaptionAlignment vexabutton::captionAlignProperty() const { return CaptionAlignment(d_->rec.CaptionAlign); }
void vexabutton::setCaptionAlignProperty(CaptionAlignment value) { setCaptionAlign(qint32(value)); }
vexabutton::TooltipStyle vexabutton::tooltipTypeProperty() const { return TooltipStyle(d_->rec.TooltipType); }
void vexabutton::setTooltipTypeProperty(TooltipStyle value) { setToolTipType(qint32(value)); }
vexabutton::TooltipIcon vexabutton::tooltipIconProperty() const { return TooltipIcon(d_->rec.TooltipIcon); }
void vexabutton::setTooltipIconProperty(TooltipIcon value) { setToolTipIcon(qint32(value)); }
QString vexabutton::AccessKeys() const { return d_->accessKeys; }
