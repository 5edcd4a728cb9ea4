#pragma once
// The command line of ventora-run: [--xls] [--format=csv] [--map=FILE] JOB,
// --sweep[=STEP] [--format=FORMAT] JOB, --help, --version.

#include <optional>
#include <string>
#include <vector>

namespace ventora::cli {

struct CliOptions {
  bool help = false;
  bool version = false;
  bool workbook = false;  // --xls
  std::string job;        // a ".in" file or a job name without extension
  int sweepStep = 0;      // --sweep[=STEP]: degrees between wind directions; 0 no sweep
  std::string format;     // --format=csv|energyplus|contam; empty: the report only
  std::string mapFile;    // --map=FILE: the Cp map as PNG or SVG; empty: none
};

struct ParsedOptions {
  std::optional<CliOptions> options;
  std::string error;  // one line, when options is empty
};

ParsedOptions ParseOptions(const std::vector<std::string>& args);

std::string UsageText();

}  // namespace ventora::cli
