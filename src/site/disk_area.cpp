#include "disk_area.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ventora::site {
namespace {

double Cross(XY a, XY b) {
  return a.x * b.y - a.y * b.x;
}

double Dot(XY a, XY b) {
  return a.x * b.x + a.y * b.y;
}

// The disc's part of the triangle (origin, a, b), signed.
double TriangleDiscArea(XY a, XY b, double radius) {
  const XY d{b.x - a.x, b.y - a.y};
  const double A = Dot(d, d);
  if (A == 0) return 0;
  const auto arc = [radius](XY u, XY v) {
    return radius * radius / 2 * std::atan2(Cross(u, v), Dot(u, v));
  };
  const double B = Dot(a, d), C = Dot(a, a) - radius * radius;
  const double disc = B * B - A * C;
  if (disc <= 0) return arc(a, b);  // the line misses the circle: the edge lies outside
  const double root = std::sqrt(disc);
  const double t1 = std::clamp((-B - root) / A, 0.0, 1.0);
  const double t2 = std::clamp((-B + root) / A, 0.0, 1.0);
  // An end inside the disc is its own point, not one computed again: next
  // to the origin (a sector's apex) the two would differ by rounding in a
  // direction that no arc may be measured by.
  const XY p = t1 == 0 ? a : XY{a.x + t1 * d.x, a.y + t1 * d.y};
  const XY q = t2 == 1 ? b : XY{a.x + t2 * d.x, a.y + t2 * d.y};
  return arc(a, p) + Cross(p, q) / 2 + arc(q, b);
}

// Keeps the side of the line through the origin in direction `e` where
// Cross(e, p) has the sign `side` (Sutherland-Hodgman).
Ring ClipToHalfPlane(const Ring& ring, XY e, double side) {
  Ring out;
  const std::size_t n = ring.size();
  for (std::size_t i = 0; i < n; ++i) {
    const XY a = ring[i], b = ring[(i + 1) % n];
    const double sa = side * Cross(e, a), sb = side * Cross(e, b);
    if (sa >= 0) out.push_back(a);
    if ((sa >= 0) != (sb >= 0)) {
      const double t = sa / (sa - sb);
      out.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
    }
  }
  return out;
}

XY Bearing(double degrees) {
  const double r = degrees * std::numbers::pi / 180;
  return {std::sin(r), std::cos(r)};
}

}  // namespace

double RingDiscArea(const Ring& ring, double radius) {
  double area = 0;
  const std::size_t n = ring.size();
  for (std::size_t i = 0; i < n; ++i)
    area += TriangleDiscArea(ring[i], ring[(i + 1) % n], radius);
  return area;
}

Ring ClipToSector(const Ring& ring, double from, double to) {
  // Clockwise of the ray at `from` and anticlockwise of the ray at `to`.
  return ClipToHalfPlane(ClipToHalfPlane(ring, Bearing(from), -1), Bearing(to), 1);
}

double RingArea(const Ring& ring) {
  // From the first corner, not the origin: map coordinates in the millions
  // would leave their rounding in every term.
  double area = 0;
  const std::size_t n = ring.size();
  if (n == 0) return 0;
  const XY o = ring.front();
  for (std::size_t i = 1; i + 1 < n; ++i)
    area += Cross({ring[i].x - o.x, ring[i].y - o.y}, {ring[i + 1].x - o.x, ring[i + 1].y - o.y});
  return area / 2;
}

}  // namespace ventora::site
