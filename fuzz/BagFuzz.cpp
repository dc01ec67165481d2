// SPDX-License-Identifier: MIT
// The stored-layout reader: JSON text through PropertyBag::fromJson, then the
// control's load pass, one paint, and a save and load round trip.
//
// Invariants: a bag the control loads saves to JSON that reads back, loads
// into a second control, and saves to the same text again.
#include "FuzzSupport.h"

#include "button/model/vexabutton.h"
#include "platform/PropertyBag.h"

using platform::PropertyBag;

namespace {

QByteArray savedText(const vexabutton& button) {
  PropertyBag bag;
  button.WriteProperties(bag);
  return bag.toJson();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzsupport::setUpOnce();
  QString error;
  const auto bag = PropertyBag::fromJson(fuzzsupport::bytes(data, size), &error);
  if (!bag) {
    if (error.isEmpty())
      fuzzsupport::violated("a refused layout without a reason");
    return 0;
  }
  vexabutton button;
  button.resize(64, 24); // the load pass paints at this size
  if (!button.ReadProperties(*bag, &error)) {
    if (error.isEmpty())
      fuzzsupport::violated("a refused load without a reason");
    return 0;
  }

  const QByteArray saved = savedText(button);
  const auto back = PropertyBag::fromJson(saved, &error);
  if (!back)
    fuzzsupport::violated("saved layout does not read back", saved + "\n" + error.toUtf8());
  vexabutton again;
  if (!again.ReadProperties(*back, &error))
    fuzzsupport::violated("saved layout does not load", saved + "\n" + error.toUtf8());
  const QByteArray resaved = savedText(again);
  if (resaved != saved)
    fuzzsupport::violated("a save and load changed the layout", saved + "\n---\n" + resaved);
  return 0;
}
