// Time per roof element of RoofCp, for each roof type, over a spread of
// settings and positions such as runs produce (target: well under 1 us).

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "engine/models/roof_model.h"

namespace {

using RoofElement = ventora::ModelInput;

std::vector<RoofElement> SpreadOfElements() {
  std::mt19937 gen(20261206);
  auto uniform = [&](float lo, float hi) {
    return std::uniform_real_distribution<float>(lo, hi)(gen);
  };
  std::vector<RoofElement> elements(4096);
  for (RoofElement& e : elements) {
    const bool onMidLine = gen() % 8 == 0;
    e = {uniform(0.1f, 0.45f),
         uniform(0.0f, 35.0f),
         uniform(0.5f, 3.0f),
         uniform(0.5f, 4.0f),
         uniform(0.5f, 4.0f),
         uniform(-179.0f, 180.0f),
         uniform(0.0f, 1.0f),
         onMidLine ? 0.5f : uniform(0.0f, 1.0f),
         0,
         uniform(5.0f, 45.0f)};
  }
  return elements;
}

void BM_RoofCp(benchmark::State& state) {
  const auto Islope = static_cast<std::int16_t>(state.range(0));
  const std::vector<RoofElement> elements = SpreadOfElements();
  const ventora::RunContext ctx{true, nullptr, nullptr};
  std::size_t i = 0;
  for (auto _ : state) {
    RoofElement e = elements[i++ % elements.size()];
    e.Islope = Islope;
    float Cp = 0.0f;
    std::int16_t err = 0;
    ventora::RoofCp(ctx, e, Cp, err);
    benchmark::DoNotOptimize(Cp);
    benchmark::DoNotOptimize(err);
  }
  state.SetItemsProcessed(state.iterations());
}
// 0 flat, 1 single slope, 2 double slope.
BENCHMARK(BM_RoofCp)->Arg(0)->Arg(1)->Arg(2);

}  // namespace
