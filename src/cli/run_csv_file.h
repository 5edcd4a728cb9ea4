#pragma once
// --format=csv on a plain run: the element lines beside the report, as
// JOB.out.csv, for scripts.

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "core/job.h"
#include "engine/run_calculation.h"
#include "output/sweep/element_spread.h"

namespace ventora::cli {

std::filesystem::path RunCsvPath(const std::string& jobName);

// Removes the CSV of an earlier run, so a stopped run leaves none behind.
bool DeleteRunCsv(const std::string& jobName, std::ostream& err);

struct RunCsvSetup {
  int status = 0;       // the run's exit status
  bool strict = false;  // --strict: no CSV when a Cp is implausible
  // --spread: each element's Cp low and Cp high; null: none.
  const std::vector<ElementSpread>* spread = nullptr;
};

// Writes the CSV and prints its path; gives the run's status, the stopped
// status when strict mode refuses the file, or the system error status when
// it cannot be written.
int WriteRunCsv(const std::string& jobName, const Job& job, const RunResult& run, RunCsvSetup setup,
                std::ostream& out, std::ostream& err);

}  // namespace ventora::cli
