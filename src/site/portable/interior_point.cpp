#include "interior_point.h"

#include <algorithm>
#include <limits>

namespace ventora::site {
namespace {

// The line's height: halfway between the corners nearest the middle of the
// polygon's height, above and below it.
double ScanLine(const std::vector<Ring>& polygon) {
  double low = std::numeric_limits<double>::infinity(), high = -low;
  for (const Ring& ring : polygon)
    for (XY p : ring) {
      low = std::min(low, p.y);
      high = std::max(high, p.y);
    }
  const double centre = (low + high) / 2;
  for (const Ring& ring : polygon)
    for (XY p : ring) {
      if (p.y <= centre)
        low = std::max(low, p.y);
      else
        high = std::min(high, p.y);
    }
  return (low + high) / 2;
}

// Where the edge a-b crosses the line y, counting each crossing once.
void AddCrossing(XY a, XY b, double y, std::vector<double>& crossings) {
  if ((a.y > y && b.y > y) || (a.y < y && b.y < y) || a.y == b.y) return;
  if ((a.y == y && b.y < y) || (b.y == y && a.y < y)) return;
  crossings.push_back(a.x == b.x ? a.x : a.x + (y - a.y) / ((b.y - a.y) / (b.x - a.x)));
}

}  // namespace

XY InteriorPoint(const std::vector<std::vector<Ring>>& polygons) {
  double widest = -1;
  XY best;
  std::vector<double> crossings;
  for (const std::vector<Ring>& polygon : polygons) {
    if (polygon.empty() || polygon.front().empty()) continue;
    const double y = ScanLine(polygon);
    crossings.clear();
    for (const Ring& ring : polygon)
      for (std::size_t i = 1; i < ring.size(); ++i)
        AddCrossing(ring[i - 1], ring[i], y, crossings);
    std::sort(crossings.begin(), crossings.end());
    double width = 0;
    XY point = polygon.front().front();
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
      if (crossings[i + 1] - crossings[i] > width) {
        width = crossings[i + 1] - crossings[i];
        point = {(crossings[i] + crossings[i + 1]) / 2, y};
      }
    if (width > widest) {
      widest = width;
      best = point;
    }
  }
  return best;
}

}  // namespace ventora::site
