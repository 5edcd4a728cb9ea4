#include "export_formats.h"

#include <array>
#include <stdexcept>

#include "output/sweep/contam_export.h"
#include "output/sweep/energyplus_export.h"
#include "output/sweep/export_text.h"
#include "output/sweep/facade_profiles.h"
#include "output/sweep/modelica_export.h"
#include "output/sweep/sweep_csv_export.h"
#include "output/sweep/sweep_failures.h"

#ifndef VENTORA_VERSION
#define VENTORA_VERSION "unknown"
#endif

namespace ventora::python {
namespace {

const ExportInfo kInfo{VENTORA_VERSION};

Job SameJob(const Job& job) {
  return job;
}

std::vector<float> EveryStep(int step) {
  return SweepDirections(static_cast<float>(step));
}

void AnyStep(int) {}

void EnergyPlusStep(int step) {
  if (static_cast<std::size_t>(360 / step) > kEnergyPlusMaxDirections)
    throw std::invalid_argument(
        "EnergyPlus takes at most 36 wind directions: use a step of 10 "
        "degrees or more");
}

void ContamStep(int step) {
  if (!ContamStepAccepted(step))
    throw std::invalid_argument(
        "CONTAM takes at most 16 points a profile, the 360 degree point "
        "included: use a step that divides 360 and is at least " +
        std::to_string(kContamSmallestStep) + " degrees");
}

void ModelicaStep(int step) {
  if (!ProfileStepAccepted(step))
    throw std::invalid_argument("a Modelica profile needs a step that divides 360 degrees");
}

// One adapter per exporter, so that the table holds one signature.
std::string CsvText(const WindSweep& sweep, const Job& job, const std::string&, int) {
  return SweepCsv(sweep, job);
}

std::string EnergyPlusText(const WindSweep& sweep, const Job& job, const std::string& stem, int) {
  return EnergyPlusIdf(sweep, job, stem, kInfo, {});
}

std::string ContamText(const WindSweep& sweep, const Job& job, const std::string& stem, int step) {
  return ContamProfiles(sweep, job, stem, kInfo, {step, 1});
}

std::string ModelicaText(const WindSweep& sweep, const Job& job, const std::string& stem,
                         int step) {
  return ModelicaPackage(sweep, job, stem, kInfo, DefaultModelicaPackage(stem), step);
}

constexpr std::array<ExportFormat, 4> kFormats{{
    {"csv", ".sweep.csv", 10, &SameJob, &EveryStep, &AnyStep, &CsvText},
    {"energyplus", ".sweep.idf", 10, &SameJob, &EveryStep, &EnergyPlusStep, &EnergyPlusText},
    {"contam", ".sweep.contam.txt", kContamDefaultStep, &ProfileSweepJob, &ProfileDirections,
     &ContamStep, &ContamText},
    {"modelica", ".sweep.mo", 10, &ProfileSweepJob, &ProfileDirections, &ModelicaStep,
     &ModelicaText},
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

void WriteSweepExport(const ExportFormat& format, const Job& job, int step, const std::string& stem,
                      const std::filesystem::path& path) {
  if (step < 1 || step > 180)
    throw std::invalid_argument("the step is a whole number of degrees from 1 to 180");
  format.checkStep(step);
  const WindSweep sweep = RunWindSweep(format.sweepJob(job), format.directions(step), {});
  if (!sweep.AnyCompleted())
    throw std::runtime_error("no wind direction could be computed (" + StoppedDirectionList(sweep) +
                             "); nothing was written");
  WriteExportFile(path, format.text(sweep, job, stem, step));
}

}  // namespace ventora::python
