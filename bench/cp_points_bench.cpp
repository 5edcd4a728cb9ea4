// The engine's own time per element for the points python/cp_bench.py
// gives ventora.cp: the office block's header, facades 1 to 5 in turn and
// positions on a 1000 x 1000 grid, each through the run's wall clamping and
// FacadeCp with the job's geometry derived once, as the run does.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "core/job_file.h"
#include "core/parameter_limits.h"
#include "engine/facade_cp.h"
#include "engine/run_limits.h"

namespace ventora {
namespace {

struct Point {
  Facade facade;
  float XL;
  float ZH;
};

// The same formula as python/cp_bench.py's points.
std::vector<Point> Points(std::int64_t n) {
  std::vector<Point> points;
  for (std::int64_t i = 0; i < n; ++i) {
    points.push_back({AsFacade(static_cast<int>(1 + i % 5)),
                      static_cast<float>((static_cast<double>(i % 1000) + 0.5) / 1000),
                      static_cast<float>((static_cast<double>(i / 1000 % 1000) + 0.5) / 1000)});
  }
  return points;
}

void BM_CpPoints(benchmark::State& state) {
  NumberText numbers;
  const Job job = ReadJobFile(VENTORA_EXAMPLES "/office-block.in", numbers);
  const FacadeGeometry g = DeriveFacadeGeometry(job);
  const std::vector<Point> points = Points(state.range(0));
  const RunContext ctx{true, nullptr, nullptr};
  std::vector<double> out(points.size());
  for (auto _ : state) {
    for (std::size_t i = 0; i < points.size(); ++i) {
      const Point& p = points[i];
      const FacadeCpResult r = FacadeCp(ctx, {.geometry = g,
                                              .PAD = job.PAD,
                                              .VeEXP = job.VeEXP,
                                              .facade = p.facade,
                                              .XL = p.XL,
                                              .ZH = ClampedZH(p.facade, p.ZH, job.VeEXP),
                                              .Islope = job.Islope,
                                              .Phi = job.Phi,
                                              .carried = {10000, 0}});
      out[i] = r.err == 0 ? r.cp : 0;
    }
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_CpPoints)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ventora
