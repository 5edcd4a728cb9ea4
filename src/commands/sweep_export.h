#pragma once
// Sweep and export: one job swept round the wind for an export format and
// its file written, the same for ventora-run --sweep=STEP --format=F JOB,
// the desktop's Sweep… and the web page (the same swept job and
// directions, the same exporters, the same notes), so that the file is the
// same byte for byte. Touches no window: it reports through SweepSetup's
// progress and cancellation, and may run on a worker thread.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "commands/run_outcome.h"
#include "commands/surroundings_for_job.h"
#include "core/job.h"
#include "core/number_locale.h"
#include "output/sweep/cp_by_direction.h"
#include "output/sweep/element_spread.h"
#include "output/sweep/export_formats.h"
#include "output/sweep/wind_sweep.h"

namespace ventora {

struct SweepRequest {
  Job job;
  std::string jobName;  // the job file's full path without ".in"
  std::string format;   // as ExportFormatNames gives it
  ExportSettings settings;
  // Degrees between the wind directions when not settings.step: CSV and
  // EnergyPlus also take a fraction of a degree (Python's export); 0 takes
  // settings.step.
  double step = 0;
  bool allTables = false;  // EnergyPlus: a table for every element
  std::filesystem::path file;
  // The pre-run checks first, their messages written with `locale`; the
  // desktop program checks before it asks for the sweep.
  bool checkFirst = false;
  NumberLocale locale;
  // Sectors of the surroundings: each direction takes the values of the
  // sector its wind blows from.
  AppliedSurroundings surroundings;
  // The CSV: each element's spread at each direction (cp_spread.h).
  bool spread = false;
};

// A job swept for a format, not yet written.
struct SweptForExport {
  RunOutcome outcome = RunOutcome::SystemError;  // Completed when there is something to write
  Job job;                                       // as the checks left it
  WindSweep sweep;
  std::vector<std::string> notes;       // each stopped direction, or why nothing can be written
  std::vector<DirectionSpread> spread;  // when asked: one per direction of the sweep
  // How far the export's directions miss the model between them: its
  // header's lines, and the warning among them (export_fidelity.h).
  std::vector<std::string> fidelity;
  std::string fidelityWarning;
};

struct SweepOutcome {
  RunOutcome outcome = RunOutcome::SystemError;
  bool Written() const {
    return outcome == RunOutcome::Completed || outcome == RunOutcome::ValuesMissing;
  }
  // What ventora-run says on standard error besides its progress and the
  // boxes: the confidence warnings (when no MessageSink was given), each
  // stopped direction, or why nothing was written (then the last note).
  std::vector<std::string> notes;
  // What to warn of once the file is written: its Cp, how far its
  // directions miss the model between them. Each face marks them as its
  // own warnings are marked ("warning: " on the command line).
  std::vector<std::string> warnings;
  // The notes, then the warnings: all a face without its own marks says.
  std::vector<std::string> NotesAndWarnings() const {
    std::vector<std::string> lines = notes;
    lines.insert(lines.end(), warnings.begin(), warnings.end());
    return lines;
  }
  // "90, 100 and 270": the directions whose run stopped, for a face that
  // names them in one sentence; empty when none did.
  std::string stoppedDirections;
  // The swept values against the true wind direction, for the plot; null
  // when no direction was computed.
  std::shared_ptr<const CpByDirection> directions;
};

// The file ventora-run writes for `format` beside the job `jobName`.
std::filesystem::path DefaultSweepFile(const std::string& jobName, const std::string& format);

// Checks (when asked, saying why through `setup.messages`, which must then
// be given) and sweeps the job for its format. Throws Cancelled
// when `setup.cancel` is set between two directions, and std::runtime_error
// as RunCalculation does.
SweptForExport SweepForExport(const SweepRequest& request, const SweepSetup& setup);

// The export's text of a swept job, with the warning about its Cp in
// `warning` (empty when none); throws std::invalid_argument when the sweep
// does not suit the format or, in strict mode, holds an implausible Cp.
std::string SweepExportText(const SweepRequest& request, const SweptForExport& swept,
                            std::string& warning);

// A sweep's export made and written nowhere, for a face that hands the file
// to its user itself (the browser edition's download).
struct SweepExportMade {
  // As RunSweepExport's, but for the file and the warnings below: Written()
  // when `text` holds the export.
  SweepOutcome outcome;
  std::string text;
  // What to warn of once it is written: its Cp, how far its directions
  // miss the model between them.
  std::vector<std::string> warnings;
};

// Sweeps and makes the export's text, as RunSweepExport does before it
// writes (`request.file` is not used). Throws Cancelled as RunSweepExport.
SweepExportMade MakeSweepExport(const SweepRequest& request, SweepSetup setup);

// Sweeps and writes `request.file`, replacing the old file only with a
// whole new one: a sweep that is refused, stops, fails or is cancelled
// leaves it as it was. The boxes go to `setup.messages`, or into the notes
// when it is null. Throws Cancelled when `setup.cancel` is set between two
// directions, having written nothing.
SweepOutcome RunSweepExport(const SweepRequest& request, SweepSetup setup);

}  // namespace ventora
