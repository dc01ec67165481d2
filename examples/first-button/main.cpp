// SPDX-License-Identifier: MIT
// The smallest program with a vexabutton: one button in a window that
// answers a click.
#include <VexaButton/vexabutton.h>

#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
  QApplication app(argc, argv);

  QWidget window;
  window.setWindowTitle(QStringLiteral("First button"));
  window.resize(240, 100);

  // A button is a QWidget: give it a parent and a place. Made in code it is
  // ready at once: a push button in the Classic style, with no caption until
  // one is set. (loadNewInstance() would give it the values of a button newly
  // placed on a form instead: the System style, the caption "vexabutton1".)
  auto* hello = new vexabutton(&window);
  hello->setGeometry(60, 34, 121, 33);
  // "&" marks the access key: Alt+H presses the button.
  hello->setCaption(QStringLiteral("&Hello"));

  // Click is raised once for every completed press: mouse, space bar,
  // Enter or the access key.
  QObject::connect(hello, &vexabutton::Click, &window, [&window] {
    QMessageBox::information(&window, QStringLiteral("Hello"), QStringLiteral("Clicked."));
  });

  window.show();
  return app.exec();
}
