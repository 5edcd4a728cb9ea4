#pragma once
// The ellipsoids of the reference systems the browser edition carries,
// points on them as geocentric coordinates, and geodesics on WGS 84
// (Vincenty's series, within a micrometre of PROJ's over the distances of
// a site's surroundings).

#include "site/local_frame.h"

namespace ventora::site {

struct Ellipsoid {
  double a;  // semi-major axis, m
  double f;  // flattening
  double E2() const { return f * (2 - f); }
};

inline constexpr Ellipsoid kWgs84{6378137, 1 / 298.257223563};
inline constexpr Ellipsoid kGrs80{6378137, 1 / 298.257222101};
inline constexpr Ellipsoid kBessel1841{6377397.155, 1 / 299.1528128};

struct Geocentric {
  double x, y, z;
};

// Latitude and longitude in radians, on the ellipsoid's surface (height 0).
Geocentric ToGeocentric(const Ellipsoid& e, double lat, double lon);
// Back to latitude and longitude in radians (Bowring's formula, as PROJ).
void ToGeodetic(const Ellipsoid& e, const Geocentric& p, double& lat, double& lon);

class VincentyGeodesic final : public Geodesic {
 public:
  void Inverse(double lat1, double lon1, double lat2, double lon2, double& metres,
               double& azimuth) const override;
  void Direct(double lat1, double lon1, double azimuth, double metres, double& lat2,
              double& lon2) const override;
};

}  // namespace ventora::site
