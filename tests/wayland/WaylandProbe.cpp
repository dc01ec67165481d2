// SPDX-License-Identifier: MIT
// The window of the Wayland test: a button made in code (Toolbar look, with a
// tip and a menu to its right) beside a QPushButton. Says on standard output,
// one flushed line each, what happens to them; geometry relative to the
// button as "x y width height", which a Wayland client knows for certain.

#include "button/model/vexabutton.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

void say(const QString& line) {
  std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
  std::fflush(stdout);
}

QString numbers(const QRect& r) {
  return QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Reports each tooltip and menu window once it is placed.
class PopupReporter : public QObject {
public:
  explicit PopupReporter(QWidget* button) : button_(button) {}

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::Show || !window || !window->isWindow())
      return false;
    const char* kind = qobject_cast<QMenu*>(window)          ? "menu"
                       : window->windowType() == Qt::ToolTip ? "tooltip"
                                                             : nullptr;
    // A menu is moved to its place while its show is handled: report after.
    if (kind)
      QTimer::singleShot(0, window, [this, window, kind] {
        say(QStringLiteral("%1 %2").arg(QLatin1String(kind),
                                        numbers({button_->mapFromGlobal(window->pos()), window->size()})));
      });
    return false;
  }

private:
  QWidget* button_;
};

} // namespace

int main(int argc, char** argv) {
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("vexabutton wayland probe"));
  window.setFixedSize(400, 140);

  auto* button = new vexabutton(&window);
  button->setGeometry(30, 40, 120, 36);
  button->loadNewInstance();
  button->setButtonStyle(vexabutton::Toolbar);
  button->setCaption(QStringLiteral("Meni"));
  button->setToolTip(QStringLiteral("Otvara meni"));
  auto* menu = new QMenu(&window);
  menu->addAction(QStringLiteral("Prva stavka"));
  menu->addAction(QStringLiteral("Druga stavka"));
  button->SetPopupMenu(menu, 3); // to the right of the button, top edges aligned
  QObject::connect(button, &vexabutton::MouseEnter, [] { say(QStringLiteral("MouseEnter")); });
  QObject::connect(button, &vexabutton::MouseLeave, [] { say(QStringLiteral("MouseLeave")); });
  QObject::connect(button, &vexabutton::Click, [] { say(QStringLiteral("Click")); });

  auto* plain = new QPushButton(QStringLiteral("Qt"), &window);
  plain->setGeometry(230, 40, 120, 36);

  PopupReporter reporter(button);
  app.installEventFilter(&reporter);
  window.show();
  say(QStringLiteral("ready vexabutton %1 pushbutton %2").arg(numbers(button->geometry()), numbers(plain->geometry())));
  return app.exec();
}
