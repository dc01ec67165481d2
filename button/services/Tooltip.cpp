// The control's own tooltip: rebuilt from the tooltip properties each time
// the pointer enters the button, so a change takes effect at the next entry.

#include "button/model/vexabutton.h"

#include "button/render/ColorKit.h"
#include "platform/TooltipWindow.h"

void vexabutton::ShowToolTip() {
  // The tip of the last entry goes in any case: a disabled or pressed
  // button, or one whose menu has just closed over it, shows none.
  delete tooltip_.data();
  if (!rec_.Enabled || rec_.MenuJustClosed || rec_.ButtonState == ButtonRecord::Down)
    return;

  platform::TooltipContent content;
  content.text = rec_.ToolTip;
  content.title = rec_.TooltipTitle;
  content.icon = rec_.ToolTipIcon;
  content.balloon = rec_.ToolTipType == 1; // any other type is the standard rectangle
  // 0 keeps the platform's background (so pure black cannot be chosen).
  content.backColor = rec_.TooltipBackColor == 0 ? -1 : vexa::TranslateColor(rec_.TooltipBackColor);
  content.rightToLeft = rec_.RightToLeft;
  tooltip_ = new platform::TooltipWindow(this, content);
}
