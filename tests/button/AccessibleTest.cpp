// The button through Qt's accessibility API: role, name, description, states,
// access key, actions and the announcements of changes.

#include "InputTestSupport.h"
#include "common/TestSupport.h"

#include <QAccessible>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

class Accessible : public inputtest::ShownButton {
protected:
  void SetUp() override {
    showButton(true);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  QAccessibleInterface* iface() const { return QAccessible::queryAccessibleInterface(button); }
  QAccessibleActionInterface* actions() const { return iface()->actionInterface(); }
  // The action, and the event loop it runs from.
  void act(const QString& name) {
    actions()->doAction(name);
    QCoreApplication::processEvents();
  }
};

TEST_F(Accessible, RoleFollowsTheMode) {
  const std::pair<int, QAccessible::Role> roles[] = {
      {0, QAccessible::Button}, {1, QAccessible::CheckBox}, {2, QAccessible::RadioButton}, {0, QAccessible::Button}};
  for (const auto& [mode, role] : roles) {
    button->setMode(mode);
    EXPECT_EQ(iface()->role(), role) << mode;
  }
}

TEST_F(Accessible, NameIsTheCaptionAsReadDescriptionTheToolTipShortcutTheAccessKey) {
  const struct {
    const char *caption, *name, *key;
  } cases[] = {{"O &Programu", "O Programu", "Alt+P"},
               {"Save && &Exit", "Save & Exit", "Alt+E"},
               {"Tom && Jerry", "Tom & Jerry", ""},
               {"A&", "A", ""}};
  for (const auto& c : cases) {
    button->setCaption(QLatin1String(c.caption));
    EXPECT_EQ(iface()->text(QAccessible::Name), QLatin1String(c.name)) << c.caption;
    EXPECT_EQ(iface()->text(QAccessible::Accelerator), QLatin1String(c.key)) << c.caption;
    const QStringList bindings = actions()->keyBindingsForAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(bindings.join(QString()), QLatin1String(c.key)) << c.caption;
  }
  button->setToolTip(QStringLiteral("Proverava odgovore"));
  EXPECT_EQ(iface()->text(QAccessible::Description), QStringLiteral("Proverava odgovore"));
}

TEST_F(Accessible, StatesFollowTheButton) {
  QMenu menu;
  platform::StandaloneHost& host = static_cast<platform::StandaloneHost&>(button->host());
  const struct {
    const char* what;
    std::function<void()> change;
    std::function<bool(const QAccessible::State&)> shows;
  } cases[] = {
      {"focused", [&] { button->setFocus(); }, [](auto s) { return s.focusable && s.focused; }},
      {"checked", [&] { button->setMode(1), button->setValue(true); }, [](auto s) { return s.checkable && s.checked; }},
      {"option checked", [&] { button->setMode(2); }, [](auto s) { return s.checked && !s.pressed; }},
      {"push not checked", [&] { button->setMode(0); }, [](auto s) { return !s.checkable && !s.checked; }},
      {"pressed",
       [&] {
         inputtest::mouse(inputtest::Mouse::Press, button, {5, 5});
       },
       [](auto s) { return s.pressed; }},
      {"released",
       [&] {
         inputtest::mouse(inputtest::Mouse::Release, button, {5, 5});
       },
       [](auto s) { return !s.pressed; }},
      {"default",
       [&] { host.setDisplayAsDefault(true), button->hostAmbientChanged(QStringLiteral("DisplayAsDefault")); },
       [](auto s) { return s.defaultButton; }},
      {"popup", [&] { button->SetPopupMenu(&menu); }, [](auto s) { return s.hasPopup; }},
      {"no popup", [&] { button->UnsetPopupMenu(); }, [](auto s) { return !s.hasPopup; }},
      {"disabled", [&] { button->setEnabled(false); }, [](auto s) { return s.disabled; }},
  };
  for (const auto& c : cases) {
    c.change();
    EXPECT_TRUE(c.shows(iface()->state())) << c.what;
  }
}

// Each action is a click: the events of one, the Value of a check or option
// button, the focus; the menu when one is attached.
TEST_F(Accessible, ActionsClickTheButton) {
  EXPECT_EQ(actions()->actionNames().first(), QAccessibleActionInterface::pressAction());
  EXPECT_FALSE(actions()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
  actions()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(log.count(QStringLiteral("Click")), 0); // not while the caller waits for its answer
  QCoreApplication::processEvents();
  EXPECT_EQ(log.only({"MouseDown", "Click", "MouseUp"}), "MouseDown 1 0 40 15, Click, MouseUp 1 0 40 15");
  EXPECT_TRUE(button->hasFocus());
  EXPECT_EQ(button->record().ButtonState, ButtonRecord::Normal);

  button->setMode(1);
  act(QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(button->Value());
  act(QAccessibleActionInterface::toggleAction());
  EXPECT_FALSE(button->Value());

  QMenu menu;
  menu.addAction(QStringLiteral("Stavka"));
  button->SetPopupMenu(&menu);
  ASSERT_TRUE(actions()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
  int opened = 0;
  QObject::connect(&menu, &QMenu::aboutToShow, [&] {
    ++opened;
    QMetaObject::invokeMethod(&menu, &QMenu::close, Qt::QueuedConnection);
  });
  log.clear();
  act(QAccessibleActionInterface::showMenuAction());
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(log.only({"MouseDown", "Click", "MouseUp"}), ""); // a press on a menu button raises none

  button->UnsetPopupMenu();
  button->setEnabled(false);
  log.clear();
  act(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(log.only({"MouseDown", "Click", "MouseUp"}), "");
}

TEST_F(Accessible, ChangesAreAnnouncedOnceAndRepaintsAloneAreNot) {
  testsupport::Announcements heard;
  button->setCaption(QStringLiteral("Provera (2)"));
  button->Redraw();
  button->setToolTip(QStringLiteral("Savet"));
  button->setMode(1);
  button->setValue(true);
  button->setEnabled(false);
  EXPECT_EQ(heard.seen.join(QStringLiteral(", ")).toStdString(),
            "NameChanged, DescriptionChanged, StateChanged checkable, StateChanged checked, StateChanged disabled");
}

} // namespace
