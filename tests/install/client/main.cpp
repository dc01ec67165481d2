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
  const bool loaded = copy.ReadProperties(bag) && copy.Caption() == button->Caption();
  const QWidget* asWidget = button;
  const bool ok = qobject_cast<const vexabutton*>(asWidget) == button && button->isVisible() &&
                  button->grab().size() == QSize(121, 33) && clicks == 1 && loaded;
  if (!ok)
    qWarning("client: cast %d, shown %d, drawn %d, clicks %d, stored and loaded %d",
             qobject_cast<const vexabutton*>(asWidget) == button, button->isVisible(),
             button->grab().size() == QSize(121, 33), clicks, loaded);
  return ok ? 0 : 1;
}
