// SPDX-License-Identifier: MIT
// The window about Tesmir Vokrant: layout, texts, its exit button and the
// pause protocol with the main window.
#include "FlowSupport.h"
#include "InfoSupport.h"

#include "app/Form2.h"

using namespace flowtest;
using namespace infotest;

TEST(Form2Layout, WindowControlsAndFonts) {
  Form2 window(nullptr);
  EXPECT_EQ(window.Caption(), QStringLiteral("O Tesmiru Vokrantu:"));
  EXPECT_EQ(window.size(), QSize(595, 505));
  EXPECT_EQ(window.BorderStyle(), 4);
  expectCentredToolWindow(window);

  EXPECT_EQ(window.Picture1->Picture().size(), QSize(240, 250));
  EXPECT_EQ(window.Picture1->Left(), 0);
  EXPECT_EQ(window.Picture1->Top(), 3840);
  expectPlace(*window.Label1, 120, 120);
  expectPlace(*window.Label2, 120, 600);
  expectPlace(*window.Label3, 120, 1440);
  expectPlace(*window.Label4, 3720, 3840);
  EXPECT_EQ(window.vexabutton1->geometry(), QRect(464, 464, 121, 33));

  expectFont(window.Label1->Font(), "Calibri", 18, 700, 238);
  for (const platform::Label* label : {window.Label2, window.Label3, window.Label4})
    expectFont(label->Font(), "Calibri", 9.75, 400, 238);
  EXPECT_TRUE(window.Label1->AutoSize());
  EXPECT_FALSE(window.Label3->AutoSize());
}

TEST(Form2Layout, TextsArePlainAndFitTheirBoxes) {
  Form2 window(nullptr);
  for (const platform::Label* label : {window.Label1, window.Label2, window.Label3, window.Label4})
    expectPlainText(label->Caption());
  EXPECT_TRUE(window.Label1->Caption().startsWith(QStringLiteral("Tesmir Vokrant (")));
  for (const platform::Label* label : {window.Label2, window.Label3, window.Label4})
    expectTextFits(*label);
  // The heading stays within its design width.
  EXPECT_LE(window.Label1->Width(), 5865);
}

TEST(Form2Layout, ExitButtonIsTheStoredCancelButton) {
  Form2 window(nullptr);
  vexabutton* exit = window.vexabutton1;
  EXPECT_EQ(exit->Caption(), QStringLiteral("&Izlaz"));
  EXPECT_EQ(exit->ButtonStyle(), 13);
  EXPECT_EQ(exit->BackColor(), 0);
  ASSERT_TRUE(exit->Font());
  expectFont(*exit->Font(), "Tahoma", 8.25, 400, 0);
  EXPECT_TRUE(window.extender(exit).Cancel);
  EXPECT_FALSE(window.extender(exit).Default);

  const platform::PropertyBag bag = Form2::storedButtonProperties();
  EXPECT_EQ(bag.ReadProperty(QStringLiteral("_ExtentX")).toInt(), 3201);
  EXPECT_EQ(bag.ReadProperty(QStringLiteral("_ExtentY")).toInt(), 873);
}

TEST(Form2Layout, OpensAndClosesOnItsOwn) {
  QPointer<Form2> window = new Form2(nullptr);
  window->Show();
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->Unload());
  flushDeletes();
  EXPECT_TRUE(window.isNull());
}

namespace {
class Form2Pause : public MainWindowTest {
protected:
  Form2* open() {
    click(form->vexabutton2);
    return form->form2;
  }
};
} // namespace

TEST_F(Form2Pause, IzlazClosesAndTheTestContinues) {
  Form2* window = open();
  ASSERT_TRUE(window);
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(form->isEnabled());
  click(window->vexabutton1);
  flushDeletes();
  EXPECT_TRUE(form->form2.isNull());
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(form->isEnabled());
  EXPECT_TRUE(form->Timer1->Enabled());
}

TEST_F(Form2Pause, EscClosesIt) {
  Form2* window = open();
  ASSERT_TRUE(window);
  QTest::keyClick(window->Picture1, Qt::Key_Escape);
  flushDeletes();
  EXPECT_TRUE(form->form2.isNull());
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(form->Timer1->Enabled());
}

TEST_F(Form2Pause, EachOpeningIsAFreshWindow) {
  QPointer<Form2> first = open();
  ASSERT_TRUE(first);
  first->close();
  flushDeletes();
  EXPECT_TRUE(first.isNull());
  Form2* second = open();
  ASSERT_TRUE(second);
  EXPECT_TRUE(second->isVisible());
  EXPECT_EQ(boxes.calls.size(), 2u);
}

TEST_F(Form2Pause, ReopenedBeforeTheClosedOneIsGone) {
  QPointer<Form2> first = open();
  ASSERT_TRUE(first);
  first->close(); // its deletion is still pending
  Form2* second = open();
  ASSERT_TRUE(second);
  EXPECT_NE(second, first.data());
  EXPECT_TRUE(second->isVisible());
  EXPECT_FALSE(form->isVisible());
  EXPECT_FALSE(form->Timer1->Enabled());
  flushDeletes();
  EXPECT_TRUE(first.isNull());
  EXPECT_EQ(form->form2.data(), second);
  second->close();
  EXPECT_TRUE(form->Timer1->Enabled());
}

TEST_F(Form2Pause, GoesWithTheMainWindow) {
  QPointer<Form2> window = open();
  ASSERT_TRUE(window);
  delete form.data();
  flushDeletes();
  EXPECT_TRUE(window.isNull());
}
