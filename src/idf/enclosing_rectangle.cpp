#include "idf/enclosing_rectangle.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ventora::idf {
namespace {

double Cross(const PlanPoint& o, const PlanPoint& a, const PlanPoint& b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Andrew's monotone chain, counter-clockwise, collinear points dropped.
std::vector<PlanPoint> ConvexHull(std::vector<PlanPoint> p) {
  std::sort(p.begin(), p.end(), [](const PlanPoint& a, const PlanPoint& b) {
    return a.x < b.x || (a.x == b.x && a.y < b.y);
  });
  if (p.size() < 3) return p;
  std::vector<PlanPoint> hull(2 * p.size());
  std::size_t k = 0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    while (k >= 2 && Cross(hull[k - 2], hull[k - 1], p[i]) <= 1e-12)
      --k;
    hull[k++] = p[i];
  }
  for (std::size_t i = p.size() - 1, lower = k + 1; i > 0; --i) {
    while (k >= lower && Cross(hull[k - 2], hull[k - 1], p[i - 1]) <= 1e-12)
      --k;
    hull[k++] = p[i - 1];
  }
  hull.resize(k - 1);
  return hull;
}

}  // namespace

PlanRectangle SmallestEnclosingRectangle(std::vector<PlanPoint> points) {
  const std::vector<PlanPoint> hull = ConvexHull(std::move(points));
  PlanRectangle best{0, -1};
  for (std::size_t i = 0; i < hull.size(); ++i) {
    const PlanPoint& a = hull[i];
    const PlanPoint& b = hull[(i + 1) % hull.size()];
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    if (len < 1e-9) continue;
    const double ux = (b.x - a.x) / len;
    const double uy = (b.y - a.y) / len;
    double lo = 0, hi = 0, top = 0;
    for (const PlanPoint& p : hull) {
      const double along = (p.x - a.x) * ux + (p.y - a.y) * uy;
      lo = std::min(lo, along);
      hi = std::max(hi, along);
      top = std::max(top, std::abs((p.x - a.x) * uy - (p.y - a.y) * ux));
    }
    const double area = (hi - lo) * top;
    // A rectangle's own sides all give the same area: keep the first, so
    // that rounding does not choose between them.
    if (best.area >= 0 && area >= best.area * (1 - 1e-9)) continue;
    double azimuth = std::fmod(std::atan2(ux, uy) * 180.0 / std::numbers::pi + 360.0, 90.0);
    if (azimuth > 90.0 - 1e-9) azimuth = 0;
    best = {azimuth, area};
  }
  if (best.area < 0) best.area = 0;
  return best;
}

}  // namespace ventora::idf
