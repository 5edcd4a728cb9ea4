#include "output/sweep/reference_wind.h"

#include <cmath>

#include "core/ascii_case.h"
#include "output/sweep/export_text.h"

namespace ventora {

const Terrain* FindTerrain(const std::string& name) {
  for (const Terrain& t : kTerrains)
    if (SameIgnoringCase(t.name, name)) return &t;
  return nullptr;
}

const Terrain& NearestTerrain(double exponent) {
  const Terrain* nearest = &kTerrains[0];
  for (const Terrain& t : kTerrains) {
    const double d = std::abs(t.profile.exponent - exponent);
    const double best = std::abs(nearest->profile.exponent - exponent);
    if (d < best || (d == best && t.profile.exponent < nearest->profile.exponent)) nearest = &t;
  }
  return *nearest;
}

WindProfile SiteProfile(const Job& job, std::optional<double> boundaryLayer) {
  return {job.VeEXP,
          boundaryLayer ? *boundaryLayer : NearestTerrain(job.VeEXP).profile.boundaryLayer};
}

double WindSpeedRatio(const WindProfile& site, double z) {
  return std::pow(kStationProfile.boundaryLayer / kStationHeight, kStationProfile.exponent) *
         std::pow(z / site.boundaryLayer, site.exponent);
}

double ModelicaSpeedModifier(const Job& job, const WindProfile& site) {
  const double ratio = WindSpeedRatio(site, job.Bdz);
  return ratio * ratio;
}

double ContamTerrainCoefficient(const WindProfile& site) {
  return WindSpeedRatio(site, kStationHeight);
}

std::string SiteProfileText(const Job& job, std::optional<double> boundaryLayer) {
  const WindProfile site = SiteProfile(job, boundaryLayer);
  std::string text = "exponent VeEXP " + NumberString(job.VeEXP) + ", boundary layer " +
                     NumberString(static_cast<float>(site.boundaryLayer)) + " m";
  if (boundaryLayer) return text;
  return text + " (EnergyPlus's terrain class " + NearestTerrain(job.VeEXP).name +
         ", the nearest to VeEXP)";
}

}  // namespace ventora
