// ventora-run as whole processes: the CPU time of a start-up (against
// /bin/true; targets: --version at most 2x, an empty job at most 3x, median
// of 20), and 1,000 example jobs in one call with -j 2 against a shell loop
// of single runs (target: at least 10x faster in wall time).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_job.h"
#include "core/job_file.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

fs::path Program() {
  // build/<preset>/bench/cli_process_bench -> build/<preset>/src/cli/ventora-run
  return fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "src" / "cli" /
         "ventora-run";
}

// A scratch folder with the benchmark's jobs, removed at exit.
const fs::path& Scratch() {
  static const fs::path folder = [] {
    std::string pattern = (fs::temp_directory_path() / "ventora-bench-XXXXXX").string();
    fs::path made = mkdtemp(pattern.data());
    ventora::Job job = ventora::bench::MakeBenchJob();
    job.ElmCount = {};
    ventora::WriteJobFile(job, (made / "empty").string());
    std::atexit([] { fs::remove_all(Scratch()); });
    return made;
  }();
  return folder;
}

struct Finished {
  double cpuSeconds = -1;  // user + system of the child
  double wallSeconds = -1;
};

// Runs `argv` with standard output and error thrown away.
Finished Spawn(const std::vector<std::string>& args) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  for (const std::string& a : args)
    argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  Finished done;
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return done;
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  done.wallSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  done.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
  return done;
}

void Measure(benchmark::State& state, const std::vector<std::string>& args, bool cpu) {
  for (auto _ : state) {
    const Finished done = Spawn(args);
    if (done.cpuSeconds < 0) {
      state.SkipWithError(("cannot start " + args.front()).c_str());
      return;
    }
    state.SetIterationTime(cpu ? done.cpuSeconds : done.wallSeconds);
  }
}

void BM_CpuTrue(benchmark::State& state) {
  Measure(state, {"/bin/true"}, true);
}
void BM_CpuVersion(benchmark::State& state) {
  Measure(state, {Program().string(), "--version"}, true);
}
void BM_CpuEmptyJob(benchmark::State& state) {
  Measure(state, {Program().string(), (Scratch() / "empty.in").string()}, true);
}

// 1,000 copies of the example jobs (mixed sizes), listed in a file.
fs::path ThousandJobs() {
  const fs::path folder = Scratch() / "thousand";
  const fs::path list = Scratch() / "thousand.list";
  if (fs::exists(list)) return list;
  fs::create_directories(folder);
  std::ofstream out(list);
  for (int i = 0; i < 1000; ++i) {
    const char* example = i % 2 == 0 ? "low-house.in" : "office-block.in";
    const fs::path copy = folder / (std::to_string(i) + ".in");
    fs::copy_file(fs::path(VENTORA_EXAMPLES) / example, copy, fs::copy_options::overwrite_existing);
    out << copy.string() << '\n';
  }
  return list;
}

void BM_ThousandJobsShellLoop(benchmark::State& state) {
  const std::string loop = "while IFS= read -r job; do \"" + Program().string() +
                           "\" \"$job\" >/dev/null 2>&1; done <\"" + ThousandJobs().string() + "\"";
  Measure(state, {"/bin/bash", "-c", loop}, false);
}
void BM_ThousandJobsOneCallJ2(benchmark::State& state) {
  Measure(state, {Program().string(), "-j", "2", "--jobs-from", ThousandJobs().string()}, false);
}

BENCHMARK(BM_CpuTrue)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(1)
    ->Repetitions(20)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_CpuVersion)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(1)
    ->Repetitions(20)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_CpuEmptyJob)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(1)
    ->Repetitions(20)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ThousandJobsShellLoop)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ThousandJobsOneCallJ2)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
