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
  // The azimuths of other rectangles of the same area (within 1e-9) turned
  // a degree or more from it, when the smallest is a tie: the one along the
  // outline's longest side is taken.
  std::vector<double> tied;
};

// The buildings of the set in the file's order; building parts are not
// buildings of their own.
std::vector<BuildingBox> BuildingBoxes(const FootprintSet& set);

// The smallest-area rectangle round points in metres east and north;
// a side lies along a side of their convex hull. Of rectangles of equal
// area in other orientations, the one along the hull's longest side.
struct GroundRectangle {
  XY centre;
  double length = 0, width = 0, azimuth = 0;
  std::vector<double> tied;  // the others' azimuths
};
GroundRectangle SmallestRectangle(const std::vector<XY>& points);

}  // namespace ventora::site
