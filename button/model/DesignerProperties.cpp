// The property view for Qt's tools: the Q_PROPERTYs in the types Qt Designer
// shows (enumerations, QColor, QFont, QPixmap) over the stored values.
//
// Writes restore one stored value each, as the load pass does, so a form's
// properties can be applied one after the other and come back as saved:
// no write changes another stored property. The two exceptions are the
// style choices, ButtonStyle and ColorScheme, which run their setters so
// that a designer sees the style's colours; they come first in the
// declaration order, which is the order Designer saves properties in.

#include "button/model/vexabutton_p.h"

#include "button/model/Diagnostics.h"

#include "button/render/ColorKit.h"

#include <QMetaEnum>
#include <QMetaProperty>

#include <optional>

namespace {

// The RGB value (0x00BBGGRR) of `colour`, or nothing for an invalid colour
// and for the colour `current` already shows (so a system-colour reference
// written back unchanged stays a reference).
std::optional<qint32> changedColour(const QColor& colour, qint32 current) {
  if (!colour.isValid())
    return std::nullopt;
  const qint32 rgb = colour.red() | (colour.green() << 8) | (colour.blue() << 16);
  if (rgb == vexa::TranslateColor(current))
    return std::nullopt;
  return rgb;
}

QPixmap toPixmap(const platform::PicturePtr& picture) {
  return picture && !picture->isEmpty() ? QPixmap::fromImage(picture->image) : QPixmap();
}

// The picture for `pixmap`: none for a null pixmap, `current` itself when the
// pixels are the same, otherwise a new bitmap (32 bits only with real alpha).
platform::PicturePtr toPicture(const QPixmap& pixmap, const platform::PicturePtr& current) {
  if (pixmap.isNull())
    return nullptr;
  QImage image = pixmap.toImage();
  if (current && !current->isEmpty() && image.convertToFormat(current->image.format()) == current->image)
    return current;
  bool opaque = !image.hasAlphaChannel();
  if (!opaque) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    opaque = true;
    for (int y = 0; y < image.height() && opaque; ++y) {
      const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < image.width() && opaque; ++x)
        opaque = qAlpha(row[x]) == 255;
    }
  }
  return platform::Picture::fromImage(opaque ? image.convertToFormat(QImage::Format_RGB32) : image,
                                      platform::Picture::Bitmap);
}

} // namespace

// The property view's named values are the shared ones: every name stands
// for the same number in both, so neither can drift from the other.
#define VEXA_AGREE(View, Shared, Name) qint32(vexabutton::View::Name) == qint32(vexa::Shared::Name)
static_assert(VEXA_AGREE(Style, Style, Classic) && VEXA_AGREE(Style, Style, ClassicThin) &&
              VEXA_AGREE(Style, Style, RoundedGradient) && VEXA_AGREE(Style, Style, BlueGlass) &&
              VEXA_AGREE(Style, Style, Toolbar) && VEXA_AGREE(Style, Style, WarmHighlight) &&
              VEXA_AGREE(Style, Style, Silver) && VEXA_AGREE(Style, Style, SoftBlue) && VEXA_AGREE(Style, Style, Gel) &&
              VEXA_AGREE(Style, Style, WhiteGloss) && VEXA_AGREE(Style, Style, Shaded) &&
              VEXA_AGREE(Style, Style, FlatClassic) && VEXA_AGREE(Style, Style, FlatThin) &&
              VEXA_AGREE(Style, Style, System));
static_assert(VEXA_AGREE(ButtonMode, Mode, PushButton) && VEXA_AGREE(ButtonMode, Mode, CheckButton) &&
              VEXA_AGREE(ButtonMode, Mode, OptionButton));
static_assert(VEXA_AGREE(Scheme, Scheme, Scheme0) && VEXA_AGREE(Scheme, Scheme, Scheme1) &&
              VEXA_AGREE(Scheme, Scheme, Scheme2) && VEXA_AGREE(Scheme, Scheme, Custom));
static_assert(VEXA_AGREE(CaptionAlignment, CaptionAlignment, Left) &&
              VEXA_AGREE(CaptionAlignment, CaptionAlignment, Center) &&
              VEXA_AGREE(CaptionAlignment, CaptionAlignment, Right));
static_assert(VEXA_AGREE(PictureAlignment, PictureAlignment, LeftEdge) &&
              VEXA_AGREE(PictureAlignment, PictureAlignment, LeftOfCaption) &&
              VEXA_AGREE(PictureAlignment, PictureAlignment, RightEdge) &&
              VEXA_AGREE(PictureAlignment, PictureAlignment, RightOfCaption) &&
              VEXA_AGREE(PictureAlignment, PictureAlignment, BehindCaption) &&
              VEXA_AGREE(PictureAlignment, PictureAlignment, TopEdge) &&
              VEXA_AGREE(PictureAlignment, PictureAlignment, AboveCaption) &&
              VEXA_AGREE(PictureAlignment, PictureAlignment, BottomEdge) &&
              VEXA_AGREE(PictureAlignment, PictureAlignment, BelowCaption));
static_assert(VEXA_AGREE(CaptionEffect, CaptionEffect, None) && VEXA_AGREE(CaptionEffect, CaptionEffect, Raised) &&
              VEXA_AGREE(CaptionEffect, CaptionEffect, Sunken) && VEXA_AGREE(CaptionEffect, CaptionEffect, Shadow) &&
              VEXA_AGREE(CaptionEffect, CaptionEffect, LightOutline) &&
              VEXA_AGREE(CaptionEffect, CaptionEffect, DarkOutline));
static_assert(VEXA_AGREE(PictureEffect, PictureEffect, None) && VEXA_AGREE(PictureEffect, PictureEffect, Lighten) &&
              VEXA_AGREE(PictureEffect, PictureEffect, Darken));
static_assert(VEXA_AGREE(DisabledPictureLook, DisabledPictureLook, Faded) &&
              VEXA_AGREE(DisabledPictureLook, DisabledPictureLook, Grayscale));
static_assert(VEXA_AGREE(TooltipStyle, TooltipStyle, Rectangle) && VEXA_AGREE(TooltipStyle, TooltipStyle, Balloon));
static_assert(VEXA_AGREE(TooltipIcon, TooltipIcon, None) && VEXA_AGREE(TooltipIcon, TooltipIcon, Information) &&
              VEXA_AGREE(TooltipIcon, TooltipIcon, Warning) && VEXA_AGREE(TooltipIcon, TooltipIcon, Error));
#undef VEXA_AGREE

QColor vexabutton::toColor(qint32 oleColour) {
  const platform::Colour rgb = vexa::TranslateColor(oleColour);
  if (rgb == -1)
    return QColor();
  return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

void vexabutton::warnOfUnlistedValues() const {
  const QMetaObject& meta = staticMetaObject;
  for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
    const QMetaProperty property = meta.property(i);
    if (!property.isEnumType())
      continue;
    const QMetaEnum choices = property.enumerator();
    const int value = property.read(this).toInt();
    if (choices.valueToKey(value))
      continue;
    QStringList listed;
    for (int k = 0; k < choices.keyCount(); ++k)
      listed << QStringLiteral("%1 %2").arg(choices.value(k)).arg(QLatin1String(choices.key(k)));
    qCWarning(vexaLog,
              "vexabutton \"%s\": %s %d is none of its values (%s); it is kept as given and "
              "taken as no listed value",
              qPrintable(objectName()), property.name(), value, qPrintable(listed.join(QStringLiteral(", "))));
  }
}

void vexabutton::setPictureOpacityProperty(int value) {
  QString why;
  if (!setPictureOpacity(value, &why))
    qCWarning(vexaLog, "vexabutton \"%s\": PictureOpacity %d refused (%s); it stays %d", qPrintable(objectName()),
              value, qPrintable(why), int(d_->rec.PictureOpacity));
}

void vexabutton::setPictureOpacityOnOverProperty(int value) {
  QString why;
  if (!setPictureOpacityOnOver(value, &why))
    qCWarning(vexaLog, "vexabutton \"%s\": PictureOpacityOnOver %d refused (%s); it stays %d", qPrintable(objectName()),
              value, qPrintable(why), int(d_->rec.PictureOpacityOnOver));
}

void vexabutton::setButtonStyleProperty(Style value) { setButtonStyle(qint32(value)); }

void vexabutton::setColorSchemeProperty(Scheme value) { setColorScheme(qint32(value)); }

// ---- Font ----------------------------------------------------------------------

QFont vexabutton::fontProperty() const {
  QFont font;
  if (!d_->rec.mFont)
    return font;
  font.setFamily(d_->rec.mFont->Name());
  font.setPointSizeF(d_->rec.mFont->Size());
  font.setWeight(QFont::Weight(d_->rec.mFont->Weight() == 0 ? 400 : qBound(1, d_->rec.mFont->Weight(), 1000)));
  font.setItalic(d_->rec.mFont->Italic());
  font.setUnderline(d_->rec.mFont->Underline());
  font.setStrikeOut(d_->rec.mFont->Strikethrough());
  return font;
}

void vexabutton::setFontProperty(const QFont& font) {
  auto next = d_->rec.mFont ? d_->rec.mFont->clone() : std::make_shared<platform::SharedFont>();
  const uint set = font.resolveMask();
  if ((set & QFont::FamilyResolved) || (set & QFont::FamiliesResolved))
    next->setName(font.family());
  // A size the font refuses (outside 1 to 2000 points) leaves the size as it was.
  if ((set & QFont::SizeResolved) && font.pointSizeF() > 0)
    next->setSize(font.pointSizeF());
  if (set & QFont::WeightResolved)
    next->setWeight(font.weight());
  if (set & QFont::StyleResolved)
    next->setItalic(font.italic());
  if (set & QFont::UnderlineResolved)
    next->setUnderline(font.underline());
  if (set & QFont::StrikeOutResolved)
    next->setStrikethrough(font.strikeOut());
  if (d_->rec.mFont && next->sameAs(*d_->rec.mFont))
    return;
  setFont(std::move(next));
}

// ---- Colours -------------------------------------------------------------------

QColor vexabutton::backColorProperty() const { return toColor(d_->rec.BackColor); }
QColor vexabutton::foreColorProperty() const { return toColor(d_->rec.ForeColor); }
QColor vexabutton::foreColorHoverProperty() const { return toColor(d_->rec.ForeColorHover); }
QColor vexabutton::maskColorProperty() const { return toColor(d_->rec.MaskColor); }
QColor vexabutton::tooltipBackColorProperty() const { return toColor(d_->rec.TooltipBackColor); }

// Stored as given: ColorScheme stays what it is.
void vexabutton::setBackColorProperty(const QColor& colour) {
  if (const auto rgb = changedColour(colour, d_->rec.BackColor)) {
    d_->rec.BackColor = *rgb;
    Redraw();
    propertyChanged(QStringLiteral("BackColor"));
  }
}

void vexabutton::setForeColorProperty(const QColor& colour) {
  if (const auto rgb = changedColour(colour, d_->rec.ForeColor))
    setForeColor(*rgb);
}

void vexabutton::setForeColorHoverProperty(const QColor& colour) {
  if (const auto rgb = changedColour(colour, d_->rec.ForeColorHover))
    setForeColorHover(*rgb);
}

void vexabutton::setMaskColorProperty(const QColor& colour) {
  if (const auto rgb = changedColour(colour, d_->rec.MaskColor))
    setMaskColor(*rgb);
}

void vexabutton::setTooltipBackColorProperty(const QColor& colour) {
  if (const auto rgb = changedColour(colour, d_->rec.TooltipBackColor))
    setTooltipBackColor(*rgb);
}

// ---- Mode and Value ------------------------------------------------------------

void vexabutton::setModeProperty(ButtonMode value) { setMode(qint32(value)); }

// A push button keeps the value too (it shows only once Mode changes).
void vexabutton::setValueProperty(bool value) {
  if (!vexa::is(d_->rec.Mode, vexa::Mode::PushButton)) {
    setValue(value);
    return;
  }
  d_->rec.Value = value;
  propertyChanged(QStringLiteral("Value"));
}

// ---- Pointer -------------------------------------------------------------------

QPixmap vexabutton::mouseIconProperty() const { return toPixmap(d_->mouseIcon); }

// Stored as given: HandPointer and MousePointer stay what they are.
void vexabutton::setMouseIconProperty(const QPixmap& pixmap) {
  platform::PicturePtr picture = toPicture(pixmap, d_->mouseIcon);
  if (picture == d_->mouseIcon)
    return;
  d_->mouseIcon = std::move(picture);
  applyPointer();
  propertyChanged(QStringLiteral("MouseIcon"));
}

// Stored as given: MousePointer stays what it is.
void vexabutton::setHandPointerProperty(bool value) {
  d_->rec.HandPointer = value;
  if (value && !d_->rec.HandCursor)
    d_->rec.HandPointer = loadHandCursor();
  Redraw();
  propertyChanged(QStringLiteral("HandPointer"));
}

void vexabutton::setMousePointerProperty(Pointer value) { setMousePointer(qint32(value)); }

// ---- Pictures ------------------------------------------------------------------

QPixmap vexabutton::pictureNormalProperty() const { return toPixmap(d_->rec.PictureNormal); }
QPixmap vexabutton::pictureHotProperty() const { return toPixmap(d_->rec.PictureHot); }
QPixmap vexabutton::pictureDownProperty() const { return toPixmap(d_->rec.PictureDown); }

// Each picture is stored as given: none of them fills or clears the others.
void vexabutton::setPictureNormalProperty(const QPixmap& pixmap) {
  restorePicture(d_->rec.PictureNormal, pixmap, QStringLiteral("PictureNormal"));
}
void vexabutton::setPictureHotProperty(const QPixmap& pixmap) {
  restorePicture(d_->rec.PictureHot, pixmap, QStringLiteral("PictureHot"));
}
void vexabutton::setPictureDownProperty(const QPixmap& pixmap) {
  restorePicture(d_->rec.PictureDown, pixmap, QStringLiteral("PictureDown"));
}

void vexabutton::restorePicture(platform::PicturePtr& field, const QPixmap& pixmap, const QString& name) {
  platform::PicturePtr picture = toPicture(pixmap, field);
  if (picture == field)
    return;
  field = std::move(picture);
  Redraw();
  propertyChanged(name);
}
