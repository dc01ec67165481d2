// SPDX-License-Identifier: MIT
// Windows of many buttons: what a window of N vexabuttons costs against the
// same window of N QPushButtons, on a real window system, and against the
// floor of Qt itself: N bare widgets that only fill their rectangle again
// when the pointer enters, leaves or presses them.
//
//   scale_bench [--sizes 10,100,1000,2000,4000] [--runs R] [--load]
//
// Every case (one kind, one N) runs in a process of its own, so that one
// case's caches, fonts and heap do not flatter the next; the kinds alternate
// and each case runs R times (median kept). In each process:
// - a window of one button of the kind is shown and closed first, so the
//   style, the fonts and the connection to the window system are warm;
// - build: N buttons of 60 x 24 pixels, each with its own caption, made in
//   code on a new window (with --load every vexabutton also runs
//   loadNewInstance, as a form built by a designer does);
// - first show: from show() to the first paint of the window flushed;
// - move: the pointer warped from one button to another (an X round trip),
//   until the move is reported and the repaints it caused are done, per move,
//   along the same path over 32 buttons at every N from 100 up;
// - click: a press and release on a button through the window system
//   interface, with the repaints it caused, per click;
// - memory: the growth of the resident set and of the heap from before the
//   build to after the first show, per button.
//
// Linux only (/proc/self/statm, mallinfo2).
#include "button/model/vexabutton.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <malloc.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <vector>

namespace {

constexpr int ButtonWidth = 60;
constexpr int ButtonHeight = 24;
constexpr int Columns = 50; // 3000 pixels: wider than the screen, as a long toolbar is
constexpr int Moves = 200;
constexpr int Clicks = 200;

enum class Kind { Vexa, Plain, Bare };
constexpr const char* KindNames[] = {"vexabutton", "QPushButton", "bare"};
constexpr int KindCount = 3;

// The least a widget that shows hover and press can do: Qt's dispatch of the
// pointer to one of N siblings and the repaint of one, nothing else. What a
// button costs beyond it is the button's own.
class BareWidget : public QWidget {
public:
  explicit BareWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

protected:
  void enterEvent(QEnterEvent*) override { setShade(1); }
  void leaveEvent(QEvent*) override { setShade(0); }
  void mousePressEvent(QMouseEvent*) override { setShade(2); }
  void mouseReleaseEvent(QMouseEvent*) override { setShade(1); }
  void paintEvent(QPaintEvent*) override {
    QPainter(this).fillRect(rect(), QColor::fromRgb(0xd4d0c8 - shade_ * 0x101010));
  }

private:
  void setShade(int shade) {
    if (shade != shade_) {
      shade_ = shade;
      update();
    }
  }
  int shade_ = 0;
};

struct Figures {
  double buildMs = 0;
  double showMs = 0;
  double moveUs = 0;
  double clickUs = 0;
  double moveCpuUs = 0; // the processor time this process spent, per move
  double clickCpuUs = 0;
  double rssPerButton = 0;  // bytes
  double heapPerButton = 0; // bytes
};

long residentBytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

// The processor time of this process (all its threads): unlike the clock on
// the wall, it does not count the time other programs on the machine take.
double cpuUs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

double heapBytes() {
  const struct mallinfo2 info = mallinfo2();
  return double(info.uordblks) + double(info.hblkhd);
}

QWidget* buildWindow(Kind kind, int n, bool load) {
  auto* window = new QWidget;
  const int rows = (n + Columns - 1) / Columns;
  window->resize(std::min(n, Columns) * ButtonWidth, rows * ButtonHeight);
  for (int i = 0; i < n; ++i) {
    const QRect place((i % Columns) * ButtonWidth, (i / Columns) * ButtonHeight, ButtonWidth, ButtonHeight);
    const QString caption = QStringLiteral("B%1").arg(i);
    if (kind == Kind::Vexa) {
      auto* button = new vexabutton(window);
      if (load)
        button->loadNewInstance();
      button->setCaption(caption);
      button->setGeometry(place);
    } else if (kind == Kind::Plain) {
      auto* button = new QPushButton(caption, window);
      button->setGeometry(place);
    } else {
      auto* bare = new BareWidget(window);
      bare->setGeometry(place);
    }
  }
  return window;
}

// Runs the event loop until the window's first paint has been flushed. The
// paint pass may leave out the window itself (buttons that hide all of it
// are painted alone), so any widget of the window painted counts: the pass
// paints them all before it returns.
void showAndWaitForPaint(QWidget* window) {
  struct Watch : QObject {
    QWidget* window = nullptr;
    bool painted = false;
    bool eventFilter(QObject* object, QEvent* event) override {
      if (event->type() == QEvent::Paint && object->isWidgetType())
        painted = painted || static_cast<QWidget*>(object)->window() == window;
      return false;
    }
  } watch;
  watch.window = window;
  qApp->installEventFilter(&watch);
  window->show();
  while (!watch.painted)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  QCoreApplication::processEvents(); // the flush comes after the paint pass
  qApp->removeEventFilter(&watch);
}

// Warps the pointer to `global` and waits until the window system reports it.
void pointerTo(QPoint global) {
  struct Watch : QObject {
    QPoint target;
    bool seen = false;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
        seen = seen || static_cast<QSinglePointEvent*>(event)->globalPosition().toPoint() == target;
      return false;
    }
  } watch;
  watch.target = global;
  qApp->installEventFilter(&watch);
  QCursor::setPos(global);
  QElapsedTimer waited;
  waited.start();
  while (!watch.seen && waited.elapsed() < 1000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  qApp->removeEventFilter(&watch);
  QCoreApplication::processEvents(); // the repaints the move asked for
}

// Buttons spread over the first two rows of the window, on the screen: from
// N = 100 up the pointer takes the same path over the same 32 buttons, so a
// difference between two sizes is the difference the other buttons make.
QWidget* buttonNumber(QWidget* window, int k) {
  constexpr int PathRows = 2;
  const QList<QWidget*> buttons = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  const int visibleColumns = std::min<int>(int(buttons.size()), 1000 / ButtonWidth);
  const int visibleRows = std::min<int>(int(buttons.size() + Columns - 1) / Columns, PathRows);
  for (int tries = 0;; ++tries) {
    const int index = (k * 7 % std::max(1, visibleRows)) * Columns + (k * 3 % std::max(1, visibleColumns)) + tries;
    if (index < buttons.size())
      return buttons[index];
    if (tries > Columns)
      return buttons.first();
  }
}

Figures runCase(Kind kind, int n, bool load) {
  // Warm-up: the style, the fonts and the window system connection.
  {
    QWidget* warm = buildWindow(kind, 1, load);
    showAndWaitForPaint(warm);
    delete warm;
    QCoreApplication::processEvents();
  }
  Figures figures;
  const long rssBefore = residentBytes();
  const double heapBefore = heapBytes();

  QElapsedTimer clock;
  clock.start();
  QWidget* window = buildWindow(kind, n, load);
  figures.buildMs = double(clock.nsecsElapsed()) / 1e6;
  window->move(0, 0);
  clock.restart();
  showAndWaitForPaint(window);
  figures.showMs = double(clock.nsecsElapsed()) / 1e6;
  if (!QTest::qWaitForWindowExposed(window))
    std::fprintf(stderr, "scale_bench: the window was never exposed\n");
  QCoreApplication::processEvents();
  figures.rssPerButton = double(residentBytes() - rssBefore) / n;
  figures.heapPerButton = (heapBytes() - heapBefore) / n;

  // Moves from button to button (the centre of each), once round first. The
  // targets are found before the clock starts: finding one walks the window.
  std::vector<QPoint> centres;
  for (int k = 0; k < Moves; ++k)
    centres.push_back(buttonNumber(window, k)->mapToGlobal(QPoint(ButtonWidth / 2, ButtonHeight / 2)));
  for (int k = 0; k < 10; ++k)
    pointerTo(centres[size_t(k)]);
  clock.restart();
  double cpu = cpuUs();
  for (const QPoint& centre : centres)
    pointerTo(centre);
  figures.moveUs = double(clock.nsecsElapsed()) / 1e3 / Moves;
  figures.moveCpuUs = (cpuUs() - cpu) / Moves;

  // Clicks, each on the button the pointer is over.
  QWindow* handle = window->windowHandle();
  const QPoint at = handle->mapFromGlobal(QCursor::pos());
  clock.restart();
  cpu = cpuUs();
  for (int k = 0; k < Clicks; ++k) {
    QTest::mouseClick(handle, Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
  }
  figures.clickUs = double(clock.nsecsElapsed()) / 1e3 / Clicks;
  figures.clickCpuUs = (cpuUs() - cpu) / Clicks;
  delete window;
  return figures;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

Figures medianOf(const std::vector<Figures>& runs) {
  auto of = [&](double Figures::*field) {
    std::vector<double> values;
    for (const Figures& f : runs)
      values.push_back(f.*field);
    return median(values);
  };
  return {.buildMs = of(&Figures::buildMs),
          .showMs = of(&Figures::showMs),
          .moveUs = of(&Figures::moveUs),
          .clickUs = of(&Figures::clickUs),
          .moveCpuUs = of(&Figures::moveCpuUs),
          .clickCpuUs = of(&Figures::clickCpuUs),
          .rssPerButton = of(&Figures::rssPerButton),
          .heapPerButton = of(&Figures::heapPerButton)};
}

int child(int argc, char** argv, Kind kind, int n, bool load) {
  QApplication app(argc, argv);
  const Figures f = runCase(kind, n, load);
  std::printf("result %.3f %.3f %.3f %.3f %.1f %.1f %.3f %.3f\n", f.buildMs, f.showMs, f.moveUs, f.clickUs,
              f.rssPerButton, f.heapPerButton, f.moveCpuUs, f.clickCpuUs);
  return 0;
}

[[noreturn]] void usage(const char* what) {
  std::fprintf(stderr, "scale_bench: %s\nusage: scale_bench [--sizes 10,100,1000,2000,4000] [--runs R] [--load]\n",
               what);
  std::exit(2);
}

} // namespace

int main(int argc, char** argv) {
  QList<int> sizes{10, 100, 1000, 2000, 4000};
  int runs = 3;
  bool load = false;
  for (int i = 1; i < argc; ++i) {
    const QByteArray argument = argv[i];
    if (argument == "--case" && i + 2 < argc) {
      const QByteArray kind = argv[i + 1];
      const int n = QByteArray(argv[i + 2]).toInt();
      const auto named = std::find(std::begin(KindNames), std::end(KindNames), kind);
      if (named == std::end(KindNames) || n < 1)
        usage("--case takes vexabutton, QPushButton or bare and a count");
      for (int j = i + 3; j < argc; ++j)
        load = load || QByteArray(argv[j]) == "--load";
      return child(argc, argv, Kind(named - std::begin(KindNames)), n, load);
    }
    if (argument == "--sizes" && i + 1 < argc) {
      sizes.clear();
      for (const QByteArray& part : QByteArray(argv[++i]).split(',')) {
        bool ok = false;
        const int n = part.toInt(&ok);
        if (!ok || n < 1 || n > 100000)
          usage("--sizes takes counts from 1 to 100000, separated by commas");
        sizes.append(n);
      }
    } else if (argument == "--runs" && i + 1 < argc) {
      runs = QByteArray(argv[++i]).toInt();
      if (runs < 1 || runs > 100)
        usage("--runs takes a count from 1 to 100");
    } else if (argument == "--load") {
      load = true;
    } else {
      usage(("unknown argument " + argument).constData());
    }
  }

  QCoreApplication app(argc, argv);
  const QString self = QCoreApplication::applicationFilePath();
  const char* const* kinds = KindNames;
  std::map<std::pair<int, int>, std::vector<Figures>> results; // (kind, N)
  for (int round = 0; round < runs; ++round) {
    for (int n : sizes) {
      for (int k = 0; k < KindCount; ++k) {
        const int kind = (round + k) % KindCount; // each kind goes first in turn
        QProcess process;
        QStringList arguments{QStringLiteral("--case"), QString::fromLatin1(kinds[kind]), QString::number(n)};
        if (load)
          arguments << QStringLiteral("--load");
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(self, arguments);
        if (!process.waitForFinished(600000) || process.exitCode() != 0)
          usage(qPrintable(QStringLiteral("the case %1 %2 failed").arg(QLatin1String(kinds[kind])).arg(n)));
        const QByteArray output = process.readAllStandardOutput();
        const qsizetype at = output.indexOf("result ");
        Figures f;
        if (at < 0 ||
            std::sscanf(output.constData() + at, "result %lf %lf %lf %lf %lf %lf %lf %lf", &f.buildMs, &f.showMs,
                        &f.moveUs, &f.clickUs, &f.rssPerButton, &f.heapPerButton, &f.moveCpuUs, &f.clickCpuUs) != 8)
          usage(("a case reported nothing readable: " + output).constData());
        results[{kind, n}].push_back(f);
      }
    }
  }

  std::printf("Windows of N buttons of %d x %d pixels, medians of %d runs%s\n", ButtonWidth, ButtonHeight, runs,
              load ? " (vexabuttons loaded with loadNewInstance)" : "");
  std::printf("move and click: time on the wall / processor time of the program, in microseconds\n");
  std::printf("%-12s %6s %9s %9s %15s %15s %11s %11s\n", "kind", "N", "build ms", "show ms", "move us", "click us",
              "RSS/button", "heap/button");
  for (int n : sizes)
    for (int kind = 0; kind < KindCount; ++kind) {
      const Figures f = medianOf(results[{kind, n}]);
      std::printf("%-12s %6d %9.1f %9.1f %7.0f / %5.0f %7.0f / %5.0f %8.1f KB %8.1f KB\n", kinds[kind], n, f.buildMs,
                  f.showMs, f.moveUs, f.moveCpuUs, f.clickUs, f.clickCpuUs, f.rssPerButton / 1024,
                  f.heapPerButton / 1024);
    }
  std::printf("\nRatios vexabutton / QPushButton (move and click: processor time)\n");
  std::printf("%6s %12s %8s %8s %12s %12s\n", "N", "build+show", "move", "click", "RSS/button", "heap/button");
  for (int n : sizes) {
    const Figures v = medianOf(results[{0, n}]);
    const Figures q = medianOf(results[{1, n}]);
    std::printf("%6d %12.2f %8.2f %8.2f %12.2f %12.2f\n", n, (v.buildMs + v.showMs) / (q.buildMs + q.showMs),
                v.moveCpuUs / q.moveCpuUs, v.clickCpuUs / q.clickCpuUs, v.rssPerButton / q.rssPerButton,
                v.heapPerButton / q.heapPerButton);
  }
  if (sizes.contains(100) && sizes.contains(4000)) {
    std::printf("\nAt N = 4000 against N = 100 (processor time)\n");
    for (int kind = 0; kind < KindCount; ++kind) {
      const Figures small = medianOf(results[{kind, 100}]);
      const Figures large = medianOf(results[{kind, 4000}]);
      std::printf("%-12s move %.2f, click %.2f\n", kinds[kind], large.moveCpuUs / small.moveCpuUs,
                  large.clickCpuUs / small.clickCpuUs);
    }
    // What the button adds to Qt's floor, at both sizes.
    const auto over = [&](int n, double Figures::*field) {
      return medianOf(results[{0, n}]).*field - medianOf(results[{2, n}]).*field;
    };
    for (const auto& [name, field] : {std::pair{"move", &Figures::moveCpuUs}, std::pair{"click", &Figures::clickCpuUs}})
      std::printf("vexabutton over bare, %-5s %.1f -> %.1f us (%.2f)\n", name, over(100, field), over(4000, field),
                  over(4000, field) / over(100, field));
  }
  return 0;
}
