#include "idf/enclosing_rectangle.h"

#include <cmath>
#include <numbers>

namespace ventora::idf {

PlanRectangle SmallestEnclosingRectangle(std::vector<PlanPoint> points) {
  const std::vector<plan::Rectangle> sides =
      plan::SideRectangles(plan::ConvexHull(std::move(points)));
  const std::size_t best = plan::Smallest(sides);
  if (best == sides.size()) return {0, 0};
  const plan::Point u = sides[best].along;
  double azimuth = std::fmod(std::atan2(u.x, u.y) * 180.0 / std::numbers::pi + 360.0, 90.0);
  if (azimuth > 90.0 - 1e-9) azimuth = 0;
  return {azimuth, sides[best].Area()};
}

}  // namespace ventora::idf
