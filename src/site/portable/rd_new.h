#pragma once
// The Dutch grid RD New (EPSG:28992, the horizontal part of EPSG:7415):
// the oblique stereographic projection of the Bessel ellipsoid through
// Gauss's conformal sphere, as PROJ computes it (sterea), and the way to
// WGS 84 PROJ takes without its grids: the Molodensky-Badekas
// transformation Amersfoort to WGS 84 (2008).

#include "site/local_frame.h"

namespace ventora::site {

class RdNew final : public GridAndLonLat {
 public:
  RdNew();
  XY ToLonLat(XY grid) const override;
  XY ToGrid(XY lonLat) const override;

 private:
  // The conformal sphere: Gauss's constants, and the latitude of the
  // projection's centre on it.
  double c_, k_, ratexp_, chi0_, sinChi0_, cosChi0_, twiceRadius_;
};

}  // namespace ventora::site
