// SPDX-License-Identifier: MIT
#include "platform/SharedFont.h"

#include "platform/Geometry.h"
#include "platform/ProgramFonts.h"

#include <QLocale>

namespace platform {

SharedFont::SharedFont(const QString& name, double size, int weight, int charset, bool italic, bool underline,
                       bool strikethrough)
    : name_(name), weight_(weight), charset_(charset), italic_(italic), underline_(underline),
      strikethrough_(strikethrough) {
  Q_ASSERT_X(sizeError(size).isEmpty(), "SharedFont", "font size out of range");
  if (sizeError(size).isEmpty())
    size_ = size;
}

namespace {

QString sizeRangeMessage(const QString& shown) {
  return QStringLiteral("the size \"%1\" is not a number of points from %2 to %3")
      .arg(shown)
      .arg(SharedFont::MinSize)
      .arg(SharedFont::MaxSize);
}

} // namespace

QString SharedFont::sizeError(double size) {
  // The negated test also refuses NaN.
  if (!(size >= MinSize && size <= MaxSize))
    return sizeRangeMessage(QString::number(size, 'g', QLocale::FloatingPointShortest));
  return {};
}

bool SharedFont::setSize(double size, QString* error) {
  const QString why = sizeError(size);
  if (!why.isEmpty()) {
    if (error)
      *error = QStringLiteral("font \"%1\": %2").arg(name_, why);
    return false;
  }
  if (size_ != size) {
    size_ = size;
    emit FontChanged(QStringLiteral("Size"));
  }
  return true;
}

#define VEXA_FONT_SETTER(setter, member, type, attribute)                                                              \
  void SharedFont::setter(type value) {                                                                                \
    if (member == value)                                                                                               \
      return;                                                                                                          \
    member = value;                                                                                                    \
    emit FontChanged(QStringLiteral(attribute));                                                                       \
  }

VEXA_FONT_SETTER(setName, name_, const QString&, "Name")
VEXA_FONT_SETTER(setWeight, weight_, int, "Weight")
VEXA_FONT_SETTER(setCharset, charset_, int, "Charset")
VEXA_FONT_SETTER(setItalic, italic_, bool, "Italic")
VEXA_FONT_SETTER(setUnderline, underline_, bool, "Underline")
VEXA_FONT_SETTER(setStrikethrough, strikethrough_, bool, "Strikethrough")
#undef VEXA_FONT_SETTER

void SharedFont::setBold(bool bold) { setWeight(bold ? 700 : 400); }

QFont SharedFont::toQFont() const {
  // A face the program maps to another (Calibri to Carlito) is asked for by
  // its substitute's name, so the font database does not first search for
  // the missing face.
  ensureProgramFonts();
  QFont font(QFont::substitute(name_));
  font.setPixelSize(qMax(1, roundHalfEven(size_ * 96.0 / 72.0)));
  // Weight 0 is "don't care", drawn regular.
  font.setWeight(QFont::Weight(weight_ == 0 ? 400 : qBound(1, weight_, 1000)));
  font.setItalic(italic_);
  font.setUnderline(underline_);
  font.setStrikeOut(strikethrough_);
  return font;
}

bool SharedFont::sameAs(const SharedFont& other) const {
  return name_.compare(other.name_, Qt::CaseInsensitive) == 0 && size_ == other.size_ && weight_ == other.weight_ &&
         charset_ == other.charset_ && italic_ == other.italic_ && underline_ == other.underline_ &&
         strikethrough_ == other.strikethrough_;
}

std::shared_ptr<SharedFont> SharedFont::clone() const {
  return std::make_shared<SharedFont>(name_, size_, weight_, charset_, italic_, underline_, strikethrough_);
}

QString SharedFont::toText() const {
  QString text = QStringLiteral("%1,%2,%3,%4")
                     .arg(name_, QString::number(size_, 'g', QLocale::FloatingPointShortest))
                     .arg(weight_)
                     .arg(charset_);
  if (italic_)
    text += QStringLiteral(",italic");
  if (underline_)
    text += QStringLiteral(",underline");
  if (strikethrough_)
    text += QStringLiteral(",strikethrough");
  return text;
}

std::shared_ptr<SharedFont> SharedFont::fromText(const QString& text, QString* error) {
  const QStringList parts = text.split(QLatin1Char(','));
  auto fail = [&](const QString& why) -> std::shared_ptr<SharedFont> {
    if (error)
      *error = QStringLiteral("font \"%1\": %2").arg(text, why);
    return nullptr;
  };
  if (parts.size() < 4)
    return fail(QStringLiteral("expected \"Face,points,weight,charset[,italic][,underline][,strikethrough]\""));
  const QString name = parts[0].trimmed();
  if (name.isEmpty())
    return fail(QStringLiteral("the face name is empty"));
  bool ok = false;
  const double size = parts[1].trimmed().toDouble(&ok);
  if (!ok || !sizeError(size).isEmpty())
    return fail(sizeRangeMessage(parts[1]));
  const int weight = parts[2].trimmed().toInt(&ok);
  if (!ok || weight < 0 || weight > 1000)
    return fail(QStringLiteral("the weight \"%1\" is not a number from 0 to 1000").arg(parts[2]));
  const int charset = parts[3].trimmed().toInt(&ok);
  if (!ok || charset < 0 || charset > 255)
    return fail(QStringLiteral("the character set \"%1\" is not a number from 0 to 255").arg(parts[3]));
  auto font = std::make_shared<SharedFont>(name, size, weight, charset);
  for (int i = 4; i < parts.size(); ++i) {
    const QString flag = parts[i].trimmed().toLower();
    if (flag == QLatin1String("italic"))
      font->italic_ = true;
    else if (flag == QLatin1String("underline"))
      font->underline_ = true;
    else if (flag == QLatin1String("strikethrough"))
      font->strikethrough_ = true;
    else
      return fail(QStringLiteral("unknown style \"%1\"").arg(parts[i]));
  }
  return font;
}

} // namespace platform
