// SPDX-License-Identifier: MIT
// The control's own tooltip: rebuilt from the tooltip properties each time
// the pointer enters the button, so a change takes effect at the next entry.

#include "button/model/vexabutton_p.h"

#include "button/render/Redraw.h"
#include "platform/TooltipWindow.h"

void vexabutton::ShowToolTip() {
  // A disabled or pressed button, or one whose menu has just closed over it,
  // builds no new tip; the one of the last entry stays, so the pointer
  // resting after a menu closed still gets it.
  if (!d_->rec.Enabled || d_->rec.MenuJustClosed || d_->rec.ButtonState == ButtonRecord::Down)
    return;
  delete d_->tooltip.data();
  // A tip without text never shows: most buttons have none, and a hover
  // over them makes no window for it.
  if (d_->rec.ToolTip.isEmpty())
    return;

  platform::TooltipContent content;
  content.text = d_->rec.ToolTip;
  content.title = d_->rec.TooltipTitle;
  content.icon = d_->rec.TooltipIcon;
  content.balloon =
      vexa::is(d_->rec.TooltipType, vexa::TooltipStyle::Balloon); // any other type is the standard rectangle
  // 0 keeps the platform's background (so pure black cannot be chosen), and
  // so does the colour a load took from the system.
  const qint32 back = vexa::DrawnColour(d_->rec.TooltipBackColor, d_->rec.TakenFromSystem.TooltipBackColor,
                                        platform::SystemColors::InfoBackground);
  content.backColor = back == 0 || back == qint32(0x80000000u | platform::SystemColors::InfoBackground) ? -1 : back;
  content.rightToLeft = d_->rec.RightToLeft;
  // The move that made the button hot says where the pointer rests.
  std::optional<QPoint> pointer;
  if (d_->hover.pointerInWindow)
    pointer = window()->mapToGlobal(*d_->hover.pointerInWindow);
  d_->tooltip = new platform::TooltipWindow(this, content, pointer);
}
