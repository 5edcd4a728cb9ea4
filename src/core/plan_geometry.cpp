#include "core/plan_geometry.h"

#include <algorithm>
#include <cmath>

namespace ventora::plan {
namespace {

// Twice an area, in m², below which three points are taken as on a line.
constexpr double kCollinear = 1e-12;

}  // namespace

// Andrew's monotone chain.
std::vector<Point> ConvexHull(std::vector<Point> p) {
  std::sort(p.begin(), p.end(),
            [](Point a, Point b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
  if (p.size() < 3) return p;
  std::vector<Point> hull(2 * p.size());
  std::size_t k = 0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    while (k >= 2 && Cross(hull[k - 2], hull[k - 1], p[i]) <= kCollinear)
      --k;
    hull[k++] = p[i];
  }
  for (std::size_t i = p.size() - 1, lower = k + 1; i > 0; --i) {
    while (k >= lower && Cross(hull[k - 2], hull[k - 1], p[i - 1]) <= kCollinear)
      --k;
    hull[k++] = p[i - 1];
  }
  hull.resize(k - 1);
  return hull;
}

std::vector<Rectangle> SideRectangles(const std::vector<Point>& hull) {
  std::vector<Rectangle> rectangles;
  for (std::size_t i = 0; i < hull.size(); ++i) {
    const Point a = hull[i], b = hull[(i + 1) % hull.size()];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    if (length < 1e-9) continue;
    Rectangle r{{(b.x - a.x) / length, (b.y - a.y) / length}, length, 1e300, -1e300, -1e300, 1e300};
    for (const Point p : hull) {
      const double along = p.x * r.along.x + p.y * r.along.y;
      const double across = p.y * r.along.x - p.x * r.along.y;
      r.low = std::min(r.low, along), r.high = std::max(r.high, along);
      r.right = std::min(r.right, across), r.left = std::max(r.left, across);
    }
    rectangles.push_back(r);
  }
  return rectangles;
}

std::size_t Smallest(const std::vector<Rectangle>& rectangles) {
  std::size_t best = rectangles.size();
  for (std::size_t i = 0; i < rectangles.size(); ++i)
    if (best == rectangles.size() || rectangles[i].Area() < rectangles[best].Area() * (1 - 1e-9))
      best = i;
  return best;
}

}  // namespace ventora::plan
