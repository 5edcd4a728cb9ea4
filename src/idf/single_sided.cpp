#include "idf/single_sided.h"

#include <algorithm>

#include "core/ascii_case.h"

namespace ventora::idf {
namespace {

// Field positions, the same in every version this reader takes.
constexpr std::size_t kCoefficientType = 2;  // AirflowNetwork:SimulationControl
constexpr std::size_t kSingleSided = 9;      // AirflowNetwork:MultiZone:Zone

// "'A', 'B' and 'C'".
std::string Quoted(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i)
    text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + ("'" + names[i] + "'");
  return text;
}

}  // namespace

std::vector<std::string> AdvancedSingleSidedZones(const IdfFile& file) {
  const auto controls = file.All("AirflowNetwork:SimulationControl");
  if (controls.size() != 1) return {};  // the writer refuses such a model
  const std::string& type = controls.front()->Field(kCoefficientType);
  if (!type.empty() && !SameIgnoringCase(type, "SurfaceAverageCalculation")) return {};
  std::vector<std::string> zones;
  for (const IdfObject* zone : file.All("AirflowNetwork:MultiZone:Zone"))
    if (SameIgnoringCase(zone->Field(kSingleSided), "Advanced")) zones.push_back(zone->Name());
  return zones;
}

std::string AdvancedSingleSidedRemark(const std::string& zone) {
  return "its zone '" + zone +
         "' asks for EnergyPlus's Advanced single-sided wind pressure coefficients, which the "
         "written model's Input coefficients leave out (see the warning)";
}

std::string AdvancedSingleSidedWarning(const BoxFit& fit) {
  std::vector<std::string> zones;
  std::vector<std::string> openings;
  for (const FittedOpening& o : fit.openings) {
    if (o.singleSidedZone.empty()) continue;
    openings.push_back(o.surface);
    if (std::find(zones.begin(), zones.end(), o.singleSidedZone) == zones.end())
      zones.push_back(o.singleSidedZone);
  }
  if (openings.empty()) return "";
  return std::string("AirflowNetwork:MultiZone:Zone ") + Quoted(zones) +
         (zones.size() == 1 ? " asks" : " ask") +
         " for the Advanced single-sided wind pressure coefficients, which EnergyPlus computes "
         "only under Wind Pressure Coefficient Type SurfaceAverageCalculation. The written model "
         "takes Input coefficients, so EnergyPlus leaves that correction for wind direction and "
         "turbulence out for " +
         (openings.size() == 1 ? "the opening " : "the openings ") + Quoted(openings) +
         ": each takes the Cp computed at its own place on the facade instead. To keep the "
         "correction, simulate with the original model and EnergyPlus's own coefficients; to use "
         "these Cp, set the Single Sided Wind Pressure Coefficient Algorithm of " +
         (zones.size() == 1 ? "that zone" : "those zones") +
         " to Standard, so that the model says what EnergyPlus does with it.";
}

}  // namespace ventora::idf
