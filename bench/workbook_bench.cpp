// The 2,000-element job run with the workbook report, next to the same run
// with the text report (target: the workbook run within 3x of the text run).
// Each run first deletes the previous report, as the Run command does.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "bench_job.h"
#include "engine/run_calculation.h"
#include "output/open_report.h"

namespace ventora::bench {
namespace {

namespace fs = std::filesystem;

struct BenchFolder {
  fs::path path =
      fs::temp_directory_path() / ("ventora-workbook-bench-" + std::to_string(::getpid()));
  BenchFolder() { fs::create_directories(path); }
  ~BenchFolder() { fs::remove_all(path); }
};

void RunJob2000(benchmark::State& state, ReportForm form) {
  BenchFolder dir;
  const Job job = MakeBenchJob();
  RunSetup setup;
  setup.jobName = (dir.path / "bench").string();
  setup.openReport = [&] { return OpenReport(form, setup.jobName, kPointDecimal); };
  setup.dateText = "December 06, 2026 - 9:15";
  const fs::path report = ReportPath(setup.jobName, form);
  for (auto _ : state) {
    fs::remove(report);
    RunContext ctx;
    const RunResult result = RunCalculation(job, ctx, setup);
    if (result.verdict != RunVerdict::Completed || result.elements.size() != 2000) {
      state.SkipWithError("the benchmark job did not complete");
      break;
    }
    benchmark::DoNotOptimize(result.elements.data());
  }
}

void BM_Run2000TextReport(benchmark::State& state) {
  RunJob2000(state, ReportForm::Text);
}
BENCHMARK(BM_Run2000TextReport)->Unit(benchmark::kMillisecond);

void BM_Run2000WorkbookReport(benchmark::State& state) {
  RunJob2000(state, ReportForm::Workbook);
}
BENCHMARK(BM_Run2000WorkbookReport)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ventora::bench
