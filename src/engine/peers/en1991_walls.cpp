#include "engine/peers/en1991_walls.h"

#include <algorithm>

namespace ventora::peers {

double En1991ZoneCp(En1991Zone zone, double hOverD) {
  const auto z = static_cast<std::size_t>(zone);
  const auto& rows = kEn1991WallTable;
  if (hOverD <= rows.front().hOverD) return rows.front().cpe10[z];
  for (std::size_t i = 1; i < rows.size(); ++i) {
    if (hOverD > rows[i].hOverD) continue;
    const double w = (hOverD - rows[i - 1].hOverD) / (rows[i].hOverD - rows[i - 1].hOverD);
    return rows[i - 1].cpe10[z] * (1 - w) + rows[i].cpe10[z] * w;
  }
  return rows.back().cpe10[z];
}

double En1991SideWallMean(double h, double b, double d) {
  const double e = std::min(b, 2 * h);
  const double a = std::min(e / 5, d);
  const double bWidth = std::min(e, d) - a;
  const double c = std::max(0.0, d - e);
  const double hOverD = h / d;
  return (a * En1991ZoneCp(En1991Zone::A, hOverD) + bWidth * En1991ZoneCp(En1991Zone::B, hOverD) +
          c * En1991ZoneCp(En1991Zone::C, hOverD)) /
         d;
}

}  // namespace ventora::peers
