#pragma once
// Runs one job file from the command line and gives the exit status.

#include <optional>
#include <ostream>
#include <string>

#include "cli_options.h"
#include "core/job.h"
#include "core/number_text.h"

namespace ventora::cli {

enum ExitStatus : int {
  kExitCompleted = 0,
  kExitSystemError = 1,
  kExitStopped = 2,
  kExitValuesMissing = 3,
};

struct LoadedJob {
  std::string jobName;  // absolute path without ".in"
  Job job;
  NumberText numbers;  // the user's number format, detected
};

// Reads the job named on the command line; says why on `err` and gives
// nothing when it cannot.
std::optional<LoadedJob> LoadJobFile(const CliOptions& options, std::ostream& err);

// Reads the job, runs it and prints the report's path on `out` when the run
// completed.
int RunJobFile(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace ventora::cli
