#pragma once
// What the three facade models take for one element, and what the two wall
// models share: the height part of a Cp from its factors, and the Cp from its
// two parts.

#include <cmath>
#include <cstdint>

namespace ventora {

// One element and the job's values the models read: the facade's own FAR,
// SAR and wind angle; Islope and Phi are read by the roof model alone.
struct ModelInput {
  float VeEXP = 0;
  float PAD = 0;
  float RbH = 0;
  float FAR = 0;
  float SAR = 0;
  float angle = 0;  // the facade's relative wind angle, degrees
  float ZH = 0;
  float XL = 0;
  std::int16_t Islope = 0;
  float Phi = 0;
};

// The ratio a wall's ratio factor reads: each has its table and root form.
enum class Ratio { FAR, SAR };

// A wall element's factors F2 to F6 at its height, each stored as a 32-bit
// float, F4 already divided by RbH^(2 VeEXP).
struct WallHeightFactors {
  float F2 = 0;
  float F3 = 0;
  float F4 = 0;
  float F5 = 0;
  float F6 = 0;
};

// The height part of a wall element's Cp: the profile F1 times every factor
// but the one along the facade, multiplied as the Cp multiplies them.
inline double WallHeightPart(float F1, const WallHeightFactors& f) {
  const double ratio_mean = (static_cast<double>(f.F5) + f.F6) / 2.0;
  return static_cast<double>(F1) * f.F2 * f.F3 * f.F4 * ratio_mean;
}

// A wall element's Cp from its height part (double) and its factor along the
// facade (32-bit), stored as the 32-bit Cp.
inline float WallCpFromParts(double heightPart, float along) {
  return static_cast<float>(heightPart * along);
}

// RbH^(2 VeEXP), the velocity profile's scaling of the building's height,
// which every wall and roof height part divides by.
inline double RbHScaling(float RbH, float VeEXP) {
  return std::pow(static_cast<double>(RbH), 2.0 * VeEXP);
}

}  // namespace ventora
