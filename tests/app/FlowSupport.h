// SPDX-License-Identifier: MIT
#pragma once

// Helpers for the tests that drive the main window through a whole test.

#include "app/Form1.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <array>

namespace flowtest {

inline const QString CheckTitle = QStringLiteral("Belmora - Vokrantov test inteligencije");
inline const QString PauseTitle = QStringLiteral("Belmora - Vokratov test inteligencije");
inline const QString WrongText = QStringLiteral("Netacno! Pokusajte opet.");
inline const QString PauseText = QStringLiteral("Ovim ce vreme za resavanje testa biti pauzirano.");

inline QString successText(int minutes) {
  return QStringLiteral("Tacni odgovori. Cestitamo,test ste resili za %1 minuta i spadate u 2% ljudi koji mogu da "
                        "rese ovaj test za manje od pola sata.")
      .arg(minutes);
}

// The solution, category by category, house 1 to 5.
inline const std::array<std::array<const char*, 5>, 5> Solution = {{
    {"Zuta", "Plava", "Crvena", "Zelena", "Bela"},
    {"Norvezanin", "Danac", "Britanac", "Nemac", "Svedjanin"},
    {"Voda", "Caj", "Mleko", "Kafa", "Pivo"},
    {"Odbojka", "Kosarka", "Biciklizam", "Golf", "Plivanje"},
    {"Macka", "Konj", "Ptica", "Riba", "Pas"},
}};

inline platform::ComboBox* list(Form1& form, int category, int house) {
  switch (category) {
  case 0:
    return form.kuca(house);
  case 1:
    return form.vlasnik(house);
  case 2:
    return form.pice(house);
  case 3:
    return form.sport(house);
  default:
    return form.ljubimac(house);
  }
}

// Picks the solution in every list (by index, as a mouse pick would).
inline void pickSolution(Form1& form) {
  for (int c = 0; c < 5; ++c)
    for (int house = 1; house <= 5; ++house) {
      platform::ComboBox* box = list(form, c, house);
      box->setCurrentIndex(box->findText(QLatin1String(Solution[c][house - 1])));
    }
}

inline void tick(Form1& form, int count = 1) {
  for (int i = 0; i < count; ++i)
    form.Timer1->fire();
}

inline void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }

// Runs the deletions that unloading a window schedules.
inline void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// The main window, loaded and shown, with its message boxes recorded. The
// test fires every tick itself: the real timer is slowed to once a day.
class MainWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    form = new Form1;
    form->Show();
    form->Timer1->setInterval(24 * 3600 * 1000);
  }
  void TearDown() override {
    delete form.data();
    flushDeletes();
  }

  bool boardVisible() const {
    bool visible = form->Label1->isVisible() && form->Label2->isVisible();
    for (auto* frame : {form->Frame1, form->Frame2, form->Frame3, form->Frame4, form->Frame5})
      visible = visible && frame->isVisible();
    return visible;
  }
  bool boardHidden() const {
    bool hidden = form->Label1->isHidden() && form->Label2->isHidden();
    for (auto* frame : {form->Frame1, form->Frame2, form->Frame3, form->Frame4, form->Frame5})
      hidden = hidden && frame->isHidden();
    return hidden;
  }

  QPointer<Form1> form;
  platform::MsgBoxRecorder boxes;
};

} // namespace flowtest
