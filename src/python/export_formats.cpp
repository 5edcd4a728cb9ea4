#include "export_formats.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "commands/sweep_export.h"
#include "core/ascii_case.h"
#include "output/sweep/contam_export.h"
#include "output/sweep/energyplus_export.h"
#include "output/sweep/facade_profiles.h"

#ifndef VENTORA_VERSION
#define VENTORA_VERSION "unknown"
#endif

namespace ventora::python {
namespace {

std::string Shown(double step) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", step);
  return text;
}

// A finer step than any use needs asks for millions of directions.
constexpr double kFinestStep = 0.1;

void CheckStep(double step, double top) {
  if (!(step >= kFinestStep && step <= top))
    throw std::invalid_argument("the step is a number of degrees from " + Shown(kFinestStep) +
                                " to " + Shown(top) + ", not " + Shown(step));
}

// Refuses a step the format cannot take, in words for a script;
// throws std::invalid_argument.
void CheckExportStep(const ExportFormat& format, double step) {
  const std::string name = format.name;
  CheckStep(step, 180);
  const bool whole = step == std::floor(step);
  if (format.profiles && !whole)
    throw std::invalid_argument(std::string(name == "contam" ? "CONTAM" : "Modelica") +
                                " profiles take a whole number of degrees as the step, not " +
                                Shown(step));
  const int degrees = static_cast<int>(step);
  if (name == "contam" && !ContamStepAccepted(degrees))
    throw std::invalid_argument(
        "CONTAM takes at most 16 points a profile, the 360 degree point "
        "included: use a step that divides 360 and is at least " +
        std::to_string(kContamSmallestStep) + " degrees");
  if (name == "modelica" && !ProfileStepAccepted(degrees))
    throw std::invalid_argument("a Modelica profile needs a step that divides 360 degrees");
  if (name == "energyplus" &&
      SweepDirections(static_cast<float>(step)).size() > kEnergyPlusMaxDirections)
    throw std::invalid_argument(
        "EnergyPlus takes at most 36 wind directions: use a step of 10 degrees or more");
}

}  // namespace

std::vector<float> PythonSweepDirections(double step) {
  CheckStep(step, 360);
  return SweepDirections(static_cast<float>(step));
}

const ExportFormat& FindPythonExportFormat(const std::string& name) {
  if (const ExportFormat* format = FindExportFormat(AsciiLower(name))) return *format;
  std::string known;
  for (const std::string& n : ExportFormatNames())
    known += (known.empty() ? "" : ", ") + n;
  throw std::invalid_argument("unknown export format \"" + name + "\" (known: " + known + ")");
}

ExportInfo PythonExportInfo(std::optional<double> boundaryLayer) {
  if (boundaryLayer && !(*boundaryLayer >= 10 && *boundaryLayer <= 3000))
    throw std::invalid_argument(
        "the boundary layer thickness is a number of metres from 10 to 3000");
  return {.version = VENTORA_VERSION, .boundaryLayer = boundaryLayer, .notes = {}};
}

std::vector<std::string> WriteSweepExport(const ExportFormat& format, const Job& job, double step,
                                          const std::string& jobName, const ExportInfo& info,
                                          const std::filesystem::path& path, bool strict) {
  CheckExportStep(format, step);
  SweepRequest request;
  request.job = job;
  request.jobName = jobName;
  request.format = format.name;
  request.settings = {static_cast<int>(step), 1, {}, strict, info};
  request.step = step;
  request.file = path;
  const SweepOutcome outcome = RunSweepExport(request, {});
  switch (outcome.outcome) {
    case RunOutcome::Completed:
    case RunOutcome::ValuesMissing:
      // What ventora-run says of a written file on standard error.
      return outcome.NotesAndWarnings();
    case RunOutcome::Stopped:
      throw ExportFailure("no wind direction could be computed (" + outcome.stoppedDirections +
                          "); nothing was written");
    case RunOutcome::Refused:  // the format, or strict mode, refuses the sweep
      throw std::invalid_argument(outcome.notes.back());
    default:
      throw ExportFailure(outcome.notes.back());
  }
}

}  // namespace ventora::python
