#pragma once
// The command line of ventora-run: [--xls] [--format=csv] [--map=FILE] JOB,
// --sweep[=STEP] [--format=FORMAT] [export options] JOB, --sweep[=STEP]
// --format=energyplus JOB..., --help, --version.

#include <optional>
#include <string>
#include <vector>

namespace ventora::cli {

struct CliOptions {
  bool help = false;
  bool version = false;
  bool workbook = false;          // --xls
  std::vector<std::string> jobs;  // ".in" files or job names without extension
  int sweepStep = 0;              // --sweep[=STEP]: degrees between wind directions; 0 no sweep
  std::string format;             // --format=csv|energyplus|contam|modelica; empty: the report only
  std::string mapFile;            // --map=FILE: the Cp map as PNG or SVG; empty: none
  int contamFirst = 1;            // --contam-first=N: the first CONTAM profile's number
  std::string modelicaPackage;    // --modelica-package=NAME; empty: from the job's name
  bool allTables = false;         // --tables=all: every EnergyPlus element as a Table:Lookup
  std::string output;             // --output=FILE: the fragment of several EnergyPlus jobs
  std::string fromIdf;            // --from-idf MODEL: the EnergyPlus model to take Cp to
  std::optional<float> pad, sbh, veexp;  // --pad, --sbh, --veexp with --from-idf
};

struct ParsedOptions {
  std::optional<CliOptions> options;
  std::string error;  // one line, when options is empty
};

ParsedOptions ParseOptions(const std::vector<std::string>& args);

std::string UsageText();

}  // namespace ventora::cli
