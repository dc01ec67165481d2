// SPDX-License-Identifier: MIT
// The form as the host of its controls: Enter and Esc, the default look that
// follows the focus, the extender.

#include "platform/Form.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FakeControl : public QWidget, public platform::HostedControl {
public:
  FakeControl(QWidget* parent, bool wantsEnter) : QWidget(parent), wantsEnter_(wantsEnter) {
    setFocusPolicy(Qt::StrongFocus);
    resize(40, 20);
  }
  void hostAmbientChanged(const QString& name) override { ambient << name; }
  void hostAccessKeyPress(int keyAscii) override {
    keys << keyAscii;
    if (onKey)
      onKey();
  }
  bool hostWantsEnter() const override { return wantsEnter_; }

  QStringList ambient;
  QList<int> keys;
  QList<int> ownKeys;
  std::function<void()> onKey;

protected:
  void keyPressEvent(QKeyEvent* event) override { ownKeys << event->key(); }

private:
  bool wantsEnter_;
};

class FormHost : public ::testing::Test {
protected:
  void SetUp() override {
    form = new platform::Form;
    form->resize(300, 200);
    okButton = new FakeControl(form, true);
    cancelButton = new FakeControl(form, true);
    other = new FakeControl(form, true);
    plain = new FakeControl(form, false);
    list = new QComboBox(form);
    list->addItems({QStringLiteral("crvena"), QStringLiteral("plava")});
    int i = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{okButton, cancelButton, other, plain, list}) {
      form->registerControl(w, QStringLiteral("control%1").arg(++i));
      w->move(10, 10 + 30 * i);
    }
    form->extender(okButton).Default = true;
    form->extender(cancelButton).Cancel = true;
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    list->setFocus();
    ASSERT_TRUE(list->hasFocus());
  }
  void TearDown() override { delete form; }

  QPointer<platform::Form> form;
  FakeControl* okButton = nullptr;
  FakeControl* cancelButton = nullptr;
  FakeControl* other = nullptr;
  FakeControl* plain = nullptr;
  QComboBox* list = nullptr;
};

TEST_F(FormHost, EnterAndEscFromAListPressTheDefaultAndTheCancelControl) {
  QTest::keyClick(list, Qt::Key_Return);
  QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(list, Qt::Key_Escape);
  EXPECT_EQ(okButton->keys, QList<int>({13, 13}));
  EXPECT_EQ(cancelButton->keys, QList<int>({27}));
  EXPECT_EQ(list->currentIndex(), 0);
}

TEST_F(FormHost, AFocusedControlThatTakesEnterGetsItButEscStillCancels) {
  other->setFocus();
  QTest::keyClick(other, Qt::Key_Return);
  QTest::keyClick(other, Qt::Key_Escape);
  EXPECT_EQ(other->ownKeys, QList<int>({Qt::Key_Return}));
  EXPECT_TRUE(okButton->keys.isEmpty());
  EXPECT_EQ(cancelButton->keys, QList<int>({27}));

  plain->setFocus(); // takes no Enter of its own
  QTest::keyClick(plain, Qt::Key_Return);
  EXPECT_EQ(okButton->keys, QList<int>({13}));
  EXPECT_TRUE(plain->ownKeys.isEmpty());
}

TEST_F(FormHost, ModifiedKeysAndFormsWithoutDefaultPassThrough) {
  plain->setFocus();
  QKeyEvent ctrlEnter(QEvent::KeyPress, Qt::Key_Return, Qt::ControlModifier);
  QCoreApplication::sendEvent(plain, &ctrlEnter);
  EXPECT_TRUE(okButton->keys.isEmpty());
  EXPECT_EQ(plain->ownKeys, QList<int>({Qt::Key_Return}));

  form->extender(okButton).Default = false;
  form->extender(cancelButton).Cancel = false;
  QTest::keyClick(plain, Qt::Key_Return);
  QTest::keyClick(plain, Qt::Key_Escape);
  EXPECT_EQ(plain->ownKeys, QList<int>({Qt::Key_Return, Qt::Key_Return, Qt::Key_Escape}));
  EXPECT_TRUE(okButton->keys.isEmpty());
  EXPECT_TRUE(cancelButton->keys.isEmpty());
}

TEST_F(FormHost, AHiddenDefaultIsNotPressed) {
  okButton->hide();
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_TRUE(okButton->keys.isEmpty());
}

TEST_F(FormHost, AnOpenDropDownKeepsItsOwnEnterAndEsc) {
  list->showPopup();
  QWidget* popup = QApplication::activePopupWidget();
  ASSERT_NE(popup, nullptr);
  QWidget* target = popup->focusWidget() ? popup->focusWidget() : popup;
  QTest::keyClick(target, Qt::Key_Escape);
  EXPECT_TRUE(cancelButton->keys.isEmpty());
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

  list->showPopup();
  popup = QApplication::activePopupWidget();
  ASSERT_NE(popup, nullptr);
  target = popup->focusWidget() ? popup->focusWidget() : popup;
  QTest::keyClick(target, Qt::Key_Down);
  QTest::keyClick(target, Qt::Key_Return);
  EXPECT_TRUE(okButton->keys.isEmpty());
  EXPECT_EQ(list->currentIndex(), 1);
}

TEST_F(FormHost, KeysOfAnotherWindowAreLeftAlone) {
  platform::Form second;
  auto* control = new FakeControl(&second, false);
  second.registerControl(control, QStringLiteral("control"));
  second.show();
  control->setFocus();
  QTest::keyClick(control, Qt::Key_Return);
  EXPECT_TRUE(okButton->keys.isEmpty());
}

TEST_F(FormHost, TheDefaultLookFollowsTheFocus) {
  EXPECT_TRUE(form->ambientDisplayAsDefault(okButton));
  EXPECT_FALSE(form->ambientDisplayAsDefault(other));

  okButton->ambient.clear();
  other->setFocus();
  EXPECT_TRUE(form->ambientDisplayAsDefault(other));
  EXPECT_FALSE(form->ambientDisplayAsDefault(okButton));
  EXPECT_EQ(okButton->ambient, QStringList({"DisplayAsDefault"}));
  EXPECT_EQ(other->ambient, QStringList({"DisplayAsDefault"}));

  plain->setFocus(); // takes no Enter: the Default control shows it again
  EXPECT_TRUE(form->ambientDisplayAsDefault(okButton));
  EXPECT_FALSE(form->ambientDisplayAsDefault(plain));
  EXPECT_EQ(other->ambient.size(), 2);

  okButton->setFocus();
  list->setFocus();
  EXPECT_TRUE(form->ambientDisplayAsDefault(okButton));
  EXPECT_EQ(okButton->ambient.size(), 2); // no change, no news
}

TEST_F(FormHost, ACancelHandlerMayCloseTheForm) {
  cancelButton->onKey = [this] { form->Unload(); };
  QTest::keyClick(list, Qt::Key_Escape);
  EXPECT_FALSE(form->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(form.isNull());
}

TEST_F(FormHost, ExtenderValuesArePerControl) {
  form->extender(okButton).Tag = QStringLiteral("3");
  form->extender(other).ToolTipText = QStringLiteral(":-P");
  EXPECT_EQ(form->extender(okButton).Tag, "3");
  EXPECT_TRUE(form->extender(okButton).ToolTipText.isEmpty());
  EXPECT_EQ(form->extender(other).ToolTipText, ":-P");
  EXPECT_TRUE(form->extender(okButton).Default);
  EXPECT_FALSE(form->extender(other).Default);
  EXPECT_EQ(form->ambientDisplayName(okButton), "control1");
}

} // namespace

TEST_F(FormHost, ADeletedControlTakesItsNameAndExtenderWithIt) {
  form->extender(plain).Tag = QStringLiteral("kept");
  delete okButton;
  okButton = nullptr;
  QTest::keyClick(list, Qt::Key_Return); // no Default control any more: nothing to press
  // A control created later starts with a clean extender, whatever its address.
  auto* later = new FakeControl(form, true);
  EXPECT_FALSE(form->extender(later).Default);
  EXPECT_TRUE(form->extender(later).Tag.isEmpty());
  EXPECT_EQ(form->extender(plain).Tag, QStringLiteral("kept"));
  EXPECT_EQ(form->ambientDisplayName(plain), QStringLiteral("control4"));
}
