#include "export_formats.h"

#include <array>
#include <stdexcept>

#include "output/sweep/contam_export.h"
#include "output/sweep/energyplus_export.h"
#include "output/sweep/export_text.h"
#include "output/sweep/sweep_csv_export.h"
#include "output/sweep/sweep_failures.h"

namespace ventora::python {
namespace {

Job SameJob(const Job& job) {
  return job;
}

void AnyStep(float) {}

void ContamStep(float step) {
  if (!ContamStepAccepted(step))
    throw std::invalid_argument("the CONTAM profiles need a step that divides 90");
}

// One adapter per exporter, so that the table holds one signature.
std::string CsvText(const WindSweep& sweep, const Job&, const std::string&) {
  return SweepCsv(sweep);
}

std::string EnergyPlusText(const WindSweep& sweep, const Job& job, const std::string& stem) {
  return EnergyPlusIdf(sweep, job, stem);
}

std::string ContamText(const WindSweep& sweep, const Job& job, const std::string& stem) {
  return ContamProfiles(sweep, job, stem);
}

constexpr std::array<ExportFormat, 3> kFormats{{
    {"csv", ".sweep.csv", &SameJob, &AnyStep, &CsvText},
    {"energyplus", ".sweep.idf", &SameJob, &AnyStep, &EnergyPlusText},
    {"contam", ".sweep.contam.txt", &ContamSweepJob, &ContamStep, &ContamText},
}};

}  // namespace

const ExportFormat& FindExportFormat(const std::string& name) {
  for (const ExportFormat& format : kFormats)
    if (name == format.name) return format;
  std::string known;
  for (const std::string& n : ExportFormatNames())
    known += (known.empty() ? "" : ", ") + n;
  throw std::invalid_argument("unknown export format \"" + name + "\" (known: " + known + ")");
}

std::vector<std::string> ExportFormatNames() {
  std::vector<std::string> names;
  for (const ExportFormat& format : kFormats)
    names.emplace_back(format.name);
  return names;
}

void WriteSweepExport(const ExportFormat& format, const Job& job, float step,
                      const std::string& stem, const std::filesystem::path& path) {
  format.checkStep(step);
  const WindSweep sweep = RunWindSweep(format.sweepJob(job), SweepDirections(step), {});
  if (!sweep.AnyCompleted())
    throw std::runtime_error("no wind direction could be computed (" + StoppedDirectionList(sweep) +
                             "); nothing was written");
  WriteExportFile(path, format.text(sweep, job, stem));
}

}  // namespace ventora::python
