#pragma once
// What the main window keeps of a job's last completed run, so that the Cp
// map shows the numbers of the report on disk even after the job has been
// edited since.

#include <optional>
#include <string>
#include <utility>

#include "commands/run_job.h"
#include "core/job.h"
#include "core/number_locale.h"

namespace ventora {

// What the Run command hands back to the main window: the outcome and, when
// the calculation ran, its results. A bare outcome converts, for commands
// that have no results to give.
struct RunReply {
  RunReply(RunOutcome o) : outcome(o) {}  // NOLINT(google-explicit-constructor)
  RunReply(RunCommandResult r)            // NOLINT(google-explicit-constructor)
      : outcome(r.outcome), run(std::move(r.run)) {}
  RunOutcome outcome = RunOutcome::SystemError;
  RunResult run;
};

struct CompletedRun {
  std::string jobName;  // path without ".in"
  Job job;              // as it ran, with the pre-run checks' adjustments
  // Empty when the results on disk come from an earlier session: the job as
  // loaded is then computed again, in memory, when the map is asked for.
  std::optional<RunResult> run;
};

// Computes `job` in memory as Run does (the pre-run checks' silent
// adjustments, then the run), without writing any report or touching the
// job's folder. Empty when the job does not pass the checks or cannot run.
std::optional<RunResult> RecomputeRun(Job job, const NumberLocale& locale);

}  // namespace ventora
