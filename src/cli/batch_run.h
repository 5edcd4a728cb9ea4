#pragma once
// A batch: many jobs in one call of ventora-run, each run exactly as it
// would run alone, up to N at once.

#include <functional>
#include <ostream>

#include "cli_options.h"

namespace ventora::cli {

struct BatchSetup {
  int threads = 0;            // jobs at once; 0 the number of cores
  bool showProgress = false;  // the progress line on `err` (a terminal)
  // Asked before each job starts, from any of the batch's threads; once it
  // says true, the jobs not yet started are not run.
  std::function<bool()> stopRequested = [] { return false; };
};

// Runs every job of `options`. Each job's messages reach `err` in one piece
// when it ends, every line as "JOB: message", followed on `out` by its line
// JOB<tab>VERDICT<tab>ELEMENTS<tab>SECONDS. Gives the worst exit status.
int RunBatch(const CliOptions& options, std::ostream& out, std::ostream& err,
             const BatchSetup& setup);

// How bad an exit status is, for the worst of several: 1, then 2, then 3,
// then 0.
int ExitSeverity(int status);

}  // namespace ventora::cli
