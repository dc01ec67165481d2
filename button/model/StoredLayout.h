// SPDX-License-Identifier: MIT
#pragma once

// The stored values of a button as every face of the control reads them:
// the values of a newly placed instance, and the load pass over a property
// bag (the keys, defaults and conversions of the property list).

#include "button/model/ButtonRecord.h"
#include "platform/Picture.h"
#include "platform/PropertyBag.h"
#include "platform/SharedFont.h"

#include <QString>

namespace vexa {

// The stored values: the record, and the two that live beside it (the
// pointer code and the custom pointer picture), under the names the
// property list uses.
struct StoredValues {
  ButtonRecord rec;
  qint32 mousePointer = 0;
  platform::PicturePtr mouseIcon;
};

// Every property's new-instance value (Font and Caption are left as they
// are: the host gives them), then the style's colour scheme and colours
// over the zero colours.
void setNewInstanceValues(StoredValues& values);

// Reads every key of the property list from `bag` into `values`; a missing
// key reads as its default (the Font as `ambientFont`, a colour as the
// system shows it now, remembered as taken from the system). False, with
// *error naming the key and what was wrong, when a value does not convert;
// `values` is then partly written, so callers read into a copy.
bool readStoredValues(const platform::PropertyBag& bag, const platform::SharedFontPtr& ambientFont,
                      StoredValues& values, QString* error);

} // namespace vexa
