#pragma once
// The wind's angle to a wall's normal, as the published methods take it.

#include <cmath>

namespace ventora::peers {

// `angle` (degrees, any value) brought into (-180, 180]: 0 head on, +-90
// along the wall, 180 from behind.
inline double AngleFromNormal(double angle) {
  double a = std::fmod(angle, 360.0);
  if (a > 180) a -= 360;
  if (a <= -180) a += 360;
  return a;
}

}  // namespace ventora::peers
