#pragma once
// Exact areas of polygons within a circle centred on the origin, and within
// a sector of it: the sum over a ring's edges of the signed area the
// triangle (origin, edge) shares with the disc. No circle is drawn as a
// polygon, so nothing is approximated and a site costs microseconds.

#include <vector>

#include "footprints.h"

namespace ventora::site {

// Signed area of the ring (closed or not; counter-clockwise positive)
// within the disc of radius `radius` round the origin.
double RingDiscArea(const Ring& ring, double radius);

// The part of the ring whose bearings from the origin (clockwise from the
// +y axis, north) lie between `from` and `to` degrees, to - from at most 180.
// Parts joined along the sector's edges through the origin add no area.
Ring ClipToSector(const Ring& ring, double from, double to);

// Signed area of the ring, in its own units.
double RingArea(const Ring& ring);

}  // namespace ventora::site
