// SPDX-License-Identifier: MIT
// The Qt Quick gallery: loads main.qml and shows it.
//   qml-gallery                          the window, until it is closed
//   qml-gallery --quit-after-first-frame draws one frame and quits
//   qml-gallery --screenshot FILE        draws one frame into FILE (PNG)
// The last two exit with status 1 when the engine reported a warning or an
// error, so a headless run checks that the window loads cleanly.
#include <QApplication>
#include <QCommandLineParser>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("qml-gallery"));

  QCommandLineParser parser;
  parser.addHelpOption();
  const QCommandLineOption quitOption(QStringLiteral("quit-after-first-frame"),
                                      QStringLiteral("Quit once the first frame is drawn."));
  const QCommandLineOption screenshotOption(
      QStringLiteral("screenshot"), QStringLiteral("Save the first frame to <file> and quit."), QStringLiteral("file"));
  parser.addOptions({quitOption, screenshotOption});
  parser.process(app);
  const QString screenshot = parser.value(screenshotOption);
  const bool oneFrame = parser.isSet(quitOption) || !screenshot.isEmpty();

  // Without a display there is no OpenGL: the software scene graph draws
  // the same frame into memory.
  if (QGuiApplication::platformName() == QLatin1String("offscreen"))
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);

  QQmlApplicationEngine engine;
  int problems = 0;
  QObject::connect(&engine, &QQmlEngine::warnings, &app,
                   [&problems](const QList<QQmlError>& warnings) { problems += int(warnings.size()); });
  QObject::connect(
      &engine, &QQmlApplicationEngine::objectCreated, &app,
      [&problems](QObject* object, const QUrl&) {
        if (!object)
          ++problems;
      },
      Qt::DirectConnection);
  engine.load(QUrl(QStringLiteral("qrc:/main.qml")));

  auto* window = engine.rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow*>(engine.rootObjects().first());
  if (!window) {
    std::fprintf(stderr, "qml-gallery: main.qml did not make a window\n");
    return 1;
  }
  if (!oneFrame) {
    window->show();
    return app.exec();
  }

  // The first frame: every item has been created, laid out and drawn once.
  QObject::connect(
      window, &QQuickWindow::frameSwapped, &app,
      [&] {
        int status = problems == 0 ? 0 : 1;
        if (!screenshot.isEmpty() && !window->grabWindow().save(screenshot)) {
          std::fprintf(stderr, "qml-gallery: cannot write %s\n", qPrintable(screenshot));
          status = 1;
        }
        if (problems)
          std::fprintf(stderr, "qml-gallery: %d QML warning(s) or error(s)\n", problems);
        app.exit(status);
      },
      Qt::QueuedConnection);
  // A window that never draws is a failure too, not a hang.
  QTimer::singleShot(30000, &app, [&app] {
    std::fprintf(stderr, "qml-gallery: no frame within 30 s\n");
    app.exit(1);
  });
  window->show();
  return app.exec();
}
