// SPDX-License-Identifier: MIT
// Whole tests as a player runs them: keys and mouse clicks on the real
// widgets of the main window and its information windows.
#include "FlowSupport.h"

#include "app/Form2.h"
#include "app/Form3.h"

#include <QSignalSpy>

using namespace flowtest;

namespace {

class EndToEnd : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    form->activateWindow();
    QApplication::processEvents();
  }

  // Chooses `text` in a list with the arrow keys, as a player would.
  void chooseByKeys(platform::ComboBox* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    if (box->currentIndex() < 0)
      QTest::keyClick(box, Qt::Key_Down);
    while (box->currentText() != text && box->currentIndex() < box->count() - 1)
      QTest::keyClick(box, Qt::Key_Down);
  }
};

} // namespace

TEST_F(EndToEnd, SolvedWithKeysAndAClick) {
  tick(*form, 61 * 12 + 5);
  for (int c = 0; c < 5; ++c)
    for (int house = 1; house <= 5; ++house) {
      platform::ComboBox* box = list(*form, c, house);
      chooseByKeys(box, QLatin1String(Solution[c][house - 1]));
      ASSERT_EQ(box->Text(), QLatin1String(Solution[c][house - 1]));
    }
  click(form->vexabutton1);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, successText(12));
  EXPECT_EQ(form->vexabutton1->Caption(), QStringLiteral("Test resen"));
  EXPECT_EQ(form->Label3->Caption(), QStringLiteral("Test je resen za 12 minuta. Cestitamo!"));
  EXPECT_TRUE(boardHidden());
  // The information windows and the exit stay usable.
  EXPECT_TRUE(form->vexabutton2->Enabled());
  EXPECT_TRUE(form->vexabutton4->Enabled());
}

TEST_F(EndToEnd, EnterOnAListRunsACheck) {
  form->kuca(2)->setFocus();
  chooseByKeys(form->kuca(2), QStringLiteral("Plava"));
  QTest::keyClick(form->kuca(2), Qt::Key_Return);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, WrongText);
  EXPECT_EQ(form->vexabutton1->Caption(), QStringLiteral("Provera (2)"));
  EXPECT_EQ(form->kuca(2)->Text(), QStringLiteral("Plava"));
}

TEST_F(EndToEnd, PauseWithTheMouseAndResumeWithEsc) {
  tick(*form, 61 * 3);
  click(form->vexabutton2);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].title, PauseTitle);
  Form2* window = form->form2;
  ASSERT_TRUE(window);
  EXPECT_FALSE(form->isVisible());
  QTest::keyClick(window->Picture1, Qt::Key_Escape);
  flushDeletes();
  EXPECT_TRUE(form->form2.isNull());
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(form->Label4->Caption(), QStringLiteral("27"));
  tick(*form, 61);
  EXPECT_EQ(form->Label4->Caption(), QStringLiteral("26"));
}

// Paused by an access key from a list, resumed by the window's own key: the
// focus is back on the list. The window about the program says how it closes.
TEST_F(EndToEnd, TheFocusReturnsToTheListAfterEitherInformationWindow) {
  for (const auto& [open, close] :
       {std::pair{Qt::Key_T, QKeyCombination(Qt::Key_Escape)}, std::pair{Qt::Key_P, Qt::AltModifier | Qt::Key_F4}}) {
    platform::ComboBox* box = form->pice(3);
    box->setFocus();
    QTest::keyClick(form->windowHandle(), open, Qt::AltModifier);
    QWidget* window = form->form2 ? static_cast<QWidget*>(form->form2) : form->form3;
    ASSERT_TRUE(window);
    EXPECT_TRUE(!form->form3 || window->accessibleDescription().contains(QStringLiteral("Alt+F4")));
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, close.key(), close.keyboardModifiers());
    flushDeletes();
    ASSERT_TRUE(form->form2.isNull() && form->form3.isNull());
    EXPECT_EQ(form->focusWidget(), box);
  }
}

TEST_F(EndToEnd, EscEndsTheProgram) {
  QSignalSpy unloaded(form.data(), &platform::Form::unloaded);
  // Right after the start the portrait has the focus.
  ASSERT_EQ(form->focusWidget(), form->tesmir);
  QTest::keyClick(form->tesmir, Qt::Key_Escape);
  EXPECT_EQ(unloaded.count(), 1);
  flushDeletes();
  EXPECT_TRUE(form.isNull());
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(EndToEnd, IzlazEndsTheProgramAfterTheTest) {
  for (int i = 0; i < 3; ++i)
    click(form->vexabutton1);
  ASSERT_EQ(form->vexabutton1->Caption(), QStringLiteral("Provera (0)"));
  QSignalSpy unloaded(form.data(), &platform::Form::unloaded);
  click(form->vexabutton4);
  EXPECT_EQ(unloaded.count(), 1);
  flushDeletes();
  EXPECT_TRUE(form.isNull());
}
