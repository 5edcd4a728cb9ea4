#include "engine/peers/swami_chandra.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/peers/swami_chandra_table.h"
#include "engine/peers/wind_angle.h"

namespace ventora::peers {

double SwamiChandraWallCp(double incidence, double sideRatio) {
  const SwamiChandraCoefficients& c = kSwamiChandra;
  const double t = std::abs(AngleFromNormal(incidence)) * std::numbers::pi / 180;
  const double g = std::log(std::clamp(sideRatio, c.lowestSideRatio, c.highestSideRatio));
  const double sinHalf = std::sin(t / 2);
  const double cosHalf = std::cos(t / 2);
  const double sinT = std::sin(t);
  const double side = std::sin(2 * t * g);
  return c.scale *
         std::log(c.constant + c.sinHalf * sinHalf + c.sinSquared * sinT * sinT +
                  c.sideCubed * side * side * side + c.cosHalf * cosHalf +
                  c.sideSquared * g * g * sinHalf * sinHalf + c.cosHalfSquared * cosHalf * cosHalf);
}

}  // namespace ventora::peers
