#pragma once
// The file's reference system through PROJ, and the site's local frame in
// it (local_frame.h): lon/lat data through PROJ's geodesics, projected data
// through PROJ's way to lon/lat.

#include <geodesic.h>

#include <memory>
#include <string>

#include "local_frame.h"

namespace ventora::site {

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
};

}  // namespace ventora::site
