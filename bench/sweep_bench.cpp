// The 2,000-element job swept over 36 wind directions (72,000 Cp values)
// and written as CSV text (target: under 50 ms median); and the sweep alone.

#include <benchmark/benchmark.h>

#include "bench_job.h"
#include "output/sweep/sweep_csv_export.h"
#include "output/sweep/wind_sweep.h"

namespace ventora::bench {
namespace {

bool Complete(const WindSweep& sweep) {
  return sweep.AllCompleted() && sweep.elements.size() == 2000 && sweep.directions.size() == 36;
}

void BM_Sweep2000x36Csv(benchmark::State& state) {
  const Job job = MakeBenchJob();
  const std::vector<float> directions = SweepDirections(10);
  for (auto _ : state) {
    const WindSweep sweep = RunWindSweep(job, directions, {});
    if (!Complete(sweep)) {
      state.SkipWithError("the benchmark job did not sweep completely");
      break;
    }
    const std::string csv = SweepCsv(sweep, job);
    benchmark::DoNotOptimize(csv.data());
  }
}
BENCHMARK(BM_Sweep2000x36Csv)->Unit(benchmark::kMillisecond);

void BM_Sweep2000x36(benchmark::State& state) {
  const Job job = MakeBenchJob();
  const std::vector<float> directions = SweepDirections(10);
  for (auto _ : state) {
    const WindSweep sweep = RunWindSweep(job, directions, {});
    benchmark::DoNotOptimize(sweep.directions.data());
  }
}
BENCHMARK(BM_Sweep2000x36)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ventora::bench
