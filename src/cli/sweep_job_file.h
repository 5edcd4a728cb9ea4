#pragma once
// ventora-run --sweep: runs a job file at every wind direction of the sweep
// and writes the chosen export beside it.

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "cli_options.h"
#include "commands/sweep_export.h"
#include "output/sweep/export_job_summary.h"
#include "run_job_file.h"

namespace ventora::cli {

// JOB.sweep.csv, JOB.sweep.idf, JOB.sweep.contam.txt or, in the job's
// folder, PACKAGE.mo.
std::filesystem::path SweepOutputPath(const std::string& jobName, const CliOptions& options);

// What the exports' headers say besides the job: the program's version and
// the site profile's boundary layer (--boundary-layer).
ExportInfo CliExportInfo(const CliOptions& options);

struct SweptJob {
  LoadedJob loaded;
  SweptForExport swept;  // the job as checked and swept
  std::string stem;      // the job file's name without folder and ".in"
};

// Loads, checks and sweeps the job named `job` as `options` say; names
// each stopped direction on `err`. Gives nothing, with `status` set to the
// exit status, when there is nothing to export. The old export stays until
// a whole new one replaces it.
std::optional<SweptJob> SweepJob(const CliOptions& options, const std::string& job,
                                 std::ostream& err, int& status);

// Writes the export `text()` makes at `path` (whole or not at all); gives
// 0, or 2 when the export refuses the sweep and 1 when the file cannot be
// written, each said on `err`.
int WriteExportAt(const std::filesystem::path& path, const std::function<std::string()>& text,
                  std::ostream& err);

// Exit status as RunJobFile's: 0 every direction computed, 3 some stopped
// (each named on `err`), 2 refused or nothing to write, 1 system error.
int RunSweepFile(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace ventora::cli
