#include "commands/export_fidelity.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "output/sweep/export_checks.h"
#include "output/sweep/export_text.h"
#include "output/sweep/interpolation_miss.h"

namespace ventora {
namespace {

// The steps a finer export is suggested at: those that divide 360, so that
// every direction comes back each turn.
constexpr std::array<int, 23> kEvenSteps = {180, 120, 90, 72, 60, 45, 40, 36, 30, 24, 20, 18,
                                            15,  12,  10, 9,  8,  6,  5,  4,  3,  2,  1};

std::vector<float> Offsets(const ExportFormat& format, const Job& sweptJob, const WindSweep& s) {
  std::vector<float> offsets;
  for (const ElementResult& e : s.elements)
    offsets.push_back(format.profiles ? FacadeAzimuth(sweptJob, e.iface) : 0.0f);
  return offsets;
}

std::vector<float> WithEveryDegree(std::vector<float> directions) {
  for (int d = 0; d < 360; ++d)
    directions.push_back(static_cast<float>(d));
  std::sort(directions.begin(), directions.end());
  directions.erase(std::unique(directions.begin(), directions.end()), directions.end());
  return directions;
}

// The miss at `step`, or a miss above kFaithfulMiss as soon as one is found.
float MissAt(const ExportFormat& format, const Job& sweptJob, const WindSweep& fine, int step) {
  return LargestInterpolationMiss(fine, ExportDirections(format, step), step,
                                  Offsets(format, sweptJob, fine), kFaithfulMiss)
      .largest;
}

std::string Shown(float miss) {
  return NumberString(std::round(miss * 1000) / 1000);
}

std::string FormatWord(const std::string& name) {
  if (name == "energyplus") return "EnergyPlus's coefficient array (36 directions at most)";
  if (name == "contam") return "CONTAM (16 points a profile at most)";
  return name;
}

// The largest step below `step` that brings the miss below kFaithfulMiss:
// one the format takes, else one it does not.
std::string Suggestion(const ExportFormat& format, const Job& sweptJob, const WindSweep& fine,
                       double step) {
  const std::string name = format.name;
  std::string other;
  for (int s : kEvenSteps) {
    if (s >= step) continue;
    const float finer = MissAt(format, sweptJob, fine, s);
    if (finer >= kFaithfulMiss) continue;
    const std::string at = std::to_string(s) + (s == 1 ? " degree" : " degrees");
    if (ExportStepError(name, s).empty())
      return "a step of " + at + " brings it to " + Shown(finer) + ".";
    if (other.empty())
      other = (name == "energyplus" ? "a Table:Lookup every " : "a step of ") + at +
              " would bring it to " + Shown(finer) + ".";
  }
  if (other.empty()) return "no step brings it below " + Shown(kFaithfulMiss) + ".";
  return "no step " + FormatWord(name) + " takes brings it below " + Shown(kFaithfulMiss) + "; " +
         other;
}

}  // namespace

FaithfulSweep SweepFaithfully(const ExportFormat& format, const Job& sweptJob,
                              const std::vector<float>& directions, double step, float turn,
                              const SweepSetup& setup) {
  const WindSweep fine = RunWindSweep(sweptJob, WithEveryDegree(directions), setup);
  FaithfulSweep out;
  out.sweep = SweepAt(fine, directions);
  if (!fine.AnyCompleted()) return out;
  const InterpolationMiss miss =
      LargestInterpolationMiss(fine, directions, step, Offsets(format, sweptJob, fine));
  float wind = miss.direction + turn;
  if (wind >= 360) wind -= 360;
  out.lines.push_back(
      "Linear interpolation between the exported directions misses the model's own Cp by at "
      "most " +
      Shown(miss.largest) + " (" + ElementLabel(fine, miss.element) + ", wind from " +
      NumberString(wind) + " deg.), over all elements and every whole degree.");
  if (miss.largest <= kFaithfulMiss) return out;
  out.warning = "interpolated between its directions, the export misses the model by up to " +
                Shown(miss.largest) + "; " + Suggestion(format, sweptJob, fine, step);
  out.lines.push_back("Warning: " + out.warning);
  return out;
}

}  // namespace ventora
