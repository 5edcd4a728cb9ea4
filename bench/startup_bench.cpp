// Start-up of the desktop program: from process start to the main window's
// first paint, title window skipped. Uses the display in DISPLAY when there
// is one, Qt's offscreen platform otherwise.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::filesystem::path ProgramPath() {
  // build/<preset>/bench/startup_bench -> build/<preset>/src/ui/ventora
  return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "src" /
         "ui" / "ventora";
}

std::vector<std::string> ProbeEnvironment() {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e)
    env.emplace_back(*e);
  env.emplace_back("VENTORA_STARTUP_PROBE=1");
  if (std::getenv("DISPLAY") == nullptr) env.emplace_back("QT_QPA_PLATFORM=offscreen");
  return env;
}

long long NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

// Starts the program once; returns the seconds until it reported its first
// paint, or a negative value when it did not.
double StartOnce(const std::string& program, std::vector<std::string>& env) {
  int out[2];
  if (pipe(out) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  std::vector<char*> envp;
  for (std::string& e : env)
    envp.push_back(e.data());
  envp.push_back(nullptr);
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  pid_t pid = 0;
  const long long start = NowNs();
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  long long shown = 0;
  if (spawned == 0) {
    FILE* in = fdopen(out[0], "r");
    if (std::fscanf(in, "shown %lld", &shown) != 1) shown = 0;
    std::fclose(in);
    waitpid(pid, nullptr, 0);
  } else {
    close(out[0]);
  }
  return shown > 0 ? (shown - start) / 1e9 : -1;
}

void BM_StartUpToMainWindow(benchmark::State& state) {
  const std::string program = ProgramPath().string();
  std::vector<std::string> env = ProbeEnvironment();
  for (auto _ : state) {
    const double seconds = StartOnce(program, env);
    if (seconds < 0) {
      state.SkipWithError(("cannot start " + program).c_str());
      return;
    }
    state.SetIterationTime(seconds);
  }
}
BENCHMARK(BM_StartUpToMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
