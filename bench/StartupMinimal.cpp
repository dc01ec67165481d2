// SPDX-License-Identifier: MIT
// The reference of the start-up benchmark: a plain Qt Widgets window with the
// same kinds and numbers of widgets as the program's main window (697 x 528
// pixels, a long wrapped label, five group boxes with five filled drop-down
// lists each, six labels in all, four push buttons), built the way a Qt
// program usually is, with no timer and no artwork.
//   startup_minimal [--quit-after-first-paint] [--one-second-timer]
// --one-second-timer runs a precise one-second timer with nothing to do: the
// least a countdown costs while the window sits idle.
#include "platform/FirstPaint.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace {

const char* const groupTitles[5] = {"Colour", "Owner", "Drink", "Sport", "Pet"};
const char* const entries[5][5] = {{"Yellow", "Blue", "Red", "Green", "White"},
                                   {"Norway", "Denmark", "Britain", "Germany", "Sweden"},
                                   {"Water", "Tea", "Milk", "Coffee", "Beer"},
                                   {"Volleyball", "Basketball", "Cycling", "Golf", "Swimming"},
                                   {"Cat", "Horse", "Bird", "Fish", "Dog"}};
const char* const buttonTexts[4] = {"Check (3)", "&About the author", "About the &program", "E&xit"};

QString clueText() {
  QStringList lines;
  for (int i = 1; i <= 15; ++i)
    lines << QStringLiteral("%1. A clue about the houses, their owners and what they like best.").arg(i);
  return lines.join(QLatin1Char('\n'));
}

} // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Minimal window"));
  window.setFixedSize(697, 528);

  auto* clues = new QLabel(clueText(), &window);
  clues->setWordWrap(true);
  clues->setGeometry(8, 88, 289, 233);
  (new QLabel(QStringLiteral("The clues:"), &window))->move(8, 64);

  for (int g = 0; g < 5; ++g) {
    auto* group = new QGroupBox(QLatin1String(groupTitles[g]), &window);
    group->setGeometry(288, 72 + g * 72, 401, 65);
    for (int i = 0; i < 5; ++i) {
      auto* list = new QComboBox(group);
      list->setGeometry(8 + i * 78, 24, 65, 23);
      for (const char* entry : entries[g])
        list->addItem(QLatin1String(entry));
      list->setCurrentIndex(-1);
    }
  }

  for (int b = 0; b < 4; ++b)
    (new QPushButton(QLatin1String(buttonTexts[b]), &window))->setGeometry(168 + b * 131, 464, 121, 33);

  (new QLabel(QStringLiteral("Time left:"), &window))->move(168, 440);
  (new QLabel(QStringLiteral("30"), &window))->move(330, 440);
  (new QLabel(QStringLiteral("minutes."), &window))->move(350, 440);
  (new QLabel(QStringLiteral("More programs at www.belmora.example"), &window))->move(269, 505);

  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  QObject::connect(&tick, &QTimer::timeout, [] {});
  if (app.arguments().contains(QStringLiteral("--one-second-timer")))
    tick.start(1000);

  if (app.arguments().contains(QStringLiteral("--quit-after-first-paint")))
    platform::quitAfterFirstPaint(&window);
  window.show();
  return app.exec();
}
