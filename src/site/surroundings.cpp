#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <sstream>

#include "footprint_set_impl.h"

namespace ventora::site {
namespace {

using Context = GEOSContextHandle_t;
constexpr double kDegree = std::numbers::pi / 180;
// The circle is a polygon of this many corners (a half degree apart): its
// area falls short of the circle's by 1.3e-5, and the sector boundaries of
// every N that divides 720 fall on corners.
constexpr int kCircleCorners = 720;

XY AtBearing(double degrees, double radius) {
  return {radius * std::sin(degrees * kDegree), radius * std::cos(degrees * kDegree)};
}

Geometry PolygonOf(const GeosContext& geos, std::vector<XY> points) {
  points.push_back(points.front());
  GEOSCoordSequence* sequence =
      GEOSCoordSeq_copyFromBuffer_r(geos.get(), reinterpret_cast<const double*>(points.data()),
                                    static_cast<unsigned>(points.size()), 0, 0);
  GEOSGeometry* ring = GEOSGeom_createLinearRing_r(geos.get(), sequence);
  return geos.Own(GEOSGeom_createPolygon_r(geos.get(), ring, nullptr, 0), "drawing the circle");
}

Geometry Circle(const GeosContext& geos, double radius) {
  std::vector<XY> points;
  for (int i = 0; i < kCircleCorners; ++i)
    points.push_back(AtBearing(i * 360.0 / kCircleCorners, radius));
  return PolygonOf(geos, std::move(points));
}

// The part of the circle between two bearings, from <= to.
Geometry Sector(const GeosContext& geos, double radius, double from, double to) {
  std::vector<XY> points{{0, 0}, AtBearing(from, radius)};
  const double step = 360.0 / kCircleCorners;
  for (double b = (std::floor(from / step) + 1) * step; b < to - 1e-9; b += step)
    points.push_back(AtBearing(b, radius));
  points.push_back(AtBearing(to, radius));
  return PolygonOf(geos, std::move(points));
}

double Area(Context c, const GEOSGeometry* g) {
  double area = 0;
  GEOSArea_r(c, g, &area);
  return area;
}

struct Piece {
  std::size_t index;  // into the set's footprints
  Geometry geometry;  // in the local frame, within the region
};

// The pieces of `pieces` that lie within `region`.
std::vector<Piece> Clip(const GeosContext& geos, const std::vector<Piece>& pieces,
                        const GEOSGeometry* region) {
  const Context c = geos.get();
  const GEOSPreparedGeometry* prepared = GEOSPrepare_r(c, region);
  std::vector<Piece> inside;
  for (const Piece& p : pieces) {
    if (GEOSPreparedContains_r(c, prepared, p.geometry.get()) == 1) {
      inside.push_back({p.index, geos.Own(GEOSGeom_clone_r(c, p.geometry.get()), "copying")});
    } else if (GEOSPreparedIntersects_r(c, prepared, p.geometry.get()) == 1) {
      Geometry g = geos.Own(GEOSIntersection_r(c, p.geometry.get(), region), "clipping");
      if (Area(c, g.get()) > 0) inside.push_back({p.index, std::move(g)});
    }
  }
  GEOSPreparedGeom_destroy_r(c, prepared);
  return inside;
}

SectorValues Evaluate(const FootprintSet::Impl& set, const std::vector<Piece>& pieces,
                      double regionArea, const std::optional<double>& defaultHeight) {
  const Context c = set.geos.get();
  SectorValues values;
  std::vector<GEOSGeometry*> copies;
  double weighted = 0, weights = 0;
  for (const Piece& p : pieces) {
    copies.push_back(GEOSGeom_clone_r(c, p.geometry.get()));
    const IndexedFootprint& f = set.footprints[p.index];
    if (f.part) continue;
    ++values.buildings;
    if (!f.height) ++values.withoutHeight;
    if (const std::optional<double> h = f.height ? f.height : defaultHeight) {
      const double a = Area(c, p.geometry.get());
      weighted += a * *h;
      weights += a;
    }
  }
  Geometry all = set.geos.Own(GEOSGeom_createCollection_r(c, GEOS_GEOMETRYCOLLECTION, copies.data(),
                                                          static_cast<unsigned>(copies.size())),
                              "collecting");
  Geometry covered = set.geos.Own(GEOSUnaryUnion_r(c, all.get()), "joining footprints");
  values.pad = 100 * Area(c, covered.get()) / regionArea;
  if (weights > 0) values.sbh = weighted / weights;
  return values;
}

int ToLocal(double* x, double* y, void* frame) {
  const XY p = static_cast<const LocalFrame*>(frame)->ToLocal({*x, *y});
  *x = p.x;
  *y = p.y;
  return 1;
}

void CollectIndex(void* item, void* found) {
  static_cast<std::vector<std::size_t>*>(found)->push_back(reinterpret_cast<std::uintptr_t>(item) -
                                                           1);
}

// The footprints near the site, in the local frame.
std::vector<Piece> Candidates(const FootprintSet::Impl& set, const LocalFrame& frame,
                              double radius) {
  const Context c = set.geos.get();
  const Envelope e = frame.EnvelopeOf(radius);
  Geometry box = set.geos.Own(GEOSGeom_createRectangle_r(c, e.minX, e.minY, e.maxX, e.maxY), "box");
  std::vector<std::size_t> found;
  GEOSSTRtree_query_r(c, set.tree, box.get(), CollectIndex, &found);
  std::sort(found.begin(), found.end());
  std::vector<Piece> pieces;
  LocalFrame copy = frame;
  for (std::size_t i : found)
    pieces.push_back({i, set.geos.Own(GEOSGeom_transformXY_r(c, set.footprints[i].geometry.get(),
                                                             ToLocal, &copy),
                                      "projecting")});
  return pieces;
}

// Leaves out the studied building: the footprints holding the site point,
// and the parts that lie in them. Gives how many were left out.
int LeaveOutStudied(const FootprintSet::Impl& set, std::vector<Piece>& pieces) {
  const Context c = set.geos.get();
  Geometry origin = set.geos.Own(GEOSGeom_createPointFromXY_r(c, 0, 0), "site");
  std::vector<const GEOSGeometry*> studied;
  for (const Piece& p : pieces)
    if (GEOSIntersects_r(c, p.geometry.get(), origin.get()) == 1)
      studied.push_back(p.geometry.get());
  std::vector<bool> out(pieces.size(), false);
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (std::find(studied.begin(), studied.end(), pieces[i].geometry.get()) != studied.end()) {
      out[i] = true;
    } else if (set.footprints[pieces[i].index].part) {
      Geometry inner = set.geos.Own(GEOSPointOnSurface_r(c, pieces[i].geometry.get()), "part");
      for (const GEOSGeometry* s : studied)
        if (GEOSIntersects_r(c, s, inner.get()) == 1) out[i] = true;
    }
  }
  std::vector<Piece> kept;
  for (std::size_t i = 0; i < pieces.size(); ++i)
    if (!out[i]) kept.push_back(std::move(pieces[i]));
  const int leftOut = static_cast<int>(pieces.size() - kept.size());
  pieces = std::move(kept);
  return leftOut;
}

std::string Percent(double fraction) {
  std::ostringstream text;
  text << std::lround(fraction * 100);
  return text.str();
}

std::string SiteText(XY site) {
  std::ostringstream text;
  text.precision(10);
  text << site.x << "," << site.y;
  return text.str();
}

// The part of the circle the data cover: their convex hull's.
double Coverage(const FootprintSet::Impl& set, const LocalFrame& frame,
                const GEOSGeometry* circle) {
  const Context c = set.geos.get();
  LocalFrame copy = frame;
  Geometry hull =
      set.geos.Own(GEOSGeom_transformXY_r(c, set.hull.get(), ToLocal, &copy), "outline");
  if (GEOSContains_r(c, hull.get(), circle) == 1) return 1;
  Geometry common = set.geos.Own(GEOSIntersection_r(c, hull.get(), circle), "outline");
  return Area(c, common.get()) / Area(c, circle);
}

}  // namespace

Surroundings FootprintSet::Compute(const SurroundingsRequest& request) const {
  const Impl& set = *impl_;
  if (!(request.radius > 0) || !std::isfinite(request.radius))
    throw SiteError("the radius must be a length above 0 m");
  if (request.sectors < 1 || request.sectors > 360)
    throw SiteError("the number of sectors must be a whole number from 1 to 360");
  const Context c = set.geos.get();
  const LocalFrame frame = set.system.FrameAt(request.site);
  std::vector<Piece> pieces = Candidates(set, frame, request.radius);
  const int leftOut = LeaveOutStudied(set, pieces);
  const Geometry circle = Circle(set.geos, request.radius);
  const std::vector<Piece> inCircle = Clip(set.geos, pieces, circle.get());
  Surroundings result;
  result.rows.push_back(Evaluate(set, inCircle, Area(c, circle.get()), request.defaultHeight));
  const double width = 360.0 / request.sectors;
  for (int k = 0; request.sectors > 1 && k < request.sectors; ++k) {
    const double from = k * width - width / 2;
    const Geometry sector = Sector(set.geos, request.radius, from, from + width);
    SectorValues values = Evaluate(set, Clip(set.geos, inCircle, sector.get()),
                                   Area(c, sector.get()), request.defaultHeight);
    values.from = from < 0 ? from + 360 : from;
    values.to = from + width;
    result.rows.push_back(values);
  }
  result.coverage = Coverage(set, frame, circle.get());
  std::ostringstream radius;
  radius << request.radius;
  if (result.coverage <= 0) {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    GEOSGeom_getXMin_r(c, set.hull.get(), &minX);
    GEOSGeom_getYMin_r(c, set.hull.get(), &minY);
    GEOSGeom_getXMax_r(c, set.hull.get(), &maxX);
    GEOSGeom_getYMax_r(c, set.hull.get(), &maxY);
    throw SiteError("the site " + SiteText(request.site) + " lies more than " + radius.str() +
                    " m from the data of \"" + set.name + "\", which span " +
                    SiteText({minX, minY}) + " to " + SiteText({maxX, maxY}) +
                    " in the file's coordinates");
  }
  if (result.coverage < 0.995)
    result.notes.push_back("the data of \"" + set.name + "\" cover " + Percent(result.coverage) +
                           " % of the circle of " + radius.str() +
                           " m round the site: buildings beyond them are missing, so PAD is too "
                           "low; choose a smaller radius or data that reach further");
  if (leftOut == 0)
    result.notes.push_back(
        "no footprint holds the site point: no building was left out as the "
        "studied one");
  if (result.rows.front().buildings == 0)
    result.notes.push_back("no building of \"" + set.name + "\" lies within " + radius.str() +
                           " m of the site: PAD is 0");
  return result;
}

}  // namespace ventora::site
