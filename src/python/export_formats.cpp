#include "export_formats.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "commands/export_fidelity.h"
#include "core/ascii_case.h"

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

// The directions the format is swept at; throws std::invalid_argument.
std::vector<float> Directions(const ExportFormat& format, double step) {
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
  if (format.profiles) return ExportDirections(format, degrees);
  std::vector<float> directions = SweepDirections(static_cast<float>(step));
  if (name == "energyplus" && directions.size() > kEnergyPlusMaxDirections)
    throw std::invalid_argument(
        "EnergyPlus takes at most 36 wind directions: use a step of 10 degrees or more");
  return directions;
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

void WriteSweepExport(const ExportFormat& format, const Job& job, double step,
                      const std::string& stem, const ExportInfo& info,
                      const std::filesystem::path& path, bool strict) {
  const std::vector<float> directions = Directions(format, step);
  const FaithfulSweep faithful = SweepFaithfully(format, ExportSweepJob(format, job), directions,
                                                 step, format.profiles ? job.AzB : 0, {});
  const WindSweep& sweep = faithful.sweep;
  if (!sweep.AnyCompleted())
    throw ExportFailure("no wind direction could be computed (" + StoppedDirectionList(sweep) +
                        "); nothing was written");
  std::string warning;  // the file's header says it too
  ExportSettings settings{static_cast<int>(step), 1, {}, strict, info};
  settings.info.notes.insert(settings.info.notes.end(), faithful.lines.begin(),
                             faithful.lines.end());
  try {
    WriteExportFile(path, format.text(sweep, job, stem, settings, warning));
  } catch (const std::invalid_argument&) {
    throw;  // the sweep does not suit the format: the caller's value
  } catch (const std::exception& e) {
    throw ExportFailure(e.what());
  }
}

}  // namespace ventora::python
