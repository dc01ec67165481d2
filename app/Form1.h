// SPDX-License-Identifier: MIT
#pragma once

#include "app/ControlArray.h"
#include "app/Puzzle.h"
#include "button/model/vexabutton.h"
#include "platform/Controls.h"
#include "platform/Form.h"

#include <QPointer>

class Form2;
class Form3;

// The main window: the clues, the 25 lists, the status line and four buttons.
//
// Source files: Form1.cpp (layout, Load, popuni, exit) and Form1Flow.cpp
// (the check, gotovo, the countdown tick and the pause).
class Form1 : public platform::Form {
  Q_OBJECT
public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // Public procedures.
  void popuni();
  void gotovo();

  // The pause, as the information windows drive it: their Load stops the
  // countdown, remembering whether it was running; their closing restarts it
  // only then (Form1Flow.cpp).
  void pauseCountdown();
  void resumeCountdown();
  // The focus goes back to the control that had it before the pause, when
  // that control can still take it.
  void restoreFocusAfterPause();

  // The five lists of a category (kuca, vlasnik, pice, sport, ljubimac).
  ControlArray<platform::ComboBox, 5>& lists(puzzle::Category category);

  // The stored property values of button `index` (1 to 4), as loaded into
  // the instance with vexabutton::ReadProperties.
  static platform::PropertyBag storedButtonProperties(int index);

  // Controls, by their names.
  platform::PictureBox* tesmir = nullptr;
  platform::Label* Label1 = nullptr;
  platform::Label* Label2 = nullptr;
  platform::Label* Label3 = nullptr;
  platform::Label* Label4 = nullptr;
  platform::Label* Label5 = nullptr;
  platform::Label* Label6 = nullptr;
  vexabutton* vexabutton1 = nullptr;
  vexabutton* vexabutton2 = nullptr;
  vexabutton* vexabutton3 = nullptr;
  vexabutton* vexabutton4 = nullptr;
  platform::Frame* Frame1 = nullptr;
  platform::Frame* Frame2 = nullptr;
  platform::Frame* Frame3 = nullptr;
  platform::Frame* Frame4 = nullptr;
  platform::Frame* Frame5 = nullptr;
  ControlArray<platform::ComboBox, 5> kuca;
  ControlArray<platform::ComboBox, 5> vlasnik;
  ControlArray<platform::ComboBox, 5> pice;
  ControlArray<platform::ComboBox, 5> sport;
  ControlArray<platform::ComboBox, 5> ljubimac;
  platform::TimerControl* Timer1 = nullptr;

  // The information windows while loaded.
  QPointer<Form2> form2;
  QPointer<Form3> form3;

protected:
  void Form_Load() override;

private:
  // Event handlers.
  void vexabutton1_Click();
  void vexabutton2_Click();
  void vexabutton3_Click();
  void vexabutton4_Click();
  void Timer1_Timer();

  // Flow helpers (Form1Flow.cpp).
  bool hideForPause();
  void timeOut();
  void packStatusLine();
  // Label3 carries the whole status line to assistive technology as its
  // name; a change (a new minute, an end of the test) is also announced.
  QString statusLineText() const;
  void announceStatusLine();

  // True while an information window holds a countdown that was running.
  bool countdownPaused_ = false;
  QPointer<QWidget> focusBeforePause_;
};
