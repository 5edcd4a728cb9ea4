#pragma once
// The side of a line a point lies on, decided exactly: map data put
// vertices on their neighbours' edges and repeat edges, and a rounded
// answer would call such outlines valid or not by chance.

#include "site/footprints.h"

namespace ventora::site {

// +1 when a, b, c turn counter-clockwise, -1 clockwise, 0 on one line;
// the sign of the exact determinant of the doubles given.
int Orientation(XY a, XY b, XY c);

// Whether p lies on the closed segment a-b.
bool OnSegment(XY p, XY a, XY b);

}  // namespace ventora::site
