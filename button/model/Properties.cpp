// SPDX-License-Identifier: MIT
// Getters and setters. The common pattern: store, Redraw, notify the host.
// Setters do not validate: out-of-range values are stored and the drawing
// code decides what they look like. The exceptions are conversions that
// cannot hold the value (MousePointer to 16 bits, the opacities to a byte),
// which fail and change nothing.

#include "button/model/vexabutton_p.h"

#include "button/model/Diagnostics.h"
#include "button/model/PropertyRules.h"

#include "button/render/ColorKit.h"
#include "button/render/Redraw.h"
#include "platform/HostFont.h"

#include <QButtonGroup>

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
    ChangeSignals watch(*this, properties(PropertyId::Name));                                                          \
    d_->Field = value;                                                                                                 \
    VEXA_REDRAW_##Change() propertyChanged(QStringLiteral(Notify));                                                    \
  }
#define VEXA_SETTER_Own(Name, Type, Field, Notify, Change)
#define VEXA_SETTER_Widget(Name, Type, Field, Notify, Change)
namespace {
// What a getter hands out: the value itself, except that the shared default
// font becomes the button's own first (its holder may change it in place).
template <typename T> decltype(auto) handedOut(vexabuttonPrivate& d, const T& field) { return valueNow(d, field); }
const platform::SharedFontPtr& handedOut(vexabuttonPrivate& d, const platform::SharedFontPtr&) { return d.ownFont(); }
} // namespace
#define VEXA_DEFINE_ACCESSORS(Name, Type, Kind, Field, Key, Notify, NewValue, ReadDefault, Change, Setter, Help)       \
  auto vexabutton::Name() const->Type { return Type(handedOut(*d_, d_->Field)); }                                      \
  VEXA_SETTER_##Setter(Name, Type, Field, Notify, Change)
VEXA_BUTTON_PROPERTIES(VEXA_DEFINE_ACCESSORS)
#undef VEXA_DEFINE_ACCESSORS
#undef VEXA_SETTER_Widget
#undef VEXA_SETTER_Own
#undef VEXA_SETTER_Stored
#undef VEXA_REDRAW_RedrawWithPicture
#undef VEXA_REDRAW_NoRedraw
#undef VEXA_REDRAW_Redraw

namespace {
// A refused value is said to the caller through `error`, or logged when the
// caller gave none (a property write from a form or a script).
bool refuse(const vexabutton& b, const QString& why, QString* error) {
  if (error)
    *error = why;
  else
    qCWarning(vexaLog, "vexabutton \"%s\": %s; the property keeps its value", qPrintable(b.objectName()),
              qPrintable(why));
  return false;
}

bool fitsByte(const vexabutton& b, int value, const char* name, QString* error) {
  if (value >= 0 && value <= 255)
    return true;
  return refuse(b, QStringLiteral("%1 %2 is outside the byte range 0 to 255").arg(QLatin1String(name)).arg(value),
                error);
}
} // namespace

bool vexabutton::setPictureOpacity(int value, QString* error) {
  if (!fitsByte(*this, value, "PictureOpacity", error))
    return false;
  ChangeSignals watch(*this, properties(PropertyId::PictureOpacity));
  d_->rec.PictureOpacity = quint8(value);
  Redraw();
  propertyChanged(QStringLiteral("PictureOpacity"));
  return true;
}

bool vexabutton::setPictureOpacityOnOver(int value, QString* error) {
  if (!fitsByte(*this, value, "PictureOpacityOnOver", error))
    return false;
  ChangeSignals watch(*this, properties(PropertyId::PictureOpacityOnOver));
  d_->rec.PictureOpacityOnOver = quint8(value);
  Redraw();
  propertyChanged(QStringLiteral("PictureOpacityOnOver"));
  return true;
}

void vexabutton::setBackColor(qint32 value) {
  ChangeSignals watch(*this, properties(PropertyId::BackColor, PropertyId::ColorScheme));
  // Any colour but the toolbar style's makes the scheme custom (no notification for it).
  vexa::rules::setBackColor(d_->rec, value);
  Redraw();
  propertyChanged(QStringLiteral("BackColor"));
}

void vexabutton::setButtonStyle(qint32 value) {
  ChangeSignals watch(*this, AllProperties);
  vexa::rules::setButtonStyle(d_->rec, value);
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
  ChangeSignals watch(*this, properties(PropertyId::Caption));
  d_->rec.Caption = value;
  SetAccessKeys();
  Redraw();
  propertyChanged(QStringLiteral("Caption"));
}

void vexabutton::setColorScheme(qint32 value) {
  ChangeSignals watch(*this, AllProperties);
  vexa::rules::setColorScheme(d_->rec, value);
  Redraw();
  propertyChanged(QStringLiteral("ColorScheme"));
}

void vexabutton::setRightToLeft(bool value) {
  d_->rightToLeftFromHost = false;
  ChangeSignals watch(*this, properties(PropertyId::RightToLeft));
  d_->rec.RightToLeft = value;
  d_->rec.Tooltip.rightToLeft = value;
  Redraw();
  propertyChanged(QStringLiteral("RightToLeft"));
}

void vexabutton::setForeColor(qint32 value) {
  ChangeSignals watch(*this, properties(PropertyId::ForeColor));
  d_->rec.ForeColor = value;
  d_->surface.setTextColor(vexa::TranslateColor(value));
  Redraw();
  propertyChanged(QStringLiteral("ForeColor"));
}

void vexabutton::setForeColorHover(qint32 value) {
  ChangeSignals watch(*this, properties(PropertyId::ForeColorHover));
  d_->rec.ForeColorHover = value;
  d_->surface.setTextColor(vexa::TranslateColor(value));
  Redraw();
  propertyChanged(QStringLiteral("ForeColorHover"));
}

void vexabutton::setHandPointer(bool value) {
  ChangeSignals watch(*this, properties(PropertyId::HandPointer, PropertyId::MousePointer));
  d_->rec.HandPointer = value;
  if (value) {
    d_->mousePointer = qint32(DefaultPointer);
    applyPointer();
    if (!d_->rec.HandCursor)
      d_->rec.HandPointer = loadHandCursor();
  }
  Redraw();
  propertyChanged(QStringLiteral("HandPointer"));
}

// A push button has no Value; an option button that is set clears the
// others of its group, as setting its Value does.
void vexabutton::setMode(qint32 value) {
  const QPointer<vexabutton> self(this);
  {
    ChangeSignals watch(*this, properties(PropertyId::Mode, PropertyId::Value));
    vexa::rules::setMode(d_->rec, value);
    Redraw();
    propertyChanged(QStringLiteral("Value"));
    propertyChanged(QStringLiteral("Mode"));
  }
  if (self && vexa::is(d_->rec.Mode, vexa::Mode::OptionButton) && d_->rec.Value)
    UncheckOtherOptions();
}

void vexabutton::setValue(bool value) {
  ChangeSignals watch(*this, properties(PropertyId::Value));
  // The checked button of an exclusive QButtonGroup stays checked until
  // another of the group is checked, as Qt's own buttons do.
  if (!vexa::is(d_->rec.Mode, vexa::Mode::PushButton) && !value && group() && group()->exclusive() &&
      group()->checkedButton() == this)
    return;
  const bool stored = vexa::rules::setValue(d_->rec, value);
  Redraw();
  if (stored)
    propertyChanged(QStringLiteral("Value"));
}

// Picture assignment keeps PictureNormal filled first.
void vexabutton::setPictureNormal(platform::PicturePtr picture) {
  ChangeSignals watch(*this, properties(PropertyId::PictureNormal, PropertyId::PictureHot, PropertyId::PictureDown));
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
  ChangeSignals watch(*this, properties(PropertyId::PictureNormal, PropertyId::PictureHot, PropertyId::PictureDown));
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
  ChangeSignals watch(*this, properties(PropertyId::PictureNormal, PropertyId::PictureHot, PropertyId::PictureDown));
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
  d_->fontFromHost = false;
  d_->changeFont(std::move(font));
}

void vexabuttonPrivate::changeFont(platform::SharedFontPtr font) {
  ChangeSignals watch(*q, properties(PropertyId::Font));
  q->attachFont(std::move(font));
  q->update();
  q->Redraw();
  q->propertyChanged(QStringLiteral("Font"));
  q->mFont_FontChanged(QStringLiteral("Font"));
}

void vexabuttonPrivate::followHostFont() {
  // Without a chosen font the button keeps what it has: the shared
  // default, or the host's ambient font a load gave it.
  if (!fontFromHost || !defaultHost)
    return;
  q->showFontOnWidget(); // the widget inherits its font again
  const std::optional<QFont> chosen = platform::chosenFont(*q);
  if (!chosen)
    return;
  auto font = std::make_shared<platform::SharedFont>();
  font->setName(chosen->family());
  font->setSize(platform::pointSizeOf(*chosen)); // a size out of range keeps the default's
  font->setWeight(chosen->weight());
  font->setItalic(chosen->italic());
  font->setUnderline(chosen->underline());
  font->setStrikethrough(chosen->strikeOut());
  if (!fontShared && rec.mFont && rec.mFont->sameAs(*font) && rec.mFont->Name() == font->Name())
    return;
  changeFont(std::move(font));
}

void vexabuttonPrivate::followLayoutDirection() {
  if (!rightToLeftFromHost || !defaultHost || q->isRightToLeft() == rec.RightToLeft)
    return;
  const QPointer<vexabutton> alive(q);
  q->setRightToLeft(q->isRightToLeft());
  if (alive)
    rightToLeftFromHost = true;
}

bool vexabutton::setMousePointer(qint32 value, QString* error) {
  if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max()) {
    return refuse(
        *this,
        QStringLiteral("MousePointer %1 overflows: a pointer code is a 16-bit number from -32768 to 32767").arg(value),
        error);
  }
  ChangeSignals watch(*this, properties(PropertyId::MousePointer));
  d_->mousePointer = value;
  applyPointer();
  propertyChanged(QStringLiteral("MousePointer"));
  return true;
}

void vexabutton::setMouseIcon(platform::PicturePtr picture) {
  ChangeSignals watch(*this, properties(PropertyId::MouseIcon, PropertyId::MousePointer, PropertyId::HandPointer));
  d_->mouseIcon = std::move(picture);
  if (!d_->mouseIcon) {
    d_->mousePointer = qint32(DefaultPointer);
  } else {
    d_->rec.HandPointer = false;
    propertyChanged(QStringLiteral("HandPointer"));
    d_->mousePointer = qint32(CustomPointer);
  }
  applyPointer();
  propertyChanged(QStringLiteral("MouseIcon"));
}

// The shared font object changed one of its attributes (or was replaced).
void vexabutton::mFont_FontChanged(const QString&) {
  d_->drawInFont();
  showFontOnWidget();
  update();
  Redraw();
  propertyChanged(QStringLiteral("Font"));
  // The shared font changed in place: no value from before is left to
  // compare with, and the font object says only real changes.
  if (d_->changeDepth == 0)
    emit FontChanged(font());
}

// Holds `font` as mFont and follows its changes.
void vexabutton::attachFont(platform::SharedFontPtr font) {
  QObject::disconnect(d_->fontConnection);
  d_->fontShared = false;
  d_->rec.mFont = std::move(font);
  if (!d_->rec.mFont)
    return;
  d_->drawInFont();
  showFontOnWidget();
  d_->fontConnection = connect(d_->rec.mFont.get(), &platform::SharedFont::FontChanged, this,
                               [this](const QString& name) { mFont_FontChanged(name); });
}

namespace {
// Tahoma, 8.25 points. Never destroyed: buttons may outlive any owner.
const platform::SharedFontPtr& defaultFont() {
  static const auto* const font = new platform::SharedFontPtr(std::make_shared<platform::SharedFont>());
  return *font;
}
} // namespace

void vexabuttonPrivate::shareDefaultFont() {
  QObject::disconnect(fontConnection);
  rec.mFont = defaultFont();
  fontShared = true;
  drawInFont();
  q->showFontOnWidget();
}

const platform::SharedFontPtr& vexabuttonPrivate::ownFont() {
  // A font handed out is the button's own, changed by whoever holds it.
  if (fontFromHost) {
    fontFromHost = false;
    q->showFontOnWidget();
  }
  if (fontShared) {
    fontShared = false;
    rec.mFont = rec.mFont->clone();
    fontConnection = QObject::connect(rec.mFont.get(), &platform::SharedFont::FontChanged, q,
                                      [button = q](const QString& name) { button->mFont_FontChanged(name); });
  }
  return rec.mFont;
}

// The buttons drawing in the shared font share its QFont as well (each
// QFont made from the attributes would hold its own copy of them).
void vexabuttonPrivate::drawInFont() {
  if (!rec.mFont)
    return;
  contentChanged = true;
  if (fontShared) {
    // Nobody changes the shared font: its QFont is made once.
    static const QFont* const shared = new QFont(rec.mFont->toQFont());
    surface.setFont(*shared);
    return;
  }
  surface.setFont(rec.mFont->toQFont());
}

// A font read from a stored layout with the default's attributes (as every
// button made for a form without a font of its own reads) is the shared one.
void vexabuttonPrivate::shareFontIfDefault() {
  const platform::SharedFontPtr& font = rec.mFont;
  if (font && font.use_count() == 1 && font->sameAs(*defaultFont()) && font->Name() == defaultFont()->Name())
    shareDefaultFont();
  else
    q->attachFont(rec.mFont);
}

QString vexabutton::AccessKeys() const { return d_->accessKeys; }
