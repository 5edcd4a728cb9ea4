#include "batch_run.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <numeric>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "batch_progress.h"
#include "core/cancellation.h"
#include "output/sweep/contam_export.h"
#include "run_job_file.h"
#include "sweep_job_file.h"

namespace ventora::cli {
namespace {

namespace fs = std::filesystem;

constexpr int kNotRun = -1;  // stopped before it started; counts as a stop

struct JobEnd {
  int status = kExitSystemError;
  std::size_t elements = 0;
  double seconds = 0;
  std::string messages;  // the job's standard error, whole lines
};

const char* VerdictWord(int status) {
  switch (status) {
    case kExitCompleted:
      return "completed";
    case kExitValuesMissing:
      return "values-missing";
    case kExitStopped:
      return "stopped";
    case kNotRun:
      return "not-run";
    default:
      return "error";
  }
}

std::size_t ElementsOf(const CliOptions& one) {
  std::ostringstream ignored;
  const std::optional<LoadedJob> loaded = LoadJobFile(one, ignored);
  if (!loaded) return 0;
  return static_cast<std::size_t>(
      std::accumulate(loaded->job.ElmCount.begin(), loaded->job.ElmCount.end(), 0));
}

JobEnd RunOne(const CliOptions& options, const std::string& job) {
  CliOptions one = options;
  one.jobs = {job};
  one.jobsFrom.clear();
  std::ostringstream out;  // the paths of the files written: a batch does not list them
  std::ostringstream err;
  const auto start = std::chrono::steady_clock::now();
  JobEnd end;
  try {
    if (one.sweepStep != 0) {
      end.status = RunSweepFile(one, out, err);
      end.elements = ElementsOf(one);
    } else {
      const JobOutcome outcome = RunJob(one, out, err);
      end.status = outcome.status;
      end.elements = outcome.elements;
    }
  } catch (const Cancelled&) {
    // An interrupted sweep has removed its temporaries; the job counts as not run.
    end.status = kNotRun;
  }
  end.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  end.messages = err.str();
  return end;
}

// Every line of `messages` as "job: line".
std::string Prefixed(const std::string& job, const std::string& messages) {
  std::string text;
  std::size_t begin = 0;
  while (begin < messages.size()) {
    std::size_t end = messages.find('\n', begin);
    if (end == std::string::npos) end = messages.size();
    text.append(job).append(": ").append(messages, begin, end - begin).append(1, '\n');
    begin = end + 1;
  }
  return text;
}

std::string SummaryLine(const std::string& job, const JobEnd& end) {
  char numbers[64];
  std::snprintf(numbers, sizeof numbers, "\t%zu\t%.3f\n", end.elements, end.seconds);
  return job + '\t' + VerdictWord(end.status) + numbers;
}

// The jobs given again under the same name: running them twice at once
// would write the same files.
std::vector<bool> Repeats(const std::vector<std::string>& jobs) {
  std::vector<bool> repeat(jobs.size(), false);
  std::set<std::string> seen;
  for (std::size_t i = 0; i < jobs.size(); ++i)
    repeat[i] = !seen.insert(JobNameOf(jobs[i])).second;
  return repeat;
}

class Batch {
 public:
  Batch(const CliOptions& options, std::ostream& out, std::ostream& err, const BatchSetup& setup)
      : options_(options),
        out_(out),
        err_(err),
        setup_(setup),
        repeats_(Repeats(options.jobs)),
        progress_(err, options.jobs.size(), setup.showProgress) {}

  int Run(int threads) {
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t)
      pool.emplace_back([this] { Work(); });
    Work();
    for (std::thread& thread : pool)
      thread.join();
    progress_.Finish();
    return worst_;
  }

 private:
  void Work() {
    for (std::size_t i = next_++; i < options_.jobs.size(); i = next_++) {
      JobEnd end;
      if (repeats_[i])
        end.messages = "ventora-run: the job is already in this batch; it runs once\n";
      else if (setup_.stopRequested())
        end.status = kNotRun;
      else
        end = RunOne(options_, options_.jobs[i]);
      Publish(options_.jobs[i], end);
    }
  }

  void Publish(const std::string& job, const JobEnd& end) {
    const std::string messages = Prefixed(job, end.messages);
    const std::string summary = SummaryLine(job, end);
    const std::lock_guard<std::mutex> lock(mutex_);
    if (!messages.empty()) {
      progress_.Wipe();
      err_ << messages << std::flush;
    }
    out_ << summary << std::flush;
    progress_.JobDone();
    if (ExitSeverity(end.status) > ExitSeverity(worst_))
      worst_ = end.status == kNotRun ? kExitStopped : end.status;
  }

  const CliOptions& options_;
  std::ostream& out_;
  std::ostream& err_;
  const BatchSetup& setup_;
  const std::vector<bool> repeats_;
  std::atomic<std::size_t> next_{0};
  std::mutex mutex_;
  BatchProgress progress_;
  int worst_ = kExitCompleted;
};

// CONTAM profiles written by one call are meant for one project, which
// takes each profile name once.
std::string ContamClash(const CliOptions& options) {
  if (options.sweepStep == 0 || options.format != "contam") return "";
  std::vector<ContamJob> jobs;
  std::set<std::string> seen;  // a job given twice runs once
  for (const std::string& job : options.jobs) {
    CliOptions one = options;
    one.jobs = {job};
    std::ostringstream ignored;  // an unreadable job says so when it runs
    const std::optional<LoadedJob> loaded = LoadJobFile(one, ignored);
    if (loaded && seen.insert(loaded->jobName).second)
      jobs.push_back({fs::path(loaded->jobName).filename().string(), loaded->job});
  }
  return ContamNameClash(jobs);
}

}  // namespace

int ExitSeverity(int status) {
  switch (status) {
    case kExitSystemError:
      return 3;
    case kExitStopped:
    case kNotRun:
      return 2;
    case kExitValuesMissing:
      return 1;
    default:
      return 0;
  }
}

int RunBatch(const CliOptions& options, std::ostream& out, std::ostream& err,
             const BatchSetup& setup) {
  int threads =
      setup.threads > 0 ? setup.threads : static_cast<int>(std::thread::hardware_concurrency());
  threads = std::clamp(threads, 1, static_cast<int>(std::max<std::size_t>(options.jobs.size(), 1)));
  if (const std::string clash = ContamClash(options); !clash.empty()) {
    err << "ventora-run: " << clash << '\n';
    return kExitSystemError;
  }
  const CliOptions cleared = WithStaleTemporariesRemoved(options);
  Batch batch(cleared, out, err, setup);
  return batch.Run(threads);
}

}  // namespace ventora::cli
