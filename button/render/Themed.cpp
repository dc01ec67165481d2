// SPDX-License-Identifier: MIT
// System while visual styles are active: the desktop theme's push button,
// shaped by the theme, with the content pass on top.

#include "button/render/Redraw.h"
#include "button/render/Styles.h"
#include "platform/SystemColors.h"
#include "platform/Theme.h"

namespace vexa {

int ThemedStateId(const ButtonPaint& paint) {
  using platform::Theme::PushButtonState;
  if (!paint.Enabled)
    return PushButtonState::Disabled;
  switch (State(paint.state)) {
  case State::Normal:
    return paint.parentActive && (paint.hasFocus || paint.isDefault) ? PushButtonState::Defaulted
                                                                     : PushButtonState::Normal;
  case State::Hot:
    return PushButtonState::Hot;
  case State::Down:
    return PushButtonState::Pressed;
  }
  return 0;
}

void DrawThemed(const ButtonPaint& paint, platform::Surface& surface, PaintResult& result) {
  surface.setBackgroundColor(platform::SystemColors::get(platform::SystemColors::ButtonFace));
  const platform::Rect client{0, 0, surface.width(), surface.height()};
  // The window takes the theme's outline of a rectangle one pixel larger
  // than the client area at the left, top and right and two pixels below
  // it, so the theme's rounded corners fall outside the control.
  const platform::Rect outlineRect{client.left - 1, client.top - 1, client.right + 1, client.bottom + 2};
  QRegion deviceOutline;
  const QRegion outline =
      platform::Theme::drawPushButton(surface, client, outlineRect, ThemedStateId(paint), &deviceOutline);
  surface.setWindowRegion(outline, deviceOutline);
  DrawCaptionAndPicture(paint, paint.ForeColor, platform::SystemColors::Source::System, surface, result);
}

} // namespace vexa
