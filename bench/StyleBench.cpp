// SPDX-License-Identifier: MIT
// A QPushButton painted through the style plugin against the same button
// painted by Fusion (QPushButton/Fusion in RedrawBench.cpp): same size,
// caption and font, rendered into an image by QWidget::render.
#include "StyleBench.h"

#include "platform/SharedFont.h"

#include <QCoreApplication>
#include <QImage>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

constexpr int Width = 121;
constexpr int Height = 33;
const QString Caption = QStringLiteral("Provera (3)");
const char* const Looks[] = {"vexa-classic", "vexa-rounded-gradient", "vexa-gel", "vexa-white-gloss", "vexa"};

void BM_QPushButtonPlugin(benchmark::State& state, const char* key) {
  QCoreApplication::addLibraryPath(QStringLiteral(VEXA_PLUGIN_ROOT));
  const std::unique_ptr<QStyle> style(QStyleFactory::create(QLatin1String(key)));
  if (!style) {
    state.SkipWithError("the style plugin did not load");
    return;
  }
  paintPushButton(state, style.get());
}

const bool registered = [] {
  for (const char* key : Looks)
    benchmark::RegisterBenchmark((std::string("QPushButton/") + key).c_str(), BM_QPushButtonPlugin, key);
  return true;
}();

} // namespace

void paintPushButton(benchmark::State& state, QStyle* style) {
  QPushButton button(Caption);
  button.setStyle(style);
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
  button.setStyle(nullptr);
}

void printStylePluginRatios(const std::map<std::string, double>& cpu) {
  const auto reference = cpu.find("QPushButton/Fusion");
  if (reference == cpu.end() || reference->second <= 0)
    return;
  std::printf("\nQPushButton through the style plugin / QPushButton under Fusion, goal <= 0.5:\n");
  double worst = 0;
  for (const char* key : Looks) {
    const auto it = cpu.find(std::string("QPushButton/") + key);
    if (it == cpu.end())
      continue;
    const double ratio = it->second / reference->second;
    worst = std::max(worst, ratio);
    std::printf("  %-34s %7.0f ns  ratio %.2f\n", it->first.c_str(), it->second, ratio);
  }
  if (worst > 0)
    std::printf("  worst ratio %.2f\n", worst);
}
