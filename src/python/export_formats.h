#pragma once
// ventora.export: the sweep exports of ventora-run (output/sweep's format
// table), with the step rules a script is told about as ValueError.

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/job.h"
#include "output/sweep/export_formats.h"

namespace ventora::python {

// An export that was asked for rightly but could not be made: no direction
// computed, or the file not written. ventora.ExportError in Python.
class ExportFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The format named `name`, in any case; throws std::invalid_argument naming
// the known ones.
const ExportFormat& FindPythonExportFormat(const std::string& name);

// Sweeps `job` at `step` degrees for the format and writes its file at
// `path`, through the command ventora-run --sweep uses (sweep_export.h), so
// the file is the same; `jobName` (the job file's path without ".in")
// names the job inside the file and `info` is what its header says besides
// the job. CSV and EnergyPlus take any step up to 180 (EnergyPlus at most
// 36 directions); CONTAM and Modelica a whole number that suits their
// profiles. Throws std::invalid_argument for a refused step, ExportFailure
// when nothing could be computed or written. With `strict`,
// std::invalid_argument when a Cp is implausible, and nothing is written.
// Returns what ventora-run says of the written file besides its progress:
// the boxes, the stopped directions, the export's warnings.
std::vector<std::string> WriteSweepExport(const ExportFormat& format, const Job& job, double step,
                                          const std::string& jobName, const ExportInfo& info,
                                          const std::filesystem::path& path, bool strict);

// The directions 0, step, 2 step ... below 360 of ventora.sweep and
// sweep_many; a step outside 0.1 to 360 degrees (which would ask for
// billions of directions) throws std::invalid_argument naming the range.
std::vector<float> PythonSweepDirections(double step);

// What a file's header says besides the job: the module's version and the
// site profile's boundary layer, when given (10 to 3000 m; else
// std::invalid_argument).
ExportInfo PythonExportInfo(std::optional<double> boundaryLayer);

}  // namespace ventora::python
