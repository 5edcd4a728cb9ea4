// The geometric questions of the surroundings answered by GEOS.

#include <algorithm>
#include <cstdint>

#include "footprint_set_impl.h"

namespace ventora::site {
namespace {

using Context = GEOSContextHandle_t;

void CollectIndex(void* item, void* found) {
  static_cast<std::vector<std::size_t>*>(found)->push_back(reinterpret_cast<std::uintptr_t>(item) -
                                                           1);
}

}  // namespace

std::vector<std::size_t> FootprintSet::Impl::Candidates(const Envelope& e) const {
  const Context c = geos.get();
  Geometry box = geos.Own(GEOSGeom_createRectangle_r(c, e.minX, e.minY, e.maxX, e.maxY), "box");
  std::vector<std::size_t> found;
  GEOSSTRtree_query_r(c, tree, box.get(), CollectIndex, &found);
  std::sort(found.begin(), found.end());
  return found;
}

bool FootprintSet::Impl::Holds(std::size_t i, XY point) const {
  const Context c = geos.get();
  Geometry p = geos.Own(GEOSGeom_createPointFromXY_r(c, point.x, point.y), "site");
  return geos.Holds(GEOSIntersects_r(c, geometries[i].get(), p.get()), "site");
}

XY FootprintSet::Impl::InsidePoint(std::size_t i) const {
  const Context c = geos.get();
  Geometry inner = geos.Own(GEOSPointOnSurface_r(c, geometries[i].get()), "a point inside");
  XY p;
  GEOSGeomGetX_r(c, inner.get(), &p.x);
  GEOSGeomGetY_r(c, inner.get(), &p.y);
  return p;
}

bool FootprintSet::Impl::HullHolds(XY point) const {
  const Context c = geos.get();
  Geometry p = geos.Own(GEOSGeom_createPointFromXY_r(c, point.x, point.y), "site");
  return geos.Holds(GEOSIntersects_r(c, hull.get(), p.get()), "site");
}

std::vector<Ring> FootprintSet::Impl::Union(const std::vector<std::size_t>& footprints) const {
  const Context c = geos.get();
  std::vector<GEOSGeometry*> copies;
  for (std::size_t m : footprints)
    copies.push_back(GEOSGeom_clone_r(c, geometries[m].get()));
  Geometry all = geos.Own(GEOSGeom_createCollection_r(c, GEOS_GEOMETRYCOLLECTION, copies.data(),
                                                      static_cast<unsigned>(copies.size())),
                          "collecting");
  Geometry joined = geos.Own(GEOSUnaryUnion_r(c, all.get()), "joining footprints");
  return RingsOf(geos, joined.get());
}

Surroundings FootprintSet::Compute(const SurroundingsRequest& request) const {
  const GeosSteps stopping(request.cancel);
  return ComputeSurroundings(impl_->table, *impl_, request);
}

}  // namespace ventora::site
