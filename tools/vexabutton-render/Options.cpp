// SPDX-License-Identifier: MIT
#include "Options.h"

#include "button/model/Diagnostics.h"
#include "button/model/vexabutton.h"
#include "button/model/vexabutton_p.h"
#include "platform/Files.h"
#include "platform/Geometry.h"
#include "platform/Picture.h"
#include "platform/PropertyBag.h"
#include "platform/SharedFont.h"

#include <QBuffer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include <unistd.h>

namespace rendertool {

namespace {

constexpr int MaxDeviceSide = 8192;

enum class Kind { Number, Byte, Short, Boolean, Colour, Text, Font, Picture };

// What each persisted key takes on the command line.
Kind kindOf(const QString& key) {
  static const QHash<QString, Kind> kinds = {
      {"buttonstyle", Kind::Number},
      {"showfocusrect", Kind::Boolean},
      {"enabled", Kind::Boolean},
      {"font", Kind::Font},
      {"backcolor", Kind::Colour},
      {"caption", Kind::Text},
      {"forecolor", Kind::Colour},
      {"forecolorhover", Kind::Colour},
      {"mode", Kind::Number},
      {"value", Kind::Boolean},
      {"mousepointer", Kind::Short},
      {"handpointer", Kind::Boolean},
      {"mouseicon", Kind::Picture},
      {"picturenormal", Kind::Picture},
      {"picturehot", Kind::Picture},
      {"picturedown", Kind::Picture},
      {"picturealign", Kind::Number},
      {"pictureeffectonover", Kind::Number},
      {"pictureeffectondown", Kind::Number},
      {"picturepushonhover", Kind::Boolean},
      {"pictureshadow", Kind::Boolean},
      {"pictureopacity", Kind::Byte},
      {"pictureopacityonover", Kind::Byte},
      {"disabledpicturemode", Kind::Number},
      {"captioneffects", Kind::Number},
      {"usemaskcolor", Kind::Boolean},
      {"maskcolor", Kind::Colour},
      {"captionalign", Kind::Number},
      {"tooltip", Kind::Text},
      {"tooltiptype", Kind::Number},
      {"tooltipicon", Kind::Number},
      {"tooltiptitle", Kind::Text},
      {"tooltipbackcolor", Kind::Colour},
      {"righttoleft", Kind::Boolean},
      {"dropdownsymbol", Kind::Number},
      {"dropdownseparator", Kind::Boolean},
      {"colorscheme", Kind::Number},
  };
  return kinds.value(key.toLower(), Kind::Text);
}

// A picture key (PictureNormal, PictureHot, PictureDown, MouseIcon) set to a
// file, loaded as the control shows it: PNG or BMP as a bitmap (32 bits with
// an alpha channel), ICO as an icon, JPEG or GIF as a 24-bit bitmap. An empty
// value is no picture; a file that cannot be read is an error naming it.
std::optional<Setting> pictureSetting(const QString& argument, const QString& key, const QString& path,
                                      QString* error) {
  if (path.isEmpty())
    return Setting{key, QVariant::fromValue(platform::PicturePtr())};
  QString why;
  const platform::PicturePtr picture = platform::Picture::load(path, &why);
  if (!picture) {
    *error = QStringLiteral("--set \"%1\": %2").arg(argument, why);
    return std::nullopt;
  }
  return Setting{key, QVariant::fromValue(picture)};
}

std::optional<Setting> parseSetting(const QString& argument, QString* error) {
  const qsizetype equals = argument.indexOf(QLatin1Char('='));
  if (equals <= 0) {
    *error = QStringLiteral("--set \"%1\": expected Key=Value").arg(argument);
    return std::nullopt;
  }
  const QString name = argument.left(equals).trimmed();
  const QString text = argument.mid(equals + 1);
  QString key;
  for (const QString& known : vexabutton::persistedKeys())
    if (known.compare(name, Qt::CaseInsensitive) == 0)
      key = known;
  if (key.isEmpty()) {
    *error = QStringLiteral("--set \"%1\": \"%2\" is not a property of the control").arg(argument, name);
    return std::nullopt;
  }
  const auto fail = [&](const QString& expected) -> std::optional<Setting> {
    *error = QStringLiteral("--set \"%1\": %2 takes %3").arg(argument, key, expected);
    return std::nullopt;
  };

  switch (kindOf(key)) {
  case Kind::Number:
  case Kind::Byte:
  case Kind::Short: {
    const Kind kind = kindOf(key);
    const auto number = platform::PropertyBag::parseWholeNumber(text, true);
    const qint64 low = kind == Kind::Byte ? 0 : kind == Kind::Short ? -32768 : std::numeric_limits<qint32>::min();
    const qint64 high = kind == Kind::Byte ? 255 : kind == Kind::Short ? 32767 : std::numeric_limits<qint32>::max();
    if (!number || *number < low || *number > high)
      return fail(QStringLiteral("a whole number from %1 to %2").arg(low).arg(high));
    return Setting{key, int(*number)};
  }
  case Kind::Colour: {
    const auto number = platform::PropertyBag::parseWholeNumber(text, true);
    if (!number || *number < std::numeric_limits<qint32>::min() || *number > 0xFFFFFFFFll)
      return fail(QStringLiteral("a colour: 0xBBGGRR, &HBBGGRR& or a decimal number"));
    return Setting{key, int(qint32(quint32(*number)))};
  }
  case Kind::Boolean:
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
      return Setting{key, true};
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
      return Setting{key, false};
    return fail(QStringLiteral("true or false"));
  case Kind::Text:
    return Setting{key, text};
  case Kind::Font: {
    QString why;
    auto font = platform::SharedFont::fromText(text, &why);
    if (!font) {
      *error = QStringLiteral("--set \"%1\": %2").arg(argument, why);
      return std::nullopt;
    }
    return Setting{key, QVariant::fromValue(platform::SharedFontPtr(font))};
  }
  case Kind::Picture:
    return pictureSetting(argument, key, text, error);
  }
  return std::nullopt;
}

} // namespace

QString usage() {
  return QStringLiteral("usage: vexabutton-render [options] OUT.png\n"
                        "       vexabutton-render --sheet OUT.png [--themed] [--scale F]\n"
                        "       vexabutton-render --help | --version\n"
                        "  OUT.png \"-\" writes the PNG to standard output\n"
                        "  --size WxH            surface size in pixels (default 121x33)\n"
                        "  --scale F             device pixel ratio from 1 to 8 (default 1): the PNG has\n"
                        "                        F times the pixels along each side, drawn at that resolution\n"
                        "  --bag FILE            a stored layout (JSON property bag) to start from; the\n"
                        "                        --set values go over it\n"
                        "  --set Key=Value       a stored property by its key (repeatable); colours as\n"
                        "                        0xBBGGRR, &HBBGGRR& or decimal, Booleans true/false, Font as\n"
                        "                        \"Face,points,weight,charset[,italic][,underline][,strikethrough]\",\n"
                        "                        pictures as a PNG, BMP, ICO, JPEG or GIF file (empty: none)\n"
                        "  --new                 start from a new instance instead of an empty stored layout\n"
                        "  --state S             normal, hot or down\n"
                        "  --focus --default     the control has the focus / is the default button\n"
                        "  --inactive            the window holding the control is not active\n"
                        "  --mouse-inside --mouse-pressed\n"
                        "  --themed              visual styles active\n"
                        "  --json                print sizes, state, layout rectangles and region as JSON\n"
                        "  --sheet FILE          write a contact sheet of every style in every look to FILE\n"
                        "                        (with --themed, ButtonStyle 13 once more with visual styles)\n");
}

std::optional<Options> parse(const QStringList& arguments, QString* error) {
  Options options;
  bool sawOutput = false;
  bool sawBag = false;
  bool sawSize = false;
  // "--name value" or "--name=value".
  const auto valueOf = [&](int& i, const QString& name, QString* value) {
    const QString& argument = arguments[i];
    if (argument.startsWith(name + QLatin1Char('='))) {
      *value = argument.mid(name.size() + 1);
      return true;
    }
    if (i + 1 >= arguments.size()) {
      *error = QStringLiteral("%1: a value is missing").arg(name);
      return false;
    }
    *value = arguments[++i];
    return true;
  };
  const auto is = [&](const QString& argument, const char* name) {
    return argument == QLatin1String(name) || argument.startsWith(QLatin1String(name) + QLatin1Char('='));
  };

  for (int i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    QString value;
    if (is(argument, "--size")) {
      if (!valueOf(i, QStringLiteral("--size"), &value))
        return std::nullopt;
      const QStringList parts = value.split(QLatin1Char('x'));
      bool okW = false, okH = false;
      const int w = parts.size() == 2 ? parts[0].toInt(&okW) : 0;
      const int h = parts.size() == 2 ? parts[1].toInt(&okH) : 0;
      if (!okW || !okH || w < 1 || h < 1 || w > 4096 || h > 4096) {
        *error = QStringLiteral("--size \"%1\": expected WxH, each from 1 to 4096").arg(value);
        return std::nullopt;
      }
      options.width = w;
      options.height = h;
      sawSize = true;
    } else if (is(argument, "--set")) {
      if (!valueOf(i, QStringLiteral("--set"), &value))
        return std::nullopt;
      auto setting = parseSetting(value, error);
      if (!setting)
        return std::nullopt;
      options.settings.push_back(*setting);
    } else if (is(argument, "--state")) {
      if (!valueOf(i, QStringLiteral("--state"), &value))
        return std::nullopt;
      const QString state = value.toLower();
      if (state == QLatin1String("normal"))
        options.state = 0;
      else if (state == QLatin1String("hot"))
        options.state = 1;
      else if (state == QLatin1String("down"))
        options.state = 2;
      else {
        *error = QStringLiteral("--state \"%1\": expected normal, hot or down").arg(value);
        return std::nullopt;
      }
    } else if (is(argument, "--bag")) {
      if (!valueOf(i, QStringLiteral("--bag"), &value))
        return std::nullopt;
      if (sawBag) {
        *error = QStringLiteral("--bag \"%1\": only one stored layout may be given").arg(value);
        return std::nullopt;
      }
      sawBag = true;
      QStringList unknown;
      auto bag = readBagFile(value, &unknown, error);
      if (!bag) {
        *error = QStringLiteral("--bag \"%1\": %2").arg(value, *error);
        return std::nullopt;
      }
      options.bag = std::move(*bag);
      for (const QString& key : std::as_const(unknown))
        options.warnings << QStringLiteral("--bag \"%1\": unknown key \"%2\" ignored").arg(value, key);
    } else if (is(argument, "--scale")) {
      if (!valueOf(i, QStringLiteral("--scale"), &value))
        return std::nullopt;
      bool ok = false;
      const double scale = value.toDouble(&ok);
      if (!ok || !(scale >= 1 && scale <= 8)) {
        *error = QStringLiteral("--scale \"%1\": expected a number from 1 to 8").arg(value);
        return std::nullopt;
      }
      options.scale = scale;
    } else if (is(argument, "--sheet")) {
      if (!valueOf(i, QStringLiteral("--sheet"), &value))
        return std::nullopt;
      options.sheet = value;
    } else if (argument == QLatin1String("--new")) {
      options.newInstance = true;
    } else if (argument == QLatin1String("--focus")) {
      options.hasFocus = true;
    } else if (argument == QLatin1String("--default")) {
      options.isDefault = true;
    } else if (argument == QLatin1String("--inactive")) {
      options.parentActive = false;
    } else if (argument == QLatin1String("--mouse-inside")) {
      options.mouseInside = true;
    } else if (argument == QLatin1String("--mouse-pressed")) {
      options.mousePressed = true;
    } else if (argument == QLatin1String("--themed")) {
      options.themed = true;
    } else if (argument == QLatin1String("--json")) {
      options.json = true;
    } else if (argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-")) {
      *error = QStringLiteral("\"%1\": unknown option").arg(argument);
      return std::nullopt;
    } else if (sawOutput) {
      *error = QStringLiteral("\"%1\": only one output file may be given").arg(argument);
      return std::nullopt;
    } else {
      options.output = argument;
      sawOutput = true;
    }
  }
  if (!options.sheet.isEmpty()) {
    // The sheet draws its own buttons: nothing but --themed and --scale go with it.
    const Options plain;
    const bool others = sawOutput || sawBag || !options.settings.empty() || options.newInstance || options.json ||
                        options.width != plain.width || options.height != plain.height ||
                        options.state != plain.state || options.hasFocus || options.isDefault ||
                        !options.parentActive || options.mouseInside || options.mousePressed;
    if (others) {
      *error = QStringLiteral("--sheet \"%1\": only --themed and --scale may go with it").arg(options.sheet);
      return std::nullopt;
    }
    return options;
  }
  // A stored layout keeps the button's size in twips: the button is drawn at
  // that size unless --size names another.
  for (const auto& [key, extent] : {std::pair{QStringLiteral("_ExtentX"), &options.width},
                                    std::pair{QStringLiteral("_ExtentY"), &options.height}}) {
    if (sawSize || !options.bag.contains(key))
      continue;
    const QVariant value = options.bag.ReadProperty(key);
    const qlonglong pixels = value.toLongLong() / platform::TwipsPerPixel;
    if (!platform::PropertyBag::isIntegerValue(value) || pixels < 1 || pixels > 4096) {
      *error =
          QStringLiteral("--bag: \"%1\" is %2, not a size in twips of 1 to 4096 pixels").arg(key, value.toString());
      return std::nullopt;
    }
    *extent = int(pixels);
  }
  // At a ratio the PNG is F times larger along each side.
  const double longest = std::max(options.width, options.height) * options.scale;
  if (longest > MaxDeviceSide) {
    *error = QStringLiteral("--scale %1 with --size %2x%3: the PNG would be %4 pixels along a side, at most %5")
                 .arg(options.scale)
                 .arg(options.width)
                 .arg(options.height)
                 .arg(std::ceil(longest))
                 .arg(MaxDeviceSide);
    return std::nullopt;
  }
  if (!sawOutput || options.output.isEmpty()) {
    *error = QStringLiteral("no output file given");
    return std::nullopt;
  }
  if (options.output == QLatin1String("-") && options.json) {
    *error = QStringLiteral("\"-\": the PNG cannot go to standard output with --json, which prints there");
    return std::nullopt;
  }
  return options;
}

std::optional<platform::PropertyBag> readBagFile(const QString& path, QStringList* warnings, QString* error) {
  // A named pipe or a device is no layout, nor is anything larger than the limit.
  const std::optional<QByteArray> text = platform::readRegularFile(path, platform::PropertyBag::MaxFileBytes, error);
  if (!text)
    return std::nullopt;
  auto bag = platform::PropertyBag::fromJson(*text, error);
  if (!bag)
    return std::nullopt;
  // A trial load, so that a wrongly typed value is named here. What it
  // would warn of, the real load says once the --set values are over it.
  static QtMessageHandler passOn = nullptr;
  passOn = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (qstrcmp(context.category, vexaLog().categoryName()) != 0)
      passOn(type, context, text);
  });
  vexabutton probe;
  const bool loads = probe.ReadProperties(*bag, error);
  qInstallMessageHandler(passOn);
  if (!loads)
    return std::nullopt;
  *warnings = vexabutton::unknownKeys(*bag);
  return bag;
}

bool loadProperties(const Options& options, vexabutton& button, QString* error) {
  platform::PropertyBag bag;
  if (options.newInstance) {
    initProperties(button);
    button.WriteProperties(bag);
  }
  for (const QString& key : options.bag.keys())
    bag.WriteProperty(key, options.bag.ReadProperty(key));
  for (const auto& setting : options.settings)
    bag.WriteProperty(setting.key, setting.value);
  return button.ReadProperties(bag, error);
}

ButtonRecord paintRecord(const Options& options, const vexabutton& button) {
  ButtonRecord rec = recordOf(button);
  rec.ButtonState = options.state;
  rec.HasFocus = options.hasFocus;
  rec.IsDefault = options.isDefault;
  rec.ParentActive = options.parentActive;
  rec.MouseInside = options.mouseInside;
  rec.MousePressed = options.mousePressed;
  rec.VisualStylesActive = options.themed;
  return rec;
}

bool writePng(const QImage& image, const QString& target, QString* why) {
  // Encoded whole first: nothing reaches the target unless the PNG is complete.
  QByteArray png;
  QBuffer buffer(&png);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
    *why = QStringLiteral("the PNG could not be made");
    return false;
  }
  if (target == QLatin1String("-")) {
    std::fflush(stdout);
    return platform::writeAll(STDOUT_FILENO, png, why);
  }
  return platform::writeFileReplacing(target, png, why);
}

} // namespace rendertool
