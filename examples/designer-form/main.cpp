// SPDX-License-Identifier: MIT
// A window drawn in Qt Designer: PrintForm.ui holds the buttons with their
// looks, modes, captions and picture (from designer-form.qrc), and the Close
// button's connection; uic turns it into Ui::PrintForm when the program is
// built. This file adds only what a form cannot say.
#include "ui_PrintForm.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  Ui::PrintForm ui;
  ui.setupUi(&window);

  // The paper sizes are option buttons with the same parent (the group
  // box), so a click on one lets the other two up; the check button keeps
  // its own Value.
  auto paper = [&ui] {
    for (const vexabutton* option : {ui.a4Button, ui.a5Button, ui.letterButton})
      if (option->Value())
        return option->Caption().remove(QLatin1Char('&'));
    return QString();
  };
  QObject::connect(ui.printButton, &vexabutton::Click, &window, [&ui, paper] {
    const QString sides = ui.doubleSidedButton->Value() ? QStringLiteral("both sides") : QStringLiteral("one side");
    ui.statusLabel->setText(QStringLiteral("Printing on %1, %2").arg(paper(), sides));
  });

  window.show();
  return app.exec();
}
