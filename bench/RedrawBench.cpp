// SPDX-License-Identifier: MIT
// Redraw of every ButtonStyle at rest, hot and pressed (ButtonStyle 13
// without visual styles, the program's most used look, is drawn as the
// rounded gradient style) against Qt's own push button painted by the Fusion
// style into an image of the same size, in one run; and the same Redraws on
// a surface at device pixel ratio 2 against the 1x ones.
#include "StyleBench.h"
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

#include <algorithm>
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
    // With --benchmark_repetitions the fastest repetition counts: on a
    // shared machine the others measure the neighbours as well.
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
        const auto [it, added] = cpuNanoseconds.emplace(run.run_name.function_name, run.GetAdjustedCPUTime());
        if (!added)
          it->second = std::min(it->second, run.GetAdjustedCPUTime());
      }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> cpuNanoseconds;
};

const char* const StyleNames[] = {"Classic",       "ClassicThin", "RoundedGradient", "BlueGlass", "Toolbar",
                                  "WarmHighlight", "Silver",      "SoftBlue",        "Gel",       "WhiteGloss",
                                  "Shaded",        "FlatClassic", "FlatThin",        "System"};
const char* const StateNames[] = {"Normal", "Hot", "Down"};

// A button of the given style with the style's default colours.
struct Button {
  ButtonRecord rec;
  platform::Surface surface{Width, Height};

  Button(qint32 style, qint32 buttonState, qreal ratio = 1) {
    surface.setDevicePixelRatio(ratio);
    rec.ButtonStyle = style;
    rec.ColorScheme = 0;
    rec.BackColor = 0xE7EBEC; // what the styles that keep their background (13) show
    vexa::ApplyDefaultColorScheme(rec);
    vexa::ApplyStyleDefaults(rec);
    rec.Caption = Caption;
    rec.mFont = std::make_shared<platform::SharedFont>(QStringLiteral("Tahoma"), 8.25, 700);
    rec.ForeColorHover = rec.ForeColor;
    rec.ParentActive = true;
    rec.MouseInside = buttonState != 0;
    rec.ButtonState = buttonState;
    surface.setFont(rec.mFont->toQFont());
  }
};

void BM_Redraw(benchmark::State& state, qint32 style, qint32 buttonState, qreal ratio) {
  Button button(style, buttonState, ratio);
  for (auto _ : state) {
    vexa::apply(vexa::Redraw(vexa::describe(button.rec), button.surface), button.rec);
    benchmark::DoNotOptimize(button.surface.image().constBits());
  }
}

// "Redraw/2 RoundedGradient/Hot", style by style, in the order of the
// table; the same at ratio 2 is "Redraw@2x/2 RoundedGradient/Hot".
std::vector<std::string>& redrawNames() {
  static std::vector<std::string> names;
  return names;
}
std::string doubled(const std::string& name) { return "Redraw@2x/" + name.substr(name.find('/') + 1); }

void registerRedraws() {
  for (qreal ratio : {1.0, 2.0})
    for (int style = 0; style <= 13; ++style)
      for (int state = 0; state <= 2; ++state) {
        const std::string name =
            std::string("Redraw/") + std::to_string(style) + " " + StyleNames[style] + "/" + StateNames[state];
        if (ratio == 1)
          redrawNames().push_back(name);
        benchmark::RegisterBenchmark((ratio == 1 ? name : doubled(name)).c_str(), BM_Redraw, style, state, ratio);
      }
}

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
  Button button(13, 0);
  const vexa::PaintResult painted = vexa::Redraw(vexa::describe(button.rec), button.surface);
  for (auto _ : state) {
    button.surface.drawText(Caption, painted.captionRect,
                            platform::Surface::TextCentre | platform::Surface::TextWordBreak);
    benchmark::DoNotOptimize(button.surface.image().constBits());
  }
}
BENCHMARK(BM_CaptionText)->Name("CaptionText");

// The reference: a QPushButton with the same caption and font, painted by
// the Fusion style into an image of the same size.
void BM_QPushButtonFusion(benchmark::State& state) {
  const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
  paintPushButton(state, fusion.get());
}
BENCHMARK(BM_QPushButtonFusion)->Name("QPushButton/Fusion");

void printRatios(const std::map<std::string, double>& cpu) {
  const auto reference = cpu.find("QPushButton/Fusion");
  if (reference == cpu.end() || reference->second <= 0)
    return;
  std::printf("\nRedraw CPU time / QPushButton (Fusion) paint CPU time, goal <= 0.35 (above 0.5 fails):\n");
  double worst = 0;
  for (const std::string& name : redrawNames()) {
    const auto it = cpu.find(name);
    if (it == cpu.end())
      continue;
    const double ratio = it->second / reference->second;
    worst = std::max(worst, ratio);
    std::printf("  %-34s %7.0f ns  ratio %.2f\n", name.c_str(), it->second, ratio);
  }
  std::printf("  %-34s %7.0f ns\n", "QPushButton", reference->second);
  if (worst > 0)
    std::printf("  worst ratio %.2f\n", worst);
}

void printDoubledRatios(const std::map<std::string, double>& cpu) {
  std::printf("\nRedraw at device pixel ratio 2 / Redraw at 1, goal <= 4 (the pixel count):\n");
  double worst = 0;
  for (const std::string& name : redrawNames()) {
    const auto single = cpu.find(name);
    const auto twice = cpu.find(doubled(name));
    if (single == cpu.end() || twice == cpu.end() || single->second <= 0)
      continue;
    const double ratio = twice->second / single->second;
    worst = std::max(worst, ratio);
    std::printf("  %-34s %7.0f ns  ratio %.2f\n", doubled(name).c_str(), twice->second, ratio);
  }
  if (worst > 0)
    std::printf("  worst ratio %.2f\n", worst);
}

} // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  platform::registerProgramFonts();
  platform::SystemColors::installClassicTable();
  registerRedraws();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  printRatios(reporter.cpuNanoseconds);
  printDoubledRatios(reporter.cpuNanoseconds);
  printStylePluginRatios(reporter.cpuNanoseconds);
  return 0;
}
