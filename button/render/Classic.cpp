// ButtonStyle 0, 1, 11 and 12: the looks built from the desktop's 3-D edges.
//
//   | style | at rest          | hot              | pressed                      | focus rect inset |
//   | 0     | raised edge      | raised edge      | black and grey frames        | 4                |
//   | 1     | raised inner     | raised inner     | thin sunken lines            | 3                |
//   | 11    | none             | raised edge      | sunken edge                  | 4                |
//   | 12    | none             | raised inner     | thin sunken lines            | 3                |
//
// Style 0 also frames the default (or focused) button in black while it is
// not pressed, and draws its own checked look (Redraw does not force it Down).
#include "button/render/StylePaint.h"
#include "button/render/Styles.h"
#include "platform/SystemColors.h"

namespace vexa {

using platform::Surface;
using platform::SystemColors::AppWorkspace;
using platform::SystemColors::GrayText;

void DrawClassic(ButtonRecord& rec, Surface& surface, qint32 state) {
  const StylePaint p(rec, surface);
  const qint32 style = rec.ButtonStyle;
  const bool flat = style == 11 || style == 12;
  const bool thin = style == 1 || style == 12;
  const platform::Rect client = rec.ClientRect;
  // The raised border of the style when it shows one: both rings or the inner ring alone.
  const auto raised = [&] { p.edge(client, thin ? Surface::RaisedInner : Surface::EdgeRaised); };

  // Disabled: the style's resting border on the cleared surface, no fill.
  if (!rec.Enabled) {
    if (!flat)
      raised();
    p.content();
    return;
  }

  // Checked toggle: a lighter body sunk into the surface.
  if (p.checked()) {
    p.fill(p.S(0.02f));
    p.content();
    if (style == 12)
      return;
    p.edge(client, Surface::EdgeSunken);
    if (rec.ShowFocusRect && rec.HasFocus && style == 0)
      p.frame(4, 4, p.W - 7, p.H - 7, p.system(AppWorkspace));
    return;
  }

  switch (state) {
  case ButtonRecord::Normal:
    p.region();
    p.fill(p.B);
    p.content();
    if (!flat)
      raised();
    break;
  case ButtonRecord::Hot:
    p.fill(p.B);
    p.content();
    raised();
    break;
  case ButtonRecord::Down:
    p.fill(p.B);
    p.content();
    if (style == 0) {
      p.frame(1, 1, p.W - 2, p.H - 2, 0x99A8AC);
      p.outline(0x000000);
    } else if (thin) {
      // White right column and bottom row, grey top row and left column.
      p.outline(0xFFFFFF);
      p.frame(0, 0, p.W + 1, p.H + 1, p.system(GrayText));
    } else {
      p.edge(client, Surface::EdgeSunken);
    }
    break;
  default:
    break;
  }

  if (!p.marked())
    return;

  // Focus rectangle: only in a running host, and only in an active window.
  if (rec.UserMode && rec.ShowFocusRect && rec.ParentActive)
    p.focusRect(thin ? 3 : 4);

  // Default-button frame: black outside a raised edge, while not pressed.
  if (style == 0 && state != ButtonRecord::Down) {
    const platform::Rect inner{0, 0, p.W - 1, p.H - 1};
    p.edge(inner, Surface::EdgeRaised);
    p.frame(0, 0, p.W - 1, p.H - 1, p.system(AppWorkspace));
    p.outline(0x000000);
  }
}

} // namespace vexa
