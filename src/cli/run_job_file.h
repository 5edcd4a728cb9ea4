#pragma once
// Runs one job file from the command line and gives the exit status.

#include <ostream>

#include "cli_options.h"

namespace ventora::cli {

enum ExitStatus : int {
  kExitCompleted = 0,
  kExitSystemError = 1,
  kExitStopped = 2,
  kExitValuesMissing = 3,
};

// Reads the job, changes into its folder (the verdict file lives there),
// runs it and prints the report's path on `out` when the run completed.
int RunJobFile(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace ventora::cli
