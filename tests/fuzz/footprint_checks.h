#pragma once
// What every footprint read from a JSON text must be, whatever the text:
// refused with a SiteError naming the file, or read into finite outlines
// and heights, the same a second time.

#include <cmath>
#include <cstdlib>
#include <string>

#include "site/json_readers.h"
#include "site/surroundings_limits.h"

namespace ventora::site::fuzz {

inline const std::string kName = "f.json";

inline bool SameFootprints(const FootprintFile& a, const FootprintFile& b) {
  if (a.crs != b.crs || a.footprints.size() != b.footprints.size()) return false;
  for (std::size_t i = 0; i < a.footprints.size(); ++i) {
    const Footprint& x = a.footprints[i];
    const Footprint& y = b.footprints[i];
    if (x.id != y.id || x.height != y.height || x.part != y.part ||
        x.joinPolygons != y.joinPolygons || x.polygons.size() != y.polygons.size())
      return false;
    for (std::size_t p = 0; p < x.polygons.size(); ++p) {
      const auto& rx = x.polygons[p].rings;
      const auto& ry = y.polygons[p].rings;
      if (rx.size() != ry.size()) return false;
      for (std::size_t r = 0; r < rx.size(); ++r) {
        if (rx[r].size() != ry[r].size()) return false;
        for (std::size_t k = 0; k < rx[r].size(); ++k)
          if (rx[r][k].x != ry[r][k].x || rx[r][k].y != ry[r][k].y) return false;
      }
    }
  }
  return true;
}

inline void CheckFinite(const FootprintFile& file) {
  for (const Footprint& f : file.footprints) {
    if (f.id.empty() || f.polygons.empty()) std::abort();
    if (f.height && !Within(*f.height, kHeightLimit.range)) std::abort();
    for (const PolygonRings& p : f.polygons)
      for (const Ring& r : p.rings)
        for (const XY& point : r)
          if (!std::isfinite(point.x) || !std::isfinite(point.y)) std::abort();
  }
}

// The file read, or nothing when it is refused as it should be.
inline bool ReadChecked(const std::string& text, FootprintFile& out) {
  try {
    out = ReadJsonText(text, kName, ReadRules{});
  } catch (const SiteError& e) {
    if (std::string(e.what()).find("\"" + kName + "\"") == std::string::npos) std::abort();
    return false;
  }
  CheckFinite(out);
  if (!SameFootprints(out, ReadJsonText(text, kName, ReadRules{}))) std::abort();
  return true;
}

}  // namespace ventora::site::fuzz
