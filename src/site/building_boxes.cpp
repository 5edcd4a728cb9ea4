#include "building_boxes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/plan_geometry.h"
#include "disk_area.h"
#include "footprint_set_impl.h"

namespace ventora::site {
namespace {

// The long sides' bearing, degrees in [0, 180) from north.
double LongSideBearing(const plan::Rectangle& r) {
  const plan::Point u = r.Length() >= r.Width() ? r.along : plan::Point{-r.along.y, r.along.x};
  const double azimuth = std::fmod(std::atan2(u.x, u.y) * 180 / std::numbers::pi + 360, 180);
  return azimuth >= 180 - 1e-9 ? 0 : azimuth;
}

GroundRectangle Described(const plan::Rectangle& r) {
  const plan::Point u = r.along;
  const double a = (r.low + r.high) / 2, c = (r.left + r.right) / 2;
  return {{a * u.x - c * u.y, a * u.y + c * u.x},
          std::max(r.Length(), r.Width()),
          std::min(r.Length(), r.Width()),
          LongSideBearing(r),
          {}};
}

// Two bearings of one rectangle's sides differ by a multiple of 90 degrees;
// hull sides that nearly line up give nearly the same rectangle, not
// another one.
bool SameOrientation(double a, double b) {
  const double d = std::fmod(std::abs(a - b), 90);
  return std::min(d, 90 - d) < 1;
}

}  // namespace

GroundRectangle SmallestRectangle(const std::vector<XY>& points) {
  std::vector<plan::Point> plan(points.size());
  std::transform(points.begin(), points.end(), plan.begin(), [](XY p) {
    return plan::Point{p.x, p.y};
  });
  const std::vector<plan::Rectangle> sides = plan::SideRectangles(plan::ConvexHull(plan));
  std::size_t best = plan::Smallest(sides);
  if (best == sides.size()) return {};
  const double area = sides[best].Area();
  const auto tie = [&](const plan::Rectangle& r) { return r.Area() <= area * (1 + 1e-9); };
  for (std::size_t i = 0; i < sides.size(); ++i)
    if (tie(sides[i]) && sides[i].side > sides[best].side * (1 + 1e-9)) best = i;
  GroundRectangle result = Described(sides[best]);
  for (const plan::Rectangle& r : sides) {
    const double azimuth = LongSideBearing(r);
    if (!tie(r) || SameOrientation(azimuth, result.azimuth)) continue;
    bool seen = false;
    for (double t : result.tied)
      seen = seen || SameOrientation(t, azimuth);
    if (!seen) result.tied.push_back(azimuth);
  }
  return result;
}

std::vector<BuildingBox> BuildingBoxes(const FootprintSet& footprints) {
  const FootprintSet::Impl& set = footprints.impl();
  std::vector<BuildingBox> boxes;
  for (std::size_t i = 0; i < set.table.footprints.size(); ++i) {
    const FootprintShape& f = set.table.footprints[i];
    if (f.part) continue;
    BuildingBox box;
    box.id = f.id;
    box.height = f.height;
    box.inside = set.InsidePoint(i);
    const LocalFrame frame = set.system.FrameAt(box.inside);
    std::vector<XY> ground;
    for (const Ring& ring : f.rings) {
      Ring local(ring.size());
      std::transform(ring.begin(), ring.end(), local.begin(),
                     [&](XY p) { return frame.ToLocal(p); });
      box.area += RingArea(local);
      ground.insert(ground.end(), local.begin(), local.end());
    }
    GroundRectangle r = SmallestRectangle(ground);
    box.centre = frame.FromLocal(r.centre);
    box.length = r.length;
    box.width = r.width;
    box.azimuth = r.azimuth;
    box.tied = std::move(r.tied);
    boxes.push_back(std::move(box));
  }
  return boxes;
}

}  // namespace ventora::site
