// A user's program built against the installed package: it includes the
// public header by its installed path, makes and shows a button, clicks it
// through Qt's own events and stores its properties. Exits 0 when all holds.
#include <VexaButton/vexabutton.h>

#include <QApplication>
#include <QMouseEvent>

#include <cstdio>

static_assert(__cplusplus >= 202002L, "the package's compile features bring C++20");

static int fail(const char* what) {
  std::fprintf(stderr, "client: %s\n", what);
  return 1;
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(200, 80);
  auto* button = new vexabutton(&window);
  button->setGeometry(20, 20, 121, 33);
  button->setCaption(QStringLiteral("U redu"));
  int clicks = 0;
  QObject::connect(button, &vexabutton::Click, button, [&] { ++clicks; });
  window.show();
  QCoreApplication::processEvents();

  QWidget* asWidget = button;
  if (qobject_cast<vexabutton*>(asWidget) != button)
    return fail("qobject_cast does not know the class");
  if (!button->isVisible() || button->Caption() != QLatin1String("U redu"))
    return fail("the button is not shown with its caption");
  const QImage drawn = button->grab().toImage();
  if (drawn.isNull() || drawn.size() != QSize(121, 33))
    return fail("the button does not draw");

  const QPointF at(60, 16);
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, at, button->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &event);
  }
  if (clicks != 1)
    return fail("a press and release did not click");

  platform::PropertyBag bag;
  button->WriteProperties(bag);
  vexabutton copy;
  QString error;
  if (!copy.ReadProperties(bag, &error) || copy.Caption() != button->Caption())
    return fail("the stored properties do not load back");
  return 0;
}
