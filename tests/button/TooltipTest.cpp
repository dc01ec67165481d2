// SPDX-License-Identifier: MIT
// The button's tooltip: built from the current properties at each entry of
// the pointer, and none where the button should show none.

#include "InputTestSupport.h"

#include "platform/TooltipWindow.h"

#include <gtest/gtest.h>

namespace {

using platform::TooltipWindow;

class ButtonTip : public inputtest::ShownButton {
protected:
  void SetUp() override {
    showButton(true);
    button->setToolTip(QStringLiteral("Proverava odgovore"));
  }
  void enter(int x = 20) { moveTo(x, 10); }
  void leave() { moveOff(); }
  TooltipWindow* tip() const { return button->findChild<TooltipWindow*>(); }
  // A tip that may still come up while the pointer rests.
  bool tipWillShow() const { return tip() && (tip()->isPending() || tip()->isVisible()); }
};

TEST_F(ButtonTip, AnEntryBuildsTheTipFromTheProperties) {
  button->setTooltipTitle(QStringLiteral("Provera"));
  button->setToolTipIcon(2);
  button->setTooltipBackColor(qint32(0x80000000u | 15)); // button face
  button->setRightToLeft(true);
  enter();
  ASSERT_NE(tip(), nullptr);
  EXPECT_TRUE(tip()->isPending());
  const platform::TooltipContent& content = tip()->content();
  EXPECT_EQ(content.text, QStringLiteral("Proverava odgovore"));
  EXPECT_EQ(content.title, QStringLiteral("Provera"));
  EXPECT_EQ(content.icon, 2);
  EXPECT_TRUE(content.rightToLeft);
  EXPECT_EQ(tip()->backColor(), QColor(212, 208, 200));
  EXPECT_EQ(button->findChildren<TooltipWindow*>().size(), 1);
  // Without text there is nothing to show, and no window is made for it.
  leave();
  button->setToolTip(QString());
  enter();
  EXPECT_EQ(tip(), nullptr);
}

TEST_F(ButtonTip, ABalloonForType1OnlyAndBackColour0KeepsTheDefault) {
  const std::pair<qint32, bool> types[] = {{0, false}, {1, true}, {2, false}, {-1, false}};
  for (auto [type, balloon] : types) {
    button->setToolTipType(type);
    enter();
    ASSERT_NE(tip(), nullptr);
    EXPECT_EQ(tip()->content().balloon, balloon) << type;
    leave();
  }
  const std::pair<qint32, QColor> colours[] = {{0, QColor(255, 255, 225)}, {0x0000FF, QColor(255, 0, 0)}};
  for (const auto& [stored, shown] : colours) {
    button->setTooltipBackColor(stored);
    enter();
    EXPECT_EQ(tip()->backColor(), shown) << stored;
    leave();
  }
}

TEST_F(ButtonTip, AChangeWhileThePointerRestsWaitsForTheNextEntry) {
  enter();
  const TooltipWindow* first = tip();
  button->setToolTip(QStringLiteral("Novi tekst"));
  enter(30);
  EXPECT_EQ(tip(), first);
  EXPECT_EQ(tip()->content().text, QStringLiteral("Proverava odgovore"));
  leave();
  enter();
  EXPECT_EQ(tip()->content().text, QStringLiteral("Novi tekst"));
}

// The space bar's capture brings the button the moves of a pointer that is
// elsewhere: they arm no tip, so none comes up later away from the button
// (over another one, where it would take the pointer from it).
TEST_F(ButtonTip, MovesACaptureBringsFromElsewhereArmNoTip) {
  enter();
  leave();
  ASSERT_NE(tip(), nullptr);
  QTest::keyPress(button, Qt::Key_Space);
  ASSERT_EQ(QWidget::mouseGrabber(), button);
  inputtest::pointTo(&window, {200, 100});
  EXPECT_FALSE(tipWillShow());
  QTest::keyRelease(button, Qt::Key_Space);
  EXPECT_FALSE(tipWillShow());
  // Back on the button the tip waits as after any entry.
  enter(30);
  EXPECT_TRUE(tipWillShow());
}

TEST_F(ButtonTip, AnEmptyTextNeverShows) {
  button->setToolTip(QString());
  enter();
  EXPECT_FALSE(tipWillShow());
}

// Disabled, held down, or with its menu just closed over it: no new tip. The
// one of the earlier entry stays; after a menu it shows as the pointer rests.
TEST_F(ButtonTip, NoNewTipWhenDisabledHeldDownOrJustAfterItsMenu) {
  const std::tuple<const char*, std::function<void()>, bool> cases[] = {
      {"disabled", [this] { button->setEnabled(false); }, false},
      {"held down by its Value",
       [this] {
         button->setButtonStyle(2);
         button->setMode(1);
         button->setValue(true);
       },
       true},
      {"menu just closed", [this] { recordOf(*button).MenuJustClosed = true; }, true},
  };
  for (const auto& [name, prepare, shows] : cases) {
    delete button; // a fresh, shown button for each case
    SetUp();
    button->show();
    enter();
    const TooltipWindow* earlier = tip();
    ASSERT_NE(earlier, nullptr) << name;
    leave();
    button->setToolTip(QStringLiteral("Novi tekst"));
    prepare();
    enter();
    ASSERT_EQ(tip(), earlier) << name;
    EXPECT_EQ(tip()->content().text, QStringLiteral("Proverava odgovore")) << name;
    EXPECT_EQ(tipWillShow(), shows) << name;
  }
}

} // namespace
