#pragma once
// The file's reference system (PROJ) and the site's local frame: metres
// east and north of the site, north up. Lon/lat data are projected by the
// azimuthal equidistant projection centred on the site (on the WGS 84
// ellipsoid, through its geodesics); projected data keep their own metres,
// turned by the meridian convergence and divided by the scale factor at
// the site.

#include <geodesic.h>

#include <memory>
#include <string>

#include "footprints.h"

namespace ventora::site {

struct Envelope {
  double minX, minY, maxX, maxY;
};

class LocalFrame {
 public:
  XY ToLocal(XY p) const;
  XY FromLocal(XY local) const;  // back to the file's coordinates
  // The file coordinates' box that holds every point within `radius` m.
  Envelope EnvelopeOf(double radius) const;
  XY site() const { return site_; }
  // Grid units per metre for projected data; 0 for lon/lat.
  double GridScale() const { return geographic_ ? 0 : scale_; }

 private:
  friend class ReferenceSystem;
  XY site_;
  bool geographic_ = false;
  const geod_geodesic* ellipsoid_ = nullptr;
  double cos_ = 1, sin_ = 0, scale_ = 1;  // grid metres per metre
};

class ReferenceSystem {
 public:
  // `crs` as PROJ reads it; throws SiteError naming `fileName` when it is
  // empty or unknown.
  ReferenceSystem(const std::string& crs, const std::string& fileName, bool fromOption);
  ~ReferenceSystem();
  ReferenceSystem(const ReferenceSystem&) = delete;
  ReferenceSystem& operator=(const ReferenceSystem&) = delete;

  bool Geographic() const { return geographic_; }
  LocalFrame FrameAt(XY site) const;

 private:
  struct Proj;
  std::unique_ptr<Proj> proj_;
  bool geographic_ = false;
  geod_geodesic ellipsoid_{};
};

}  // namespace ventora::site
