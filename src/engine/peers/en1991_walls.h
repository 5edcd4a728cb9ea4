#pragma once
// EN 1991-1-4's wall coefficients (en1991_wall_table.h) for the wind normal
// to a wall: the windward wall's zone D, the leeward wall's zone E and the
// side walls' mean over zones A to C.

#include "engine/peers/en1991_wall_table.h"

namespace ventora::peers {

// Zone `zone` at `hOverD`, linear between the table's rows and held at its
// first and last.
double En1991ZoneCp(En1991Zone zone, double hOverD);

// The mean over a side wall of depth `d` (along the wind) of zones A, B and
// C weighted by their widths, for a building `h` high and `b` wide across
// the wind.
double En1991SideWallMean(double h, double b, double d);

}  // namespace ventora::peers
