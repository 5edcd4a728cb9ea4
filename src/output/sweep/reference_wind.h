#pragma once
// The wind the Cp are referred to, U(BdZ) in the site's undisturbed profile,
// against the weather data's wind, by the power law EnergyPlus uses:
//   U(z) = U_met (delta_met / z_met)^alpha_met (z / delta)^alpha
// with the weather station at 10 m in open country (alpha_met 0.14,
// delta_met 270 m) and the site's alpha = VeEXP. Each consumer is told what
// makes its wind equal to U(BdZ): Modelica a speed modifier, CONTAM its
// terrain coefficient, EnergyPlus the profile its model must have.

#include <optional>
#include <string>

#include "core/job.h"

namespace ventora {

struct WindProfile {
  double exponent = 0;       // alpha
  double boundaryLayer = 0;  // delta, m
};

// EnergyPlus's Building Terrain choices with the profile each gives.
struct Terrain {
  const char* name;
  WindProfile profile;
};
inline constexpr Terrain kTerrains[] = {
    {"Ocean", {0.10, 210}}, {"Country", {0.14, 270}}, {"Suburbs", {0.22, 370}},
    {"City", {0.33, 460}},  {"Urban", {0.22, 370}},
};

// The weather station's place: 10 m above open country.
inline constexpr double kStationHeight = 10;
inline constexpr WindProfile kStationProfile{0.14, 270};

// The terrain named `name` (without case), or nullptr.
const Terrain* FindTerrain(const std::string& name);

// The terrain whose exponent is nearest `exponent` (the lower one of two
// equally near).
const Terrain& NearestTerrain(double exponent);

// The job's site: alpha VeEXP, delta `boundaryLayer` when given, else the
// nearest terrain's.
WindProfile SiteProfile(const Job& job, std::optional<double> boundaryLayer);

// U_site(z) / U_met.
double WindSpeedRatio(const WindProfile& site, double z);

// Modelica's Outside_CpData: Cs = (U(BdZ) / U_met)^2.
double ModelicaSpeedModifier(const Job& job, const WindProfile& site);

// CONTAM's terrain coefficient A0 = U_site(10 m) / U_met: CONTAM takes the
// wind at its reference height H as U_met A0 (H / 10)^a.
double ContamTerrainCoefficient(const WindProfile& site);

// "exponent 0.33, boundary layer 460 m (EnergyPlus's terrain City)": the
// site's profile and where its delta comes from.
std::string SiteProfileText(const Job& job, std::optional<double> boundaryLayer);

}  // namespace ventora
