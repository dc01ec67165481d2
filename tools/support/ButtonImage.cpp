// SPDX-License-Identifier: MIT
#include "ButtonImage.h"

#include "button/model/vexabutton_p.h"
#include "button/render/Redraw.h"

namespace toolsupport {

QImage renderButton(ButtonRecord record, int width, int height) {
  platform::Surface surface(width, height);
  if (record.mFont)
    surface.setFont(record.mFont->toQFont());
  vexa::Redraw(vexa::describe(record), surface);

  return surface.windowImage();
}

} // namespace toolsupport
