#pragma once
// The site's local frame: metres east and north of the site, north up.
// Lon/lat data are projected by the azimuthal equidistant projection
// centred on the site (on the WGS 84 ellipsoid, through its geodesics);
// projected data keep their own metres, turned by the meridian convergence
// and divided by the scale factor at the site. The geodesics and the map
// projections come from PROJ in the native program and from the browser
// edition's own formulas there.

#include <string>

#include "footprints.h"

namespace ventora::site {

struct Envelope {
  double minX, minY, maxX, maxY;
};

// Geodesics on the WGS 84 ellipsoid; latitudes, longitudes and azimuths in
// degrees, azimuths clockwise from north.
class Geodesic {
 public:
  virtual ~Geodesic() = default;
  // The distance from the first point to the second (m) and the azimuth
  // of the line at the first.
  virtual void Inverse(double lat1, double lon1, double lat2, double lon2, double& metres,
                       double& azimuth) const = 0;
  // The point `metres` from the first along `azimuth`.
  virtual void Direct(double lat1, double lon1, double azimuth, double metres, double& lat2,
                      double& lon2) const = 0;
};

// A map projection's grid and WGS 84 lon/lat (degrees), both ways; a point
// it cannot place comes back with coordinates that are not finite.
class GridAndLonLat {
 public:
  virtual ~GridAndLonLat() = default;
  virtual XY ToLonLat(XY grid) const = 0;
  virtual XY ToGrid(XY lonLat) const = 0;
};

class LocalFrame {
 public:
  // Lon/lat data round `site` (lon, lat); `geodesic` must outlive the frame.
  static LocalFrame OnEllipsoid(XY site, const Geodesic& geodesic);
  // Projected data round `site` (grid metres): true north and the scale
  // from a short step north of the site. Throws SiteError when the
  // projection cannot place the site.
  static LocalFrame OnGrid(XY site, const GridAndLonLat& projection, const Geodesic& geodesic);

  XY ToLocal(XY p) const;
  XY FromLocal(XY local) const;  // back to the file's coordinates
  // The file coordinates' box that holds every point within `radius` m.
  Envelope EnvelopeOf(double radius) const;
  XY site() const { return site_; }
  // Grid units per metre for projected data; 0 for lon/lat.
  double GridScale() const { return geodesic_ ? 0 : scale_; }

 private:
  XY site_;
  const Geodesic* geodesic_ = nullptr;    // lon/lat data only
  double cos_ = 1, sin_ = 0, scale_ = 1;  // grid metres per metre
};

// The refusal of a file that names no reference system.
std::string NoReferenceSystemText(const std::string& fileName);

}  // namespace ventora::site
