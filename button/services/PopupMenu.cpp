// SPDX-License-Identifier: MIT
// The attachable drop-down menu, web addresses and the information box.

#include "button/model/vexabutton_p.h"

#include "platform/MessageBox.h"
#include "platform/Pointer.h"
#include "platform/PopupMenu.h"
#include "platform/Shell.h"

#include <QMenu>
#include <QPointer>

void vexabutton::SetPopupMenu(QObject* Menu, qint32 Align, qint32 Flags, QAction* DefaultMenu) {
  auto* menu = qobject_cast<QMenu*>(Menu);
  if (!menu)
    return; // no object, or not a menu: nothing changes
  QObject::disconnect(d_->menuConnection);
  d_->popupMenu = menu;
  d_->popupAlign = Align;
  d_->popupFlags = Flags;
  d_->defaultMenu = DefaultMenu;
  d_->rec.PopupMenuSet = true;
  // A press on a button whose menu is gone would open nothing and raise
  // nothing: the button lets go of a destroyed menu.
  d_->menuConnection = connect(menu, &QObject::destroyed, this, &vexabutton::UnsetPopupMenu);
  announceAccessibleChanges();
}

void vexabutton::UnsetPopupMenu() {
  const bool wasSet = d_->rec.PopupMenuSet;
  QObject::disconnect(d_->menuConnection);
  d_->popupMenu.clear();
  d_->defaultMenu.clear();
  d_->rec.PopupMenuSet = false;
  d_->rec.MenuJustClosed = false;
  if (wasSet)
    announceAccessibleChanges();
}

// Opens the menu at one of eight places around the button (Align), with the
// menu-tracking flags the place calls for written back into the kept Flags:
//
//   Align | point (from the top-left corner) | flags used  | menu placement
//   ------+----------------------------------+-------------+------------------------------------
//   0     | 0, height                        | Flags       | below, left edges aligned
//   1     | 0, 0                             | 32          | above, left edges aligned
//   2     | 0, 0                             | Flags or 8  | left of it, top edges aligned
//   3     | width, 0                         | Flags       | right of it, top edges aligned
//   4     | 0, 0                             | 40          | above and to the left
//   5     | 0, height                        | Flags or 8  | below, extending to the left
//   6     | width, 0                         | 32          | above, starting at its right edge
//   7     | width, height                    | Flags       | below and to the right
//   other | no menu
//
// 8 makes the point the menu's right edge, 32 its bottom edge.
void vexabutton::ShowPopupMenu() {
  // The menu is placed around the button as it is now.
  d_->rec.ClientWidth = width();
  d_->rec.ClientHeight = height();
  const int w = d_->rec.ClientWidth;
  const int h = d_->rec.ClientHeight;
  d_->rec.PopupMenuShowing = true;
  QPoint at;
  qint32 flags = d_->popupFlags;
  switch (d_->popupAlign) {
  case 0:
    at = {0, h};
    break;
  case 1:
    at = {0, 0};
    flags = platform::MenuFlags::BottomAlign;
    break;
  case 2:
    at = {0, 0};
    flags |= platform::MenuFlags::RightAlign;
    break;
  case 3:
    at = {w, 0};
    break;
  case 4:
    at = {0, 0};
    flags = platform::MenuFlags::BottomAlign | platform::MenuFlags::RightAlign;
    break;
  case 5:
    at = {0, h};
    flags |= platform::MenuFlags::RightAlign;
    break;
  case 6:
    at = {w, 0};
    flags = platform::MenuFlags::BottomAlign;
    break;
  case 7:
    at = {w, h};
    break;
  default:
    d_->rec.PopupMenuShowing = false;
    return;
  }
  d_->popupFlags = flags;

  // Modal: returns when the menu has closed. Its commands may do anything,
  // including destroying this button.
  const QPointer<vexabutton> self(this);
  std::optional<QPoint> pointer;
  if (d_->popupMenu)
    pointer = platform::showPopupMenu(*d_->popupMenu, mapToGlobal(at), flags, d_->defaultMenu);
  if (!self)
    return;

  // Closed over the button: the press that closed it must not reopen it.
  // The menu shows no more, also when it closed before the leave it causes
  // reached the button: else the pointer's next departure would be taken
  // for that leave and leave the button hot. Where the menu last saw the
  // pointer tells; a menu left by the keyboard saw it nowhere, and the
  // pointer is still where the press that opened it was.
  if (!pointer || platform::isOnWidget(this, mapFromGlobal(*pointer))) {
    d_->rec.MenuJustClosed = true;
    d_->rec.PopupMenuShowing = false;
  } else {
    d_->rec.MousePressed = false;
    d_->rec.MouseInside = false;
    d_->rec.SpaceDown = false;
    d_->rec.ButtonState = ButtonRecord::Normal;
    d_->rec.MenuJustClosed = false;
    d_->rec.PopupMenuShowing = false;
    Redraw();
  }
}

bool vexabutton::OpenWebsite(const QString& sAddress) { return platform::openWebAddress(sAddress); }

QString vexabutton::aboutText() {
  return QStringLiteral("VexaButton v 1.02\n"
                        "Written by Ranko Vesnic\n"
                        "Contact: ranko.vesnic@vexabutton.example\n"
                        "\n"
                        "The control remains the property of its author; it may be used freely in any program "
                        "that keeps this notice.");
}

void vexabutton::About() { platform::msgBox(aboutText(), platform::MsgBoxIcon::Information, QStringLiteral("About")); }
