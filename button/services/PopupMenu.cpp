// SPDX-License-Identifier: MIT
// The attachable drop-down menu.

#include "button/model/ButtonServices.h"

#include "platform/Pointer.h"
#include "platform/PopupMenu.h"

#include <QMenu>
#include <QPointer>

namespace {

class PopupMenu final : public vexa::MenuService {
public:
  explicit PopupMenu(vexa::ButtonSide& side) : side_(side) {}

  bool attach(QObject* object, qint32 align, qint32 flags, QAction* defaultItem) override {
    auto* menu = qobject_cast<QMenu*>(object);
    if (!menu)
      return false; // no object, or not a menu: nothing changes
    QObject::disconnect(destroyed_);
    menu_ = menu;
    align_ = align;
    flags_ = flags;
    defaultItem_ = defaultItem;
    side_.record().PopupMenuSet = true;
    // A press on a button whose menu is gone would open nothing and raise
    // nothing: the button lets go of a destroyed menu.
    destroyed_ = QObject::connect(menu, &QObject::destroyed, &side_.widget(), [this] { side_.forgetMenu(); });
    return true;
  }

  void detach() override {
    QObject::disconnect(destroyed_);
    menu_.clear();
    defaultItem_.clear();
    ButtonRecord& rec = side_.record();
    rec.PopupMenuSet = false;
    rec.MenuJustClosed = false;
  }

  void open() override;

private:
  vexa::ButtonSide& side_;
  QPointer<QMenu> menu_;
  QMetaObject::Connection destroyed_;
  QPointer<QAction> defaultItem_;
  qint32 align_ = 0;
  qint32 flags_ = 0;
};

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
void PopupMenu::open() {
  QWidget& button = side_.widget();
  ButtonRecord& rec = side_.record();
  // The menu is placed around the button as it is now.
  rec.ClientWidth = button.width();
  rec.ClientHeight = button.height();
  const std::optional<vexa::MenuPlacement> place = vexa::placeMenu(align_, flags_, rec.ClientWidth, rec.ClientHeight);
  if (!place) {
    rec.PopupMenuShowing = false;
    return;
  }
  rec.PopupMenuShowing = true;
  flags_ = place->flags;

  // Modal: returns when the menu has closed. Its commands may do anything,
  // including destroying this button.
  const QPointer<QWidget> self(&button);
  std::optional<QPoint> pointer;
  if (menu_)
    pointer = platform::showPopupMenu(*menu_, button.mapToGlobal(place->at), place->flags, defaultItem_);
  if (!self)
    return; // and this service with it

  // A menu left by the keyboard saw the pointer nowhere: it is still where
  // the press that opened the menu was.
  if (vexa::menuClosed(rec, !pointer || platform::isOnWidget(&button, button.mapFromGlobal(*pointer))))
    side_.redraw();
}

} // namespace

std::optional<vexa::MenuPlacement> vexa::placeMenu(qint32 align, qint32 flags, int w, int h) {
  QPoint at;
  switch (align) {
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
    return std::nullopt;
  }
  return MenuPlacement{at, flags};
}

// Closed over the button: the press that closed it must not reopen it.
// The menu shows no more, also when it closed before the leave it causes
// reached the button: else the pointer's next departure would be taken
// for that leave and leave the button hot.
bool vexa::menuClosed(ButtonRecord& rec, bool pointerOnControl) {
  rec.PopupMenuShowing = false;
  if (pointerOnControl) {
    rec.MenuJustClosed = true;
    return false;
  }
  rec.MousePressed = false;
  rec.MouseInside = false;
  rec.SpaceDown = false;
  rec.ButtonState = ButtonRecord::Normal;
  rec.MenuJustClosed = false;
  return true;
}

std::unique_ptr<vexa::MenuService> vexa::makeMenuService(ButtonSide& side) { return std::make_unique<PopupMenu>(side); }
