#pragma once
// The external pressure coefficients cpe,10 of the vertical walls of a
// building of rectangular plan, by zone and the ratio h/d of its height to
// its depth in the wind's direction. Source: EN 1991-1-4:2005 (Eurocode 1,
// wind actions), Table 7.1, the recommended values; typed from the table.
// Between its rows the standard allows linear interpolation in h/d.
// Zones: A, B, C on the side walls from the upwind edge (widths e/5, 4e/5
// and the rest, e = min(b, 2h), b the crosswind width), D the windward wall,
// E the leeward wall.

#include <array>

namespace ventora::peers {

enum class En1991Zone { A, B, C, D, E };

struct En1991Row {
  double hOverD;
  std::array<double, 5> cpe10;  // zones A to E
};

inline constexpr std::array<En1991Row, 3> kEn1991WallTable{{
    {0.25, {-1.2, -0.8, -0.5, 0.7, -0.3}},
    {1, {-1.2, -0.8, -0.5, 0.8, -0.5}},
    {5, {-1.2, -0.8, -0.5, 0.8, -0.7}},
}};

}  // namespace ventora::peers
