#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <vector>

// The command line of vexabutton-render, parsed and checked.
namespace rendertool {

struct Setting {
  QString key; // as the control spells it
  QVariant value;
};

struct Options {
  int width = 121;
  int height = 33;
  double scale = 1; // device pixel ratio
  std::vector<Setting> settings;
  bool newInstance = false;
  qint32 state = 0; // 0 normal, 1 hot, 2 down
  bool hasFocus = false;
  bool isDefault = false;
  bool parentActive = true;
  bool mouseInside = false;
  bool mousePressed = false;
  bool themed = false;
  bool json = false;
  QString output;
  QString sheet; // --sheet FILE: the contact sheet instead of one button
};

QString usage();

// Parses the arguments after the program name. On bad input returns nothing
// and sets *error to a message that names the offending argument. Settings
// are checked against the control's persisted keys and converted to the
// value each key takes (pictures are loaded here).
std::optional<Options> parse(const QStringList& arguments, QString* error);

// A whole number as the tool accepts colours and numbers: decimal (with a
// sign), or 0x hex or &H hex& of up to eight digits (an unsigned 32-bit pattern).
std::optional<qint64> parseNumber(const QString& text, bool allowHex);

} // namespace rendertool
