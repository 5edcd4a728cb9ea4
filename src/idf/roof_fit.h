#pragma once
// The roof of the box: flat, a single slope or a double slope, its tilt Phi
// and its eaves; a roof sloping to more sides read as the nearest of these.

#include <cstdint>
#include <string>
#include <vector>

#include "idf/fit_parts.h"

namespace ventora::idf::fit {

struct Roof {
  std::int16_t Islope = 0;
  double Phi = 0;
  std::vector<int> slopeGroups;  // groups the sloped parts face
  double eaves = 0;              // lowest roof edge, world z
  double top = 0;
  std::string reading;  // how a roof of more than two slopes was read
};

// Throws IdfError naming the roof surfaces that fit none of the three.
Roof FitRoof(const IdfFile& file, const Box& box, std::vector<Face>& roofs, double wallTop);

}  // namespace ventora::idf::fit
