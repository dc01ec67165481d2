// SPDX-License-Identifier: MIT
// The studio's preset reader: JSON text through StudioDocument's load, which
// adds the button's extent keys and refuses unknown keys, loading all or
// nothing.
//
// Invariants: a refused preset names its reason and leaves the document as
// it was; an accepted one saves to text that loads again to the same text,
// at a size within the control's limits.
#include "FuzzSupport.h"

#include "tools/vexabutton-studio/StudioDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzsupport::setUpOnce();
  static StudioDocument* document = new StudioDocument; // one window's worth, kept between inputs
  document->newDocument();
  const QByteArray before = document->presetText();
  QString error;
  if (!document->loadPresetText(fuzzsupport::bytes(data, size), &error)) {
    if (error.isEmpty())
      fuzzsupport::violated("a refused preset without a reason");
    if (document->presetText() != before)
      fuzzsupport::violated("a refused preset changed the document", document->presetText());
    return 0;
  }
  const QSize extent = document->button().size();
  if (extent.width() > vexabutton::MaximumSizePixels || extent.height() > vexabutton::MaximumSizePixels)
    fuzzsupport::violated("a preset made the button larger than the control takes", document->presetText());
  const QByteArray saved = document->presetText();
  StudioDocument again;
  if (!again.loadPresetText(saved, &error))
    fuzzsupport::violated("a saved preset does not load", saved + "\n" + error.toUtf8());
  if (again.presetText() != saved)
    fuzzsupport::violated("a save and load changed the preset", saved + "\n---\n" + again.presetText());
  return 0;
}
