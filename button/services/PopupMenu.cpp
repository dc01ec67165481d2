#include "button/model/vexabutton.h"

#include <QMenu>

void vexabutton::SetPopupMenu(QMenu* menu, qint32 align, qint32 flags, QAction* defaultMenu) {
  if (!menu)
    return;
  popupMenu_ = menu;
  popupAlign_ = align;
  popupFlags_ = flags;
  defaultMenu_ = defaultMenu;
  rec_.PopupMenuSet = true;
}

void vexabutton::UnsetPopupMenu() {
  popupMenu_.clear();
  defaultMenu_.clear();
  rec_.PopupMenuSet = false;
  rec_.MenuJustClosed = false;
}

void vexabutton::OpenWebsite(const QString&) {}

void vexabutton::About() {}

void vexabutton::ShowPopupMenu() {}
