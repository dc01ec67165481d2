// Getters and setters. The common pattern: store, Redraw, notify the host.
// Setters do not validate: out-of-range values are stored and the drawing
// code decides what they look like. The exceptions are conversions that
// cannot hold the value (MousePointer to 16 bits, the opacities to a byte),
// which fail and change nothing.

#include "button/model/vexabutton.h"

#include "button/model/Diagnostics.h"

#include "button/render/ColorKit.h"
#include "button/render/Redraw.h"

#include <limits>

#define VEXA_COMMON_SETTER(Name, type, field)                                                                          \
  void vexabutton::set##Name(type value) {                                                                             \
    rec_.field = value;                                                                                                \
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
  rec_.TooltipBackColor = value;
  Redraw();
  propertyChanged(QStringLiteral("TooltipBackcolor"));
}

void vexabutton::setToolTipIcon(qint32 value) {
  rec_.ToolTipIcon = value;
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
  rec_.PictureOpacity = quint8(value);
  Redraw();
  propertyChanged(QStringLiteral("PictureOpacity"));
  return true;
}

bool vexabutton::setPictureOpacityOnOver(int value, QString* error) {
  if (!fitsByte(value, "PictureOpacityOnOver", error))
    return false;
  rec_.PictureOpacityOnOver = quint8(value);
  Redraw();
  propertyChanged(QStringLiteral("PictureOpacityOnOver"));
  return true;
}

void vexabutton::setBackColor(qint32 value) {
  rec_.BackColor = value;
  // Any colour but the toolbar style's makes the scheme custom (no notification for it).
  if (rec_.ButtonStyle != 4)
    rec_.ColorScheme = 3;
  Redraw();
  propertyChanged(QStringLiteral("BackColor"));
}

void vexabutton::setButtonStyle(qint32 value) {
  rec_.ButtonStyle = value;
  vexa::ApplyDefaultColorScheme(rec_);
  vexa::ApplyStyleDefaults(rec_);
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
  rec_.Caption = value;
  SetAccessKeys();
  Redraw();
  propertyChanged(QStringLiteral("Caption"));
}

void vexabutton::setColorScheme(qint32 value) {
  rec_.ColorScheme = value;
  vexa::ApplyStyleDefaults(rec_);
  Redraw();
  propertyChanged(QStringLiteral("ColorScheme"));
}

void vexabutton::setRightToLeft(bool value) {
  rec_.RightToLeft = value;
  rec_.Tooltip.rightToLeft = value;
  Redraw();
  propertyChanged(QStringLiteral("RightToLeft"));
}

void vexabutton::setEnabled(bool value) {
  rec_.Enabled = value;
  QWidget::setEnabled(value); // a disabled surface receives no input
  Redraw();
  propertyChanged(QStringLiteral("Enabled"));
}

void vexabutton::setForeColor(qint32 value) {
  rec_.ForeColor = value;
  surface_.setTextColor(vexa::TranslateColor(value));
  Redraw();
  propertyChanged(QStringLiteral("ForeColor"));
}

void vexabutton::setForeColorHover(qint32 value) {
  rec_.ForeColorHover = value;
  surface_.setTextColor(vexa::TranslateColor(value));
  Redraw();
  propertyChanged(QStringLiteral("ForeColorHover"));
}

void vexabutton::setHandPointer(bool value) {
  rec_.HandPointer = value;
  if (value) {
    mousePointer_ = 0;
    applyPointer();
    if (!rec_.HandCursor)
      rec_.HandPointer = loadHandCursor();
  }
  Redraw();
  propertyChanged(QStringLiteral("HandPointer"));
}

void vexabutton::setMode(qint32 value) {
  rec_.Mode = value;
  if (value == 0)
    rec_.ButtonState = ButtonRecord::Normal;
  Redraw();
  propertyChanged(QStringLiteral("Value"));
  propertyChanged(QStringLiteral("Mode"));
}

void vexabutton::setValue(bool value) {
  if (rec_.Mode == 0) {
    // A push button has no value: it only shows itself released.
    rec_.ButtonState = ButtonRecord::Normal;
    Redraw();
    return;
  }
  rec_.Value = value;
  if (!value)
    rec_.ButtonState = ButtonRecord::Normal;
  Redraw();
  propertyChanged(QStringLiteral("Value"));
}

void vexabutton::setShowFocusRect(bool value) {
  rec_.ShowFocusRect = value;
  propertyChanged(QStringLiteral("ShowFocusRect"));
}

void vexabutton::setPictureAlign(qint32 value) {
  rec_.PictureAlign = value;
  if (rec_.PictureNormal)
    Redraw();
  propertyChanged(QStringLiteral("PictureAlign"));
}

void vexabutton::setUseMaskColor(bool value) {
  rec_.UseMaskColor = value;
  if (rec_.PictureNormal)
    Redraw();
  propertyChanged(QStringLiteral("UseMaskColor"));
}

// Picture assignment keeps PictureNormal filled first.
void vexabutton::setPictureNormal(platform::PicturePtr picture) {
  rec_.PictureNormal = std::move(picture);
  if (!rec_.PictureNormal) {
    resizeStep();
    rec_.PictureHot = nullptr;
    rec_.PictureDown = nullptr;
    propertyChanged(QStringLiteral("PictureHot"));
    propertyChanged(QStringLiteral("PictureDown"));
    return;
  }
  Redraw();
  propertyChanged(QStringLiteral("PictureNormal"));
}

void vexabutton::setPictureHot(platform::PicturePtr picture) {
  if (!rec_.PictureNormal) {
    rec_.PictureNormal = std::move(picture);
    propertyChanged(QStringLiteral("PictureNormal"));
    return;
  }
  rec_.PictureHot = std::move(picture);
  propertyChanged(QStringLiteral("PictureHot"));
  Redraw();
}

void vexabutton::setPictureDown(platform::PicturePtr picture) {
  if (!rec_.PictureNormal) {
    rec_.PictureNormal = std::move(picture);
    propertyChanged(QStringLiteral("PictureNormal"));
    return;
  }
  rec_.PictureDown = std::move(picture);
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
  mousePointer_ = value;
  applyPointer();
  propertyChanged(QStringLiteral("MousePointer"));
  return true;
}

void vexabutton::setMouseIcon(platform::PicturePtr picture) {
  mouseIcon_ = std::move(picture);
  if (!mouseIcon_) {
    mousePointer_ = 0;
  } else {
    rec_.HandPointer = false;
    propertyChanged(QStringLiteral("HandPointer"));
    mousePointer_ = 99;
  }
  applyPointer();
  propertyChanged(QStringLiteral("MouseIcon"));
}

// The shared font object changed one of its attributes (or was replaced).
void vexabutton::mFont_FontChanged(const QString&) {
  if (rec_.mFont)
    surface_.setFont(rec_.mFont->toQFont());
  update();
  Redraw();
  propertyChanged(QStringLiteral("Font"));
}

// Holds `font` as mFont and follows its changes.
void vexabutton::attachFont(platform::SharedFontPtr font) {
  QObject::disconnect(fontConnection_);
  rec_.mFont = std::move(font);
  if (!rec_.mFont)
    return;
  surface_.setFont(rec_.mFont->toQFont());
  fontConnection_ = connect(rec_.mFont.get(), &platform::SharedFont::FontChanged, this,
                            [this](const QString& name) { mFont_FontChanged(name); });
}
