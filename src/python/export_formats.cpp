#include "export_formats.h"

#include <stdexcept>

#include "output/sweep/contam_export.h"
#include "output/sweep/energyplus_export.h"
#include "output/sweep/export_text.h"
#include "output/sweep/facade_profiles.h"
#include "output/sweep/sweep_failures.h"

#ifndef VENTORA_VERSION
#define VENTORA_VERSION "unknown"
#endif

namespace ventora::python {
namespace {

void CheckStep(const std::string& format, int step) {
  if (step < 1 || step > 180)
    throw std::invalid_argument("the step is a whole number of degrees from 1 to 180");
  if (format == "energyplus" && static_cast<std::size_t>(360 / step) > kEnergyPlusMaxDirections)
    throw std::invalid_argument(
        "EnergyPlus takes at most 36 wind directions: use a step of 10 degrees or more");
  if (format == "contam" && !ContamStepAccepted(step))
    throw std::invalid_argument(
        "CONTAM takes at most 16 points a profile, the 360 degree point "
        "included: use a step that divides 360 and is at least " +
        std::to_string(kContamSmallestStep) + " degrees");
  if (format == "modelica" && !ProfileStepAccepted(step))
    throw std::invalid_argument("a Modelica profile needs a step that divides 360 degrees");
}

}  // namespace

const ExportFormat& FindPythonExportFormat(const std::string& name) {
  if (const ExportFormat* format = FindExportFormat(name)) return *format;
  std::string known;
  for (const std::string& n : ExportFormatNames())
    known += (known.empty() ? "" : ", ") + n;
  throw std::invalid_argument("unknown export format \"" + name + "\" (known: " + known + ")");
}

void WriteSweepExport(const ExportFormat& format, const Job& job, int step, const std::string& stem,
                      const std::filesystem::path& path, bool strict) {
  CheckStep(format.name, step);
  const WindSweep sweep =
      RunWindSweep(ExportSweepJob(format, job), ExportDirections(format, step), {});
  if (!sweep.AnyCompleted())
    throw std::runtime_error("no wind direction could be computed (" + StoppedDirectionList(sweep) +
                             "); nothing was written");
  std::string warning;  // the file's header says it too
  const ExportSettings settings{step, 1, {}, strict, {VENTORA_VERSION}};
  WriteExportFile(path, format.text(sweep, job, stem, settings, warning));
}

}  // namespace ventora::python
