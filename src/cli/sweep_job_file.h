#pragma once
// ventora-run --sweep: runs a job file at every wind direction of the sweep
// and writes the chosen export beside it.

#include <filesystem>
#include <ostream>
#include <string>

#include "cli_options.h"

namespace ventora::cli {

// JOB.sweep.csv, JOB.sweep.idf or JOB.sweep.contam.txt.
std::filesystem::path SweepOutputPath(const std::string& jobName, const std::string& format);

// Exit status as RunJobFile's: 0 every direction computed, 3 some stopped
// (each named on `err`), 2 refused or nothing to write, 1 system error.
int RunSweepFile(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace ventora::cli
