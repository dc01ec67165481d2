// SPDX-License-Identifier: MIT
#pragma once

#include "button/model/ButtonRecord.h"
#include "platform/PropertyBag.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <vector>

class vexabutton;

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
  QString output;            // "-" is standard output
  QString sheet;             // --sheet FILE: the contact sheet instead of one button
  platform::PropertyBag bag; // --bag FILE: a stored layout the --set values go over
  QStringList warnings;      // said on standard error; the run goes on
};

QString usage();

// Parses the arguments after the program name. On bad input returns nothing
// and sets *error to a message that names the offending argument. Settings
// are checked against the control's persisted keys and converted to the
// value each key takes (pictures are loaded here).
std::optional<Options> parse(const QStringList& arguments, QString* error);

// Reads a stored layout (the JSON bag text) and checks it the way a window
// loads it. Malformed text or a value of the wrong type fails with an error
// naming the key; keys the control does not read are listed in *warnings.
std::optional<platform::PropertyBag> readBagFile(const QString& path, QStringList* warnings, QString* error);

// Loads into `button` the properties the options name: a new instance's
// saved properties with --new, the --bag layout over them, then the --set
// values. Fails with the load's error.
bool loadProperties(const Options& options, vexabutton& button, QString* error);

// The record to paint: the button's properties with the run-time state the
// options give.
ButtonRecord paintRecord(const Options& options, const vexabutton& button);

// Writes `image` as PNG to `target`, "-" meaning standard output. A file is
// replaced only once the whole PNG is written; on any failure returns false
// with *why saying what went wrong, and a file that was there stays as it was.
bool writePng(const QImage& image, const QString& target, QString* why);

} // namespace rendertool
