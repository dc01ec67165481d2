// SPDX-License-Identifier: MIT
// The control's own tooltip: rebuilt from the tooltip properties each time
// the pointer enters the button, so a change takes effect at the next entry.

#include "button/model/ButtonServices.h"
#include "button/render/Redraw.h"
#include "platform/TooltipWindow.h"

#include <QPointer>
#include <QWidget>

namespace {

class Tooltip final : public vexa::TooltipService {
public:
  explicit Tooltip(vexa::ButtonSide& side) : side_(side) {}

  void show() override {
    const ButtonRecord& rec = side_.record();
    // A disabled or pressed button, or one whose menu has just closed over
    // it, builds no new tip; the one of the last entry stays, so the pointer
    // resting after a menu closed still gets it.
    if (!vexa::buildsTooltip(rec))
      return;
    delete window_.data();
    // A tip without text never shows: most buttons have none, and a hover
    // over them makes no window for it.
    if (rec.ToolTip.isEmpty())
      return;

    const platform::TooltipContent content = vexa::tooltipContent(rec);
    // The move that made the button hot says where the pointer rests.
    QWidget& button = side_.widget();
    std::optional<QPoint> pointer;
    if (const std::optional<QPoint> inWindow = side_.pointerInWindow())
      pointer = button.window()->mapToGlobal(*inWindow);
    window_ = new platform::TooltipWindow(&button, content, pointer);
  }

  void pointerLeft() override {
    if (window_)
      window_->pointerLeft();
  }

private:
  vexa::ButtonSide& side_;
  QPointer<platform::TooltipWindow> window_;
};

} // namespace

bool vexa::buildsTooltip(const ButtonRecord& rec) {
  return rec.Enabled && !rec.MenuJustClosed && rec.ButtonState != ButtonRecord::Down;
}

platform::TooltipContent vexa::tooltipContent(const ButtonRecord& rec) {
  platform::TooltipContent content;
  content.text = rec.ToolTip;
  content.title = rec.TooltipTitle;
  content.icon = rec.TooltipIcon;
  content.balloon = vexa::is(rec.TooltipType, vexa::TooltipStyle::Balloon); // any other type is the standard rectangle
  // 0 keeps the platform's background (so pure black cannot be chosen), and
  // so does the colour a load took from the system.
  const qint32 back = vexa::DrawnColour(rec.TooltipBackColor, rec.TakenFromSystem.TooltipBackColor,
                                        platform::SystemColors::InfoBackground);
  content.backColor = back == 0 || back == qint32(0x80000000u | platform::SystemColors::InfoBackground) ? -1 : back;
  content.rightToLeft = rec.RightToLeft;
  return content;
}

std::unique_ptr<vexa::TooltipService> vexa::makeTooltipService(ButtonSide& side) {
  return std::make_unique<Tooltip>(side);
}
