#include "output/sweep/export_checks.h"

#include "output/sweep/contam_export.h"
#include "output/sweep/energyplus_export.h"
#include "output/sweep/facade_profiles.h"
#include "output/sweep/wind_sweep.h"

namespace ventora {

std::string ExportStepError(const std::string& format, int step) {
  const std::size_t directions = SweepDirections(static_cast<float>(step)).size();
  if (format == "energyplus" && directions > kEnergyPlusMaxDirections) {
    return "--format=energyplus takes at most 36 wind directions, --sweep=" + std::to_string(step) +
           " gives " + std::to_string(directions) + ": use a step of 10 degrees or more";
  }
  if (format == "contam" && !ContamStepAccepted(step)) {
    return "--format=contam takes at most 16 points a profile, the 360 degree point included: "
           "use a step that divides 360 and is at least " +
           std::to_string(kContamSmallestStep) +
           " degrees (24, 30, 36, 40, 45, 60, 72, 90, 120 or 180)";
  }
  if (format == "modelica" && !ProfileStepAccepted(step))
    return "--format=modelica needs a step that divides 360 degrees";
  return "";
}

}  // namespace ventora
