#pragma once
// The smallest-area rectangle round points on a plan, in any orientation:
// one of its sides lies along a side of the points' convex hull, so trying
// every hull side finds it.

#include <vector>

namespace ventora::idf {

struct PlanPoint {
  double x = 0;  // east
  double y = 0;  // north
};

struct PlanRectangle {
  double azimuth = 0;  // of one side's outward normal, degrees in [0, 90)
  double area = 0;     // m2; 0 when the points lie on one line
};

PlanRectangle SmallestEnclosingRectangle(std::vector<PlanPoint> points);

}  // namespace ventora::idf
