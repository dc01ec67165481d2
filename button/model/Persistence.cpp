// The persistence pair and the new-instance step: ReadProperties (the load
// pass), WriteProperties (the save pass), InitProperties, and the help texts
// a property browser shows for the members.
//
// Caption default. Older hosts read a missing "Caption" as "vexabutton" but
// left the key out when the caption was "vexabutton1", so a caption of
// "vexabutton1" came back as "vexabutton". We use "vexabutton" in both
// directions: stored layouts without the key still read as before, and every
// caption survives a save and a load unchanged.
//
// Values a bag may hold, and how each property type takes them:
//   | property type     | accepted                                               |
//   |-------------------|--------------------------------------------------------|
//   | Boolean           | bool; a whole number (0 False, any other True); the    |
//   |                   | text "True"/"False" (any case) or whole-number text    |
//   | 32/16/8-bit number| a whole number in the type's range: int, a double      |
//   |                   | without fraction, or decimal text such as "13"         |
//   | colour            | as a 32-bit number, also 0x80000000..0xFFFFFFFF given  |
//   |                   | unsigned, and hex text "0x80000012" or "&H80000012&"    |
//   | text              | text; a number is taken as its decimal text            |
//   | font              | a SharedFontPtr (copied) or its text form              |
//   | picture           | a PicturePtr, null meaning none                        |
// Anything else fails the whole load with an error naming the key.

#include "button/model/vexabutton_p.h"

#include "button/render/ColorKit.h"
#include "platform/WindowRegistry.h"

#include <QHash>
#include <QLocale>

#include <cmath>
#include <limits>
#include <optional>

using platform::PicturePtr;
using platform::PropertyBag;
using platform::SharedFont;
using platform::SharedFontPtr;

namespace {

const QString DefaultCaption = QStringLiteral("vexabutton");

// OLE references of the system colours the defaults use.
constexpr qint32 systemColour(int index) { return static_cast<qint32>(0x80000000u + unsigned(index)); }
constexpr qint32 ButtonFaceRef = systemColour(0x0F);
constexpr qint32 ButtonTextRef = systemColour(0x12);
constexpr qint32 InfoBackgroundRef = systemColour(0x18);

// The 37 keys in writing order.
const char* const WritingOrder[] = {
    "ButtonStyle",
    "ShowFocusRect",
    "Enabled",
    "Font",
    "BackColor",
    "Caption",
    "ForeColor",
    "ForeColorHover",
    "Mode",
    "Value",
    "MousePointer",
    "HandPointer",
    "MouseIcon",
    "PictureNormal",
    "PictureHot",
    "PictureDown",
    "PictureAlign",
    "PictureEffectOnOver",
    "PictureEffectOnDown",
    "PicturePushOnHover",
    "PictureShadow",
    "PictureOpacity",
    "PictureOpacityOnOver",
    "DisabledPictureMode",
    "CaptionEffects",
    "UseMaskColor",
    "MaskColor",
    "CaptionAlign",
    "ToolTip",
    "TooltipType",
    "TooltipIcon",
    "TooltipTitle",
    "TooltipBackColor",
    "RightToLeft",
    "DropDownSymbol",
    "DropDownSeparator",
    "ColorScheme",
};
static_assert(std::size(WritingOrder) == 37);

bool isFractionType(const QVariant& v) {
  return v.metaType().id() == QMetaType::Double || v.metaType().id() == QMetaType::Float;
}

// A short description of a bag value for error messages.
QString describe(const QVariant& v) {
  if (!v.isValid())
    return QStringLiteral("no value");
  if (v.metaType() == QMetaType::fromType<SharedFontPtr>())
    return v.value<SharedFontPtr>() ? QStringLiteral("a font") : QStringLiteral("no font");
  if (v.metaType() == QMetaType::fromType<PicturePtr>())
    return v.value<PicturePtr>() ? QStringLiteral("a picture") : QStringLiteral("none (null)");
  if (v.metaType().id() == QMetaType::Bool)
    return QStringLiteral("the Boolean %1").arg(v.toBool() ? QStringLiteral("True") : QStringLiteral("False"));
  if (platform::PropertyBag::isIntegerValue(v))
    return QStringLiteral("the number %1").arg(v.toLongLong());
  if (isFractionType(v))
    return QStringLiteral("the number %1").arg(v.toDouble());
  if (v.metaType().id() == QMetaType::QString) {
    QString text = v.toString();
    if (text.size() > 40)
      text = text.left(37) + QStringLiteral("...");
    return QStringLiteral("the text \"%1\"").arg(text);
  }
  return QStringLiteral("a value of type %1").arg(QString::fromLatin1(v.metaType().name()));
}

// A whole number from a bag value, or nothing. Hex text only when asked for.
std::optional<qint64> wholeNumber(const QVariant& v, bool allowHex) {
  if (platform::PropertyBag::isIntegerValue(v)) {
    if (v.metaType().id() == QMetaType::ULongLong && v.toULongLong() > quint64(std::numeric_limits<qint64>::max()))
      return std::nullopt;
    return v.toLongLong();
  }
  if (isFractionType(v)) {
    const double d = v.toDouble();
    if (!std::isfinite(d) || std::trunc(d) != d || std::fabs(d) > 9.0e15)
      return std::nullopt;
    return static_cast<qint64>(d);
  }
  if (v.metaType().id() == QMetaType::QString)
    return PropertyBag::parseWholeNumber(v.toString(), allowHex);
  return std::nullopt;
}

// Reads keys from a bag into typed values. The first failure is kept and
// every later read does nothing, so the load pass reads like the table.
class BagReader {
public:
  explicit BagReader(const PropertyBag& bag) : bag_(bag) {}

  bool failed() const { return !error_.isEmpty(); }
  const QString& error() const { return error_; }

  void boolean(const char* key, bool fallback, bool& out) {
    std::optional<QVariant> v = fetch(key);
    if (!v) {
      out = fallback;
      return;
    }
    if (v->metaType().id() == QMetaType::Bool) {
      out = v->toBool();
      return;
    }
    if (v->metaType().id() == QMetaType::QString) {
      const QString text = v->toString().trimmed();
      if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        out = true;
        return;
      }
      if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        out = false;
        return;
      }
    }
    if (const auto n = wholeNumber(*v, false)) {
      out = *n != 0;
      return;
    }
    fail(key, QStringLiteral("True or False"), *v);
  }

  template <typename T> void number(const char* key, T fallback, T& out, const QString& expected) {
    std::optional<QVariant> v = fetch(key);
    if (!v) {
      out = fallback;
      return;
    }
    const auto n = wholeNumber(*v, false);
    if (!n || *n < std::numeric_limits<T>::min() || *n > std::numeric_limits<T>::max())
      return fail(key, expected, *v);
    out = static_cast<T>(*n);
  }
  void int32(const char* key, qint32 fallback, qint32& out) {
    number<qint32>(key, fallback, out, QStringLiteral("a whole number from -2147483648 to 2147483647"));
  }
  void int16(const char* key, qint16 fallback, qint16& out) {
    number<qint16>(key, fallback, out, QStringLiteral("a whole number from -32768 to 32767"));
  }
  void byte(const char* key, quint8 fallback, quint8& out) {
    number<quint8>(key, fallback, out, QStringLiteral("a whole number from 0 to 255"));
  }

  void colour(const char* key, qint32 fallback, qint32& out) {
    std::optional<QVariant> v = fetch(key);
    if (!v) {
      out = fallback;
      return;
    }
    const auto n = wholeNumber(*v, true);
    if (!n || *n < std::numeric_limits<qint32>::min() || *n > qint64(std::numeric_limits<quint32>::max()))
      return fail(key, QStringLiteral("a colour (a 32-bit number, 0x00BBGGRR or 0x800000nn)"), *v);
    out = static_cast<qint32>(static_cast<quint32>(*n));
  }

  void text(const char* key, const QString& fallback, QString& out) {
    std::optional<QVariant> v = fetch(key);
    if (!v) {
      out = fallback;
      return;
    }
    if (v->metaType().id() == QMetaType::QString)
      out = v->toString();
    else if (platform::PropertyBag::isIntegerValue(*v))
      out = QString::number(v->toLongLong());
    else if (isFractionType(*v))
      out = QString::number(v->toDouble(), 'g', QLocale::FloatingPointShortest);
    else
      fail(key, QStringLiteral("text"), *v);
  }

  // The font read is a copy of the bag's (or of the fallback), so a stored
  // layout never shares a live font object with a control.
  void font(const char* key, const SharedFontPtr& fallback, SharedFontPtr& out) {
    std::optional<QVariant> v = fetch(key);
    if (!v) {
      out = fallback ? fallback->clone() : std::make_shared<SharedFont>();
      return;
    }
    if (v->metaType() == QMetaType::fromType<SharedFontPtr>()) {
      if (const auto font = v->value<SharedFontPtr>()) {
        out = font->clone();
        return;
      }
    } else if (v->metaType().id() == QMetaType::QString) {
      QString why;
      if (auto font = SharedFont::fromText(v->toString(), &why)) {
        out = std::move(font);
        return;
      }
      error_ = QStringLiteral("property \"%1\": expected a font, %2").arg(QLatin1String(key), why);
      return;
    }
    fail(key, QStringLiteral("a font"), *v);
  }

  void picture(const char* key, PicturePtr& out) {
    std::optional<QVariant> v = fetch(key);
    if (!v) {
      out = nullptr;
      return;
    }
    if (v->metaType() != QMetaType::fromType<PicturePtr>())
      return fail(key, QStringLiteral("a picture or none"), *v);
    out = v->value<PicturePtr>();
  }

private:
  // The stored value, or nothing when the key is absent (or reading stopped).
  std::optional<QVariant> fetch(const char* key) {
    if (failed() || !bag_.contains(QLatin1String(key)))
      return std::nullopt;
    return bag_.ReadProperty(QLatin1String(key));
  }
  void fail(const char* key, const QString& expected, const QVariant& found) {
    error_ =
        QStringLiteral("property \"%1\": expected %2, found %3").arg(QLatin1String(key), expected, describe(found));
  }

  const PropertyBag& bag_;
  QString error_;
};

} // namespace

QStringList vexabutton::persistedKeys() {
  QStringList keys;
  for (const char* key : WritingOrder)
    keys << QLatin1String(key);
  return keys;
}

QStringList vexabutton::unknownKeys(const PropertyBag& bag) {
  static const QStringList known =
      persistedKeys() + QStringList{QStringLiteral("_ExtentX"), QStringLiteral("_ExtentY")};
  QStringList unknown;
  for (const QString& key : bag.keys())
    if (!known.contains(key, Qt::CaseInsensitive))
      unknown << key;
  return unknown;
}

// ---- New instance ------------------------------------------------------------

void vexabutton::InitProperties() {
  // Every property starts from its zero value; the steps below set the rest.
  d_->rec.BackColor = 0;
  d_->rec.Value = false;
  d_->rec.HandPointer = false;
  d_->rec.PictureNormal = d_->rec.PictureHot = d_->rec.PictureDown = nullptr;
  d_->rec.PictureShadow = false;
  d_->rec.DisabledPictureMode = 0;
  d_->rec.PicturePushOnHover = false;
  d_->rec.PictureEffectOnOver = 0;
  d_->rec.PictureEffectOnDown = 0;
  d_->rec.CaptionEffects = 0;
  d_->rec.Mode = 0;
  d_->rec.ForeColor = 0;
  d_->rec.ForeColorHover = 0;
  d_->rec.DropDownSeparator = false;
  d_->rec.TooltipTitle.clear();
  d_->rec.ToolTip.clear();
  d_->rec.ToolTipIcon = 0;
  d_->rec.ToolTipType = 0;
  d_->rec.TooltipBackColor = 0;
  d_->rec.RightToLeft = d_->rec.Tooltip.rightToLeft = false;
  d_->rec.DropDownSymbol = 0;
  d_->rec.ColorScheme = 0;
  d_->mousePointer = 0;
  d_->mouseIcon = nullptr;
  applyPointer();
  d_->rec.UserMode = d_->host->ambientUserMode();

  // 1.
  d_->rec.ShowFocusRect = true;
  d_->rec.Enabled = true;
  QWidget::setEnabled(true);
  d_->rec.ButtonStyle = 13;
  // 2.
  d_->rec.Caption = d_->host->ambientDisplayName(this);
  // 3. The surface's font with the face "Tahoma", shared as mFont.
  attachFont(std::make_shared<SharedFont>(QStringLiteral("Tahoma"), 8.25));
  mFont_FontChanged(QString());
  // 4.
  d_->rec.PictureOpacity = 255;
  d_->rec.PictureOpacityOnOver = 255;
  d_->rec.PictureAlign = 1;
  d_->rec.CaptionAlign = 1;
  d_->rec.UseMaskColor = true;
  d_->rec.MaskColor = 0xE0E0E0;
  // 5.
  d_->rec.ClientHeight = d_->surface.height();
  d_->rec.ClientWidth = d_->surface.width();
  // 6.
  vexa::ApplyDefaultColorScheme(d_->rec);
  vexa::ApplyStyleDefaults(d_->rec);
  d_->surface.setTextColor(vexa::TranslateColor(d_->rec.ForeColor));
  // 7.
  update();
}

void vexabutton::loadNewInstance() {
  InitProperties();
  PropertyBag bag;
  WriteProperties(bag);
  ReadProperties(bag);
}

// ---- Load --------------------------------------------------------------------

bool vexabutton::ReadProperties(const PropertyBag& bag, QString* error) {
  // Read into a copy and commit only when every key converted.
  ButtonRecord r = d_->rec;
  qint16 pointer = 0;
  PicturePtr icon;
  const SharedFontPtr ambientFont = d_->host->ambientFont();

  BagReader in(bag);
  in.int32("ButtonStyle", 1, r.ButtonStyle);
  in.boolean("ShowFocusRect", false, r.ShowFocusRect);
  in.font("Font", ambientFont, r.mFont);
  in.colour("BackColor", vexa::TranslateColor(ButtonFaceRef), r.BackColor);
  in.boolean("Enabled", true, r.Enabled);
  in.text("Caption", DefaultCaption, r.Caption);
  in.boolean("Value", false, r.Value);
  in.int16("MousePointer", 0, pointer);
  in.boolean("HandPointer", false, r.HandPointer);
  in.picture("MouseIcon", icon);
  in.picture("PictureNormal", r.PictureNormal);
  in.picture("PictureHot", r.PictureHot);
  in.picture("PictureDown", r.PictureDown);
  in.boolean("PictureShadow", false, r.PictureShadow);
  in.byte("PictureOpacity", 255, r.PictureOpacity);
  in.byte("PictureOpacityOnOver", 255, r.PictureOpacityOnOver);
  in.int32("DisabledPictureMode", 0, r.DisabledPictureMode);
  in.boolean("PicturePushOnHover", false, r.PicturePushOnHover);
  in.int32("PictureEffectOnOver", 1, r.PictureEffectOnOver);
  in.int32("PictureEffectOnDown", 2, r.PictureEffectOnDown);
  in.colour("MaskColor", 0xE0E0E0, r.MaskColor);
  in.boolean("UseMaskColor", true, r.UseMaskColor);
  in.int32("CaptionEffects", 0, r.CaptionEffects);
  in.int32("Mode", 0, r.Mode);
  in.int32("PictureAlign", 1, r.PictureAlign);
  in.int32("CaptionAlign", 1, r.CaptionAlign);
  in.colour("ForeColor", vexa::TranslateColor(ButtonTextRef), r.ForeColor);
  in.colour("ForeColorHover", vexa::TranslateColor(ButtonTextRef), r.ForeColorHover);
  in.boolean("DropDownSeparator", false, r.DropDownSeparator);
  in.text("TooltipTitle", QString(), r.TooltipTitle);
  in.text("ToolTip", QString(), r.ToolTip);
  in.int32("TooltipIcon", 0, r.ToolTipIcon);
  in.int32("TooltipType", 0, r.ToolTipType);
  in.colour("TooltipBackColor", vexa::TranslateColor(InfoBackgroundRef), r.TooltipBackColor);
  in.boolean("RightToLeft", false, r.RightToLeft);
  in.boolean("RightToLeft", false, r.Tooltip.rightToLeft);
  in.int32("DropDownSymbol", 0, r.DropDownSymbol);
  in.int32("ColorScheme", 0, r.ColorScheme);
  if (in.failed()) {
    if (error)
      *error = in.error();
    return false;
  }

  // 1. Commit, with what the surface takes from the values read.
  d_->rec = std::move(r);
  attachFont(d_->rec.mFont);
  d_->mousePointer = pointer;
  d_->mouseIcon = std::move(icon);
  applyPointer();
  d_->surface.setTextColor(vexa::TranslateColor(d_->rec.ForeColor));
  // 2.
  QWidget::setEnabled(d_->rec.Enabled);
  // 3.
  SetAccessKeys();
  // 4.
  d_->rec.ClientHeight = d_->surface.height();
  d_->rec.ClientWidth = d_->surface.width();
  // 5.
  const QWidget* parent = parentWidget();
  d_->rec.ParentHwnd = parent ? quintptr(platform::WindowRegistry::handleOf(parent->window())) : 0;
  // 7. (6, releasing the bag, is the caller's.)
  if (d_->rec.HandPointer)
    d_->rec.HandPointer = loadHandCursor();
  // 8.
  resizeStep();
  // 9.
  d_->rec.UserMode = d_->host->ambientUserMode();
  if (d_->rec.UserMode) {
    d_->subclassingStarted = true;
    startSubclassing();
  }
  return true;
}

// ---- Save --------------------------------------------------------------------

void vexabutton::WriteProperties(PropertyBag& bag) const {
  // Fonts are written as copies: the bag is a stored layout, not a live object.
  auto font = [](const SharedFontPtr& f) { return QVariant::fromValue(f ? f->clone() : SharedFontPtr()); };
  auto picture = [](const PicturePtr& p) { return QVariant::fromValue(p); };
  const qint32 buttonFace = vexa::TranslateColor(ButtonFaceRef);
  const qint32 buttonText = vexa::TranslateColor(ButtonTextRef);
  const QVariant none = picture(nullptr);

  bag.WriteProperty(QStringLiteral("ButtonStyle"), d_->rec.ButtonStyle, 1);
  bag.WriteProperty(QStringLiteral("ShowFocusRect"), d_->rec.ShowFocusRect, false);
  bag.WriteProperty(QStringLiteral("Enabled"), d_->rec.Enabled, true);
  bag.WriteProperty(QStringLiteral("Font"), font(d_->rec.mFont), font(d_->host->ambientFont()));
  bag.WriteProperty(QStringLiteral("BackColor"), d_->rec.BackColor, buttonFace);
  bag.WriteProperty(QStringLiteral("Caption"), d_->rec.Caption, DefaultCaption);
  bag.WriteProperty(QStringLiteral("ForeColor"), d_->rec.ForeColor, buttonText);
  bag.WriteProperty(QStringLiteral("ForeColorHover"), d_->rec.ForeColorHover, buttonText);
  bag.WriteProperty(QStringLiteral("Mode"), d_->rec.Mode, 0);
  bag.WriteProperty(QStringLiteral("Value"), d_->rec.Value, false);
  bag.WriteProperty(QStringLiteral("MousePointer"), int(d_->mousePointer), 0);
  bag.WriteProperty(QStringLiteral("HandPointer"), d_->rec.HandPointer, false);
  bag.WriteProperty(QStringLiteral("MouseIcon"), picture(d_->mouseIcon), none);
  bag.WriteProperty(QStringLiteral("PictureNormal"), picture(d_->rec.PictureNormal), none);
  bag.WriteProperty(QStringLiteral("PictureHot"), picture(d_->rec.PictureHot), none);
  bag.WriteProperty(QStringLiteral("PictureDown"), picture(d_->rec.PictureDown), none);
  bag.WriteProperty(QStringLiteral("PictureAlign"), d_->rec.PictureAlign, 1);
  bag.WriteProperty(QStringLiteral("PictureEffectOnOver"), d_->rec.PictureEffectOnOver, 1);
  bag.WriteProperty(QStringLiteral("PictureEffectOnDown"), d_->rec.PictureEffectOnDown, 2);
  bag.WriteProperty(QStringLiteral("PicturePushOnHover"), d_->rec.PicturePushOnHover, false);
  bag.WriteProperty(QStringLiteral("PictureShadow"), d_->rec.PictureShadow, false);
  bag.WriteProperty(QStringLiteral("PictureOpacity"), int(d_->rec.PictureOpacity), 255);
  bag.WriteProperty(QStringLiteral("PictureOpacityOnOver"), int(d_->rec.PictureOpacityOnOver), 255);
  bag.WriteProperty(QStringLiteral("DisabledPictureMode"), d_->rec.DisabledPictureMode, 0);
  bag.WriteProperty(QStringLiteral("CaptionEffects"), d_->rec.CaptionEffects, 0);
  bag.WriteProperty(QStringLiteral("UseMaskColor"), d_->rec.UseMaskColor, true);
  bag.WriteProperty(QStringLiteral("MaskColor"), d_->rec.MaskColor, 0xE0E0E0);
  bag.WriteProperty(QStringLiteral("CaptionAlign"), d_->rec.CaptionAlign, 1);
  bag.WriteProperty(QStringLiteral("ToolTip"), d_->rec.ToolTip, QString());
  bag.WriteProperty(QStringLiteral("TooltipType"), d_->rec.ToolTipType, 0);
  bag.WriteProperty(QStringLiteral("TooltipIcon"), d_->rec.ToolTipIcon, 0);
  bag.WriteProperty(QStringLiteral("TooltipTitle"), d_->rec.TooltipTitle, QString());
  bag.WriteProperty(QStringLiteral("TooltipBackColor"), d_->rec.TooltipBackColor,
                    vexa::TranslateColor(InfoBackgroundRef));
  bag.WriteProperty(QStringLiteral("RightToLeft"), d_->rec.RightToLeft, false);
  bag.WriteProperty(QStringLiteral("DropDownSymbol"), d_->rec.DropDownSymbol, 0);
  bag.WriteProperty(QStringLiteral("DropDownSeparator"), d_->rec.DropDownSeparator, false);
  bag.WriteProperty(QStringLiteral("ColorScheme"), d_->rec.ColorScheme, 0);
}

// ---- Help texts ----------------------------------------------------------------

QString vexabutton::helpString(const QString& member) {
  static const QHash<QString, QString> texts = [] {
    QHash<QString, QString> t;
    auto add = [&t](const char* name, const char* text) {
      t.insert(QString::fromLatin1(name).toLower(), QString::fromLatin1(text));
    };
    // Properties
    add("BackColor", "Returns/sets the background color used for the button.");
    add("ButtonStyle", "Returns/sets a value to determine the style used to draw the button.");
    add("Caption", "Returns/sets the text displayed in the button.");
    add("CaptionAlign", "Returns/Sets the position of the Caption.");
    add("DropDownSymbol", "Returns/Sets the Symbol to be used for displaying PopupMenu.");
    add("DropDownSeparator", "Returns/Sets the value whether to display DropDown Separator.");
    add("DisabledPictureMode", "Returns/Sets the effect to be used for picture when button is disabled.");
    add("Enabled", "Returns/sets a value to determine whether the button can respond to events.");
    add("Font", "Returns/sets the Font used to display text on the button.");
    add("ForeColor", "Returns/sets the text color of the button caption.");
    add("ForeColorHover", "Returns/sets the text color of the button caption when Mouse is over the control.");
    add("HandPointer",
        "Returns/sets a value to determine whether the control uses the system's hand pointer as its cursor.");
    add("hWnd", "Returns a handle that uniquely identifies the control.");
    add("MaskColor", "Returns/sets a color in a button's picture to be transparent.");
    add("Mode", "Returns/sets the type of control the button will observe.");
    add("MouseIcon", "Sets a custom mouse icon for the button.");
    add("MousePointer", "Returns/sets the type of mouse pointer displayed when cursor over the button.");
    add("PictureNormal", "Returns/sets the picture displayed on a normal state button.");
    add("PictureHot", "Returns/sets the picture displayed when the cursor is over the control.");
    add("PictureDown", "Returns/sets the picture displayed when the control is pressed down or in checked state.");
    add("PictureAlign", "Returns/sets a value to determine where to draw the picture in the button.");
    add("PictureShadow", "Returns/Sets a value to determine whether to display Picture Shadow");
    add("PictureEffectOnOver", "Returns/Sets the Picture Effects to be applied when the mouseis over the control.");
    add("PictureEffectOnDown", "Returns/Sets the Picture Effects to be applied when the Button is pressed down.");
    add("PicturePushOnHover",
        "Returns/Sets a value to determine whether to Push picture when Mouse is over the control.");
    add("PictureOpacity", "Returns/Sets a byte value to control the Opacity of the Picture.");
    add("PictureOpacityOnOver",
        "Returns/Sets a byte value to control the Opacity of the Picture when Mouse is over the button.");
    add("RightToLeft", "Returns/Sets a value to determine whether to display text in RTL mode.");
    add("CaptionEffects", "Returns/Sets the Special Effects apply to the caption.");
    add("ShowFocusRect", "Returns/Sets a value to show Focusrect when the button has focus");
    add("UseMaskColor",
        "Returns/sets a value to determine whether to use MaskColor to create transparent areas of the picture.");
    add("Value", "Returns/sets the value or state of the button.");
    add("TooltipTitle", "Returns/Sets the text displayed in the title of the tooltip.");
    add("ToolTip", "Returns/Sets the text displayed when mouse is paused over the control.");
    add("TooltipBackColor", "Returns/Sets color to be displayed in the tooltip.");
    add("ToolTipIcon", "Returns/Sets an icon value to be displayed in the tooltip.");
    add("ToolTipType", "Returns/Sets the Style of the tooltip.");
    add("ColorScheme", "Returns/Sets the ColorScheme to be used for the Background color.");
    // Events
    add("Click", "Occurs when the user presses and then releases a mouse button over the button.");
    add("DblClick", "Occurs when the user clicks over the button twice.");
    add("MouseEnter", "Occrus when the cursor moves around the button for the first time.");
    add("MouseLeave", "Occurs when the cursor leaves/moves outside the button.");
    add("MouseMove", "Occurs when the cursor moves over the button.");
    add("MouseUp", "Occurs when the user releases the mouse button while the button has the focus.");
    add("MouseDown", "Occurs when the user presses the mouse button while the button has the focus.");
    add("KeyDown", "Occurs when the user presses a key while the button has the focus.");
    add("KeyUp", "Occurs when the user releases a key while the button has the focus.");
    add("KeyPress", "Occurs when the user presses and releases an ANSI key.");
    // Methods
    add("SetPopupMenu", "Sets a dropdown menu to the button.");
    add("UnsetPopupMenu", "Unsets a popupmenu that was previously set for that button.");
    add("OpenWebsite", "Opens a website specified by URL");
    add("About", "Displays information about the control and its author.");
    return t;
  }();
  return texts.value(member.toLower());
}
