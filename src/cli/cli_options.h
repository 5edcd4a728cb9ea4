#pragma once
// The command line of ventora-run: [--xls] [--format=csv] [--map=FILE] JOB...,
// --sweep[=STEP] [--format=FORMAT] JOB..., --jobs-from FILE, -j N, --help,
// --version.

#include <optional>
#include <string>
#include <vector>

namespace ventora::cli {

struct CliOptions {
  bool help = false;
  bool version = false;
  bool workbook = false;          // --xls
  std::vector<std::string> jobs;  // ".in" files or job names without extension, in order
  std::string jobsFrom;           // --jobs-from FILE: more jobs, one a line; "-" standard input
  int threads = 0;                // -j N: jobs run at once; 0 the number of cores
  int sweepStep = 0;              // --sweep[=STEP]: degrees between wind directions; 0 no sweep
  std::string format;             // --format=csv|energyplus|contam; empty: the report only
  std::string mapFile;            // --map=FILE: the Cp map as PNG or SVG; empty: none

  // Several jobs, or a list of them: each job's messages carry its name and
  // each job ends with a summary line.
  bool Batch() const { return jobs.size() > 1 || !jobsFrom.empty(); }
};

struct ParsedOptions {
  std::optional<CliOptions> options;
  std::string error;  // one line, when options is empty
};

ParsedOptions ParseOptions(const std::vector<std::string>& args);

// The options that depend on how many jobs there are, once --jobs-from is
// read; empty, or the error line.
std::string CheckJobCount(const CliOptions& options);

std::string UsageText();

}  // namespace ventora::cli
