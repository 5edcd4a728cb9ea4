// A full run of 2,000 elements: through RunCalculation with its text report
// in a temporary folder (target: under 5 ms median), its status pass alone,
// and ventora-run on the same job as a whole process.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "bench_job.h"
#include "core/job_file.h"
#include "engine/run_calculation.h"
#include "output/text_report_writer.h"

extern char** environ;

namespace ventora::bench {
namespace {

namespace fs = std::filesystem;

struct BenchFolder {
  fs::path path = fs::temp_directory_path() / ("ventora-run-bench-" + std::to_string(::getpid()));
  BenchFolder() { fs::create_directories(path); }
  ~BenchFolder() { fs::remove_all(path); }
};

void BM_RunCalculation2000(benchmark::State& state) {
  BenchFolder dir;
  const Job job = MakeBenchJob();
  RunSetup setup;
  setup.openReport = [&] {
    return std::make_unique<TextReportWriter>(dir.path / "bench.out.txt", kPointDecimal);
  };
  setup.jobName = (dir.path / "bench").string();
  setup.dateText = "December 06, 2026 - 9:15";
  for (auto _ : state) {
    // As the Run command does: the old report goes before the run.
    fs::remove(dir.path / "bench.out.txt");
    RunContext ctx;
    const RunResult result = RunCalculation(job, ctx, setup);
    if (result.verdict != RunVerdict::Completed || result.elements.size() != 2000) {
      state.SkipWithError("the benchmark job did not complete");
      break;
    }
    benchmark::DoNotOptimize(result.elements.data());
  }
}
BENCHMARK(BM_RunCalculation2000)->Unit(benchmark::kMillisecond);

// The status pass alone, which every run makes after its walk: a small part
// of the run above.
void BM_JudgeElements2000(benchmark::State& state) {
  const Job job = MakeBenchJob();
  RunContext ctx;
  RunSetup setup;
  setup.openReport = [] { return std::make_unique<NoReport>(); };
  const RunResult result = RunCalculation(job, ctx, setup);
  for (auto _ : state) {
    const std::vector<ElementStatus> status = JudgeElements(job, result.geometry, result.elements);
    benchmark::DoNotOptimize(status.data());
  }
}
BENCHMARK(BM_JudgeElements2000)->Unit(benchmark::kMicrosecond);

// ventora-run sits in src/cli of the same build tree as this program.
fs::path VentoraRunBinary() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  return self.parent_path().parent_path() / "src" / "cli" / "ventora-run";
}

int RunProcess(const fs::path& binary, const fs::path& job) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::string program = binary.string();
  std::string argument = job.string();
  char* argv[] = {program.data(), argument.data(), nullptr};
  pid_t pid = 0;
  int status = -1;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) == 0)
    waitpid(pid, &status, 0);
  posix_spawn_file_actions_destroy(&actions);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_VentoraRunProcess2000(benchmark::State& state) {
  const fs::path binary = VentoraRunBinary();
  if (!fs::exists(binary)) {
    state.SkipWithError("ventora-run is not built in this build tree");
    return;
  }
  BenchFolder dir;
  WriteJobFile(MakeBenchJob(), (dir.path / "bench").string());
  for (auto _ : state) {
    if (RunProcess(binary, dir.path / "bench.in") != 0) {
      state.SkipWithError("ventora-run did not complete the job");
      break;
    }
  }
}
BENCHMARK(BM_VentoraRunProcess2000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace ventora::bench
