// SPDX-License-Identifier: MIT
// What only the item has to show on its own: its QML declaration, the
// window's Default and Cancel keys, an attached QML Menu, and what
// assistive technology reads.
#include "Faces.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlProperty>
#include <QQuickView>
#include <QSignalSpy>

#include "platform/TooltipWindow.h"

#include <gtest/gtest.h>

namespace {

// A view of `qml` (under "import QtQuick; import VexaButton"), shown and active.
std::unique_ptr<QQuickView> show(QQmlEngine& engine, const QByteArray& qml) {
  QQmlComponent component(&engine);
  component.setData("import QtQuick\nimport QtQuick.Controls\nimport VexaButton\n" + qml,
                    QUrl(QStringLiteral("file:///behaviour.qml")));
  auto* root = qobject_cast<QQuickItem*>(component.create());
  EXPECT_TRUE(root) << component.errorString().toStdString();
  auto view = std::make_unique<QQuickView>(&engine, nullptr);
  view->setContent(QUrl(), nullptr, root);
  view->show();
  view->requestActivate();
  EXPECT_TRUE(QTest::qWaitForWindowActive(view.get()));
  return view;
}

VexaButtonItem* button(QQuickView& view, const char* name) {
  return view.rootObject()->findChild<VexaButtonItem*>(QLatin1String(name));
}

TEST(ItemBehaviour, ADeclarationHoldsWhateverOrderQmlSetsIt) {
  QQmlEngine engine;
  const auto view = show(engine, R"(Item { width: 300; height: 200
      VexaButton { objectName: "b"; backColor: "#102030"; colorScheme: VexaButton.Scheme2;
                   buttonStyle: VexaButton.Gel; showFocusRect: false } })");
  VexaButtonItem* b = button(*view, "b");
  ASSERT_TRUE(b);
  EXPECT_EQ(b->buttonStyle(), VexaButtonItem::Gel);
  EXPECT_EQ(b->backColor(), QColor(0x10, 0x20, 0x30));
  EXPECT_EQ(b->colorScheme(), VexaButtonItem::CustomScheme) << "the back colour makes the scheme custom";
  EXPECT_FALSE(b->showFocusRect()) << "not the look's own setting";
}

// Enter clicks the Default button unless the focus is on a button, which
// takes it itself and shows the default look; Esc clicks the Cancel button.
TEST(ItemBehaviour, EnterAndEscClickTheDefaultAndCancelButtons) {
  QQmlEngine engine;
  const auto view = show(engine, R"(Item { width: 300; height: 200
      property var log: []
      Item { objectName: "plain"; activeFocusOnTab: true; width: 10; height: 10 }
      VexaButton { objectName: "ok"; y: 20; isDefault: true; onClick: log.push("ok") }
      VexaButton { objectName: "cancel"; y: 60; cancel: true; onClick: log.push("cancel") }
      VexaButton { objectName: "other"; y: 100; onClick: log.push("other") } })");
  const auto log = [&] { return view->rootObject()->property("log").toStringList().join(QLatin1Char(' ')); };
  VexaButtonItem* ok = button(*view, "ok");
  VexaButtonItem* other = button(*view, "other");
  view->rootObject()->findChild<QQuickItem*>(QStringLiteral("plain"))->forceActiveFocus();
  EXPECT_TRUE(ok->buttonRecord().IsDefault);
  QTest::keyClick(view.get(), Qt::Key_Return);
  QTest::keyClick(view.get(), Qt::Key_Escape);
  other->forceActiveFocus();
  QTest::keyClick(view.get(), Qt::Key_Return);
  EXPECT_EQ(log().toStdString(), "ok cancel other");
  EXPECT_FALSE(ok->buttonRecord().IsDefault);
  EXPECT_TRUE(other->buttonRecord().IsDefault);
}

// A press opens the attached menu instead of pressing the button.
TEST(ItemBehaviour, APressOpensTheAttachedQmlMenu) {
  QQmlEngine engine;
  const auto view = show(engine, R"(Item { width: 300; height: 200
      property var log: []
      VexaButton { objectName: "b"; width: 90; height: 30; popupMenu: menu; popupMenuAlign: 7
                   onMouseDown: log.push("down"); onClick: log.push("click") }
      Menu { id: menu; objectName: "menu"; MenuItem { text: "One" } } })");
  VexaButtonItem* b = button(*view, "b");
  QObject* menu = view->rootObject()->findChild<QObject*>(QStringLiteral("menu"));
  ASSERT_TRUE(b && menu);
  QTest::mouseMove(view.get(), {20, 10});
  QTest::mouseClick(view.get(), Qt::LeftButton, {}, {20, 10});
  QTRY_VERIFY_WITH_TIMEOUT(menu->property("visible").toBool(), 2000);
  const QPointF corner = qvariant_cast<QQuickItem*>(menu->property("parent"))
                             ->mapToScene({menu->property("x").toReal(), menu->property("y").toReal()});
  EXPECT_EQ(corner, QPointF(90, 30)) << "Align 7: below and to the right";
  EXPECT_TRUE(view->rootObject()->property("log").toStringList().isEmpty());
  b->setPopupMenu(nullptr);
  EXPECT_FALSE(b->buttonRecord().PopupMenuSet);
}

platform::TooltipWindow* shownTip() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (auto* tip = qobject_cast<platform::TooltipWindow*>(window); tip && tip->isVisible())
      return tip;
  return nullptr;
}

TEST(ItemBehaviour, ItsOwnTipShowsWhileThePointerRestsAndGoesWithIt) {
  QQmlEngine engine;
  const auto view = show(engine, R"(Item { width: 300; height: 200
      VexaButton { width: 90; height: 30; toolTip: "Keeps the puzzle"; tooltipTitle: "Save";
                   toolTipType: VexaButton.BalloonTip } })");
  QTest::mouseMove(view.get(), {20, 10});
  QTRY_VERIFY_WITH_TIMEOUT(shownTip(), 3000);
  EXPECT_EQ(shownTip()->content().title, QStringLiteral("Save"));
  EXPECT_TRUE(shownTip()->content().balloon);
  QTest::mouseMove(view.get(), {250, 150});
  EXPECT_FALSE(shownTip());
}

TEST(ItemBehaviour, AssistiveTechnologyReadsTheRoleNameAndCheckedState) {
  QQmlEngine engine;
  const auto view = show(engine, R"(Item { width: 300; height: 200
      VexaButton { id: b; objectName: "b"; caption: "&Save && close"; mode: VexaButton.CheckButton }
      VexaButton { id: p; objectName: "p"; caption: "Go" }
      property int role: b.Accessible.role; property string name: b.Accessible.name
      property bool checked: b.Accessible.checked; property int pushRole: p.Accessible.role })");
  QObject* root = view->rootObject();
  EXPECT_EQ(root->property("role").toInt(), int(QAccessible::CheckBox));
  EXPECT_EQ(root->property("pushRole").toInt(), int(QAccessible::Button));
  EXPECT_EQ(root->property("name").toString(), QStringLiteral("Save & close"));
  EXPECT_FALSE(root->property("checked").toBool());
  button(*view, "b")->forceActiveFocus();
  QTest::keyClick(view.get(), Qt::Key_Space);
  EXPECT_TRUE(root->property("checked").toBool());

  // Each action once, and Press clicks: a check box turns over, a push
  // button and a menu button (its menu attached below) click.
  QMenu menu;
  menu.addAction(QStringLiteral("one"));
  button(*view, "p")->setProperty("popupMenu", QVariant::fromValue<QObject*>(&menu));
  using Action = QAccessibleActionInterface;
  for (const char* name : {"b", "p"}) {
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(button(*view, name));
    ASSERT_TRUE(item && item->actionInterface()) << name;
    const QStringList actions = item->actionInterface()->actionNames();
    EXPECT_EQ(actions.count(Action::pressAction()), 1) << name << ": " << actions.join(u',').toStdString();
    EXPECT_EQ(actions.count(Action::toggleAction()), name == std::string("b") ? 1 : 0) << name;
  }
  QSignalSpy clicks(button(*view, "b"), SIGNAL(click()));
  QAccessible::queryAccessibleInterface(button(*view, "b"))->actionInterface()->doAction(Action::pressAction());
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_FALSE(root->property("checked").toBool());
}

// A desktop that turns dark while the program runs: the System look, which
// draws in the application's palette, follows at once.
TEST(ItemBehaviour, ThePaletteOfARunningProgramReachesTheItem) {
  quicktest::ItemFace face;
  face.set("ButtonStyle", 13);
  face.show();
  const QImage light = face.pixels();
  const QPalette before = QGuiApplication::palette();
  QPalette dark(QColor(40, 40, 48), QColor(20, 20, 24));
  QGuiApplication::setPalette(dark);
  QCoreApplication::processEvents();
  const QImage shown = face.pixels();
  QGuiApplication::setPalette(before);
  EXPECT_NE(shown, light);
}

} // namespace
