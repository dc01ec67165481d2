// SPDX-License-Identifier: MIT
// A user's program built against the installed package: it includes the
// public header by its installed path, shows a button, clicks it through
// Qt's events and stores its properties. Exits 0 when all of that holds.
#include <VexaButton/vexabutton.h>

#include <QApplication>
#include <QMouseEvent>

static_assert(__cplusplus >= 202002L, "the package's compile features bring C++20");

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  auto* button = new vexabutton(&window);
  button->setGeometry(20, 20, 121, 33);
  button->setCaption(QStringLiteral("U redu"));
  int clicks = 0;
  QObject::connect(button, &vexabutton::Click, button, [&] { ++clicks; });
  window.show();
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, QPointF(60, 16), button->mapToGlobal(QPointF(60, 16)), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &event);
  }
  platform::PropertyBag bag;
  button->WriteProperties(bag);
  vexabutton copy;
  const QWidget* asWidget = button;
  int failures = 0;
  const auto expect = [&](bool holds, const char* what) { failures += holds ? 0 : (qWarning("client: %s", what), 1); };
  expect(qobject_cast<const vexabutton*>(asWidget) == button, "cast from QWidget");
  expect(button->isVisible() && button->grab().size() == QSize(121, 33), "shown and drawn");
  expect(clicks == 1, "one click");
  expect(copy.ReadProperties(bag) && copy.Caption() == button->Caption(), "stored and loaded");
  return failures == 0 ? 0 : 1;
}
