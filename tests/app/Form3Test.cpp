// SPDX-License-Identifier: MIT
// The window about the program and its author: layout, texts and the pause
// protocol with the main window.
#include "FlowSupport.h"
#include "InfoSupport.h"

#include "app/Form3.h"

using namespace flowtest;
using namespace infotest;

TEST(Form3Layout, WindowControlsAndFonts) {
  Form3 window(nullptr);
  EXPECT_EQ(window.Caption(), QStringLiteral("O Programu i autoru"));
  EXPECT_EQ(window.size(), QSize(525, 454));
  EXPECT_EQ(window.BorderStyle(), 4);
  expectCentredToolWindow(window);
  EXPECT_EQ(window.BackColor(), 0x00E6E6E6);

  EXPECT_EQ(window.Picture1->Picture().size(), QSize(196, 350));
  EXPECT_EQ(window.Picture1->Top(), 1560);
  EXPECT_FALSE(window.Picture1->ToolTipText().isEmpty());
  expectPlace(*window.Label1, 120, 120);
  expectPlace(*window.Label2, 3000, 1560);
  expectPlace(*window.Label3, 3000, 3480);
  expectPlace(*window.Label4, 3000, 3840);
  expectPlace(*window.Label7, 3000, 4200);
  expectPlace(*window.Label5, 3000, 4560);

  for (const platform::Label* label : {window.Label1, window.Label2})
    expectFont(label->Font(), "Calibri", 9.75, 400, 238);
  for (const platform::Label* label : {window.Label3, window.Label4, window.Label5, window.Label7}) {
    expectFont(label->Font(), "Calibri", 11.25, 700, 238);
    EXPECT_TRUE(label->AutoSize());
  }
}

TEST(Form3Layout, TextsArePlainFitAndUseReservedAddresses) {
  Form3 window(nullptr);
  for (const platform::Label* label :
       {window.Label1, window.Label2, window.Label3, window.Label4, window.Label5, window.Label7})
    expectPlainText(label->Caption());
  expectPlainText(window.Picture1->ToolTipText());
  expectTextFits(*window.Label1);
  expectTextFits(*window.Label2);
  // Contact lines fit beside the picture, inside the window.
  for (const platform::Label* label : {window.Label3, window.Label4, window.Label5, window.Label7})
    EXPECT_LT(label->Left() + label->Width(), window.ScaleWidth()) << label->Caption().toStdString();
  for (const platform::Label* label : {window.Label3, window.Label4, window.Label7})
    EXPECT_TRUE(label->Caption().endsWith(QStringLiteral(".example"))) << label->Caption().toStdString();
}

namespace {
class Form3Pause : public MainWindowTest {
protected:
  Form3* open() {
    click(form->vexabutton3);
    return form->form3;
  }
};
} // namespace

TEST_F(Form3Pause, EscDoesNothingAndTheCloseBoxCloses) {
  Form3* window = open();
  ASSERT_TRUE(window);
  QTest::keyClick(window->Picture1, Qt::Key_Escape);
  QTest::keyClick(window, Qt::Key_Escape);
  flushDeletes();
  ASSERT_TRUE(form->form3);
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(form->isVisible());
  EXPECT_FALSE(form->Timer1->Enabled());

  window->close();
  flushDeletes();
  EXPECT_TRUE(form->form3.isNull());
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(form->isEnabled());
  EXPECT_TRUE(form->Timer1->Enabled());
}
