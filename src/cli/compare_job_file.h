#pragma once
// ventora-run --compare[=STEP] JOB...: each job's walls beside the published
// methods, written as JOB.compare.csv.

#include <ostream>

#include "cli_options.h"

namespace ventora::cli {

// Compares every job in turn; prints each file's path. Gives the worst exit
// status of the jobs.
int RunCompareFiles(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace ventora::cli
