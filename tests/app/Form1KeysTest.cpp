// SPDX-License-Identifier: MIT
// The main window's keys: Esc closes it, Enter presses the check button, and
// the default look follows the focus.

#include "app/Form1.h"

#include "button/model/vexabutton_p.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Form1Keys : ::testing::Test {
  void SetUp() override {
    form = new Form1;
    form->Show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
  }
  void TearDown() override { delete form.data(); }

  QPointer<Form1> form;
  platform::MsgBoxRecorder boxes;
};

TEST_F(Form1Keys, EscClosesTheWindowFromAList) {
  QWidget* list = form->kuca(2);
  list->setFocus();
  ASSERT_TRUE(list->hasFocus());
  QTest::keyClick(list, Qt::Key_Escape);
  EXPECT_FALSE(form->isVisible());
  EXPECT_FALSE(form->isLoaded());
}

TEST_F(Form1Keys, EnterOnAListPressesTheCheckButton) {
  ASSERT_EQ(form->vexabutton1->Caption(), QStringLiteral("Provera (3)"));
  QSignalSpy clicks(form->vexabutton1, &vexabutton::Click);
  QWidget* list = form->pice(4);
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_TRUE(form->isVisible());
}

TEST_F(Form1Keys, TheDefaultLookFollowsTheFocus) {
  EXPECT_TRUE(recordOf(*form->vexabutton1).IsDefault);
  form->vexabutton2->setFocus();
  EXPECT_TRUE(recordOf(*form->vexabutton2).IsDefault);
  EXPECT_FALSE(recordOf(*form->vexabutton1).IsDefault);
  form->sport(1)->setFocus();
  EXPECT_TRUE(recordOf(*form->vexabutton1).IsDefault);
  EXPECT_FALSE(recordOf(*form->vexabutton2).IsDefault);
}

TEST_F(Form1Keys, AFocusedButtonTakesEnterItselfOnce) {
  QSignalSpy clicks(form->vexabutton1, &vexabutton::Click);
  form->vexabutton1->setFocus();
  QTest::keyClick(form->vexabutton1, Qt::Key_Return);
  EXPECT_EQ(clicks.count(), 1); // its own key-down, not the host's press as well
}

} // namespace

// Keyboard-only play: Down and Up pick entries of a closed list.
TEST_F(Form1Keys, ArrowKeysPickEntriesOfAClosedList) {
  platform::ComboBox* list = form->sport(3);
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(list->ListIndex(), 1);
  QTest::keyClick(list, Qt::Key_Up);
  EXPECT_EQ(list->ListIndex(), 0);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}
