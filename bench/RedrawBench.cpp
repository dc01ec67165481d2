// Redraw of the program's most used look (ButtonStyle 13 without visual
// styles, drawn as the rounded gradient style) against Qt's own push button
// painted by the Fusion style into an image of the same size, in one run.
#include "button/model/ButtonRecord.h"
#include "button/render/ColorKit.h"
#include "button/render/Redraw.h"
#include "platform/Fonts.h"
#include "platform/SharedFont.h"
#include "platform/Surface.h"
#include "platform/SystemColors.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Width = 121;
constexpr int Height = 33;
const QString Caption = QStringLiteral("Provera (3)");

// Console output as usual, and the CPU time per iteration of each run kept
// for the ratios printed at the end (CPU time keeps them fair on a busy machine).
class RatioReporter : public benchmark::ConsoleReporter {
public:
  RatioReporter() : ConsoleReporter(OO_None) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && run.iterations > 0)
        cpuNanoseconds[run.run_name.function_name] = run.GetAdjustedCPUTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> cpuNanoseconds;
};

struct Button {
  ButtonRecord rec;
  platform::Surface surface{Width, Height};

  explicit Button(qint32 buttonState) {
    rec.ButtonStyle = 13;
    rec.ColorScheme = 0;
    rec.BackColor = 0xE7EBEC;
    rec.Caption = Caption;
    rec.mFont = std::make_shared<platform::SharedFont>(QStringLiteral("Tahoma"), 8.25, 700);
    rec.ForeColor = 0;
    rec.ForeColorHover = 0;
    rec.ParentActive = true;
    rec.ButtonState = buttonState;
    surface.setFont(rec.mFont->toQFont());
  }
};

void BM_Redraw(benchmark::State& state) {
  Button button(qint32(state.range(0)));
  for (auto _ : state) {
    vexa::Redraw(button.rec, button.surface);
    benchmark::DoNotOptimize(button.surface.image().constBits());
  }
}
BENCHMARK(BM_Redraw)->Name("Redraw/Normal")->Arg(0);
BENCHMARK(BM_Redraw)->Name("Redraw/Hot")->Arg(1);
BENCHMARK(BM_Redraw)->Name("Redraw/Down")->Arg(2);

void BM_GradientFill(benchmark::State& state) {
  platform::Surface surface(Width, Height);
  for (auto _ : state) {
    vexa::GradientFill(surface, 0, 0, Width, Height, 0xF9FDFE, 0xE7EBEC, 1);
    benchmark::DoNotOptimize(surface.image().constBits());
  }
  // Items are pixels: items/s is the fill rate.
  state.SetItemsProcessed(state.iterations() * Width * Height);
}
BENCHMARK(BM_GradientFill)->Name("GradientFill/121x33");

// The caption alone, as the content pass draws it on every paint.
void BM_CaptionText(benchmark::State& state) {
  Button button(0);
  vexa::Redraw(button.rec, button.surface);
  for (auto _ : state) {
    button.surface.drawText(Caption, button.rec.CaptionRect,
                            platform::Surface::TextCentre | platform::Surface::TextWordBreak);
    benchmark::DoNotOptimize(button.surface.image().constBits());
  }
}
BENCHMARK(BM_CaptionText)->Name("CaptionText");

// The reference: a QPushButton with the same caption and font, painted by
// the Fusion style into an image of the same size.
void BM_QPushButtonFusion(benchmark::State& state) {
  QPushButton button(Caption);
  QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
  button.setStyle(fusion);
  button.setFont(platform::SharedFont(QStringLiteral("Tahoma"), 8.25, 700).toQFont());
  button.resize(Width, Height);
  button.ensurePolished();
  QImage image(Width, Height, QImage::Format_RGB32);
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
  for (auto _ : state) {
    button.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    benchmark::DoNotOptimize(image.constBits());
  }
  delete fusion;
}
BENCHMARK(BM_QPushButtonFusion)->Name("QPushButton/Fusion");

void printRatios(const std::map<std::string, double>& cpu) {
  const auto reference = cpu.find("QPushButton/Fusion");
  if (reference == cpu.end() || reference->second <= 0)
    return;
  std::printf("\nRedraw CPU time / QPushButton (Fusion) paint CPU time, goal <= 0.5:\n");
  for (const char* name : {"Redraw/Normal", "Redraw/Hot", "Redraw/Down"}) {
    const auto it = cpu.find(name);
    if (it != cpu.end())
      std::printf("  %-14s %7.0f ns  ratio %.2f\n", name, it->second, it->second / reference->second);
  }
  std::printf("  %-14s %7.0f ns\n", "QPushButton", reference->second);
}

} // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  platform::registerProgramFonts();
  platform::SystemColors::installClassicTable();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  printRatios(reporter.cpuNanoseconds);
  return 0;
}
