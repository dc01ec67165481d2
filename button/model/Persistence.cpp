// SPDX-License-Identifier: MIT
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

#include "button/model/StoredLayout.h"

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
  void int16(const char* key, qint32 fallback, qint32& out) {
    qint16 value = 0;
    number<qint16>(key, qint16(fallback), value, QStringLiteral("a whole number from -32768 to 32767"));
    if (!failed())
      out = value;
  }
  void byte(const char* key, quint8 fallback, quint8& out) {
    number<quint8>(key, fallback, out, QStringLiteral("a whole number from 0 to 255"));
  }

  // A missing colour reads as its default as the system shows it now.
  void colour(const char* key, qint32 fallback, qint32& out) {
    std::optional<QVariant> v = fetch(key);
    if (!v) {
      out = vexa::TranslateColor(fallback);
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

  // A text longer than the control takes fails the load, naming the limit.
  void textLength(const char* key, const QString& text, qsizetype limit) {
    if (!failed() && text.size() > limit)
      error_ = QStringLiteral("property \"%1\": a text of %2 characters, longer than the %3 it takes")
                   .arg(QLatin1String(key))
                   .arg(text.size())
                   .arg(limit);
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

  void picture(const char* key, const PicturePtr& fallback, PicturePtr& out) {
    std::optional<QVariant> v = fetch(key);
    if (!v) {
      out = fallback;
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

// Writes keys with their write defaults; the methods mirror BagReader's.
class BagWriter {
public:
  explicit BagWriter(PropertyBag& bag) : bag_(bag) {}
  void boolean(const char* key, bool value, bool fallback) { put(key, value, fallback); }
  void int32(const char* key, qint32 value, qint32 fallback) { put(key, value, fallback); }
  void int16(const char* key, qint32 value, qint32 fallback) { put(key, int(value), int(fallback)); }
  void byte(const char* key, int value, int fallback) { put(key, value, fallback); }
  void colour(const char* key, qint32 value, qint32 fallback) { put(key, value, vexa::TranslateColor(fallback)); }
  void text(const char* key, const QString& value, const QString& fallback) { put(key, value, fallback); }
  // Fonts are written as copies: the bag is a stored layout, not a live object.
  void font(const char* key, const SharedFontPtr& value, const SharedFontPtr& fallback) {
    put(key, copyOf(value), copyOf(fallback));
  }
  void picture(const char* key, const PicturePtr& value, const PicturePtr& fallback) {
    put(key, QVariant::fromValue(value), QVariant::fromValue(fallback));
  }

private:
  static QVariant copyOf(const SharedFontPtr& f) { return QVariant::fromValue(f ? f->clone() : SharedFontPtr()); }
  void put(const char* key, const QVariant& value, const QVariant& fallback) {
    bag_.WriteProperty(QLatin1String(key), value, fallback);
  }
  PropertyBag& bag_;
};

// The value a new instance starts from; Keep leaves it to its own step.
struct KeepValue {};
constexpr KeepValue Keep;
template <typename Field, typename Value> void setNewValue(Field& field, const Value& value) { field = value; }
template <typename Field> void setNewValue(Field&, KeepValue) {}

} // namespace

void vexa::setNewInstanceValues(StoredValues& values) {
#define VEXA_NEW_VALUE(Name, Type, Kind, Field, Key, Notify, NewValue, ...) setNewValue(values.Field, NewValue);
  VEXA_BUTTON_PROPERTIES(VEXA_NEW_VALUE)
#undef VEXA_NEW_VALUE
  values.rec.Tooltip.rightToLeft = values.rec.RightToLeft;
  values.rec.TakenFromSystem = {};
  vexa::ApplyDefaultColorScheme(values.rec);
  vexa::ApplyStyleDefaults(values.rec);
}

bool vexa::readStoredValues(const PropertyBag& bag, const SharedFontPtr& ambientFont, StoredValues& s, QString* error) {
  BagReader in(bag);
#define VEXA_READ(Name, Type, Kind, Field, Key, Notify, NewValue, ReadDefault, ...)                                    \
  in.Kind(Key, decltype(s.Field)(ReadDefault), s.Field);
  VEXA_BUTTON_PROPERTIES(VEXA_READ)
#undef VEXA_READ
  in.textLength("Caption", s.rec.Caption, vexabutton::MaxCaptionLength);
  s.rec.Tooltip.rightToLeft = s.rec.RightToLeft;
  // A missing colour key leaves the system's colour of the moment.
  const auto taken = [&](const char* key, qint32 value) {
    return bag.contains(QLatin1String(key)) ? std::nullopt : std::optional<qint32>(value);
  };
  s.rec.TakenFromSystem = {taken("BackColor", s.rec.BackColor), taken("ForeColor", s.rec.ForeColor),
                           taken("ForeColorHover", s.rec.ForeColorHover),
                           taken("TooltipBackcolor", s.rec.TooltipBackColor)};
  if (in.failed()) {
    if (error)
      *error = in.error();
    return false;
  }
  return true;
}

QStringList vexabutton::persistedKeys() {
  return {
#define VEXA_KEY(Name, Type, Kind, Field, Key, ...) QStringLiteral(Key),
      VEXA_BUTTON_PROPERTIES(VEXA_KEY)
#undef VEXA_KEY
  };
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
  ChangeSignals watch(*this);
  // Every property starts from its new-instance value, with the style's
  // colours over the zero colours; the steps below set what the host and
  // the font decide.
  vexa::StoredValues values{d_->rec, d_->mousePointer, d_->mouseIcon};
  vexa::setNewInstanceValues(values);
  d_->rec = std::move(values.rec);
  d_->mousePointer = values.mousePointer;
  d_->mouseIcon = std::move(values.mouseIcon);
  applyPointer();
  d_->rec.UserMode = d_->host->ambientUserMode();
  d_->rec.Caption = d_->host->ambientDisplayName(this);
  // The host's font: the one chosen around a button outside the program's
  // forms, else the surface's font with the face "Tahoma", shared as mFont.
  d_->shareDefaultFont();
  d_->fontFromHost = true;
  d_->followHostFont();
  mFont_FontChanged(QString());
  d_->rec.ClientHeight = d_->surface.height();
  d_->rec.ClientWidth = d_->surface.width();
  d_->surface.setTextColor(vexa::TranslateColor(d_->rec.ForeColor));
  showStateOnWidget();
  d_->rightToLeftFromHost = true;
  d_->followLayoutDirection();
  update();
}

void vexabutton::loadNewInstance() {
  // One change signal per property, once the whole step is done.
  ChangeSignals watch(*this);
  InitProperties();
  PropertyBag bag;
  WriteProperties(bag);
  ReadProperties(bag);
  // What the new instance took from its surroundings it goes on following.
  d_->fontFromHost = true;
  d_->rightToLeftFromHost = true;
  d_->followHostFont();
  d_->followLayoutDirection();
}

// ---- Load --------------------------------------------------------------------

bool vexabutton::ReadProperties(const PropertyBag& bag, QString* error) {
  // Read into a copy and commit only when every key converted.
  vexa::StoredValues s{d_->rec, 0, nullptr};
  if (!vexa::readStoredValues(bag, d_->host->ambientFont(), s, error))
    return false;

  // Commit, with what the surface takes from the values read. A value the
  // load changes is a real change and emits its change signal.
  ChangeSignals watch(*this);
  d_->rec = std::move(s.rec);
  d_->fontFromHost = !bag.contains(QStringLiteral("Font"));
  d_->rightToLeftFromHost = !bag.contains(QStringLiteral("RightToLeft"));
  d_->shareFontIfDefault();
  if (d_->fontFromHost)
    d_->followHostFont();
  d_->followLayoutDirection();
  d_->mousePointer = s.mousePointer;
  d_->mouseIcon = std::move(s.mouseIcon);
  applyPointer();
  d_->surface.setTextColor(vexa::TranslateColor(d_->rec.ForeColor));
  showStateOnWidget();
  SetAccessKeys();
  d_->rec.ClientHeight = d_->surface.height();
  d_->rec.ClientWidth = d_->surface.width();
  const QWidget* parent = parentWidget();
  d_->rec.ParentHwnd = parent ? quintptr(platform::WindowRegistry::handleOf(parent->window())) : 0;
  // A stored hand pointer holds only where the system offers one.
  if (d_->rec.HandPointer)
    d_->rec.HandPointer = loadHandCursor();
  resizeStep();
  warnOfUnlistedValues();
  // Only a running host tracks the pointer and the window's activation.
  d_->rec.UserMode = d_->host->ambientUserMode();
  if (d_->rec.UserMode)
    d_->startHoverTracking();
  return true;
}

// ---- Save --------------------------------------------------------------------

void vexabutton::WriteProperties(PropertyBag& bag) const {
  const SharedFontPtr ambientFont = d_->host->ambientFont();
  BagWriter out(bag);
#define VEXA_WRITE(Name, Type, Kind, Field, Key, Notify, NewValue, ReadDefault, ...)                                   \
  out.Kind(Key, valueNow(*d_, d_->Field), decltype(vexa::StoredValues{}.Field)(ReadDefault));
  VEXA_BUTTON_PROPERTIES(VEXA_WRITE)
#undef VEXA_WRITE
}

// ---- Help texts ----------------------------------------------------------------

QString vexabutton::helpString(const QString& member) {
  static const QHash<QString, QString> texts = [] {
    QHash<QString, QString> t;
    auto add = [&t](const char* name, const char* text) {
      t.insert(QString::fromLatin1(name).toLower(), QString::fromLatin1(text));
    };
    // Properties
#define VEXA_HELP(Name, Type, Kind, Field, Key, Notify, NewValue, ReadDefault, Change, Setter, Help) add(#Name, Help);
    VEXA_BUTTON_PROPERTIES(VEXA_HELP)
#undef VEXA_HELP
    add("hWnd", "Returns a handle that uniquely identifies the control.");
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
