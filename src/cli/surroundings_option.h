#pragma once
// --surroundings FILE --site X,Y [--crs EPSG:N] [--radius R] [--sectors N]
// [--storey-height H] [--default-height H]: PAD and SbH from building
// footprints, printed as a table (or CSV), or given to the job run.
// The footprints are read by libventora-site.so, loaded only then.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "commands/surroundings_for_job.h"
#include "core/job.h"
#include "site/site_query.h"

namespace ventora::cli {

struct CliOptions;

struct SurroundingsOptions {
  std::string file;                     // --surroundings; empty: none asked for
  std::optional<double> x, y;           // --site, in the file's coordinates
  std::string crs;                      // --crs
  std::optional<double> radius;         // --radius, m
  int sectors = 1;                      // --sectors
  double storeyHeight = 3;              // --storey-height, m
  std::optional<double> defaultHeight;  // --default-height, m

  bool Given() const { return !file.empty(); }
};

// Takes the surroundings options out of `args` and gives the rest; on a bad
// value, `error` says why.
std::vector<std::string> TakeSurroundingsOptions(const std::vector<std::string>& args,
                                                 SurroundingsOptions& options, std::string& error);

// Empty, or why these options cannot go with the rest of the command line.
std::string CheckSurroundingsOptions(const CliOptions& options);

// Without a job: prints the table (or CSV) and gives the exit status.
int PrintSurroundings(const CliOptions& options, std::ostream& out, std::ostream& err);

// Puts the all-round PAD and SbH into `job`, saying on `err` where they come
// from; false after saying why not. `applied`, when given, keeps them.
bool ApplySurroundings(const SurroundingsOptions& options, Job& job, std::ostream& err,
                       AppliedSurroundings* applied = nullptr);

std::string SurroundingsUsage();

}  // namespace ventora::cli
