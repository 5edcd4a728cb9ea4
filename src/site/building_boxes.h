#pragma once
// Each building of a footprint file as the box a job describes: the
// smallest rectangle round its footprint on the ground (any orientation),
// its height, and a point inside it from which its surroundings are seen
// (inside the footprint even for an L or a U, where the centroid may not be).

#include <optional>
#include <string>
#include <vector>

#include "surroundings.h"

namespace ventora::site {

struct BuildingBox {
  std::string id;
  XY centre;                     // of the rectangle, in the file's coordinates
  double length = 0;             // m, the longer side
  double width = 0;              // m
  double azimuth = 0;            // bearing of the long sides, degrees in [0, 180) from true north
  std::optional<double> height;  // m; none when the data give none
  XY inside;                     // on the footprint, in the file's coordinates
  double area = 0;               // m², of the footprint itself
};

// The buildings of the set in the file's order; building parts are not
// buildings of their own.
std::vector<BuildingBox> BuildingBoxes(const FootprintSet& set);

// The smallest-area rectangle round points in metres east and north;
// a side lies along a side of their convex hull.
struct GroundRectangle {
  XY centre;
  double length = 0, width = 0, azimuth = 0;
};
GroundRectangle SmallestRectangle(std::vector<XY> points);

}  // namespace ventora::site
