#pragma once
// GEOS through its reentrant C API: one context per footprint set, and
// geometries owned by unique pointers that know their context.

#include <geos_c.h>

#include <memory>
#include <string>

#include "footprints.h"

namespace ventora::site {

struct GeometryDeleter {
  GEOSContextHandle_t context = nullptr;
  void operator()(GEOSGeometry* g) const {
    if (g) GEOSGeom_destroy_r(context, g);
  }
};
using Geometry = std::unique_ptr<GEOSGeometry, GeometryDeleter>;

class GeosContext {
 public:
  GeosContext();
  ~GeosContext();
  GeosContext(const GeosContext&) = delete;
  GeosContext& operator=(const GeosContext&) = delete;

  GEOSContextHandle_t get() const { return handle_; }
  // Takes ownership; throws SiteError with GEOS's last message for null.
  Geometry Own(GEOSGeometry* g, const char* what) const;

 private:
  GEOSContextHandle_t handle_;
  std::string lastError_;
};

}  // namespace ventora::site
