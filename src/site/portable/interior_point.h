#pragma once
// A point inside a footprint, found as GEOS finds one (PointOnSurface):
// for each polygon, the horizontal line nearest the middle of its height
// that passes through no corner, and the middle of the widest stretch of
// that line inside it; the polygon with the widest stretch gives it.

#include <vector>

#include "site/footprints.h"

namespace ventora::site {

// `polygons`: each an outline and its holes, closed rings.
XY InteriorPoint(const std::vector<std::vector<Ring>>& polygons);

}  // namespace ventora::site
