#pragma once
// The smallest-area rectangle round points on a plan, in any orientation
// (core/plan_geometry.h), as the box fit takes it: the azimuth of one of
// its sides and its area.

#include <vector>

#include "core/plan_geometry.h"

namespace ventora::idf {

using PlanPoint = plan::Point;

struct PlanRectangle {
  double azimuth = 0;  // of one side's outward normal, degrees in [0, 90)
  double area = 0;     // m2; 0 when the points lie on one line
};

PlanRectangle SmallestEnclosingRectangle(std::vector<PlanPoint> points);

}  // namespace ventora::idf
