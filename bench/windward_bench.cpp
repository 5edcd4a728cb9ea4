// Time of one windward wall element's Cp over a spread of jobs and element
// positions within the limits a run accepts (target: well under 1 us).

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "engine/models/windward_model.h"

namespace {

using Element = ventora::ModelInput;

std::vector<Element> SpreadOfElements(std::size_t count) {
  std::mt19937 gen(20240611);
  auto in = [&](float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(gen); };
  std::vector<Element> elements(count);
  for (Element& e : elements)
    e = {in(0.1f, 0.45f), in(0.0f, 35.0f),   in(0.5f, 4.0f), in(0.2f, 8.0f),
         in(0.2f, 5.0f),  in(-89.9f, 89.9f), in(0.1f, 0.9f), in(0.0f, 1.0f)};
  return elements;
}

void BM_WindwardCp(benchmark::State& state) {
  const std::vector<Element> elements = SpreadOfElements(4096);
  const ventora::RunContext ctx{true, nullptr, nullptr};
  std::size_t i = 0;
  for (auto _ : state) {
    const Element& e = elements[i++ & 4095];
    float Cp = 0;
    std::int16_t err = 0;
    ventora::WindwardCp(ctx, e, Cp, err);
    benchmark::DoNotOptimize(Cp);
    benchmark::DoNotOptimize(err);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WindwardCp);

}  // namespace
