// SPDX-License-Identifier: MIT
#include "platform/PropertyBag.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cctype>
#include <cmath>
#include <limits>

namespace platform {

qsizetype PropertyBag::indexOf(const QString& key) const { return index_.value(key.toCaseFolded(), -1); }

void PropertyBag::append(const QString& key, QVariant value) {
  index_.insert(key.toCaseFolded(), qsizetype(entries_.size()));
  entries_.push_back({key, std::move(value)});
}

// Removing is the rare case: the entries after it move up one place.
void PropertyBag::eraseAt(qsizetype i) {
  index_.remove(entries_[i].key.toCaseFolded());
  entries_.erase(entries_.begin() + i);
  for (qsizetype j = i; j < qsizetype(entries_.size()); ++j)
    index_[entries_[j].key.toCaseFolded()] = j;
}

QVariant PropertyBag::ReadProperty(const QString& key, const QVariant& defaultValue) const {
  const qsizetype i = indexOf(key);
  return i < 0 ? defaultValue : entries_[i].value;
}

void PropertyBag::WriteProperty(const QString& key, const QVariant& value, const QVariant& defaultValue) {
  const qsizetype i = indexOf(key);
  if (valuesEqual(value, defaultValue)) {
    if (i >= 0)
      eraseAt(i);
    return;
  }
  if (i >= 0)
    entries_[i].value = value;
  else
    append(key, value);
}

bool PropertyBag::contains(const QString& key) const { return indexOf(key) >= 0; }

void PropertyBag::remove(const QString& key) {
  const qsizetype i = indexOf(key);
  if (i >= 0)
    eraseAt(i);
}

QStringList PropertyBag::keys() const {
  QStringList result;
  for (const auto& entry : entries_)
    result << entry.key;
  return result;
}

namespace {

bool isFont(const QVariant& v) { return v.metaType() == QMetaType::fromType<SharedFontPtr>(); }
bool isPicture(const QVariant& v) { return v.metaType() == QMetaType::fromType<PicturePtr>(); }

bool isNumber(const QVariant& v) {
  const int id = v.metaType().id();
  return PropertyBag::isIntegerValue(v) || id == QMetaType::Double || id == QMetaType::Float;
}

bool samePicture(const PicturePtr& a, const PicturePtr& b) {
  if (a == b)
    return true;
  if (!a || !b)
    return false;
  return a->Type == b->Type && a->Width == b->Width && a->Height == b->Height && a->image == b->image &&
         a->highResolution == b->highResolution;
}

} // namespace

std::optional<qint64> PropertyBag::parseWholeNumber(const QString& text, bool allowHex) {
  QStringView t = QStringView(text).trimmed();
  bool ok = false;
  if (allowHex && (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ||
                   t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))) {
    if (t.startsWith(QLatin1Char('&')) && t.endsWith(QLatin1Char('&')))
      t.chop(1);
    const QStringView digits = t.mid(2);
    if (digits.isEmpty() || digits.size() > 8)
      return std::nullopt;
    // Digits only: the number readers would also take a sign or spaces here.
    for (QChar ch : digits)
      if (!std::isxdigit(static_cast<unsigned char>(ch.toLatin1())) || ch.unicode() > 0x7F)
        return std::nullopt;
    const qint64 value = qint64(digits.toULongLong(&ok, 16));
    return ok ? std::optional<qint64>(value) : std::nullopt;
  }
  const qint64 value = t.toLongLong(&ok, 10);
  return ok ? std::optional<qint64>(value) : std::nullopt;
}

bool PropertyBag::isIntegerValue(const QVariant& v) {
  switch (v.metaType().id()) {
  case QMetaType::Int:
  case QMetaType::UInt:
  case QMetaType::LongLong:
  case QMetaType::ULongLong:
  case QMetaType::Short:
  case QMetaType::UShort:
  case QMetaType::UChar:
  case QMetaType::SChar:
  case QMetaType::Char:
  case QMetaType::Long:
  case QMetaType::ULong:
    return true;
  default:
    return false;
  }
}

bool PropertyBag::valuesEqual(const QVariant& a, const QVariant& b) {
  if (isFont(a) || isFont(b)) {
    if (!isFont(a) || !isFont(b))
      return false;
    const auto fa = a.value<SharedFontPtr>();
    const auto fb = b.value<SharedFontPtr>();
    if (!fa || !fb)
      return fa == fb;
    return fa->sameAs(*fb);
  }
  if (isPicture(a) || isPicture(b)) {
    if (!isPicture(a) || !isPicture(b))
      return false;
    return samePicture(a.value<PicturePtr>(), b.value<PicturePtr>());
  }
  // Booleans compare with Booleans only, so False is stored against a
  // numeric default of 0 and the other way round.
  const bool boolA = a.metaType().id() == QMetaType::Bool;
  const bool boolB = b.metaType().id() == QMetaType::Bool;
  if (boolA || boolB)
    return boolA && boolB && a.toBool() == b.toBool();
  if (isNumber(a) && isNumber(b)) {
    const bool wholeA = a.metaType().id() != QMetaType::Double && a.metaType().id() != QMetaType::Float;
    const bool wholeB = b.metaType().id() != QMetaType::Double && b.metaType().id() != QMetaType::Float;
    if (wholeA && wholeB)
      return a.toLongLong() == b.toLongLong();
    return a.toDouble() == b.toDouble();
  }
  if (a.metaType().id() == QMetaType::QString && b.metaType().id() == QMetaType::QString)
    return a.toString() == b.toString();
  if (!a.isValid() || !b.isValid())
    return a.isValid() == b.isValid();
  return a == b;
}

// ---- JSON ------------------------------------------------------------------

namespace {

QJsonValue toJsonValue(const QVariant& value) {
  if (isFont(value)) {
    const auto font = value.value<SharedFontPtr>();
    if (!font)
      return QJsonValue(QJsonValue::Null);
    return QJsonObject{{QStringLiteral("Font"), font->toText()}};
  }
  if (isPicture(value)) {
    const auto picture = value.value<PicturePtr>();
    if (!picture || picture->isEmpty())
      return QJsonValue(QJsonValue::Null);
    QJsonObject stored{{QStringLiteral("Picture"), picture->Type}, {QStringLiteral("Png"), picture->toStored()}};
    if (!picture->highResolution.isNull())
      stored.insert(QStringLiteral("Png2x"), Picture::fromImage(picture->highResolution, picture->Type)->toStored());
    return stored;
  }
  switch (value.metaType().id()) {
  case QMetaType::Bool:
    return value.toBool();
  case QMetaType::QString:
    return value.toString();
  case QMetaType::Double:
  case QMetaType::Float:
    return value.toDouble();
  default:
    break;
  }
  if (isNumber(value))
    return QJsonValue(value.toLongLong());
  return QJsonValue::fromVariant(value);
}

// One value in compact JSON text.
QByteArray valueText(const QJsonValue& value) {
  QByteArray text = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
  return text.mid(1, text.size() - 2); // drop the array brackets
}

// The member names of the top-level object in the order they appear in the
// text (QJsonObject keeps them sorted). The text is already known to be valid.
QStringList topLevelKeysInOrder(const QByteArray& json) {
  QStringList keys;
  int depth = 0;
  bool expectKey = false;
  for (qsizetype i = 0; i < json.size(); ++i) {
    const char c = json[i];
    if (c == '"') {
      const qsizetype start = i;
      for (++i; i < json.size() && json[i] != '"'; ++i)
        if (json[i] == '\\')
          ++i;
      if (depth == 1 && expectKey) {
        const QByteArray quoted = json.mid(start, i - start + 1);
        const QJsonDocument doc = QJsonDocument::fromJson("[" + quoted + "]");
        keys << doc.array().at(0).toString();
        expectKey = false;
      }
    } else if (c == '{' || c == '[') {
      ++depth;
      expectKey = depth == 1 && c == '{';
    } else if (c == '}' || c == ']') {
      --depth;
    } else if (c == ',' && depth == 1) {
      expectKey = true;
    }
  }
  return keys;
}

// A JSON value back into a bag value. Whole numbers become int when they fit
// 32 bits, qlonglong otherwise; fractions stay double.
std::optional<QVariant> fromJsonValue(const QString& key, const QJsonValue& value, QString* error) {
  auto fail = [&](const QString& why) -> std::optional<QVariant> {
    if (error)
      *error = QStringLiteral("property \"%1\": %2").arg(key, why);
    return std::nullopt;
  };
  switch (value.type()) {
  case QJsonValue::Null:
    return QVariant::fromValue(PicturePtr());
  case QJsonValue::Bool:
    return QVariant(value.toBool());
  case QJsonValue::String:
    return QVariant(value.toString());
  case QJsonValue::Double: {
    const double d = value.toDouble();
    if (std::isfinite(d) && std::trunc(d) == d && std::fabs(d) < 9.0e15) {
      const auto whole = static_cast<qlonglong>(d);
      if (whole >= std::numeric_limits<qint32>::min() && whole <= std::numeric_limits<qint32>::max())
        return QVariant(int(whole));
      return QVariant(whole);
    }
    return QVariant(d);
  }
  case QJsonValue::Object: {
    const QJsonObject object = value.toObject();
    if (object.contains(QStringLiteral("Font"))) {
      const QJsonValue text = object.value(QStringLiteral("Font"));
      if (!text.isString() || object.size() != 1)
        return fail(QStringLiteral("a font is stored as {\"Font\": \"Face,points,weight,charset[,styles]\"}"));
      QString why;
      auto font = SharedFont::fromText(text.toString(), &why);
      if (!font)
        return fail(why);
      return QVariant::fromValue(SharedFontPtr(std::move(font)));
    }
    if (object.contains(QStringLiteral("Picture"))) {
      const QJsonValue type = object.value(QStringLiteral("Picture"));
      const QJsonValue png = object.value(QStringLiteral("Png"));
      const QJsonValue png2x = object.value(QStringLiteral("Png2x"));
      const bool variant = object.contains(QStringLiteral("Png2x"));
      if (!type.isDouble() || !png.isString() || (variant && !png2x.isString()) || object.size() != 2 + variant)
        return fail(QStringLiteral("a picture is stored as {\"Picture\": 1 or 3, \"Png\": \"base64 PNG data\"} "
                                   "with an optional \"Png2x\" of twice the size"));
      QString why;
      auto picture = Picture::fromStored(type.toInt(), png.toString(), &why);
      if (!picture)
        return fail(why);
      if (variant) {
        const auto large = Picture::fromStored(type.toInt(), png2x.toString(), &why);
        if (!large)
          return fail(QStringLiteral("Png2x: ") + why);
        if (large->image.size() != picture->image.size() * 2)
          return fail(QStringLiteral("Png2x: the picture is %1 x %2 pixels, not twice %3 x %4")
                          .arg(large->image.width())
                          .arg(large->image.height())
                          .arg(picture->image.width())
                          .arg(picture->image.height()));
        auto both = std::make_shared<Picture>(*picture);
        both->highResolution = large->image.convertToFormat(picture->image.format());
        picture = std::move(both);
      }
      return QVariant::fromValue(PicturePtr(std::move(picture)));
    }
    return fail(QStringLiteral("an object that is neither a font {\"Font\": ...} nor a picture {\"Picture\": ...}"));
  }
  case QJsonValue::Array:
    return fail(QStringLiteral("a list is not a property value"));
  case QJsonValue::Undefined:
    break;
  }
  return fail(QStringLiteral("no value"));
}

} // namespace

QByteArray PropertyBag::toJson() const {
  if (entries_.empty())
    return "{}\n";
  QByteArray text = "{\n";
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    text += "  " + valueText(entries_[i].key) + ": " + valueText(toJsonValue(entries_[i].value));
    text += i + 1 < entries_.size() ? ",\n" : "\n";
  }
  text += "}\n";
  return text;
}

std::optional<PropertyBag> PropertyBag::fromJson(const QByteArray& json, QString* error) {
  QJsonParseError parseError;
  const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
  if (parseError.error != QJsonParseError::NoError) {
    if (error)
      *error = QStringLiteral("malformed property bag at offset %1: %2")
                   .arg(parseError.offset)
                   .arg(parseError.errorString());
    return std::nullopt;
  }
  if (!doc.isObject()) {
    if (error)
      *error = QStringLiteral("a property bag is one JSON object of keys and values");
    return std::nullopt;
  }
  const QJsonObject object = doc.object();
  // Keys in the order of the text; a key written twice shows up twice here
  // (QJsonObject keeps only the last) and is refused below.
  QStringList order = topLevelKeysInOrder(json);
  for (const QString& key : std::as_const(order))
    if (!object.contains(key)) {
      order = object.keys();
      break;
    }
  PropertyBag bag;
  for (const QString& key : std::as_const(order)) {
    if (bag.contains(key)) {
      if (error)
        *error = QStringLiteral("property \"%1\" appears more than once").arg(key);
      return std::nullopt;
    }
    auto value = fromJsonValue(key, object.value(key), error);
    if (!value)
      return std::nullopt;
    bag.append(key, std::move(*value));
  }
  return bag;
}

} // namespace platform
