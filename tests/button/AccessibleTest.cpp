// SPDX-License-Identifier: MIT
// The button through Qt's accessibility API: role, name, description,
// states, access key, actions and the announcements of changes.

#include "InputTestSupport.h"
#include "button/model/vexabutton_p.h"
#include "common/TestSupport.h"

#include <QMenu>
#include <QSignalSpy>

namespace {

using Action = QAccessibleActionInterface;

class Accessible : public inputtest::ShownButton {
protected:
  void SetUp() override {
    showButton(true);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  QAccessibleInterface* iface() const { return QAccessible::queryAccessibleInterface(button); }
  // The action, then the event loop it runs from.
  void act(const QString& name) {
    iface()->actionInterface()->doAction(name);
    QCoreApplication::processEvents();
  }
  std::string clicks() const { return log.only({"MouseDown", "Click", "MouseUp"}); }
};

TEST_F(Accessible, NameIsTheCaptionAsReadAndTheShortcutItsAccessKey) {
  const struct {
    const char *caption, *name, *key;
  } cases[] = {{"O &Programu", "O Programu", "Alt+P"},
               {"Save && &Exit", "Save & Exit", "Alt+E"},
               {"Tom && Jerry", "Tom & Jerry", ""},
               {"A&", "A", ""}};
  for (const auto& c : cases) {
    button->setCaption(QLatin1String(c.caption));
    EXPECT_EQ(iface()->text(QAccessible::Name), QLatin1String(c.name)) << c.caption;
    EXPECT_EQ(iface()->actionInterface()->keyBindingsForAction(Action::pressAction()).join(QString()),
              QLatin1String(c.key))
        << c.caption;
  }
  button->setToolTip(QStringLiteral("Proverava odgovore"));
  EXPECT_EQ(iface()->text(QAccessible::Description), QStringLiteral("Proverava odgovore"));
}

// Each step in order, with the role and the state it leaves.
TEST_F(Accessible, RoleAndStatesFollowTheButton) {
  QMenu menu;
  auto& host = static_cast<platform::StandaloneHost&>(hostOf(*button));
  using S = QAccessible::State;
  const struct {
    const char* what;
    std::function<void()> step;
    QAccessible::Role role;
    std::function<bool(const S&)> shows;
  } steps[] = {
      {"focused", [&] { button->setFocus(); }, QAccessible::Button, [](S s) { return s.focusable && s.focused; }},
      {"check", [&] { button->setMode(1), button->setValue(true); }, QAccessible::CheckBox,
       [](S s) { return s.checkable && s.checked && !s.pressed; }},
      {"option", [&] { button->setMode(2); }, QAccessible::RadioButton, [](S s) { return s.checked; }},
      {"push", [&] { button->setMode(0); }, QAccessible::Button, [](S s) { return !s.checkable && !s.checked; }},
      {"pressed",
       [&] {
         inputtest::mouse(inputtest::Mouse::Press, button, {5, 5});
       },
       QAccessible::Button, [](S s) { return s.pressed; }},
      {"released",
       [&] {
         inputtest::mouse(inputtest::Mouse::Release, button, {5, 5});
       },
       QAccessible::Button, [](S s) { return !s.pressed; }},
      {"default",
       [&] {
         host.setDisplayAsDefault(true),
             static_cast<platform::HostedControl*>(button)->hostAmbientChanged("DisplayAsDefault");
       },
       QAccessible::Button, [](S s) { return s.defaultButton; }},
      {"menu", [&] { button->SetPopupMenu(&menu); }, QAccessible::Button, [](S s) { return s.hasPopup; }},
      {"no menu", [&] { button->UnsetPopupMenu(); }, QAccessible::Button, [](S s) { return !s.hasPopup; }},
      {"disabled", [&] { button->setEnabled(false); }, QAccessible::Button, [](S s) { return s.disabled; }},
  };
  for (const auto& s : steps) {
    s.step();
    EXPECT_EQ(iface()->role(), s.role) << s.what;
    EXPECT_TRUE(s.shows(iface()->state())) << s.what;
  }
}

// Each action is a click from the event loop: focus, events, Value; the
// menu when one is attached; nothing while disabled.
TEST_F(Accessible, ActionsClickTheButton) {
  iface()->actionInterface()->doAction(Action::pressAction());
  EXPECT_EQ(clicks(), ""); // not while the caller waits for its answer
  QCoreApplication::processEvents();
  EXPECT_EQ(clicks(), "MouseDown 1 0 40 15, Click, MouseUp 1 0 40 15");
  EXPECT_TRUE(button->hasFocus());

  EXPECT_FALSE(iface()->actionInterface()->actionNames().contains(Action::toggleAction()));
  button->setMode(1);
  act(Action::toggleAction());
  EXPECT_TRUE(button->Value());

  QMenu menu;
  menu.addAction(QStringLiteral("Stavka"));
  QObject::connect(&menu, &QMenu::aboutToShow,
                   [&] { QMetaObject::invokeMethod(&menu, &QMenu::close, Qt::QueuedConnection); });
  QSignalSpy shown(&menu, &QMenu::aboutToShow);
  button->SetPopupMenu(&menu);
  log.clear();
  act(Action::showMenuAction());
  EXPECT_EQ(shown.count(), 1);
  EXPECT_EQ(clicks(), ""); // the press opened the menu instead

  button->UnsetPopupMenu();
  button->setEnabled(false);
  act(Action::pressAction());
  EXPECT_EQ(clicks(), "");
}

TEST_F(Accessible, ChangesAreAnnouncedOnceAndRepaintsAloneAreNot) {
  testsupport::Announcements heard;
  button->setCaption(QStringLiteral("Provera (2)"));
  redrawNow(*button);
  button->setToolTip(QStringLiteral("Savet"));
  button->setMode(1);
  button->setValue(true);
  button->setEnabled(false);
  EXPECT_EQ(heard.seen.join(QStringLiteral(", ")).toStdString(),
            "NameChanged, DescriptionChanged, StateChanged checkable, StateChanged checked, StateChanged disabled");
}

} // namespace
