// SPDX-License-Identifier: MIT
#include "app/Form1.h"

#include "button/model/vexabutton_p.h"
#include "platform/Geometry.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

// A main window on the heap (Unload deletes it later), deleted at the end.
struct Form1Fixture : ::testing::Test {
  Form1Fixture() : form(new Form1) {}
  ~Form1Fixture() override { delete form.data(); }
  QPointer<Form1> form;
};

QRect pixels(int left, int top, int width, int height) {
  using platform::twipsToPixels;
  return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

} // namespace

TEST_F(Form1Fixture, WindowHasItsCaptionSizeColourAndArtwork) {
  EXPECT_EQ(form->Caption(), QStringLiteral("Belmora - Vokrantov test inteligencije"));
  EXPECT_EQ(form->size(), QSize(697, 528));
  EXPECT_EQ(form->ScaleWidth(), 10455);
  EXPECT_EQ(form->ScaleHeight(), 7920);
  EXPECT_EQ(form->BackColor(), 0x00E6E6E6);
  EXPECT_EQ(form->Picture().size(), QSize(700, 65));
  const QList<QSize> iconSizes = form->windowIcon().availableSizes();
  for (int size : {48, 32, 16})
    EXPECT_TRUE(iconSizes.contains(QSize(size, size))) << size;
}

TEST_F(Form1Fixture, WindowIsFixedSizeWithoutMaximizeAndCentredAtFirstShow) {
  EXPECT_EQ(form->BorderStyle(), 1);
  EXPECT_EQ(form->minimumSize(), QSize(697, 528));
  EXPECT_EQ(form->maximumSize(), QSize(697, 528));
  const Qt::WindowFlags flags = form->windowFlags();
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));

  form->Show();
  const QRect available = form->screen()->availableGeometry();
  const QRect frame = form->frameGeometry();
  EXPECT_NEAR(frame.center().x(), available.center().x(), 1);
  EXPECT_NEAR(frame.center().y(), available.center().y(), 1);
  EXPECT_TRUE(form->isLoaded());
}

TEST_F(Form1Fixture, ControlsStandWhereTheLayoutPutsThem) {
  EXPECT_EQ(form->tesmir->geometry(), QRect(0, 328, 154, 200));
  EXPECT_EQ(form->Label1->geometry(), pixels(120, 1320, 4335, 3495));
  EXPECT_EQ(form->vexabutton1->geometry(), QRect(168, 464, 121, 33));
  EXPECT_EQ(form->vexabutton2->geometry(), QRect(301, 464, 121, 33));
  EXPECT_EQ(form->vexabutton3->geometry(), QRect(432, 464, 121, 33));
  EXPECT_EQ(form->vexabutton4->geometry(), QRect(568, 464, 121, 33));
  platform::Frame* frames[] = {form->Frame1, form->Frame2, form->Frame3, form->Frame4, form->Frame5};
  for (int f = 0; f < 5; ++f) {
    EXPECT_EQ(frames[f]->geometry(), QRect(288, 72 + 72 * f, 401, 65)) << "Frame" << f + 1;
    EXPECT_EQ(frames[f]->Caption(), QLatin1String(puzzle::categories[f].frameCaption));
    for (int house = 1; house <= 5; ++house) {
      platform::ComboBox* list = form->lists(puzzle::categories[f].category)(house);
      EXPECT_EQ(list->parentWidget(), frames[f]);
      EXPECT_EQ(list->geometry(), QRect(8 + 78 * (house - 1), 24, 65, 23));
    }
  }
  // AutoSize labels keep their Left and Top; their size follows the text.
  struct {
    platform::Label* label;
    int left, top;
  } autoSized[] = {{form->Label2, 120, 960},
                   {form->Label3, 2520, 6600},
                   {form->Label4, 5760, 6600},
                   {form->Label5, 6120, 6600},
                   {form->Label6, 4035, 7575}};
  for (const auto& entry : autoSized) {
    EXPECT_EQ(entry.label->Left(), entry.left) << entry.label->objectName().toStdString();
    EXPECT_EQ(entry.label->Top(), entry.top) << entry.label->objectName().toStdString();
    EXPECT_TRUE(entry.label->AutoSize());
    EXPECT_GT(entry.label->Width(), 0);
    EXPECT_EQ(int(entry.label->Width()) % 15, 0);
  }
  // The footer fits in the window on one line.
  EXPECT_LE(form->Label6->Left() + form->Label6->Width(), 10455);
  EXPECT_EQ(form->Label6->Height(), form->Label2->Height());
  EXPECT_TRUE(form->Label6->Caption().contains(QStringLiteral(".example")));
}

TEST_F(Form1Fixture, FontsColoursAndStatusLineStartValues) {
  EXPECT_EQ(form->Label1->Font().Name(), QStringLiteral("Calibri"));
  EXPECT_EQ(form->Label1->Font().Size(), 9.75);
  EXPECT_EQ(form->Label1->Font().Charset(), 238);
  EXPECT_FALSE(form->Label1->AutoSize());
  EXPECT_TRUE(form->Label2->Font().Bold());
  EXPECT_TRUE(form->Label4->Font().Underline());
  EXPECT_EQ(form->Label4->ForeColor(), 0x000000C0);
  EXPECT_EQ(form->Label4->Alignment(), 2);
  EXPECT_EQ(form->Label5->Font().Charset(), 0);
  EXPECT_TRUE(form->Label6->Font().Italic());
  EXPECT_EQ(form->Label6->ForeColor(), 0x00404040);
  EXPECT_EQ(form->Label3->Caption(), QStringLiteral("Vreme za resavanje testa je:"));
  EXPECT_EQ(form->Label4->Caption(), QStringLiteral("30"));
  EXPECT_EQ(form->Label5->Caption(), QStringLiteral("minuta."));
  EXPECT_EQ(form->Timer1->Interval(), 1000);
  EXPECT_TRUE(form->Timer1->Enabled());
  EXPECT_EQ(form->Timer1->Tag(), QStringLiteral("60"));
  EXPECT_EQ(form->tesmir->ToolTipText(), QStringLiteral(":-P"));
  EXPECT_EQ(form->tesmir->Picture().size(), QSize(154, 200));
}

TEST_F(Form1Fixture, ButtonsAreHostedWithTheirStoredValuesAndExtenders) {
  EXPECT_EQ(form->vexabutton1->Tag(), QStringLiteral("3"));
  EXPECT_TRUE(form->extender(form->vexabutton1).Default);
  EXPECT_FALSE(form->extender(form->vexabutton1).Cancel);
  EXPECT_TRUE(form->extender(form->vexabutton4).Cancel);
  EXPECT_FALSE(form->extender(form->vexabutton4).Default);
  vexabutton* buttons[] = {form->vexabutton1, form->vexabutton2, form->vexabutton3, form->vexabutton4};
  const char* captions[] = {"Provera (3)", "O &Tesmiru Vokrantu", "O &Programu", "&Izlaz"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(form->ambientDisplayName(buttons[i]), QStringLiteral("vexabutton%1").arg(i + 1));
    EXPECT_EQ(&hostOf(*buttons[i]), static_cast<platform::ControlHost*>(form.data()));
    const platform::PropertyBag bag = Form1::storedButtonProperties(i + 1);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Caption")).toString(), QLatin1String(captions[i]));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("ButtonStyle")).toInt(), 13);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("_ExtentX")).toInt(), 3201);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("_ExtentY")).toInt(), 873);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("BackColor")).toInt(), 0);
    const auto font = bag.ReadProperty(QStringLiteral("Font")).value<platform::SharedFontPtr>();
    ASSERT_TRUE(font);
    EXPECT_EQ(font->Name(), QStringLiteral("Tahoma"));
    EXPECT_EQ(font->Size(), 9.75);
    EXPECT_EQ(font->Weight(), i == 0 ? 700 : 400);
    EXPECT_EQ(bag.count(), 10);
  }
  // Each instance has a font object of its own.
  EXPECT_NE(Form1::storedButtonProperties(2).ReadProperty(QStringLiteral("font")).value<platform::SharedFontPtr>(),
            Form1::storedButtonProperties(2).ReadProperty(QStringLiteral("font")).value<platform::SharedFontPtr>());
}

TEST_F(Form1Fixture, TabOrderStartsAtThePortraitThenButtonsThenListsRowByRow) {
  form->Show();
  std::vector<QWidget*> expected{form->tesmir, form->vexabutton1, form->vexabutton2, form->vexabutton3,
                                 form->vexabutton4};
  for (const auto& content : puzzle::categories)
    for (int house = 1; house <= 5; ++house)
      expected.push_back(form->lists(content.category)(house));

  std::vector<QWidget*> chain;
  QWidget* widget = form->tesmir;
  do {
    if (widget->focusPolicy() & Qt::TabFocus)
      chain.push_back(widget);
    widget = widget->nextInFocusChain();
  } while (widget != form->tesmir && chain.size() < 100);
  EXPECT_EQ(chain, expected);
  EXPECT_EQ(form->focusWidget(), form->tesmir);
}

TEST_F(Form1Fixture, IzlazUnloadsTheWindow) {
  form->Show();
  bool unloaded = false;
  QObject::connect(form, &platform::Form::unloaded, [&] { unloaded = true; });
  emit form->vexabutton4->Click();
  EXPECT_TRUE(unloaded);
  EXPECT_FALSE(form->isVisible());
}

TEST_F(Form1Fixture, CloseBoxUnloadsTheWindow) {
  form->Show();
  bool unloaded = false;
  QObject::connect(form, &platform::Form::unloaded, [&] { unloaded = true; });
  form->close();
  EXPECT_TRUE(unloaded);
  EXPECT_FALSE(form->isVisible());
}

TEST_F(Form1Fixture, StatusLineLabelsMeasureAsTheStoredLayout) {
  // Carlito has the metrics of Calibri, so the automatic sizes come out as
  // the stored design sizes (bold text may differ by a few pixels of hinting).
  EXPECT_NEAR(form->Label2->Width(), 1410, 90);
  EXPECT_NEAR(form->Label3->Width(), 2325, 90);
  EXPECT_NEAR(form->Label4->Width(), 210, 15);
  EXPECT_NEAR(form->Label5->Width(), 630, 30);
  for (platform::Label* label : {form->Label2, form->Label3, form->Label4, form->Label5, form->Label6})
    EXPECT_EQ(label->Height(), 225) << label->objectName().toStdString();
}

TEST_F(Form1Fixture, ButtonInstancesCarryTheirLoadedProperties) {
  vexabutton* buttons[] = {form->vexabutton1, form->vexabutton2, form->vexabutton3, form->vexabutton4};
  const char* captions[] = {"Provera (3)", "O &Tesmiru Vokrantu", "O &Programu", "&Izlaz"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(buttons[i]->Caption(), QLatin1String(captions[i]));
    EXPECT_EQ(buttons[i]->ButtonStyle(), 13);
    ASSERT_TRUE(buttons[i]->Font());
    EXPECT_EQ(buttons[i]->Font()->Name(), QStringLiteral("Tahoma"));
    EXPECT_EQ(buttons[i]->Font()->Size(), 9.75);
    EXPECT_EQ(buttons[i]->Font()->Weight(), i == 0 ? 700 : 400);
    EXPECT_EQ(buttons[i]->size(), QSize(121, 33));
  }
  EXPECT_NE(form->vexabutton2->Font(), form->vexabutton3->Font());
}
