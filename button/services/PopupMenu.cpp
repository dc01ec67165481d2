// The attachable drop-down menu, web addresses and the information box.

#include "button/model/vexabutton.h"

#include "platform/EventRouter.h"
#include "platform/MessageBox.h"
#include "platform/PopupMenu.h"
#include "platform/Shell.h"

#include <QMenu>
#include <QPointer>

void vexabutton::SetPopupMenu(QObject* Menu, qint32 Align, qint32 Flags, QAction* DefaultMenu) {
  auto* menu = qobject_cast<QMenu*>(Menu);
  if (!menu)
    return; // no object, or not a menu: nothing changes
  QObject::disconnect(menuConnection_);
  popupMenu_ = menu;
  popupAlign_ = Align;
  popupFlags_ = Flags;
  defaultMenu_ = DefaultMenu;
  rec_.PopupMenuSet = true;
  // A press on a button whose menu is gone would open nothing and raise
  // nothing: the button lets go of a destroyed menu.
  menuConnection_ = connect(menu, &QObject::destroyed, this, &vexabutton::UnsetPopupMenu);
  announceAccessibleChanges();
}

void vexabutton::UnsetPopupMenu() {
  const bool wasSet = rec_.PopupMenuSet;
  QObject::disconnect(menuConnection_);
  popupMenu_.clear();
  defaultMenu_.clear();
  rec_.PopupMenuSet = false;
  rec_.MenuJustClosed = false;
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
  // 1.
  rec_.ClientWidth = width();
  rec_.ClientHeight = height();
  const int w = rec_.ClientWidth;
  const int h = rec_.ClientHeight;
  // 2.
  rec_.PopupMenuShowing = true;
  QPoint at;
  qint32 flags = popupFlags_;
  switch (popupAlign_) {
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
    rec_.PopupMenuShowing = false;
    return;
  }
  popupFlags_ = flags;

  // 3. Modal: returns when the menu has closed. Its commands may do anything,
  // including destroying this button.
  const QPointer<vexabutton> self(this);
  if (popupMenu_)
    platform::showPopupMenu(*popupMenu_, mapToGlobal(at), flags, defaultMenu_);
  if (!self)
    return;

  // 4. Closed over the button: the press that closed it must not reopen it.
  if (platform::widgetUnderPointer() == this) {
    rec_.MenuJustClosed = true;
  } else {
    rec_.MousePressed = false;
    rec_.MouseInside = false;
    rec_.SpaceDown = false;
    rec_.ButtonState = ButtonRecord::Normal;
    rec_.MenuJustClosed = false;
    rec_.PopupMenuShowing = false;
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
