#pragma once
// The files a sweep is exported to, by format name, in one table: the file's
// suffix beside the job, which job and directions are swept for it and which
// exporter writes its text. ventora-run and the Python module both use it.

#include <filesystem>
#include <string>
#include <vector>

#include "core/job.h"
#include "output/sweep/element_spread.h"
#include "output/sweep/export_job_summary.h"
#include "output/sweep/wind_sweep.h"

namespace ventora {

struct ExportSettings {
  int step = 10;                // degrees between the wind directions
  int contamFirst = 1;          // the first CONTAM profile's number
  std::string modelicaPackage;  // empty: from the job's name
  bool strict = false;          // refuse (std::invalid_argument) a sweep with an implausible Cp
  ExportInfo info;
  // The CSV's Cp low and Cp high, one per direction of the sweep; null:
  // none (the other formats have no place for them).
  const std::vector<DirectionSpread>* spread = nullptr;
};

struct ExportFormat {
  const char* name;  // as --format names it
  // The file beside the job: JobName + suffix, or for a Modelica package the
  // package's name + suffix in the job's folder (ExportPath).
  const char* suffix;
  bool namedAfterPackage;
  int defaultStep;  // the step a sweep without one takes for this format
  // CONTAM and Modelica take Cp against the angle to each facade's normal:
  // the job is swept turned to azimuth 0 (ProfileSweepJob).
  bool profiles;
  // The file's text, with the warning about implausible Cp and Cp beyond
  // -1..1 (empty when none) in `warning`; throws std::invalid_argument (with
  // a message for the user) when the sweep does not suit the format or, in
  // strict mode, holds an implausible Cp.
  std::string (*text)(const WindSweep& sweep, const Job& job, const std::string& stem,
                      const ExportSettings& settings, std::string& warning);
};

// The format named `name`, or nullptr.
const ExportFormat* FindExportFormat(const std::string& name);

std::vector<std::string> ExportFormatNames();

// The package name the settings give, or the job's default.
std::string ModelicaPackageName(const ExportSettings& settings, const std::string& stem);

// Where `format` is written for the job `jobName` (its file's path without
// ".in"): office.sweep.csv, or Ventora_office.mo beside office.in.
std::filesystem::path ExportPath(const ExportFormat& format, const std::string& jobName,
                                 const std::string& modelicaPackage);

// The job and the wind directions to sweep for `format`.
Job ExportSweepJob(const ExportFormat& format, const Job& job);
std::vector<float> ExportDirections(const ExportFormat& format, int step);

}  // namespace ventora
