// SPDX-License-Identifier: MIT
// A Qt Quick window of 1,000 VexaButtons against the same window of 1,000
// QtQuick.Controls Buttons (Basic style), in one process, offscreen with the
// software scene graph. For each kind:
// - BuildFirstFrame: the component creates the window and its buttons, the
//   window is shown, until its first frame is swapped; with the growth of the
//   heap (mallinfo2) and of the resident set per button, from before the
//   build to after that frame;
// - Hover: a mouse move (QTest) onto another button, and the next frame;
// - Click: a left press and release on a button, and the next frame.
// After the runs it prints each figure's ratio VexaButton / Button against
// the goal of at most 1.5 x.
//
//   quick_bench [benchmark options...]   (bench/quick builds and runs it)
//
// Linux only (/proc/self/statm, mallinfo2).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTest>

#include <malloc.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int Buttons = 1000;
constexpr int Columns = 40;
constexpr int ButtonWidth = 60;
constexpr int ButtonHeight = 24;

enum class Kind { Vexa, Controls };
const char* const KindNames[] = {"VexaButton", "Button"};

QByteArray windowSource(Kind kind, int count) {
  const QByteArray button = kind == Kind::Vexa ? "VexaButton { width: 60; height: 24; caption: \"B\" + index }"
                                               : "Button { width: 60; height: 24; text: \"B\" + index }";
  return "import QtQuick\nimport QtQuick.Controls.Basic\nimport VexaButton\n"
         "Window { width: " +
         QByteArray::number(Columns * ButtonWidth) +
         "; height: " + QByteArray::number((count + Columns - 1) / Columns * ButtonHeight) +
         "\n  Grid { columns: " + QByteArray::number(Columns) + "\n    Repeater { model: " + QByteArray::number(count) +
         "\n      " + button + " } } }\n";
}

QQmlEngine& engine() {
  static QQmlEngine* instance = [] {
    auto* made = new QQmlEngine;
    made->addImportPath(QStringLiteral(VEXA_QML_IMPORT_DIR));
    return made;
  }();
  return *instance;
}

// One compiled component per kind and size: what is measured is creating
// the window, not compiling its text.
QQmlComponent& component(Kind kind, int count) {
  static std::map<std::pair<Kind, int>, std::unique_ptr<QQmlComponent>> components;
  auto& slot = components[{kind, count}];
  if (!slot) {
    slot = std::make_unique<QQmlComponent>(&engine());
    slot->setData(windowSource(kind, count), QUrl(QStringLiteral("bench.qml")));
    if (slot->isError()) {
      std::fprintf(stderr, "quick_bench: %s\n", qPrintable(slot->errorString()));
      std::exit(1);
    }
  }
  return *slot;
}

long residentBytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

// The processor time of this process (all its threads): unlike the clock on
// the wall, it does not count the time other programs on the machine take,
// nor the wait for the window's next frame tick.
double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double heapBytes() {
  const struct mallinfo2 info = mallinfo2();
  return double(info.uordblks) + double(info.hblkhd);
}

// Runs the event loop until the window has swapped a frame.
bool waitForFrame(QQuickWindow* window) {
  bool swapped = false;
  const QMetaObject::Connection connection =
      QObject::connect(window, &QQuickWindow::frameSwapped, [&swapped] { swapped = true; });
  QElapsedTimer waited;
  waited.start();
  while (!swapped && waited.elapsed() < 10000)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
  QObject::disconnect(connection);
  return swapped;
}

using Window = std::unique_ptr<QQuickWindow>;

Window buildAndShow(Kind kind, int count) {
  Window window(qobject_cast<QQuickWindow*>(component(kind, count).create()));
  if (!window) {
    std::fprintf(stderr, "quick_bench: the %s window was not made\n", KindNames[int(kind)]);
    std::exit(1);
  }
  window->show();
  if (!waitForFrame(window.get())) {
    std::fprintf(stderr, "quick_bench: the %s window drew no frame\n", KindNames[int(kind)]);
    std::exit(1);
  }
  return window;
}

// The centre of button `k` of the grid, spread over the window.
QPoint buttonCentre(int k) {
  const int index = (k * 37) % Buttons;
  return {(index % Columns) * ButtonWidth + ButtonWidth / 2, (index / Columns) * ButtonHeight + ButtonHeight / 2};
}

// The figures of each kind, per measured quantity, for the ratios.
std::map<std::string, double> figures[2];

void record(Kind kind, const std::string& what, double value) { figures[int(kind)][what] = value; }

void BuildFirstFrame(benchmark::State& state, Kind kind) {
  double seconds = 0, cpu = 0, heap = 0, resident = 0;
  for (auto _ : state) {
    // Freed memory goes back to the system first, so that the resident set
    // grows by what this window takes, whichever kind ran before.
    state.PauseTiming();
    QCoreApplication::processEvents();
    malloc_trim(0);
    state.ResumeTiming();
    const double heapBefore = heapBytes();
    const long residentBefore = residentBytes();
    const double cpuBefore = cpuSeconds();
    QElapsedTimer timer;
    timer.start();
    Window window = buildAndShow(kind, Buttons);
    const double elapsed = double(timer.nsecsElapsed()) / 1e9;
    cpu += cpuSeconds() - cpuBefore;
    state.SetIterationTime(elapsed);
    seconds += elapsed;
    heap += heapBytes() - heapBefore;
    resident += double(residentBytes() - residentBefore);
    state.PauseTiming();
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
  const double runs = double(state.iterations());
  state.counters["heap/button"] = heap / runs / Buttons;
  state.counters["RSS/button"] = resident / runs / Buttons;
  record(kind, "build + first frame, wall (ms)", seconds / runs * 1e3);
  record(kind, "build + first frame, CPU (ms)", cpu / runs * 1e3);
  record(kind, "heap per button (KB)", heap / runs / Buttons / 1024);
  record(kind, "RSS per button (KB)", resident / runs / Buttons / 1024);
}

// Moves onto a new button (hover) or clicks one, and waits for the frame
// after it. The window is asked for a frame as well, so a button that does
// not change on hover still ends the step with one frame.
void Interact(benchmark::State& state, Kind kind, bool click) {
  Window window = buildAndShow(kind, Buttons);
  int k = 0;
  double seconds = 0, cpu = 0;
  for (auto _ : state) {
    const QPoint at = buttonCentre(k++);
    const double cpuBefore = cpuSeconds();
    QElapsedTimer timer;
    timer.start();
    if (click)
      QTest::mouseClick(window.get(), Qt::LeftButton, {}, at);
    else
      QTest::mouseMove(window.get(), at);
    window->update();
    waitForFrame(window.get());
    const double elapsed = double(timer.nsecsElapsed()) / 1e9;
    cpu += cpuSeconds() - cpuBefore;
    state.SetIterationTime(elapsed);
    seconds += elapsed;
  }
  const std::string what = click ? "click + frame" : "hover + frame";
  record(kind, what + ", wall (ms)", seconds / double(state.iterations()) * 1e3);
  record(kind, what + ", CPU (ms)", cpu / double(state.iterations()) * 1e3);
}

void registerBenchmarks() {
  for (Kind kind : {Kind::Vexa, Kind::Controls}) {
    const std::string name = KindNames[int(kind)];
    benchmark::RegisterBenchmark(("BuildFirstFrame/" + name).c_str(), BuildFirstFrame, kind)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::RegisterBenchmark(("Hover/" + name).c_str(), Interact, kind, false)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(100);
    benchmark::RegisterBenchmark(("Click/" + name).c_str(), Interact, kind, true)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(100);
  }
}

void printRatios() {
  std::printf("\n%-32s %12s %12s %8s  (goal: at most 1.5 x)\n", "", "VexaButton", "Button", "ratio");
  for (const auto& [what, vexa] : figures[int(Kind::Vexa)]) {
    const auto other = figures[int(Kind::Controls)].find(what);
    if (other == figures[int(Kind::Controls)].end() || other->second <= 0)
      continue;
    const double ratio = vexa / other->second;
    std::printf("%-32s %12.3f %12.3f %7.2fx  %s\n", what.c_str(), vexa, other->second, ratio,
                ratio <= 1.5 ? "met" : "not met");
  }
}

} // namespace

int main(int argc, char** argv) {
  // Headless and the same on every machine: the offscreen platform and the
  // software scene graph, unless the caller chose a platform.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);

  // Warm: the module's and the style's types, fonts and the first-use
  // tables of both kinds, so that neither pays for them in the runs.
  for (Kind kind : {Kind::Vexa, Kind::Controls}) {
    buildAndShow(kind, 10);
    component(kind, Buttons);
  }

  benchmark::Initialize(&argc, argv);
  registerBenchmarks();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  printRatios();
  return 0;
}
