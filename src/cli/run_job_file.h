#pragma once
// Runs one job file from the command line and gives the exit status.

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>

#include "cli_options.h"
#include "commands/run_outcome.h"
#include "core/job.h"
#include "core/number_text.h"

namespace ventora::cli {

struct LoadedJob {
  std::string jobName;  // absolute path without ".in"
  Job job;
  NumberText numbers;                // the user's number format, detected
  AppliedSurroundings surroundings;  // --surroundings: the values and the export's lines
};

// The job's name as the run uses it: the path without ".in", made absolute.
std::string JobNameOf(const std::string& job);

// Removes the stale temporaries of every job in `options` at once and gives
// the options marked so that the jobs do not look again.
CliOptions WithStaleTemporariesRemoved(const CliOptions& options);

// Reads the first job of `options`; says why on `err` and gives
// nothing when it cannot.
std::optional<LoadedJob> LoadJobFile(const CliOptions& options, std::ostream& err);

// Reads the job, runs it and prints the report's path on `out` when the run
// completed.
int RunJobFile(const CliOptions& options, std::ostream& out, std::ostream& err);

struct JobOutcome {
  int status = kExitSystemError;
  std::size_t elements = 0;  // element lines the run computed
};

// RunJobFile, also telling how many elements were computed.
JobOutcome RunJob(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace ventora::cli
