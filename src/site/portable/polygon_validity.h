#pragma once
// Whether a polygon is valid as map data must be (OGC's simple features,
// as GEOS judges them): rings of at least three distinct corners that
// neither cross nor touch themselves, holes inside the outline and not in
// each other, touching it and each other at single points that leave the
// interior in one piece. Only an invalid outline is repaired.

#include <vector>

#include "site/footprints.h"

namespace ventora::site {

enum class Location { Exterior, Boundary, Interior };

// Where `p` lies against the closed ring (its last point repeats its first).
Location Locate(XY p, const Ring& ring);

// `rings`: the outline, then its holes, each closed and of four points at
// least.
bool IsValidPolygon(const std::vector<Ring>& rings);

}  // namespace ventora::site
