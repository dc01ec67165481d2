// ButtonStyle 13 while visual styles are active: the desktop theme's push
// button, shaped by the theme, with the content pass on top.

#include "button/render/Redraw.h"
#include "button/render/Styles.h"
#include "platform/SystemColors.h"
#include "platform/Theme.h"

namespace vexa {

int ThemedStateId(const ButtonRecord& rec, qint32 state) {
  using platform::Theme::PushButtonState;
  if (!rec.Enabled)
    return PushButtonState::Disabled;
  int id = 0;
  switch (state) {
  case ButtonRecord::Normal:
    id = PushButtonState::Normal;
    break;
  case ButtonRecord::Hot:
    id = PushButtonState::Hot;
    break;
  case ButtonRecord::Down:
    id = PushButtonState::Pressed;
    break;
  default:
    break;
  }
  if (rec.ButtonState == ButtonRecord::Normal && rec.ParentActive && (rec.HasFocus || rec.IsDefault))
    id = PushButtonState::Defaulted;
  return id;
}

void DrawThemedBackground(ButtonRecord& rec, platform::Surface& surface, int stateId) {
  const platform::Rect client{0, 0, surface.width(), surface.height()};
  // The theme's outline one pixel beyond the client area at the left, top and
  // right, and two pixels below it.
  const platform::Rect regionRect{client.left - 1, client.top - 1, client.right + 1, client.bottom + 2};
  QRegion deviceOutline;
  const QRegion outline = platform::Theme::drawPushButton(surface, client, regionRect, stateId, &deviceOutline);
  surface.setWindowRegion(outline, deviceOutline);
  Q_UNUSED(rec);
}

void DrawThemed(ButtonRecord& rec, platform::Surface& surface, qint32 state) {
  surface.setBackgroundColor(platform::SystemColors::get(platform::SystemColors::ButtonFace));
  DrawThemedBackground(rec, surface, ThemedStateId(rec, state));
  DrawCaptionAndPicture(rec, surface);
}

} // namespace vexa
