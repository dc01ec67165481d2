// SPDX-License-Identifier: MIT
#include "platform/FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <ctime>

namespace platform {

namespace {

// Watches the window's paint events. A window paints itself and its children
// and flushes the result in one pass of the event loop, so a call queued from
// the window's first paint runs once that pass is over.
class FirstPaintWatcher : public QObject {
public:
  explicit FirstPaintWatcher(QWidget* window) : QObject(window) { window->installEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched == parent()) {
      watched->removeEventFilter(this);
      QMetaObject::invokeMethod(
          QCoreApplication::instance(),
          [] {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            timespec cpu{};
            clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
            std::printf("first-paint %lld cpu %lld\n",
                        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                        static_cast<long long>(cpu.tv_sec) * 1000000000LL + cpu.tv_nsec);
            std::fflush(stdout);
            QCoreApplication::quit();
          },
          Qt::QueuedConnection);
    }
    return false;
  }
};

} // namespace

void quitAfterFirstPaint(QWidget* window) { new FirstPaintWatcher(window); }

} // namespace platform
