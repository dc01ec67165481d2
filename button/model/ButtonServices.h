// SPDX-License-Identifier: MIT
#pragma once

// The services a button owns: its tooltip, its attachable menu and what it
// tells assistive technology. The model knows them by these interfaces and
// owns them through its private part; button/services builds them and knows
// the button only through ButtonSide, never through the private part.

#include "button/model/ButtonRecord.h"
#include "platform/TooltipWindow.h"

#include <QPoint>
#include <QString>

#include <memory>
#include <optional>

class QAction;
class QMenu;
class QObject;
class QWidget;

namespace vexa {

// What a service may read and do of the button it serves.
class ButtonSide {
public:
  virtual QWidget& widget() = 0;
  virtual ButtonRecord& record() = 0;
  // The record as its last draw and any pending Redraw leave it: for reads
  // from outside the button's own steps.
  virtual const ButtonRecord& currentRecord() = 0;
  // Where Qt last reported the pointer over the button, in its window's
  // coordinates, while the button is hot.
  virtual std::optional<QPoint> pointerInWindow() const = 0;
  virtual void redraw() = 0;
  // The access key of the caption, in lower case; empty without one.
  virtual QString accessKey() const = 0;
  // A left click at the centre, as the window system would deliver it: the
  // focus a press gives, then MouseDown (or the menu), Click, MouseUp. May
  // destroy the button.
  virtual void clickAtCentre() = 0;
  // The button lets go of its menu, as UnsetPopupMenu does.
  virtual void forgetMenu() = 0;

protected:
  ~ButtonSide() = default;
};

// The side of a vexabutton; nullptr for any other object.
ButtonSide* sideOf(QObject* object);

// The control's own tooltip, rebuilt from the tooltip properties each time
// the pointer makes the button hot.
class TooltipService {
public:
  virtual ~TooltipService() = default;
  virtual void show() = 0;
  // The pointer left the button without a Leave reaching the tip's window.
  virtual void pointerLeft() = 0;
};

// Whether a control in this state builds a new tip when the pointer makes
// it hot (not while disabled, pressed, or just after its menu closed).
bool buildsTooltip(const ButtonRecord& rec);
// The tip the tooltip properties describe.
platform::TooltipContent tooltipContent(const ButtonRecord& rec);

// The attachable drop-down menu.
class MenuService {
public:
  virtual ~MenuService() = default;
  // Attaches `menu` (false, and nothing changes, for no object or no menu).
  virtual bool attach(QObject* menu, qint32 align, qint32 flags, QAction* defaultItem) = 0;
  virtual void detach() = 0;
  // Opens the menu around the button and returns once it has closed; its
  // commands may destroy the button (and this service with it).
  virtual void open() = 0;
};

// Where the attached menu opens for Align (0 to 7, see PopupMenu.cpp),
// from the top-left corner of a control of the given size, with the menu
// flags (8 right-aligned, 32 bottom-aligned) it opens with, which the
// control keeps for its next opening; nothing for an Align that names no
// place.
struct MenuPlacement {
  QPoint at;
  qint32 flags = 0;
};
std::optional<MenuPlacement> placeMenu(qint32 align, qint32 keptFlags, int width, int height);
// The menu has closed, the pointer over the control or elsewhere: the
// record lets the menu go. Returns whether the control is to be redrawn.
bool menuClosed(ButtonRecord& rec, bool pointerOnControl);

// What assistive technology hears of the button.
class AccessibleService {
public:
  virtual ~AccessibleService() = default;
  // Tells assistive technology what changed since the last call: called
  // after every draw and menu change.
  virtual void announceChanges() = 0;
};

// Built once per button, by button/services.
std::unique_ptr<TooltipService> makeTooltipService(ButtonSide& side);
std::unique_ptr<MenuService> makeMenuService(ButtonSide& side);
std::unique_ptr<AccessibleService> makeAccessibleService(ButtonSide& side);

} // namespace vexa
