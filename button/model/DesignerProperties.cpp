// SPDX-License-Identifier: MIT
// The control in Qt's terms: the Qt-typed forms of its properties (QColor,
// QFont, QPixmap), the change signals, and the one truth it shares with
// QWidget for the font, the tool tip and the enabled state.

#include "button/model/vexabutton_p.h"

#include "button/model/Diagnostics.h"

#include "button/render/ColorKit.h"

#include <QMetaEnum>
#include <QMetaProperty>
#include <QPointer>
#include <QScopedValueRollback>

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

// The class's named values are the shared ones the inside compares with:
// every name stands for the same number in both, so neither can drift.
#define VEXA_AGREE(Mine, Shared, Name) qint32(vexabutton::Mine) == qint32(vexa::Shared::Name)
static_assert(VEXA_AGREE(Classic, Style, Classic) && VEXA_AGREE(ClassicThin, Style, ClassicThin) &&
              VEXA_AGREE(RoundedGradient, Style, RoundedGradient) && VEXA_AGREE(BlueGlass, Style, BlueGlass) &&
              VEXA_AGREE(Toolbar, Style, Toolbar) && VEXA_AGREE(WarmHighlight, Style, WarmHighlight) &&
              VEXA_AGREE(Silver, Style, Silver) && VEXA_AGREE(SoftBlue, Style, SoftBlue) &&
              VEXA_AGREE(Gel, Style, Gel) && VEXA_AGREE(WhiteGloss, Style, WhiteGloss) &&
              VEXA_AGREE(Shaded, Style, Shaded) && VEXA_AGREE(FlatClassic, Style, FlatClassic) &&
              VEXA_AGREE(FlatThin, Style, FlatThin) && VEXA_AGREE(System, Style, System));
static_assert(VEXA_AGREE(PushButton, Mode, PushButton) && VEXA_AGREE(CheckButton, Mode, CheckButton) &&
              VEXA_AGREE(OptionButton, Mode, OptionButton));
static_assert(VEXA_AGREE(Scheme0, Scheme, Scheme0) && VEXA_AGREE(Scheme1, Scheme, Scheme1) &&
              VEXA_AGREE(Scheme2, Scheme, Scheme2) && VEXA_AGREE(CustomScheme, Scheme, Custom));
static_assert(VEXA_AGREE(CaptionLeft, CaptionAlignment, Left) && VEXA_AGREE(CaptionCenter, CaptionAlignment, Center) &&
              VEXA_AGREE(CaptionRight, CaptionAlignment, Right));
static_assert(VEXA_AGREE(LeftEdge, PictureAlignment, LeftEdge) &&
              VEXA_AGREE(LeftOfCaption, PictureAlignment, LeftOfCaption) &&
              VEXA_AGREE(RightEdge, PictureAlignment, RightEdge) &&
              VEXA_AGREE(RightOfCaption, PictureAlignment, RightOfCaption) &&
              VEXA_AGREE(BehindCaption, PictureAlignment, BehindCaption) &&
              VEXA_AGREE(TopEdge, PictureAlignment, TopEdge) &&
              VEXA_AGREE(AboveCaption, PictureAlignment, AboveCaption) &&
              VEXA_AGREE(BottomEdge, PictureAlignment, BottomEdge) &&
              VEXA_AGREE(BelowCaption, PictureAlignment, BelowCaption));
static_assert(VEXA_AGREE(NoCaptionEffect, CaptionEffect, None) && VEXA_AGREE(Raised, CaptionEffect, Raised) &&
              VEXA_AGREE(Sunken, CaptionEffect, Sunken) && VEXA_AGREE(Shadow, CaptionEffect, Shadow) &&
              VEXA_AGREE(LightOutline, CaptionEffect, LightOutline) &&
              VEXA_AGREE(DarkOutline, CaptionEffect, DarkOutline));
static_assert(VEXA_AGREE(NoPictureEffect, PictureEffect, None) && VEXA_AGREE(Lighten, PictureEffect, Lighten) &&
              VEXA_AGREE(Darken, PictureEffect, Darken));
static_assert(VEXA_AGREE(Faded, DisabledPictureLook, Faded) && VEXA_AGREE(Grayscale, DisabledPictureLook, Grayscale));
static_assert(VEXA_AGREE(RectangleTip, TooltipStyle, Rectangle) && VEXA_AGREE(BalloonTip, TooltipStyle, Balloon));
static_assert(VEXA_AGREE(NoTooltipIcon, TooltipIcon, None) && VEXA_AGREE(InformationIcon, TooltipIcon, Information) &&
              VEXA_AGREE(WarningIcon, TooltipIcon, Warning) && VEXA_AGREE(ErrorIcon, TooltipIcon, Error));
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

// ---- Font ----------------------------------------------------------------------

// QWidget's font shows the shared font; the flag keeps the change event
// this causes from being taken for a change from outside.
namespace {
// In points, as forms and font dialogs keep sizes (the surface draws with
// the font's pixel size).
QFont widgetFontOf(const platform::SharedFont& shared) {
  QFont font(shared.Name());
  font.setPointSizeF(shared.Size());
  font.setWeight(QFont::Weight(shared.Weight() == 0 ? 400 : qBound(1, shared.Weight(), 1000)));
  font.setItalic(shared.Italic());
  font.setUnderline(shared.Underline());
  font.setStrikeOut(shared.Strikethrough());
  return font;
}
} // namespace

void vexabutton::showFontOnWidget() {
  if (!d_->rec.mFont)
    return;
  const QScopedValueRollback<bool> mirroring(d_->mirroringFont, true);
  if (d_->fontFromHost && d_->defaultHost) {
    // The widget inherits its font, so a parent's or the application's
    // change reaches the button as a FontChange.
    if (testAttribute(Qt::WA_SetFont))
      QWidget::setFont(QFont());
    return;
  }
  if (d_->fontShared) {
    static const QFont* const shared = new QFont(widgetFontOf(*d_->rec.mFont)); // the shared font never changes
    QWidget::setFont(*shared);
  } else {
    QWidget::setFont(widgetFontOf(*d_->rec.mFont));
  }
}

// QWidget::setFont (or a container's font) changed the widget's font: the
// attributes its QFont sets go to a copy of the shared font, so the
// character set and fractional sizes stay.
void vexabutton::followWidgetFont() {
  if (d_->mirroringFont || !d_->rec.mFont)
    return;
  if (d_->fontFromHost && !testAttribute(Qt::WA_SetFont)) {
    d_->followHostFont(); // a parent's or the application's font changed
    return;
  }
  const QFont font = QWidget::font();
  auto next = d_->rec.mFont->clone();
  const uint set = font.resolveMask();
  if (set & (QFont::FamilyResolved | QFont::FamiliesResolved))
    next->setName(font.family());
  // A size the font refuses (outside 1 to 2000 points) leaves the size as it was.
  // A size in pixels (a style sheet's "30px") is taken as points at the
  // button's logical dpi: 30 pixels at 96 dpi are 22.5 points.
  if ((set & QFont::SizeResolved) && font.pointSizeF() > 0)
    next->setSize(font.pointSizeF());
  else if ((set & QFont::SizeResolved) && font.pixelSize() > 0)
    next->setSize(font.pixelSize() * 72.0 / logicalDpiY());
  if (set & QFont::WeightResolved)
    next->setWeight(font.weight());
  if (set & QFont::StyleResolved)
    next->setItalic(font.italic());
  if (set & QFont::UnderlineResolved)
    next->setUnderline(font.underline());
  if (set & QFont::StrikeOutResolved)
    next->setStrikethrough(font.strikeOut());
  if (next->sameAs(*d_->rec.mFont))
    showFontOnWidget(); // what was not taken over shows the shared font again
  else
    setFont(std::move(next));
}

// The control hides none of QWidget's setters: a call through a QWidget* and
// one through a vexabutton* are the same call.
static_assert(std::is_same_v<decltype(&vexabutton::setToolTip), void (QWidget::*)(const QString&)>);
static_assert(std::is_same_v<decltype(&vexabutton::setEnabled), void (QWidget::*)(bool)>);

// QWidget::setToolTip: the control's ToolTip, shown in its own tip window.
void vexabutton::followWidgetToolTip() {
  const QString text = QWidget::toolTip();
  if (text == d_->rec.ToolTip)
    return;
  ChangeSignals watch(*this, properties(PropertyId::ToolTip));
  d_->rec.ToolTip = text;
  Redraw();
  propertyChanged(QStringLiteral("ToolTip"));
}

// QWidget's tool tip and enabled state show the control's after a new
// instance or a load; the flag keeps the change events from being followed.
void vexabutton::showStateOnWidget() {
  const QScopedValueRollback<bool> mirroring(d_->mirroringFont, true);
  if (QWidget::toolTip() != d_->rec.ToolTip)
    QWidget::setToolTip(d_->rec.ToolTip);
  QWidget::setEnabled(d_->rec.Enabled);
  showFontOnWidget();
}

// ---- Colours -------------------------------------------------------------------

QColor vexabutton::backColor() const { return toColor(d_->rec.BackColor); }
QColor vexabutton::foreColor() const { return toColor(d_->rec.ForeColor); }
QColor vexabutton::foreColorHover() const { return toColor(d_->rec.ForeColorHover); }
QColor vexabutton::maskColor() const { return toColor(d_->rec.MaskColor); }
QColor vexabutton::tooltipBackColor() const { return toColor(d_->rec.TooltipBackColor); }

void vexabutton::setBackColor(const QColor& colour) {
  if (const auto rgb = changedColour(colour, d_->rec.BackColor))
    setBackColor(*rgb);
}

void vexabutton::setForeColor(const QColor& colour) {
  if (const auto rgb = changedColour(colour, d_->rec.ForeColor))
    setForeColor(*rgb);
}

void vexabutton::setForeColorHover(const QColor& colour) {
  if (const auto rgb = changedColour(colour, d_->rec.ForeColorHover))
    setForeColorHover(*rgb);
}

void vexabutton::setMaskColor(const QColor& colour) {
  if (const auto rgb = changedColour(colour, d_->rec.MaskColor))
    setMaskColor(*rgb);
}

void vexabutton::setTooltipBackColor(const QColor& colour) {
  if (const auto rgb = changedColour(colour, d_->rec.TooltipBackColor))
    setTooltipBackColor(*rgb);
}

// ---- Pictures ------------------------------------------------------------------

QPixmap vexabutton::mouseIcon() const { return toPixmap(d_->mouseIcon); }
QPixmap vexabutton::pictureNormal() const { return toPixmap(d_->rec.PictureNormal); }
QPixmap vexabutton::pictureHot() const { return toPixmap(d_->rec.PictureHot); }
QPixmap vexabutton::pictureDown() const { return toPixmap(d_->rec.PictureDown); }

void vexabutton::setMouseIcon(const QPixmap& pixmap) {
  if (platform::PicturePtr picture = toPicture(pixmap, d_->mouseIcon); picture != d_->mouseIcon)
    setMouseIcon(std::move(picture));
}
void vexabutton::setPictureNormal(const QPixmap& pixmap) {
  if (platform::PicturePtr picture = toPicture(pixmap, d_->rec.PictureNormal); picture != d_->rec.PictureNormal)
    setPictureNormal(std::move(picture));
}
void vexabutton::setPictureHot(const QPixmap& pixmap) {
  if (platform::PicturePtr picture = toPicture(pixmap, d_->rec.PictureHot); picture != d_->rec.PictureHot)
    setPictureHot(std::move(picture));
}
void vexabutton::setPictureDown(const QPixmap& pixmap) {
  if (platform::PicturePtr picture = toPicture(pixmap, d_->rec.PictureDown); picture != d_->rec.PictureDown)
    setPictureDown(std::move(picture));
}

// ---- Change signals ----------------------------------------------------------------

namespace {

// A value as a change is judged: the font by its attributes (it can change in
// place), pictures by object, the rest by value.
template <typename T> auto kept(const T& value) { return vexa::stored(value); }
platform::SharedFontPtr kept(const platform::SharedFontPtr& font) { return font ? font->clone() : nullptr; }
template <typename T> bool same(const T& a, const T& b) { return a == b; }
bool same(const platform::SharedFontPtr& a, const platform::SharedFontPtr& b) {
  return a && b ? a->sameAs(*b) : a == b;
}

// Emits `signal` with the property's value in its Qt form.
template <typename... Args>
void emitChange(vexabutton& button, void (vexabutton::*signal)(Args...), const char* property) {
  (button.*signal)(button.property(property).value<std::remove_cvref_t<Args>>()...);
}

} // namespace

struct ChangeSignals::Snapshot {
#define VEXA_SNAPSHOT_FIELD(Name, ...) decltype(kept(std::declval<const vexabutton&>().Name())) Name;
  VEXA_BUTTON_PROPERTIES(VEXA_SNAPSHOT_FIELD)
#undef VEXA_SNAPSHOT_FIELD
};

namespace {
// The watched properties' values, read from the fields (a getter might hand
// out the shared font first).
ChangeSignals::Snapshot snapshot(const vexabutton& b, PropertySet watched) {
  const vexabuttonPrivate& d = vexabuttonPrivate::get(b);
  ChangeSignals::Snapshot s{}; // unwatched fields stay zero: the snapshot is copied whole
#define VEXA_SNAPSHOT_TAKE(Name, Type, Kind, Field, ...)                                                               \
  if (watched & properties(PropertyId::Name))                                                                          \
    s.Name = kept(d.Field);
  VEXA_BUTTON_PROPERTIES(VEXA_SNAPSHOT_TAKE)
#undef VEXA_SNAPSHOT_TAKE
  return s;
}
} // namespace

// A change nested in another compares at the outer one's end, unless it
// watches properties the outer one does not: those it compares itself.
ChangeSignals::ChangeSignals(vexabutton& button, PropertySet watched) : button_(button) {
  vexabuttonPrivate& d = vexabuttonPrivate::get(button);
  d.contentChanged = true;
  ++d.changeDepth;
  watched_ = watched & ~d.watching;
  if (watched_ == 0)
    return;
  d.watching |= watched_;
  before_ = std::make_unique<Snapshot>(snapshot(button, watched_));
}

// The outermost change compares and emits; a slot that changes the button
// again starts a change of its own. Each property is compared as it stands
// when its turn comes, against what was last announced of it: a slot's own
// change announces a value once, and the changes still going out learn it.
ChangeSignals::~ChangeSignals() {
  vexabuttonPrivate& d = vexabuttonPrivate::get(button_);
  --d.changeDepth;
  if (!before_)
    return;
  d.watching &= ~watched_;
  outerEmitting_ = std::exchange(d.emitting, this);
  const QPointer<vexabutton> alive(&button_);
#define VEXA_EMIT_CHANGE(Name, Type, Kind, Field, ...)                                                                 \
  if (alive && (watched_ & properties(PropertyId::Name)) &&                                                            \
      !same(before_->Name, decltype(before_->Name)(kept(d.Field)))) {                                                  \
    for (ChangeSignals* going = this; going; going = going->outerEmitting_)                                            \
      if (going->watched_ & properties(PropertyId::Name))                                                              \
        going->before_->Name = kept(d.Field);                                                                          \
    emitChange(button_, &vexabutton::Name##Changed, #Name);                                                            \
  }
  VEXA_BUTTON_PROPERTIES(VEXA_EMIT_CHANGE)
#undef VEXA_EMIT_CHANGE
  if (alive) {
    d.emitting = outerEmitting_;
    d.showStateToQt(); // QAbstractButton's view, toggled() after ValueChanged()
  }
}
