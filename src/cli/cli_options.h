#pragma once
// The command line of ventora-run: [--xls] [--format=csv] [--map=FILE] JOB...,
// --sweep[=STEP] [--format=FORMAT] [export options] JOB..., --jobs-from FILE,
// -j N, --from-idf MODEL [options], --spread, --compare[=STEP] JOB...,
// --help, --version.

#include <optional>
#include <string>
#include <vector>

#include "surroundings_option.h"

namespace ventora::cli {

struct CliOptions {
  bool help = false;
  bool version = false;
  bool workbook = false;          // --xls
  std::vector<std::string> jobs;  // ".in" files or job names without extension, in order
  std::string jobsFrom;           // --jobs-from FILE: more jobs, one a line; "-" standard input
  int threads = 0;                // -j N: jobs run at once; 0 the number of cores
  int sweepStep = 0;              // --sweep[=STEP]: degrees between wind directions; 0 no sweep
  std::string format;             // --format=csv|energyplus|contam|modelica; empty: the report only
  std::string mapFile;            // --map=FILE: the Cp map as PNG or SVG; empty: none
  int contamFirst = 1;            // --contam-first=N: the first CONTAM profile's number
  std::string modelicaPackage;    // --modelica-package=NAME; empty: from the job's name
  bool allTables = false;         // --tables=all: every EnergyPlus element as a Table:Lookup
  bool strict = false;            // --strict: write no export that holds an implausible Cp
  bool spread = false;            // --spread: Cp low and Cp high in the CSV
  int compareStep = 0;            // --compare[=STEP]: the walls beside the published methods
  std::string output;             // --output=FILE: the fragment of several EnergyPlus jobs
  std::optional<double> boundaryLayer;   // --boundary-layer=M: the site profile's delta
  std::string fromIdf;                   // --from-idf MODEL: the EnergyPlus model to take Cp to
  std::optional<float> pad, sbh, veexp;  // --pad, --sbh, --veexp with --from-idf
  SurroundingsOptions surroundings;      // --surroundings FILE --site X,Y ...
  std::string fit;                       // --fit=box|enclosing with --from-idf; empty: box
  std::vector<std::string> zones;        // --zones NAME,... with --from-idf
  // --damaged-header=zeros: a header line that lacks values is read with them
  // at 0 (as the desktop program opens it after its warning) instead of
  // refusing the job.
  bool damagedHeaderZeros = false;

  // Several jobs, or a list of them: each job's messages carry its name and
  // each job ends with a summary line.
  // Not an option: set by a batch, which removes the stale temporaries of
  // all its jobs before they run (one reading of each folder).
  bool staleTemporariesRemoved = false;

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
