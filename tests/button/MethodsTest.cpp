// SPDX-License-Identifier: MIT
// The public methods: attaching menus and the information box.

#include "InputTestSupport.h"

#include "platform/MessageBox.h"

#include <QMenu>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class Methods : public inputtest::ShownButton {
protected:
  void SetUp() override { showButton(false); }
};

TEST_F(Methods, SetPopupMenuTakesOnlyAMenu) {
  QWidget notAMenu;
  QMenu menu;
  std::vector<bool> set;
  QObject* const menus[] = {&notAMenu, nullptr, &menu, &notAMenu};
  for (QObject* given : menus) {
    button->SetPopupMenu(given, 3);
    set.push_back(recordOf(*button).PopupMenuSet);
  }
  button->UnsetPopupMenu();
  set.push_back(recordOf(*button).PopupMenuSet);
  EXPECT_EQ(set, (std::vector<bool>{false, false, true, true, false})) << "a later non-menu leaves the menu set";
}

// A button whose menu is destroyed lets go of it, and a press raises
// MouseDown again instead of opening nothing.
TEST_F(Methods, ADestroyedMenuLetsTheButtonGo) {
  auto* menu = new QMenu;
  button->SetPopupMenu(menu, 0);
  delete menu;
  EXPECT_FALSE(recordOf(*button).PopupMenuSet);
  inputtest::mouse(inputtest::Mouse::Click, button, {5, 5});
  EXPECT_EQ(log.only({"MouseDown", "Click", "MouseUp"}), "MouseDown 1 0 5 5, Click, MouseUp 1 0 5 5");
}

// A menu gone before its leave reached the button: once it has closed over
// the button, the pointer's next departure is a plain leave again.
TEST_F(Methods, AMenuClosedAtOnceLeavesTheNextLeaveAPlainOne) {
  inputtest::load(*button); // with leave tracking
  QMenu menu;
  menu.addAction(QStringLiteral("Prva"));
  QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&menu] { QTimer::singleShot(0, &menu, &QMenu::close); });
  button->SetPopupMenu(&menu, 0);
  inputtest::mouse(inputtest::Mouse::Click, button, {5, 5});
  EXPECT_FALSE(recordOf(*button).PopupMenuShowing);
  inputtest::pointTo(button, {20, 10});
  log.clear();
  moveOff();
  EXPECT_EQ(log.sequence(), "MouseLeave");
  EXPECT_EQ(recordOf(*button).ButtonState, ButtonRecord::Normal);
}

TEST_F(Methods, AboutShowsTheInformationBox) {
  platform::MsgBoxRecorder boxes;
  button->About();
  ASSERT_EQ(boxes.calls.size(), 1u);
  const platform::MsgBoxCall& box = boxes.calls.front();
  EXPECT_EQ(box.title, QStringLiteral("About"));
  EXPECT_EQ(box.icon, platform::MsgBoxIcon::Information);
  const QStringList lines = box.text.split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 5);
  EXPECT_EQ(lines[0], QStringLiteral("VexaButton v 1.02"));
  EXPECT_FALSE(lines[1].isEmpty());                           // the author
  EXPECT_TRUE(lines[2].contains(QStringLiteral(".example"))); // the contact address
  EXPECT_TRUE(lines[3].isEmpty());
  EXPECT_FALSE(lines[4].isEmpty()); // ownership
}

} // namespace
