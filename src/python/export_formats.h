#pragma once
// ventora.export: the sweep exports of ventora-run (output/sweep's format
// table), with the step rules a script is told about as ValueError.

#include <filesystem>
#include <optional>
#include <string>

#include "core/job.h"
#include "output/sweep/export_formats.h"

namespace ventora::python {

// The format named `name`; throws std::invalid_argument naming the known ones.
const ExportFormat& FindPythonExportFormat(const std::string& name);

// Sweeps `job` at `step` for the format and writes its file at `path`
// (through a temporary beside it), with `stem` naming the job inside the
// file and `info` what its header says besides the job. Throws std::invalid_argument for a refused
// step or sweep, std::runtime_error when nothing could be computed or written.
void WriteSweepExport(const ExportFormat& format, const Job& job, int step, const std::string& stem,
                      const ExportInfo& info, const std::filesystem::path& path);

// What a file's header says besides the job: the module's version and the
// site profile's boundary layer, when given (10 to 3000 m; else
// std::invalid_argument).
ExportInfo PythonExportInfo(std::optional<double> boundaryLayer);

}  // namespace ventora::python
