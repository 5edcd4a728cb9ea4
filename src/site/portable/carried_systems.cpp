#include "carried_systems.h"

#include <algorithm>
#include <cctype>

#include "rd_new.h"
#include "site/json_readers.h"
#include "transverse_mercator.h"

namespace ventora::site {
namespace {

class UtmGrid final : public GridAndLonLat {
 public:
  UtmGrid(const Ellipsoid& e, int zone, bool south) : projection_(UtmZone(e, zone, south)) {}
  XY ToLonLat(XY grid) const override { return projection_.ToLonLat(grid); }
  XY ToGrid(XY lonLat) const override { return projection_.ToGrid(lonLat); }

 private:
  TransverseMercator projection_;
};

// The EPSG code of a name, or -1.
int EpsgCode(const std::string& name) {
  std::string upper(name);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  const std::string prefix = "EPSG:";
  if (upper.rfind(prefix, 0) != 0 || upper.size() == prefix.size() || upper.size() > 12) return -1;
  if (!std::all_of(upper.begin() + 5, upper.end(), [](unsigned char c) { return std::isdigit(c); }))
    return -1;
  return std::stoi(upper.substr(prefix.size()));
}

bool LonLat(const std::string& name, int code) {
  return name == "OGC:CRS84" || code == 4326 || code == 4979 || code == 4258 || code == 4937;
}

std::unique_ptr<GridAndLonLat> Grid(int code) {
  if (code == 28992 || code == 7415) return std::make_unique<RdNew>();
  if (code > 32600 && code <= 32660) return std::make_unique<UtmGrid>(kWgs84, code - 32600, false);
  if (code > 32700 && code <= 32760) return std::make_unique<UtmGrid>(kWgs84, code - 32700, true);
  if (code >= 25828 && code <= 25838) return std::make_unique<UtmGrid>(kGrs80, code - 25800, false);
  if (code == 3067) return std::make_unique<UtmGrid>(kGrs80, 35, false);
  return nullptr;
}

}  // namespace

CarriedSystem::CarriedSystem(const std::string& crs, const std::string& fileName, bool fromOption) {
  if (crs.empty()) throw SiteError(NoReferenceSystemText(fileName));
  const std::string name = CrsFromName(crs);
  const int code = EpsgCode(name);
  if (LonLat(name, code)) return;
  grid_ = Grid(code);
  if (grid_) return;
  const std::string source =
      fromOption ? "--crs " + crs : "the reference system of \"" + fileName + "\" (" + crs + ")";
  throw SiteError(source +
                  " is not one the browser edition carries (WGS 84 lon/lat; RD New, EPSG:28992 "
                  "and 7415; the UTM zones, EPSG:32601 to 32660, 32701 to 32760, 25828 to 25838 "
                  "and 3067): compute the surroundings with ventora-run --surroundings, which "
                  "knows every reference system of PROJ");
}

CarriedSystem::~CarriedSystem() = default;

LocalFrame CarriedSystem::FrameAt(XY site) const {
  if (!grid_) return LocalFrame::OnEllipsoid(site, geodesic_);
  return LocalFrame::OnGrid(site, *grid_, geodesic_);
}

}  // namespace ventora::site
