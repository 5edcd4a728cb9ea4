#pragma once
// The files ventora-run writes for airflow and energy models, by format
// name, in one table: which job and directions are swept, where the file goes
// beside the job, and which exporter writes its text.

#include <filesystem>
#include <string>
#include <vector>

#include "core/job.h"
#include "output/sweep/wind_sweep.h"

namespace ventora::python {

struct ExportFormat {
  const char* name;    // as --format names it
  const char* suffix;  // the file beside the job: JobName + suffix
  int defaultStep;     // the step --sweep means for this format
  // The job to sweep (CONTAM and Modelica turn the building to azimuth 0)
  // and the directions to sweep it at.
  Job (*sweepJob)(const Job& job);
  std::vector<float> (*directions)(int step);
  // Throws std::invalid_argument when the format cannot take the step.
  void (*checkStep)(int step);
  // The file's text; throws std::invalid_argument (with a message for the
  // user) when the sweep does not suit the format.
  std::string (*text)(const WindSweep& sweep, const Job& job, const std::string& stem, int step);
};

// The format named `name`; throws std::invalid_argument naming the known ones.
const ExportFormat& FindExportFormat(const std::string& name);

std::vector<std::string> ExportFormatNames();

// Sweeps `job` at `step` for the format and writes its file at `path`
// (through a temporary beside it), with `stem` naming the job inside the
// file. Throws std::invalid_argument for a refused step or sweep,
// std::runtime_error when nothing could be computed or written.
void WriteSweepExport(const ExportFormat& format, const Job& job, int step, const std::string& stem,
                      const std::filesystem::path& path);

}  // namespace ventora::python
