#include "building_boxes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "disk_area.h"
#include "footprint_set_impl.h"

namespace ventora::site {
namespace {

double Cross(XY o, XY a, XY b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Andrew's monotone chain, counter-clockwise, collinear points dropped.
std::vector<XY> ConvexHull(std::vector<XY> p) {
  std::sort(p.begin(), p.end(), [](XY a, XY b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
  if (p.size() < 3) return p;
  std::vector<XY> hull(2 * p.size());
  std::size_t k = 0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    while (k >= 2 && Cross(hull[k - 2], hull[k - 1], p[i]) <= 0)
      --k;
    hull[k++] = p[i];
  }
  for (std::size_t i = p.size() - 1, lower = k + 1; i > 0; --i) {
    while (k >= lower && Cross(hull[k - 2], hull[k - 1], p[i - 1]) <= 0)
      --k;
    hull[k++] = p[i - 1];
  }
  hull.resize(k - 1);
  return hull;
}

// The rectangle with one side along the direction u (a unit vector).
GroundRectangle AlongDirection(const std::vector<XY>& hull, XY u) {
  double lo = 1e300, hi = -1e300, low = 1e300, high = -1e300;
  for (XY p : hull) {
    const double along = p.x * u.x + p.y * u.y;
    const double across = p.y * u.x - p.x * u.y;
    lo = std::min(lo, along), hi = std::max(hi, along);
    low = std::min(low, across), high = std::max(high, across);
  }
  const double a = (lo + hi) / 2, c = (low + high) / 2;
  GroundRectangle r{{a * u.x - c * u.y, a * u.y + c * u.x}, hi - lo, high - low, 0};
  XY longSide = u;
  if (r.width > r.length) {
    std::swap(r.length, r.width);
    longSide = {-u.y, u.x};
  }
  r.azimuth = std::fmod(std::atan2(longSide.x, longSide.y) * 180 / std::numbers::pi + 360, 180);
  if (r.azimuth >= 180 - 1e-9) r.azimuth = 0;
  return r;
}

}  // namespace

GroundRectangle SmallestRectangle(std::vector<XY> points) {
  const std::vector<XY> hull = ConvexHull(std::move(points));
  GroundRectangle best;
  double bestArea = -1;
  for (std::size_t i = 0; i < hull.size(); ++i) {
    const XY a = hull[i], b = hull[(i + 1) % hull.size()];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    if (length < 1e-9) continue;
    const GroundRectangle r = AlongDirection(hull, {(b.x - a.x) / length, (b.y - a.y) / length});
    // A rectangle's own sides all give the same area: keep the first, so
    // that rounding does not choose between them.
    if (bestArea >= 0 && r.length * r.width >= bestArea * (1 - 1e-9)) continue;
    best = r;
    bestArea = r.length * r.width;
  }
  return best;
}

std::vector<BuildingBox> BuildingBoxes(const FootprintSet& footprints) {
  const FootprintSet::Impl& set = footprints.impl();
  const GEOSContextHandle_t c = set.geos.get();
  std::vector<BuildingBox> boxes;
  for (const IndexedFootprint& f : set.footprints) {
    if (f.part) continue;
    Geometry point = set.geos.Own(GEOSPointOnSurface_r(c, f.geometry.get()), "a point inside");
    BuildingBox box;
    box.id = f.id;
    box.height = f.height;
    GEOSGeomGetX_r(c, point.get(), &box.inside.x);
    GEOSGeomGetY_r(c, point.get(), &box.inside.y);
    const LocalFrame frame = set.system.FrameAt(box.inside);
    std::vector<XY> ground;
    for (const Ring& ring : f.rings) {
      Ring local(ring.size());
      std::transform(ring.begin(), ring.end(), local.begin(),
                     [&](XY p) { return frame.ToLocal(p); });
      box.area += RingArea(local);
      ground.insert(ground.end(), local.begin(), local.end());
    }
    const GroundRectangle r = SmallestRectangle(std::move(ground));
    box.centre = frame.FromLocal(r.centre);
    box.length = r.length;
    box.width = r.width;
    box.azimuth = r.azimuth;
    boxes.push_back(std::move(box));
  }
  return boxes;
}

}  // namespace ventora::site
