#include "site_plan.h"

#include "footprint_set_impl.h"

namespace ventora::site {
namespace {

using Context = GEOSContextHandle_t;
// Corners per quarter of the drawn circle: a picture's, not the values'
// (those take the circle exactly).
constexpr int kQuarterSegments = 32;

int ToLocal(double* x, double* y, void* frame) {
  const XY p = static_cast<const LocalFrame*>(frame)->ToLocal({*x, *y});
  *x = p.x;
  *y = p.y;
  return 1;
}

// `g` in the local frame, cut at the circle; its rings, none when nothing
// of it lies inside.
std::vector<Ring> LocalRingsWithin(const GeosContext& geos, const GEOSGeometry* g,
                                   const LocalFrame& frame, const GEOSGeometry* circle) {
  const Context c = geos.get();
  Geometry local =
      geos.Own(GEOSGeom_transformXY_r(c, g, ToLocal, const_cast<LocalFrame*>(&frame)), "placing");
  Geometry inside = geos.Own(GEOSIntersection_r(c, local.get(), circle), "cutting at the circle");
  double area = 0;
  GEOSArea_r(c, inside.get(), &area);
  return area > 0 ? RingsOf(geos, inside.get()) : std::vector<Ring>{};
}

}  // namespace

SitePlan FootprintSet::Plan(const SurroundingsRequest& request) const {
  const Impl& set = *impl_;
  const Context c = set.geos.get();
  const LocalFrame frame = set.system.FrameAt(request.site);
  Geometry centre = set.geos.Own(GEOSGeom_createPointFromXY_r(c, 0, 0), "site");
  Geometry circle =
      set.geos.Own(GEOSBuffer_r(c, centre.get(), request.radius, kQuarterSegments), "circle");
  SitePlan plan{request.radius, request.sectors, {}, {}};
  const std::vector<std::size_t> near = set.Candidates(frame.EnvelopeOf(request.radius));
  const std::set<std::size_t> studied = Studied(set.table, set, near, request.site);
  for (std::size_t i : near) {
    const FootprintShape& f = set.table.footprints[i];
    std::vector<Ring> rings =
        LocalRingsWithin(set.geos, set.geometries[i].get(), frame, circle.get());
    if (!rings.empty())
      plan.footprints.push_back({std::move(rings), f.height, studied.count(i) > 0, f.part});
  }
  plan.covered = LocalRingsWithin(set.geos, set.hull.get(), frame, circle.get());
  return plan;
}

}  // namespace ventora::site
