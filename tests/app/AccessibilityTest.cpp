// The test's own controls as assistive technology meets them, and the lists
// readable at their narrow width.

#include "FlowSupport.h"

#include "app/Form2.h"
#include "app/Form3.h"
#include "common/TestSupport.h"

#include <QAccessible>

using namespace flowtest;

namespace {

class Accessibility : public MainWindowTest {
protected:
  static QString name(QObject* object) {
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
  }
  QString statusLine() const { return name(form->Label3); }
};

// Each list says its house and category, shows its whole selected entry in
// its tooltip and a cut one with an ellipsis, and announces a new selection.
TEST_F(Accessibility, ListsNameTheirHouseAndCategoryAndShowTheWholeEntry) {
  for (int c = 0; c < 5; ++c)
    for (int house = 1; house <= 5; ++house) {
      platform::ComboBox* box = list(*form, c, house);
      EXPECT_EQ(name(box), QStringLiteral("Kuca %1, ").arg(house) + QLatin1String(puzzle::categories[c].frameCaption));
      for (int i = 0; i < box->ListCount(); ++i) {
        testsupport::Announcements heard(box);
        box->setListIndex(i);
        const QString entry = box->List(i);
        EXPECT_EQ(box->toolTip(), entry);
        EXPECT_TRUE(heard.seen.contains(QStringLiteral("ValueChanged"))) << entry.toStdString();
        const QString shown = box->shownText();
        if (shown != entry) {
          EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
          EXPECT_TRUE(entry.startsWith(shown.chopped(1))) << shown.toStdString();
        }
      }
    }
  // "Biciklizam" does not fit its 65 pixels.
  platform::ComboBox* sport = form->sport(3);
  sport->setListIndex(sport->findText(QStringLiteral("Biciklizam")));
  EXPECT_NE(sport->shownText(), QStringLiteral("Biciklizam"));
}

// One announcement per new minute, none for the seconds between, and one at
// every end of the test.
TEST_F(Accessibility, TheStatusLineIsReadWholeAndAnnouncedWhenItsMinutesChange) {
  EXPECT_EQ(statusLine(), QStringLiteral("Vreme za resavanje testa je: 30 minuta."));
  testsupport::Announcements heard(form->Label3);
  tick(*form, 61);
  EXPECT_EQ(heard.seen, QStringList{QStringLiteral("NameChanged")});
  EXPECT_EQ(statusLine(), QStringLiteral("Vreme za resavanje testa je: 29 minuta."));
  const QAccessibleInterface* minutes = QAccessible::queryAccessibleInterface(form->Label4);
  EXPECT_TRUE(minutes->state().invisible); // read within the line
}

TEST_F(Accessibility, EveryEndOfTheTestIsAnnounced) {
  const struct {
    const char* end;
    std::function<void(Form1&)> reach;
    const char* line;
  } ends[] = {
      {"solved", [](Form1& f) { pickSolution(f), click(f.vexabutton1); }, "Test je resen za 0 minuta. Cestitamo!"},
      {"attempts used up", [](Form1& f) { click(f.vexabutton1), click(f.vexabutton1), click(f.vexabutton1); },
       "Iskoristili ste 3 dozvoljenih pokusaja za resavanje testa."},
      {"timed out", [](Form1& f) { tick(f, 30 * 61 + 1); }, "Vreme za resavanje testa je isteklo."},
  };
  for (const auto& end : ends) {
    delete form.data();
    form = new Form1;
    form->Show();
    testsupport::Announcements heard(form->Label3);
    end.reach(*form);
    EXPECT_EQ(statusLine(), QLatin1String(end.line)) << end.end;
    EXPECT_EQ(heard.seen.count(), end.end == std::string("timed out") ? 31 : 1) << end.end;
  }
}

TEST_F(Accessibility, HeadingPicturesAndInformationWindowsSayWhatTheyAre) {
  QAccessibleInterface* heading = QAccessible::queryAccessibleInterface(form->Label2);
  EXPECT_EQ(heading->role(), QAccessible::Heading);
  const auto labelled = heading->relations(QAccessible::Labelled);
  ASSERT_EQ(labelled.size(), 1);
  EXPECT_EQ(labelled.first().first->object(), form->Label1);
  EXPECT_EQ(name(form->Label1), puzzle::clueLines().join(QLatin1Char('\n')));

  auto* about = new Form2(form);
  auto* program = new Form3(form);
  for (platform::PictureBox* picture : {form->tesmir, about->Picture1, program->Picture1}) {
    const QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(picture);
    EXPECT_EQ(iface->role(), QAccessible::Graphic);
    EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty());
    EXPECT_GT(iface->text(QAccessible::Description).size(), 40);
  }
  EXPECT_EQ(name(about), QStringLiteral("O Tesmiru Vokrantu:"));
  EXPECT_EQ(name(program), QStringLiteral("O Programu i autoru"));
  delete about;
  delete program;
}

} // namespace
