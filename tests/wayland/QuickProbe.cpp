// SPDX-License-Identifier: MIT
// The Qt Quick window of the Wayland test: a VexaButton item (Toolbar look)
// in a QML window, loaded through the module as a QML program loads it.
// Says on standard output, one flushed line each, when it is ready (with
// the item's geometry in its window, "x y width height") and each
// MouseEnter and MouseLeave.

#include <QApplication>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>

#include <cstdio>

namespace {

const char* const qml = R"(
import QtQuick
import VexaButton
Window {
  width: 400; height: 140; visible: true
  title: "vexabutton quick probe"
  VexaButton {
    objectName: "button"
    x: 30; y: 40; width: 120; height: 36
    buttonStyle: VexaButton.Toolbar
    caption: "Meni"
    onMouseEnter: console.log("MouseEnter")
    onMouseLeave: console.log("MouseLeave")
  }
}
)";

void say(const QString& line) {
  std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
  std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The QML's console lines are the probe's report; anything else goes to the log.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& message) {
    if (context.category && QByteArray(context.category) == "qml")
      say(message);
    else
      std::fprintf(stderr, "%s\n", qPrintable(message));
  });
  QQmlApplicationEngine engine;
  engine.addImportPath(QString::fromLocal8Bit(qgetenv("VEXA_QML_DIR")));
  engine.loadData(qml);
  auto* window = engine.rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow*>(engine.rootObjects().first());
  auto* button = window ? window->findChild<QQuickItem*>(QStringLiteral("button")) : nullptr;
  if (!button) {
    std::fprintf(stderr, "the probe's QML did not load\n");
    return 1;
  }
  QObject::connect(
      window, &QQuickWindow::frameSwapped, &app,
      [button] {
        const QRectF r(button->position(), button->size());
        say(QStringLiteral("ready vexabutton %1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()));
      },
      Qt::SingleShotConnection);
  return app.exec();
}
