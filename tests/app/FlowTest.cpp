// SPDX-License-Identifier: MIT
// The answer check, the countdown and the pause, driven through Form1's
// widgets with every message box recorded.
#include "FlowSupport.h"

#include "app/Form2.h"
#include "app/Form3.h"

#include <QAbstractEventDispatcher>
#include <QPaintEvent>

using namespace flowtest;

namespace {

class FlowCheck : public MainWindowTest {};
class FlowCountdown : public MainWindowTest {};
class FlowPause : public MainWindowTest {};
class FlowReentry : public MainWindowTest {};

// Records which widgets of a window paint, and the area painted in window
// coordinates.
class PaintLog : public QObject {
public:
  explicit PaintLog(QWidget* window) : window_(window) {
    window->installEventFilter(this);
    for (QWidget* child : window->findChildren<QWidget*>())
      child->installEventFilter(this);
  }
  // Lets every pending repaint happen, then forgets it.
  void settle() {
    QCoreApplication::processEvents();
    painted.clear();
    area = QRegion();
  }
  QSet<QObject*> painted;
  QRegion area;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      auto* widget = static_cast<QWidget*>(watched);
      painted.insert(widget);
      area += static_cast<QPaintEvent*>(event)->region().translated(widget->mapTo(window_, QPoint()));
    }
    return false;
  }

private:
  QWidget* window_;
};

} // namespace

// ---- Check ---------------------------------------------------------------------------

TEST_F(FlowCheck, ThreeWrongChecksUseUpTheAttempts) {
  const QStringList captions = {QStringLiteral("Provera (2)"), QStringLiteral("Provera (1)"),
                                QStringLiteral("Provera (0)")};
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(form->vexabutton1->Enabled());
    click(form->vexabutton1);
    ASSERT_EQ(boxes.calls.size(), std::size_t(i + 1));
    EXPECT_EQ(boxes.calls.back().text, WrongText);
    EXPECT_EQ(boxes.calls.back().icon, platform::MsgBoxIcon::Exclamation);
    EXPECT_EQ(boxes.calls.back().title, CheckTitle);
    EXPECT_EQ(form->vexabutton1->Caption(), captions[i]);
    EXPECT_EQ(form->vexabutton1->Tag(), QString::number(2 - i));
  }
  EXPECT_FALSE(form->vexabutton1->Enabled());
  EXPECT_TRUE(boardHidden());
  EXPECT_FALSE(form->Timer1->Enabled());
  EXPECT_TRUE(form->Label4->isHidden());
  EXPECT_TRUE(form->Label5->isHidden());
  EXPECT_EQ(form->Label3->Caption(), QStringLiteral("Iskoristili ste 3 dozvoljenih pokusaja za resavanje testa."));

  // The disabled button checks no more.
  click(form->vexabutton1);
  EXPECT_EQ(boxes.calls.size(), 3u);
}

TEST_F(FlowCheck, OneWrongCellFailsAndThePositionsOfEntriesDoNotCount) {
  pickSolution(*form);
  // kuca(4) lists its entries in insertion order, the others sorted: the text counts.
  ASSERT_EQ(form->kuca(4)->List(0), QStringLiteral("Zuta"));
  ASSERT_EQ(form->kuca(1)->List(0), QStringLiteral("Bela"));
  form->ljubimac(5)->setCurrentIndex(form->ljubimac(5)->findText(QStringLiteral("Riba")));
  click(form->vexabutton1);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, WrongText);
  EXPECT_EQ(form->vexabutton1->Caption(), QStringLiteral("Provera (2)"));
  EXPECT_TRUE(boardVisible());
  EXPECT_TRUE(form->Timer1->Enabled());
}

TEST_F(FlowCheck, CorrectAtTheStartTakesZeroMinutes) {
  pickSolution(*form);
  tick(*form, 60); // still "30"
  click(form->vexabutton1);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, successText(0));
  EXPECT_EQ(boxes.calls[0].icon, platform::MsgBoxIcon::Information);
  EXPECT_EQ(boxes.calls[0].title, CheckTitle);
  EXPECT_EQ(form->vexabutton1->Caption(), QStringLiteral("Test resen"));
  EXPECT_FALSE(form->vexabutton1->Enabled());
  EXPECT_EQ(form->vexabutton1->Tag(), QStringLiteral("3"));
  EXPECT_TRUE(boardHidden());
  EXPECT_FALSE(form->Timer1->Enabled());
  EXPECT_TRUE(form->Label4->isHidden());
  EXPECT_TRUE(form->Label5->isHidden());
  EXPECT_EQ(form->Label3->Caption(), QStringLiteral("Test je resen za 0 minuta. Cestitamo!"));
}

TEST_F(FlowCheck, CorrectInTheLastSecondTakesThirtyMinutes) {
  tick(*form, 1830);
  ASSERT_EQ(form->Label4->Caption(), QStringLiteral("0"));
  pickSolution(*form);
  click(form->vexabutton1);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, successText(30));
  EXPECT_EQ(form->Label3->Caption(), QStringLiteral("Test je resen za 30 minuta. Cestitamo!"));
  tick(*form); // the time-out tick finds the countdown stopped
  EXPECT_EQ(form->vexabutton1->Caption(), QStringLiteral("Test resen"));
}

TEST_F(FlowCheck, CorrectAfterTwoFailures) {
  click(form->vexabutton1);
  click(form->vexabutton1);
  ASSERT_EQ(form->vexabutton1->Caption(), QStringLiteral("Provera (1)"));
  tick(*form, 61 * 7);
  pickSolution(*form);
  click(form->vexabutton1);
  ASSERT_EQ(boxes.calls.size(), 3u);
  EXPECT_EQ(boxes.calls[2].text, successText(7));
  EXPECT_EQ(form->vexabutton1->Caption(), QStringLiteral("Test resen"));
  EXPECT_EQ(form->vexabutton1->Tag(), QStringLiteral("1"));
  EXPECT_EQ(form->Label3->Caption(), QStringLiteral("Test je resen za 7 minuta. Cestitamo!"));
}

// ---- Countdown ---------------------------------------------------------------------

TEST_F(FlowCountdown, ThirtyMinutesOfSixtyOneTicksThenTheTimeOut) {
  EXPECT_EQ(form->Label4->Caption(), QStringLiteral("30"));
  EXPECT_EQ(form->Timer1->Tag(), QStringLiteral("60"));
  std::map<int, QString> unitWord;
  for (int t = 1; t <= 1830; ++t) {
    tick(*form);
    const int minutes = form->Label4->Caption().toInt();
    ASSERT_EQ(minutes, 30 - t / 61) << "tick " << t;
    unitWord[minutes] = form->Label5->Caption();
  }
  EXPECT_EQ(form->Timer1->Tag(), QStringLiteral("60"));
  EXPECT_EQ(unitWord[30], QStringLiteral("minuta."));
  EXPECT_EQ(unitWord[21], QStringLiteral("minut."));
  EXPECT_EQ(unitWord[20], QStringLiteral("minuta."));
  EXPECT_EQ(unitWord[11], QStringLiteral("minuta."));
  EXPECT_EQ(unitWord[1], QStringLiteral("minut."));
  EXPECT_EQ(unitWord[0], QStringLiteral("minuta."));
  EXPECT_TRUE(form->vexabutton1->Enabled());
  EXPECT_TRUE(boardVisible());

  tick(*form); // 1831
  EXPECT_FALSE(form->vexabutton1->Enabled());
  EXPECT_EQ(form->vexabutton1->Caption(), QStringLiteral("Vreme isteklo"));
  EXPECT_EQ(form->vexabutton1->Tag(), QStringLiteral("3"));
  EXPECT_TRUE(boardHidden());
  EXPECT_FALSE(form->Timer1->Enabled());
  EXPECT_EQ(form->Label4->Caption(), QStringLiteral("isteklo."));
  EXPECT_TRUE(form->Label4->isVisible());
  EXPECT_TRUE(form->Label5->isHidden());
  EXPECT_EQ(form->Label3->Caption(), QStringLiteral("Vreme za resavanje testa je"));
  EXPECT_FLOAT_EQ(float(form->Label4->Left()), float(form->Label3->Left() + form->Label3->Width() + 50));

  const double left = form->Label4->Left();
  tick(*form, 5);
  EXPECT_EQ(form->Label4->Caption(), QStringLiteral("isteklo."));
  EXPECT_EQ(form->Label4->Left(), left);
  EXPECT_EQ(form->Timer1->Tag(), QStringLiteral("60"));
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(FlowCountdown, TheFirstTickPacksTheStatusLineFiftyTwipsApart) {
  EXPECT_EQ(form->Label4->Left(), 5760);
  EXPECT_EQ(form->Label5->Left(), 6120);
  tick(*form);
  EXPECT_EQ(form->Label4->Left(), form->Label3->Left() + form->Label3->Width() + 50);
  EXPECT_EQ(form->Label5->Left(), form->Label4->Left() + form->Label4->Width() + 50);
  // One figure narrower ("9"): the unit word moves closer.
  tick(*form, 61 * 21);
  ASSERT_EQ(form->Label4->Caption(), QStringLiteral("9"));
  EXPECT_EQ(form->Label5->Left(), form->Label4->Left() + form->Label4->Width() + 50);
}

// While the countdown runs, a tick repaints nothing until the minutes change,
// and then only the status line.
TEST_F(FlowCountdown, TicksRepaintOnlyTheStatusLineAndOnlyWhenTheMinutesChange) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  PaintLog log(form);
  tick(*form); // packs the status line
  log.settle();

  tick(*form, 59);
  QCoreApplication::processEvents();
  EXPECT_TRUE(log.painted.isEmpty()) << log.painted.size() << " widgets repainted";

  const QRect lineBefore = form->Label3->geometry() | form->Label4->geometry() | form->Label5->geometry();
  tick(*form); // the 61st: 29 minutes
  ASSERT_EQ(form->Label4->Caption(), QStringLiteral("29"));
  QCoreApplication::processEvents();
  const QRect line = lineBefore | form->Label4->geometry() | form->Label5->geometry();
  EXPECT_TRUE(log.painted.contains(form->Label4));
  EXPECT_TRUE((log.area - line).isEmpty())
      << "painted outside the status line: " << (log.area - line).boundingRect().x() << ","
      << (log.area - line).boundingRect().y();
}

// The countdown is the only timer: nothing in the window polls or animates.
TEST_F(FlowCountdown, NoControlRunsATimer) {
  QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
  for (QObject* object : form->findChildren<QObject*>())
    EXPECT_TRUE(dispatcher->registeredTimers(object).isEmpty()) << qPrintable(object->objectName());
  EXPECT_TRUE(dispatcher->registeredTimers(form).isEmpty());
}

// ---- Pause -------------------------------------------------------------------------------

TEST_F(FlowPause, PauseWhileCountingFreezesTheTimeUntilTheWindowCloses) {
  tick(*form, 100);
  const QString minutes = form->Label4->Caption();
  const QString seconds = form->Timer1->Tag();
  click(form->vexabutton3);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, PauseText);
  EXPECT_EQ(boxes.calls[0].icon, platform::MsgBoxIcon::Information);
  EXPECT_EQ(boxes.calls[0].title, PauseTitle);
  ASSERT_TRUE(form->form3);
  EXPECT_TRUE(form->form3->isVisible());
  EXPECT_FALSE(form->isVisible());
  EXPECT_FALSE(form->isEnabled());
  EXPECT_FALSE(form->Timer1->Enabled());

  tick(*form, 500); // stray timer events count nothing while paused
  EXPECT_EQ(form->Label4->Caption(), minutes);
  EXPECT_EQ(form->Timer1->Tag(), seconds);

  form->form3->close();
  flushDeletes();
  EXPECT_TRUE(form->form3.isNull());
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(form->isEnabled());
  EXPECT_TRUE(form->Timer1->Enabled());
  EXPECT_EQ(form->Label4->Caption(), minutes);
  tick(*form);
  EXPECT_EQ(form->Timer1->Tag(), QString::number(seconds.toInt() - 1));
}

TEST_F(FlowPause, APauseOnTheSecondOfTheMinuteChangeStillResumes) {
  tick(*form, 60);
  ASSERT_EQ(form->Timer1->Tag(), QStringLiteral("0"));
  click(form->vexabutton2);
  ASSERT_TRUE(form->form2);
  EXPECT_FALSE(form->Timer1->Enabled());
  form->form2->close();
  flushDeletes();
  EXPECT_TRUE(form->Timer1->Enabled());
  tick(*form);
  EXPECT_EQ(form->Label4->Caption(), QStringLiteral("29"));
}

TEST_F(FlowPause, AfterTheEndNoMessageAndNoRestart) {
  for (int i = 0; i < 3; ++i)
    click(form->vexabutton1);
  ASSERT_FALSE(form->Timer1->Enabled());
  const QString seconds = form->Timer1->Tag();
  for (vexabutton* opener : {form->vexabutton2, form->vexabutton3}) {
    click(opener);
    EXPECT_EQ(boxes.calls.size(), 3u);
    QPointer<platform::Form> info = opener == form->vexabutton2 ? static_cast<platform::Form*>(form->form2)
                                                                : static_cast<platform::Form*>(form->form3);
    ASSERT_TRUE(info);
    EXPECT_TRUE(info->isVisible());
    info->close();
    flushDeletes();
    EXPECT_TRUE(info.isNull());
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->Timer1->Enabled());
  }
  EXPECT_EQ(form->Timer1->Tag(), seconds);
  EXPECT_EQ(form->vexabutton1->Caption(), QStringLiteral("Provera (0)"));
  EXPECT_TRUE(boardHidden());
}

TEST_F(FlowPause, TimeRunningOutDuringThePauseMessageEndsTheTestForGood) {
  tick(*form, 1830);
  boxes.whileOpen = [this](const platform::MsgBoxCall&) { tick(*form); };
  click(form->vexabutton2);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(form->vexabutton1->Caption(), QStringLiteral("Vreme isteklo"));
  ASSERT_TRUE(form->form2);
  form->form2->close();
  flushDeletes();
  EXPECT_FALSE(form->Timer1->Enabled());
  EXPECT_EQ(form->Label4->Caption(), QStringLiteral("isteklo."));
}

// ---- Ticks while a check's message box is open ------------------------------------------------

TEST_F(FlowReentry, TimeOutDuringTheSuccessMessageStillEndsSolved) {
  tick(*form, 1830);
  pickSolution(*form);
  boxes.whileOpen = [this](const platform::MsgBoxCall&) { tick(*form); };
  click(form->vexabutton1);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, successText(30));
  EXPECT_EQ(form->vexabutton1->Caption(), QStringLiteral("Test resen"));
  EXPECT_FALSE(form->vexabutton1->Enabled());
  EXPECT_EQ(form->Label3->Caption(), QStringLiteral("Test je resen za 30 minuta. Cestitamo!"));
  EXPECT_TRUE(form->Label4->isHidden());
  EXPECT_TRUE(form->Label5->isHidden());
  EXPECT_EQ(form->Label4->Caption(), QStringLiteral("0"));
  EXPECT_TRUE(boardHidden());
  EXPECT_FALSE(form->Timer1->Enabled());
}

TEST_F(FlowReentry, AMinuteEndingDuringTheSuccessMessageKeepsItsMinutes) {
  tick(*form, 60);
  pickSolution(*form);
  boxes.whileOpen = [this](const platform::MsgBoxCall&) { tick(*form); };
  click(form->vexabutton1);
  EXPECT_EQ(boxes.calls[0].text, successText(0));
  EXPECT_EQ(form->Label3->Caption(), QStringLiteral("Test je resen za 0 minuta. Cestitamo!"));
}

TEST_F(FlowReentry, TimeOutDuringTheFailureMessageLeavesTheTimedOutWindow) {
  click(form->vexabutton1);
  tick(*form, 1830);
  boxes.whileOpen = [this](const platform::MsgBoxCall&) { tick(*form); };
  click(form->vexabutton1);
  ASSERT_EQ(boxes.calls.size(), 2u);
  EXPECT_EQ(form->vexabutton1->Caption(), QStringLiteral("Vreme isteklo"));
  EXPECT_EQ(form->vexabutton1->Tag(), QStringLiteral("2"));
  EXPECT_EQ(form->Label3->Caption(), QStringLiteral("Vreme za resavanje testa je"));
  EXPECT_EQ(form->Label4->Caption(), QStringLiteral("isteklo."));
  EXPECT_TRUE(form->Label4->isVisible());
}

TEST_F(FlowReentry, TicksDuringAFailureMessageKeepCounting) {
  boxes.whileOpen = [this](const platform::MsgBoxCall&) { tick(*form, 61); };
  click(form->vexabutton1);
  EXPECT_EQ(form->Label4->Caption(), QStringLiteral("29"));
  EXPECT_EQ(form->vexabutton1->Caption(), QStringLiteral("Provera (2)"));
  EXPECT_TRUE(form->Timer1->Enabled());
}

TEST_F(FlowReentry, TheWindowGoingAwayDuringAMessageEndsTheHandler) {
  boxes.whileOpen = [this](const platform::MsgBoxCall&) { delete form.data(); };
  emit form->vexabutton1->Click();
  EXPECT_TRUE(form.isNull());
}
