#pragma once
// The transverse Mercator projection of the UTM zones, by Krüger's series
// to the sixth order in the third flattening (Karney 2011, "Transverse
// Mercator with an accuracy of a few nanometers"): within a nanometre of
// PROJ's own within the zones.

#include "ellipsoid.h"

namespace ventora::site {

class TransverseMercator {
 public:
  TransverseMercator(const Ellipsoid& e, double centralMeridian, double scale, double falseEasting,
                     double falseNorthing);
  // Degrees to grid metres, and back.
  XY ToGrid(XY lonLat) const;
  XY ToLonLat(XY grid) const;

 private:
  double e_, lon0_, k0_, x0_, y0_, radius_;  // radius_: the rectifying radius A
  double alpha_[6], beta_[6];
};

// Zone 1 to 60 of the UTM grid, north or south of the equator.
TransverseMercator UtmZone(const Ellipsoid& e, int zone, bool south);

}  // namespace ventora::site
