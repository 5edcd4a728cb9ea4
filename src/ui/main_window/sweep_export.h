#pragma once
// Sweep… without its window: what one sweep and export needs, and the work
// itself, done as ventora-run --sweep=STEP --format=F JOB does it (the same
// swept job and directions, the same exporters, the same notes), so that the
// file is the same byte for byte. Run on a worker thread: it touches no
// widget and reports through SweepSetup's progress and cancellation.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/job.h"
#include "output/sweep/cp_by_direction.h"
#include "output/sweep/export_formats.h"
#include "output/sweep/wind_sweep.h"

namespace ventora {

struct SweepRequest {
  Job job;
  std::string jobName;  // the job file's full path without ".in"
  std::string format;   // as ExportFormatNames gives it
  ExportSettings settings;
  bool allTables = false;  // EnergyPlus: a table for every element
  std::filesystem::path file;
};

struct SweepOutcome {
  bool written = false;
  // What ventora-run says on standard error besides its progress: the
  // confidence warnings, each stopped direction, the export's warning, or
  // why nothing was written.
  std::vector<std::string> notes;
  // The swept values against the true wind direction, for the plot; null
  // when no direction was computed.
  std::shared_ptr<const CpByDirection> directions;
};

// The file ventora-run writes for `format` beside the job `jobName`.
std::filesystem::path DefaultSweepFile(const std::string& jobName, const std::string& format);

// Removes the old file first (a failed sweep leaves none behind), sweeps and
// writes `request.file`. Throws Cancelled when `setup.cancel` is set between
// two directions, having written nothing; `setup.messages` is replaced by the
// notes' collector.
SweepOutcome RunSweepExport(const SweepRequest& request, SweepSetup setup);

}  // namespace ventora
