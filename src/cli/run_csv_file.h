#pragma once
// --format=csv on a plain run: the element lines beside the report, as
// JOB.out.csv, for scripts.

#include <filesystem>
#include <ostream>
#include <string>

#include "core/job.h"
#include "engine/run_calculation.h"

namespace ventora::cli {

std::filesystem::path RunCsvPath(const std::string& jobName);

// Removes the CSV of an earlier run, so a stopped run leaves none behind.
bool DeleteRunCsv(const std::string& jobName, std::ostream& err);

// Writes the CSV and prints its path; gives `status`, or the system error
// status when the file cannot be written.
int WriteRunCsv(const std::string& jobName, const Job& job, const RunResult& run, int status,
                std::ostream& out, std::ostream& err);

}  // namespace ventora::cli
