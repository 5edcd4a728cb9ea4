#pragma once
// ventora.export: the sweep exports of ventora-run (output/sweep's format
// table), with the step rules a script is told about as ValueError.

#include <filesystem>
#include <string>

#include "core/job.h"
#include "output/sweep/export_formats.h"

namespace ventora::python {

// The format named `name`; throws std::invalid_argument naming the known ones.
const ExportFormat& FindPythonExportFormat(const std::string& name);

// Sweeps `job` at `step` for the format and writes its file at `path`
// (through a temporary beside it), with `stem` naming the job inside the
// file. Throws std::invalid_argument for a refused step or sweep,
// std::runtime_error when nothing could be computed or written.
// With `strict`, std::invalid_argument when a Cp is implausible, and nothing
// is written.
void WriteSweepExport(const ExportFormat& format, const Job& job, int step, const std::string& stem,
                      const std::filesystem::path& path, bool strict);

}  // namespace ventora::python
