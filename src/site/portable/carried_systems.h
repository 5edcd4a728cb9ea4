#pragma once
// The reference systems the browser edition carries without PROJ's
// database: WGS 84 lon/lat (and ETRS89's, which PROJ takes as the same),
// the Dutch RD New of the CityJSON files, and the UTM zones on WGS 84 and
// ETRS89. Any other is refused, naming it and ventora-run, which knows
// every system of PROJ.

#include <memory>
#include <string>

#include "ellipsoid.h"

namespace ventora::site {

class CarriedSystem {
 public:
  // `crs` as the file or the user names it ("EPSG:28992", "OGC:CRS84");
  // throws SiteError naming `fileName` when it is empty or not carried.
  CarriedSystem(const std::string& crs, const std::string& fileName, bool fromOption);
  ~CarriedSystem();
  CarriedSystem(const CarriedSystem&) = delete;
  CarriedSystem& operator=(const CarriedSystem&) = delete;

  bool Geographic() const { return grid_ == nullptr; }
  LocalFrame FrameAt(XY site) const;

 private:
  VincentyGeodesic geodesic_;
  std::unique_ptr<GridAndLonLat> grid_;  // none for lon/lat
};

}  // namespace ventora::site
