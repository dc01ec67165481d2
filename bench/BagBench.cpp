// SPDX-License-Identifier: MIT
// Reading a stored layout of N distinct keys: PropertyBag::fromJson should
// grow linearly with N (the complexity line fitted over the sizes says so).
#include "platform/PropertyBag.h"

#include <benchmark/benchmark.h>

namespace {

QByteArray layoutWithKeys(int count) {
  QByteArray json = "{";
  for (int i = 0; i < count; ++i)
    json += (i ? ", \"Key" : "\"Key") + QByteArray::number(i) + "\": " + QByteArray::number(i);
  return json + "}";
}

void BM_BagFromJson(benchmark::State& state) {
  const QByteArray json = layoutWithKeys(int(state.range(0)));
  for (auto _ : state) {
    auto bag = platform::PropertyBag::fromJson(json);
    benchmark::DoNotOptimize(bag);
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_BagFromJson)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
