// SPDX-License-Identifier: MIT
// Classic, ClassicThin, FlatClassic and FlatThin: the looks built from the
// desktop's 3-D edges.
//
//   | style       | at rest      | hot          | pressed               | focus rect inset |
//   | Classic     | raised edge  | raised edge  | black and grey frames | 4                |
//   | ClassicThin | raised inner | raised inner | thin sunken lines     | 3                |
//   | FlatClassic | none         | raised edge  | sunken edge           | 4                |
//   | FlatThin    | none         | raised inner | thin sunken lines     | 3                |
//
// Classic also frames the default (or focused) button in black while it is
// not pressed, and draws its own checked look (it is not forced Down).
#include "button/render/StylePaint.h"
#include "button/render/Styles.h"
#include "platform/SystemColors.h"

namespace vexa {

using platform::Surface;
using platform::SystemColors::AppWorkspace;
using platform::SystemColors::GrayText;

void DrawClassic(const ButtonPaint& paint, Surface& surface, PaintResult& result) {
  const StylePaint p(paint, surface, result);
  const Style style = Style(paint.ButtonStyle);
  const qint32 state = paint.state;
  const bool flat = style == Style::FlatClassic || style == Style::FlatThin;
  const bool thin = style == Style::ClassicThin || style == Style::FlatThin;
  const platform::Rect client = p.client();
  // The raised border of the style when it shows one: both rings or the inner ring alone.
  const auto raised = [&] { p.edge(client, thin ? Surface::RaisedInner : Surface::EdgeRaised); };

  // Disabled: the style's resting border on the cleared surface, no fill.
  if (!paint.Enabled) {
    if (!flat)
      raised();
    p.content(p.System);
    return;
  }

  // Checked toggle: a lighter body sunk into the surface.
  if (p.checked()) {
    p.fill(p.S(0.02f));
    p.content(p.back());
    if (style == Style::FlatThin)
      return;
    p.edge(client, Surface::EdgeSunken);
    if (paint.ShowFocusRect && paint.hasFocus && style == Style::Classic)
      p.frame(4, 4, p.W - 7, p.H - 7, p.system(AppWorkspace));
    return;
  }

  switch (State(state)) {
  case State::Normal:
    p.region();
    p.fill(p.B);
    p.content(p.back());
    if (!flat)
      raised();
    break;
  case State::Hot:
    p.fill(p.B);
    p.content(p.back());
    raised();
    break;
  case State::Down:
    p.fill(p.B);
    p.content(p.back());
    if (style == Style::Classic) {
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
  if (paint.userMode && paint.ShowFocusRect && paint.parentActive)
    p.focusRect(thin ? 3 : 4);

  // Default-button frame: black outside a raised edge, while not pressed.
  if (style == Style::Classic && !is(state, State::Down)) {
    const platform::Rect inner{0, 0, p.W - 1, p.H - 1};
    p.edge(inner, Surface::EdgeRaised);
    p.frame(0, 0, p.W - 1, p.H - 1, p.system(AppWorkspace));
    p.outline(0x000000);
  }
}

} // namespace vexa
