#include "compare_job_file.h"

#include <algorithm>
#include <filesystem>

#include "batch_run.h"
#include "commands/compare_methods.h"
#include "interrupt.h"
#include "run_job_file.h"
#include "stderr_messages.h"
#include "sweep_job_file.h"

namespace ventora::cli {
namespace {

int CompareOne(const CliOptions& options, const std::string& job, std::ostream& out,
               std::ostream& err) {
  CliOptions one = options;
  one.jobs = {job};
  const std::optional<LoadedJob> loaded = LoadJobFile(one, err);
  if (!loaded) return kExitSystemError;
  StreamMessages messages(err);
  SweepSetup setup;
  setup.cancel = InterruptFlag();
  CompareOutcome outcome;
  try {
    outcome = CompareWithPeerMethods(loaded->job, options.compareStep, messages,
                                     loaded->numbers.Locale(), setup);
  } catch (const Cancelled&) {
    throw;
  } catch (const std::exception& e) {
    err << "ventora-run: " << e.what() << '\n';
    return kExitSystemError;
  }
  for (const std::string& stop : outcome.comparison.stopped)
    err << "ventora-run: no Ventora mean at " << stop << '\n';
  const int status = ExitStatusOf(outcome.outcome);
  if (status == kExitStopped) return status;
  ExportInfo info = CliExportInfo(options);
  info.notes = loaded->surroundings.headerLines;
  const std::filesystem::path path = ComparisonPath(loaded->jobName);
  const std::string stem = std::filesystem::path(loaded->jobName).filename().string();
  const int written = WriteExportAt(
      path, [&] { return PeerComparisonCsv(outcome.comparison, stem, info); }, err);
  if (written != kExitCompleted) return written;
  out << path.string() << '\n';
  return status;
}

}  // namespace

int RunCompareFiles(const CliOptions& options, std::ostream& out, std::ostream& err) {
  int status = kExitCompleted;
  for (const std::string& job : options.jobs) {
    const int one = CompareOne(options, job, out, err);
    if (ExitSeverity(one) > ExitSeverity(status)) status = one;
  }
  return status;
}

}  // namespace ventora::cli
