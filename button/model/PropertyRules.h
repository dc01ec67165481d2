// SPDX-License-Identifier: MIT
#pragma once

// The property rules with side effects on other properties, as every face
// of the control (the widget, the Qt Quick item) applies them to its
// record. A face stores through these, then repaints and tells of what
// changed; what only a face can do (its option group, Qt's button group)
// stays with the face.

#include "button/model/ButtonRecord.h"
#include "platform/Picture.h"

#include <QCursor>

#include <optional>

namespace vexa::rules {

// ButtonStyle brings its colour scheme and its colours.
void setButtonStyle(ButtonRecord& rec, qint32 style);
// ColorScheme brings the style's colours of the scheme.
void setColorScheme(ButtonRecord& rec, qint32 scheme);
// Any back colour but the toolbar style's makes the scheme custom.
void setBackColor(ButtonRecord& rec, qint32 colour);
// A push button has no Value. Returns whether the other option buttons of
// the group are to be cleared (an option button that is set).
bool setMode(ButtonRecord& rec, qint32 mode);
// A push button has no value: it only shows itself released. Returns
// whether Value was stored.
bool setValue(ButtonRecord& rec, bool value);

// The pointer MousePointer (the classic pointer shape codes) and MouseIcon
// show; nothing for the default pointer. HandPointer's hand is set by the
// input rules.
std::optional<QCursor> cursorFor(qint32 mousePointer, const platform::PicturePtr& mouseIcon);

} // namespace vexa::rules
