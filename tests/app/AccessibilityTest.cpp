// SPDX-License-Identifier: MIT
// The test's own controls as assistive technology meets them, and the lists
// readable at their narrow width.

#include "FlowSupport.h"

#include "app/Form2.h"
#include "app/Form3.h"
#include "common/TestSupport.h"

using namespace flowtest;

namespace {

class Accessibility : public MainWindowTest {
protected:
  static QAccessibleInterface* iface(QObject* object) { return QAccessible::queryAccessibleInterface(object); }
  QString statusLine() const { return iface(form->Label3)->text(QAccessible::Name); }
};

// Each list keeps its house and category as its name whatever is chosen,
// offers the entry as value and text, announces a new one, shows the whole
// entry in its tooltip and a cut one with an ellipsis.
TEST_F(Accessibility, ListsNameTheirHouseAndCategoryAndShowTheWholeEntry) {
  int cut = 0;
  for (int c = 0; c < 5; ++c)
    for (int house = 1; house <= 5; ++house) {
      platform::ComboBox* box = list(*form, c, house);
      EXPECT_EQ(iface(box)->text(QAccessible::Name),
                QStringLiteral("Kuca %1, %2").arg(house).arg(QLatin1String(puzzle::categories[c].frameCaption)));
      for (int i = 0; i < box->ListCount(); ++i) {
        testsupport::Announcements heard(box);
        box->setListIndex(i);
        const QString entry = box->List(i), shown = box->shownText();
        EXPECT_EQ(heard.seen, (QStringList{QStringLiteral("TextInserted"), QStringLiteral("ValueChanged")}));
        EXPECT_EQ(box->toolTip(), entry);
        QAccessibleInterface* read = iface(box);
        EXPECT_TRUE(read->text(QAccessible::Name).startsWith(QStringLiteral("Kuca %1, ").arg(house)));
        EXPECT_EQ(read->text(QAccessible::Value), entry);
        int start = -1, end = -1;
        read->textInterface()->selection(0, &start, &end);
        EXPECT_EQ(read->textInterface()->text(start, end), entry);
        EXPECT_EQ(read->text(QAccessible::Description), QString()); // the tooltip would say the entry again
        if (shown == entry)
          continue;
        ++cut;
        EXPECT_TRUE(shown.endsWith(QChar(0x2026)) && entry.startsWith(shown.chopped(1))) << shown.toStdString();
      }
    }
  EXPECT_GT(cut, 0); // "Biciklizam" and others do not fit
}

// Typed letters choose as a search: the same letter again steps on, letters
// typed together make a prefix, letter case aside. The closed list keeps the
// focus for assistive technology: no entry of its hidden popup list ever
// takes it, whatever chooses.
TEST_F(Accessibility, TypedLettersChooseInTheClosedListWhichKeepsTheFocus) {
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form));
  const int interval = QApplication::keyboardInputInterval();
  QApplication::setKeyboardInputInterval(200);
  platform::ComboBox* box = form->kuca(1); // Bela, Crvena, Plava, Zelena, Zuta
  box->setFocus();
  testsupport::Announcements heard;
  const std::pair<const char*, const char*> searches[] = {
      {"z", "Zelena"}, {"zz", "Zelena"}, {"c", "Crvena"}, {"zu", "Zuta"}, {"B", "Bela"}};
  for (const auto& [typed, chosen] : searches) {
    QTest::qWait(300); // a new search
    QTest::keyClicks(box, QLatin1String(typed));
    EXPECT_EQ(box->Text(), QLatin1String(chosen)) << typed;
  }
  QTest::keyClick(box, Qt::Key_End);
  QTest::keyClick(box, Qt::Key_Up);
  QApplication::setKeyboardInputInterval(interval);
  EXPECT_EQ(heard.seen.filter(QStringLiteral("TextInserted")).size(), 9); // each entry chosen, "zz" two
  EXPECT_EQ(heard.seen.filter(QStringLiteral("Focus")), QStringList());
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

// Read whole; announced once per new minute and at every end of the test,
// and the checks left after a failed check as well.
TEST_F(Accessibility, TheStatusLineIsAnnouncedWhenItsMinutesChangeAndAtEveryEnd) {
  EXPECT_EQ(statusLine(), QStringLiteral("Vreme za resavanje testa je: 30 minuta."));
  EXPECT_TRUE(iface(form->Label4)->state().invisible); // read within the line
  const struct {
    const char* end;
    std::function<void(Form1&)> reach;
    const char* line;
    int announced;
    const char* first;
  } ends[] = {
      {"a minute", [](Form1& f) { tick(f, 61); }, "Vreme za resavanje testa je: 29 minuta.", 1, nullptr},
      {"solved", [](Form1& f) { pickSolution(f), click(f.vexabutton1); }, "Test je resen za 0 minuta. Cestitamo!", 1,
       nullptr},
      {"attempts used up", [](Form1& f) { click(f.vexabutton1), click(f.vexabutton1), click(f.vexabutton1); },
       "Iskoristili ste 3 dozvoljenih pokusaja za resavanje testa.", 3, "Provera (2)"},
      {"timed out", [](Form1& f) { tick(f, 30 * 61 + 1); }, "Vreme za resavanje testa je isteklo.", 31, nullptr},
  };
  for (const auto& end : ends) {
    delete form.data();
    form = new Form1;
    form->Show();
    testsupport::Announcements heard(form->Label3);
    end.reach(*form);
    EXPECT_EQ(statusLine(), QLatin1String(end.line)) << end.end;
    // Spoken through the notification inside the line, the focus where it was.
    EXPECT_EQ(heard.seen.filter(QStringLiteral("ObjectShow")).count(), end.announced) << end.end;
    ASSERT_FALSE(heard.seen.isEmpty()) << end.end;
    EXPECT_EQ(heard.seen.last(), QStringLiteral("ObjectShow ") + QLatin1String(end.line)) << end.end;
    if (end.first) {
      EXPECT_EQ(heard.seen.filter(QStringLiteral("ObjectShow")).first(), QStringLiteral("ObjectShow ") + end.first);
    }
  }
}

// The clues are a Tab stop after the portrait only while assistive
// technology is active; there Up, Down, Home and End read them one by one.
TEST_F(Accessibility, TheCluesJoinTheTabOrderAsAListOnlyWhileAScreenReaderRuns) {
  form->activateWindow();
  QApplication::processEvents();
  const auto tabFromThePortrait = [&] {
    form->tesmir->setFocus();
    QTest::keyClick(form->tesmir, Qt::Key_Tab);
    return QApplication::focusWidget();
  };
  EXPECT_EQ(tabFromThePortrait(), form->vexabutton1);
  {
    testsupport::Announcements heard(form->Label1);
    ASSERT_EQ(tabFromThePortrait(), form->Label1);
    const std::pair<Qt::Key, int> moves[] = {
        {Qt::Key_Up, 0}, {Qt::Key_Down, 1}, {Qt::Key_End, 14}, {Qt::Key_Down, 14}, {Qt::Key_Home, 0}};
    for (const auto& [key, line] : moves) {
      QTest::keyClick(form->Label1, key);
      EXPECT_EQ(form->Label1->CurrentLine(), line) << key;
      EXPECT_TRUE(iface(form->Label1)->child(line)->state().focused);
    }
    QApplication::processEvents(); // the list's focus reaches its first clue from the event loop
    const QString focus = QStringLiteral("Focus ");
    const QStringList& clues = puzzle::clueLines();
    EXPECT_EQ(heard.seen.filter(focus),
              (QStringList{focus + clues[1], focus + clues[14], focus + clues[0], focus + clues[0]}));
    QTest::keyClick(form->Label1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->vexabutton1);
  }
  EXPECT_EQ(tabFromThePortrait(), form->vexabutton1);
}

TEST_F(Accessibility, HeadingPicturesAndInformationWindowsSayWhatTheyAre) {
  const auto labelled = iface(form->Label2)->relations(QAccessible::Labelled);
  EXPECT_EQ(iface(form->Label2)->role(), QAccessible::Heading);
  ASSERT_EQ(labelled.size(), 1);
  EXPECT_EQ(labelled.first().first->object(), form->Label1);
  // The clues: a list named by its heading, one item per clue.
  QAccessibleInterface* clues = iface(form->Label1);
  EXPECT_EQ(clues->role(), QAccessible::List);
  EXPECT_EQ(clues->text(QAccessible::Name), form->Label2->Caption());
  ASSERT_EQ(clues->childCount(), puzzle::clueLines().size());
  for (int i = 0; i < clues->childCount(); ++i) {
    EXPECT_EQ(clues->child(i)->text(QAccessible::Name), puzzle::clueLines().at(i));
    EXPECT_EQ(clues->indexOfChild(clues->child(i)), i);
  }
  // Lines follow each other down the label, inside it.
  EXPECT_TRUE(form->Label1->rect().contains(form->Label1->lineRect(14)));
  EXPECT_GT(form->Label1->lineRect(1).top(), form->Label1->lineRect(0).top());
  EXPECT_EQ(form->Label1->lineRect(1).top(), form->Label1->lineRect(0).bottom() + 1);
  EXPECT_EQ(iface(form)->role(), QAccessible::Window);

  Form2 about(form);
  Form3 program(form);
  for (platform::PictureBox* picture : {form->tesmir, about.Picture1, program.Picture1}) {
    EXPECT_EQ(iface(picture)->role(), QAccessible::Graphic);
    EXPECT_FALSE(iface(picture)->text(QAccessible::Name).isEmpty());
    EXPECT_GT(iface(picture)->text(QAccessible::Description).size(), 40);
  }
  EXPECT_EQ(iface(&about)->text(QAccessible::Name), QStringLiteral("O Tesmiru Vokrantu:"));
  EXPECT_EQ(iface(&program)->text(QAccessible::Name), QStringLiteral("O Programu i autoru"));
}

// While a screen reader runs, an information window opens on its texts as
// one document read from the top: the heading first, the picture described
// where it stands. Its lines are the drawn lines, one after the other, each
// where it is drawn; Down moves the reading point. Without a screen reader
// the picture has the focus, as ever.
TEST_F(Accessibility, InformationWindowsReadAsOneDocumentFromTheTop) {
  {
    Form3 program(form);
    EXPECT_EQ(program.focusWidget(), program.Picture1);
  }
  testsupport::Announcements heard;
  Form2 about(form);
  about.Show();
  about.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
  ASSERT_EQ(QApplication::focusWidget(), about.document);
  QAccessibleInterface* document = iface(about.document);
  EXPECT_EQ(document->role(), QAccessible::Document);
  QAccessibleTextInterface* text = document->textInterface();
  const QStringList parts{about.Label1->Caption(), about.Label2->Caption(), about.Label3->Caption(),
                          about.Picture1->accessibleDescription(), about.Label4->Caption()};
  EXPECT_EQ(text->text(0, text->characterCount()), parts.join(QLatin1Char('\n')));
  EXPECT_TRUE(iface(about.Label2)->state().invisible); // read within the document only
  int start = -1, end = -1;
  EXPECT_EQ(text->textAtOffset(0, QAccessible::SentenceBoundary, &start, &end).trimmed(), parts[0]);

  EXPECT_TRUE(QRect(about.Label1->mapToGlobal(QPoint()), about.Label1->size()).contains(text->characterRect(0)));
  const QRect area(about.document->mapToGlobal(QPoint()), about.document->size());
  QRect previous;
  for (int offset = 0; offset < text->characterCount(); offset = end) {
    const QString line = text->textAtOffset(offset, QAccessible::LineBoundary, &start, &end);
    ASSERT_EQ(start, offset);
    ASSERT_EQ(line.size(), end - start);
    const QRect first = text->characterRect(start);
    EXPECT_TRUE(area.contains(first)) << line.toStdString();
    EXPECT_GE(first.top(), previous.top()) << line.toStdString();
    previous = first;
  }
  EXPECT_EQ(text->textAtOffset(0, QAccessible::LineBoundary, &start, &end), parts[0] + QLatin1Char('\n'));
  QTest::keyClick(about.document, Qt::Key_Down);
  EXPECT_EQ(text->cursorPosition(), end);
  EXPECT_EQ(heard.seen.filter(QStringLiteral("TextCaretMoved")).size(), 1);
}

} // namespace
