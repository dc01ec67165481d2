// SPDX-License-Identifier: MIT
// The test itself: the answer check with its three attempts, the end-of-test
// state, the countdown with its time-out and the pause.
//
// The remaining minutes, the seconds counter and the remaining checks live as
// decimal text in Label4, Timer1's Tag and vexabutton1's Tag; there is no other
// model of the test. The countdown keeps ticking while a message box is open,
// so every handler that shows a box looks at the window again afterwards.
#include "app/Form1.h"

#include "app/Form2.h"
#include "app/Form3.h"
#include "platform/MessageBox.h"

namespace {

const QString CheckTitle = QStringLiteral("Belmora - Vokrantov test inteligencije");
const QString PauseTitle = QStringLiteral("Belmora - Vokratov test inteligencije");

// Gap between the labels of the status line, in twips.
constexpr float StatusGap = 50;

// The number in a caption or tag, if it holds one.
bool readNumber(const QString& text, int& value) {
  bool ok = false;
  value = text.trimmed().toInt(&ok);
  return ok;
}

int numberOr(const QString& text, int fallback) {
  int value = 0;
  return readNumber(text, value) ? value : fallback;
}

} // namespace

// ---- Answer check ------------------------------------------------------------

void Form1::vexabutton1_Click() {
  if (!vexabutton1->Enabled())
    return; // the test has ended

  // All 25 answers are compared, category by category, house 1 to 5; there
  // is no partial score.
  bool correct = true;
  for (const puzzle::CategoryContent& content : puzzle::categories)
    for (int house = 1; house <= puzzle::HouseCount; ++house)
      if (lists(content.category)(house)->Text() != QLatin1String(puzzle::SolutionKey::cell(content.category, house)))
        correct = false;

  QPointer<Form1> self(this);
  if (correct) {
    // The minutes of the message are the minutes of the result, whatever the
    // countdown does while the box is open.
    const int minutes = numberOr(Label4->Caption(), 30);
    const QString taken = QString::number(30 - minutes);
    platform::msgBox(QStringLiteral("Tacni odgovori. Cestitamo,test ste resili za ") + taken +
                         QStringLiteral(" minuta i spadate u 2% ljudi koji mogu da rese ovaj test za manje od pola "
                                        "sata."),
                     platform::MsgBoxIcon::Information, CheckTitle);
    if (!self)
      return;
    gotovo();
    vexabutton1->setCaption(QStringLiteral("Test resen"));
    Label4->hide();
    Label5->hide();
    // A time-out while the box was open put a word into Label4: the solved
    // window keeps its figure.
    int shown = 0;
    if (!readNumber(Label4->Caption(), shown))
      Label4->setCaption(QString::number(minutes));
    Label3->setCaption(QStringLiteral("Test je resen za ") + taken + QStringLiteral(" minuta. Cestitamo!"));
    announceStatusLine();
    return;
  }

  platform::msgBox(QStringLiteral("Netacno! Pokusajte opet."), platform::MsgBoxIcon::Exclamation, CheckTitle);
  if (!self)
    return;
  // The time ran out while the box was open: the timed-out window stays as it is.
  if (!vexabutton1->Enabled())
    return;
  vexabutton1->setTag(QString::number(numberOr(vexabutton1->Tag(), 0) - 1));
  vexabutton1->setCaption(QStringLiteral("Provera (") + vexabutton1->Tag() + QStringLiteral(")"));
  if (numberOr(vexabutton1->Tag(), 0) <= 0) {
    gotovo();
    Label4->hide();
    Label5->hide();
    Label3->setCaption(QStringLiteral("Iskoristili ste 3 dozvoljenih pokusaja za resavanje testa."));
    announceStatusLine();
    return;
  }
  // The checks left, said where the player is, as the minutes are.
  Label3->announce(vexabutton1->Caption());
}

void Form1::gotovo() {
  vexabutton1->setEnabled(false);
  Label1->hide();
  Label2->hide();
  for (platform::Frame* frame : {Frame1, Frame2, Frame3, Frame4, Frame5})
    frame->hide();
  Timer1->setEnabled(false);
}

// ---- Countdown -----------------------------------------------------------------

void Form1::Timer1_Timer() {
  // A tick that arrives after the countdown was stopped counts nothing.
  if (!Timer1->Enabled())
    return;
  int minutes = 0;
  if (!readNumber(Label4->Caption(), minutes))
    return; // timed out

  if (minutes == 0) {
    timeOut();
  } else {
    const int seconds = numberOr(Timer1->Tag(), 0);
    if (seconds <= 0) {
      Timer1->setTag(QStringLiteral("60"));
      Label4->setCaption(QString::number(minutes - 1));
    } else {
      Timer1->setTag(QString::number(seconds - 1));
    }
    const QString shown = Label4->Caption();
    const bool singular = shown.endsWith(QLatin1Char('1')) && numberOr(shown, 0) != 11;
    Label5->setCaption(singular ? QStringLiteral("minut.") : QStringLiteral("minuta."));
  }
  packStatusLine();
  announceStatusLine();
}

void Form1::timeOut() {
  vexabutton1->setEnabled(false);
  vexabutton1->setCaption(QStringLiteral("Vreme isteklo"));
  Label1->hide();
  Label2->hide();
  for (platform::Frame* frame : {Frame1, Frame2, Frame3, Frame4, Frame5})
    frame->hide();
  Timer1->setEnabled(false);
  Label4->setCaption(QStringLiteral("isteklo."));
  Label5->hide();
  Label3->setCaption(QStringLiteral("Vreme za resavanje testa je"));
}

// Keeps the three labels of the status line 50 twips apart, whatever the
// width of the figure; positions compare in single precision.
void Form1::packStatusLine() {
  const float label4Left = float(Label3->Width()) + float(Label3->Left()) + StatusGap;
  if (label4Left != float(Label4->Left()))
    Label4->setLeft(label4Left);
  const float label5Left = float(Label4->Width()) + float(Label4->Left()) + StatusGap;
  if (label5Left != float(Label5->Left()))
    Label5->setLeft(label5Left);
}

QString Form1::statusLineText() const {
  QStringList parts;
  for (const platform::Label* label : {Label3, Label4, Label5})
    if (label->Visible() && !label->Caption().isEmpty())
      parts << label->Caption();
  return parts.join(QLatin1Char(' '));
}

void Form1::announceStatusLine() {
  const QString line = statusLineText();
  if (Label3->accessibleName() == line)
    return;
  Label3->setAccessibleName(line);
  Label3->announce(line);
}

// ---- Pause -------------------------------------------------------------------------

// An information window that was closed may still await its deletion: the
// next opening makes a new one.

void Form1::vexabutton2_Click() {
  if (!hideForPause())
    return;
  if (!form2 || !form2->isLoaded())
    form2 = new Form2(this);
  form2->Show();
}

void Form1::vexabutton3_Click() {
  if (!hideForPause())
    return;
  if (!form3 || !form3->isLoaded())
    form3 = new Form3(this);
  form3->Show();
}

// Hides the main window and, while the test runs, says that the time is paused.
// False when the window went away meanwhile.
bool Form1::hideForPause() {
  QPointer<Form1> self(this);
  focusBeforePause_ = focusWidget();
  Hide();
  if (Timer1->Enabled())
    platform::msgBox(QStringLiteral("Ovim ce vreme za resavanje testa biti pauzirano."),
                     platform::MsgBoxIcon::Information, PauseTitle);
  return !self.isNull();
}

void Form1::pauseCountdown() {
  // A second pause while one is held keeps the first record.
  countdownPaused_ = countdownPaused_ || Timer1->Enabled();
  Timer1->setEnabled(false);
}

void Form1::restoreFocusAfterPause() {
  QWidget* control = focusBeforePause_;
  focusBeforePause_ = nullptr;
  activateWindow();
  if (control && control->isVisible() && control->isEnabled() && control->focusPolicy() != Qt::NoFocus)
    control->setFocus(Qt::OtherFocusReason);
}

void Form1::resumeCountdown() {
  if (!countdownPaused_)
    return;
  countdownPaused_ = false;
  Timer1->setEnabled(true);
}
