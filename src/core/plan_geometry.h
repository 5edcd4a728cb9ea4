#pragma once
// Points on a plan (x east, y north, metres): their convex hull and the
// rectangles round them with a side along each side of the hull, of which
// the smallest in area is the smallest rectangle round the points in any
// orientation. The box fitted to an EnergyPlus model's walls and the box of
// each building of a footprint file are both found this way.

#include <cstddef>
#include <vector>

namespace ventora::plan {

struct Point {
  double x = 0;
  double y = 0;
};

// Twice the signed area of the triangle o, a, b: positive when a to b turns
// counter-clockwise round o.
inline double Cross(Point o, Point a, Point b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Counter-clockwise, starting from the lowest x (then y); points on a side,
// or off it by no more than rounding (a cross product of 1e-12 m²), are
// dropped. Fewer than three points come back sorted.
std::vector<Point> ConvexHull(std::vector<Point> points);

// The rectangle round the hull with two sides along the unit direction
// `along`: the extents along it and across it (to its left).
struct Rectangle {
  Point along;
  double side = 0;             // the length of the hull's side it lies along
  double low = 0, high = 0;    // along `along`
  double left = 0, right = 0;  // across it, `left` the larger
  double Length() const { return high - low; }
  double Width() const { return left - right; }
  double Area() const { return Length() * Width(); }
};

// One rectangle for each side of the hull at least 1e-9 m long, in the
// hull's order.
std::vector<Rectangle> SideRectangles(const std::vector<Point>& hull);

// The smallest of `rectangles`: the first whose area no later one
// undercuts by more than a relative 1e-9, so that rounding never chooses
// between the sides of one rectangle. Their count when there are none.
std::size_t Smallest(const std::vector<Rectangle>& rectangles);

}  // namespace ventora::plan
