// SPDX-License-Identifier: MIT
#pragma once

#include "button/model/vexabutton.h"

#include <QMetaEnum>
#include <QVariant>

#include <functional>
#include <vector>

// The 37 stored properties as the studio's property browser edits them:
// the editor each needs, and reading and writing through the button's own
// getters and setters (so a change does all its setter does).
namespace studio {

enum class Editor { Choice, Boolean, Number, Text, Colour, Font, Picture };

struct Field {
  QString name; // the property's name
  Editor editor;
  QMetaEnum choices; // Choice: the named values
  int minimum = 0;   // Number: the range
  int maximum = 0;
  // Values: int (numbers, choices and colours as 0x00BBGGRR or 0x800000nn),
  // bool, QString, SharedFontPtr, PicturePtr.
  std::function<QVariant(const vexabutton&)> read;
  // False with *error when the button refuses the value.
  std::function<bool(vexabutton&, const QVariant&, QString*)> write;
};

// In the order of the stored layout.
const std::vector<Field>& fields();

} // namespace studio
