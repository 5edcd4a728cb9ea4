#pragma once
// What a picture of a site shows: the footprints within the circle round
// it, in the site's local frame (metres east and north of the site, north
// up), each cut at the circle, with what the values made of it.

#include <optional>
#include <vector>

#include "footprints.h"

namespace ventora::site {

struct PlanFootprint {
  std::vector<Ring> rings;       // outlines counter-clockwise, holes clockwise
  std::optional<double> height;  // m, as the data give it
  bool studied = false;          // the building at the site, left out
  bool part = false;             // a building part: ground, but not a building
};

struct SitePlan {
  double radius = 0;  // m
  int sectors = 1;
  std::vector<PlanFootprint> footprints;
  // The part of the circle the data cover (their convex outline).
  std::vector<Ring> covered;
};

}  // namespace ventora::site
