#include "polygon_validity.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numeric>
#include <set>
#include <utility>

#include "orientation.h"

namespace ventora::site {
namespace {

bool Same(XY a, XY b) {
  return a.x == b.x && a.y == b.y;
}

Ring WithoutRepeats(const Ring& ring) {
  Ring out;
  for (XY p : ring)
    if (out.empty() || !Same(out.back(), p)) out.push_back(p);
  return out;
}

// ---------------------------------------------------------------------------
// The angles of edges round a node, compared by quadrant and then exactly.

int Quadrant(XY origin, XY p) {
  const double dx = p.x - origin.x, dy = p.y - origin.y;
  if (dx >= 0) return dy >= 0 ? 0 : 3;
  return dy >= 0 ? 1 : 2;
}

bool AngleGreater(XY origin, XY p, XY q) {
  const int a = Quadrant(origin, p), b = Quadrant(origin, q);
  if (a != b) return a > b;
  return Orientation(origin, q, p) > 0;
}

int CompareAngle(XY origin, XY p, XY q) {
  const int a = Quadrant(origin, p), b = Quadrant(origin, q);
  if (a != b) return a > b ? 1 : -1;
  return Orientation(origin, q, p);
}

// Whether the edges node-b0 and node-b1 lie on either side of a0-node-a1.
bool EdgesCross(XY node, XY a0, XY a1, XY b0, XY b1) {
  if (AngleGreater(node, a0, a1)) std::swap(a0, a1);
  const auto side = [&](XY p) {
    const int low = CompareAngle(node, p, a0);
    const int high = low == 0 ? 0 : CompareAngle(node, p, a1);
    return low == 0 || high == 0 ? 0 : low > 0 && high < 0 ? 1 : -1;
  };
  const int s0 = side(b0), s1 = side(b1);
  return s0 != 0 && s1 != 0 && s0 != s1;
}

// Whether the edge node-b leaves into the interior of the corner a0-node-a1
// whose interior lies between a0 and a1 counter-clockwise.
bool InteriorEdge(XY node, XY a0, XY a1, XY b) {
  bool interiorBetween = true;
  if (AngleGreater(node, a0, a1)) {
    std::swap(a0, a1);
    interiorBetween = false;
  }
  const bool between = AngleGreater(node, b, a0) && !AngleGreater(node, b, a1);
  return between == interiorBetween;
}

// ---------------------------------------------------------------------------
// Where two segments meet.

struct Meeting {
  int count = 0;  // 0, 1, or 2 for segments that overlap along a line
  bool proper = false;
  XY point;  // the one meeting point that is not proper
};

bool InBox(XY a, XY b, XY p) {
  return p.x >= std::min(a.x, b.x) && p.x <= std::max(a.x, b.x) && p.y >= std::min(a.y, b.y) &&
         p.y <= std::max(a.y, b.y);
}

Meeting Collinear(XY p1, XY p2, XY q1, XY q2) {
  const bool q1InP = InBox(p1, p2, q1), q2InP = InBox(p1, p2, q2);
  const bool p1InQ = InBox(q1, q2, p1), p2InQ = InBox(q1, q2, p2);
  if ((q1InP && q2InP) || (p1InQ && p2InQ)) return {2, false, {}};
  // Ends that meet, alone or as the start of an overlap.
  const auto ends = [](XY a, XY b, bool otherA, bool otherB) {
    return Meeting{Same(a, b) && !otherA && !otherB ? 1 : 2, false, a};
  };
  if (q1InP && p1InQ) return ends(q1, p1, q2InP, p2InQ);
  if (q1InP && p2InQ) return ends(q1, p2, q2InP, p1InQ);
  if (q2InP && p1InQ) return ends(q2, p1, q1InP, p2InQ);
  if (q2InP && p2InQ) return ends(q2, p2, q1InP, p1InQ);
  return {};
}

Meeting Meet(XY p1, XY p2, XY q1, XY q2) {
  if (std::max(p1.x, p2.x) < std::min(q1.x, q2.x) || std::max(q1.x, q2.x) < std::min(p1.x, p2.x) ||
      std::max(p1.y, p2.y) < std::min(q1.y, q2.y) || std::max(q1.y, q2.y) < std::min(p1.y, p2.y))
    return {};
  const int pq1 = Orientation(p1, p2, q1), pq2 = Orientation(p1, p2, q2);
  if (pq1 * pq2 > 0) return {};
  const int qp1 = Orientation(q1, q2, p1), qp2 = Orientation(q1, q2, p2);
  if (qp1 * qp2 > 0) return {};
  if (pq1 == 0 && pq2 == 0 && qp1 == 0 && qp2 == 0) return Collinear(p1, p2, q1, q2);
  if (pq1 != 0 && pq2 != 0 && qp1 != 0 && qp2 != 0) return {1, true, {}};
  // Shared ends first, then an end on the other segment.
  XY at = q1;
  if (Same(p1, q1) || Same(p1, q2))
    at = p1;
  else if (Same(p2, q1) || Same(p2, q2))
    at = p2;
  else if (pq1 == 0)
    at = q1;
  else if (pq2 == 0)
    at = q2;
  else if (qp1 == 0)
    at = p1;
  else
    at = p2;
  return {1, false, at};
}

// ---------------------------------------------------------------------------
// The rings' segments against each other.

struct Segment {
  std::size_t ring, index;
  XY a, b;
};

// Touches between rings: their points, and whether they break the
// interior in two (two touches of one pair, or a cycle of touching rings).
class Touches {
 public:
  explicit Touches(std::size_t rings) : parent_(rings) {
    std::iota(parent_.begin(), parent_.end(), std::size_t{0});
  }
  void Add(std::size_t a, std::size_t b, XY p) {
    std::set<std::pair<double, double>>& points = points_[{std::min(a, b), std::max(a, b)}];
    points.insert({p.x, p.y});
    disconnected_ = disconnected_ || points.size() > 1;
  }
  bool Disconnected() {
    for (const auto& [pair, points] : points_) {
      const std::size_t a = Root(pair.first), b = Root(pair.second);
      if (a == b) return true;
      parent_[a] = b;
    }
    return disconnected_;
  }

 private:
  std::size_t Root(std::size_t i) {
    while (parent_[i] != i)
      i = parent_[i] = parent_[parent_[i]];
    return i;
  }
  std::map<std::pair<std::size_t, std::size_t>, std::set<std::pair<double, double>>> points_;
  std::vector<std::size_t> parent_;
  bool disconnected_ = false;
};

class IntersectionCheck {
 public:
  explicit IntersectionCheck(const std::vector<Ring>& rings)
      : rings_(rings), touches_(rings.size()) {}

  // False at the first meeting that makes the polygon invalid.
  bool Pair(const Segment& s, const Segment& t) {
    const Meeting m = Meet(s.a, s.b, t.a, t.b);
    if (m.count == 0) return true;
    if (m.proper || m.count >= 2) return false;
    const bool sameRing = s.ring == t.ring;
    if (sameRing && Adjacent(rings_[s.ring].size(), s.index, t.index)) return true;
    if (sameRing) return false;
    if (Same(m.point, s.b) || Same(m.point, t.b)) return true;
    const XY s0 = Same(m.point, s.a) ? Previous(s) : s.a;
    const XY t0 = Same(m.point, t.a) ? Previous(t) : t.a;
    if (EdgesCross(m.point, s0, s.b, t0, t.b)) return false;
    touches_.Add(s.ring, t.ring, m.point);
    return true;
  }
  Touches& touches() { return touches_; }

 private:
  static bool Adjacent(std::size_t points, std::size_t i, std::size_t j) {
    const std::size_t delta = i > j ? i - j : j - i;
    return delta <= 1 || delta >= points - 2;
  }
  XY Previous(const Segment& s) const {
    const Ring& ring = rings_[s.ring];
    return s.index == 0 ? ring[ring.size() - 2] : ring[s.index - 1];
  }
  const std::vector<Ring>& rings_;
  Touches touches_;
};

// Every two segments whose boxes meet, until `pair` says stop; false then.
template <typename Pair>
bool AllPairs(std::vector<Segment> segments, Pair pair) {
  std::sort(segments.begin(), segments.end(), [](const Segment& s, const Segment& t) {
    return std::min(s.a.x, s.b.x) < std::min(t.a.x, t.b.x);
  });
  std::vector<const Segment*> active;
  for (const Segment& s : segments) {
    const double left = std::min(s.a.x, s.b.x);
    std::erase_if(active, [&](const Segment* a) { return std::max(a->a.x, a->b.x) < left; });
    for (const Segment* a : active)
      if (!pair(*a, s)) return false;
    active.push_back(&s);
  }
  return true;
}

// ---------------------------------------------------------------------------
// Holes against the outline and each other.

double SignedArea(const Ring& ring) {
  double area = 0;
  for (std::size_t i = 0; i + 1 < ring.size(); ++i)
    area += (ring[i].x - ring[0].x) * (ring[i + 1].y - ring[0].y) -
            (ring[i + 1].x - ring[0].x) * (ring[i].y - ring[0].y);
  return area / 2;
}

// Whether `test` lies inside `target`, deciding by the edge of `test` that
// leaves its first point when that point is on `target`.
bool Nested(const Ring& test, const Ring& target) {
  const XY p0 = test[0];
  const Location where = Locate(p0, target);
  if (where != Location::Boundary) return where == Location::Interior;
  std::size_t i = 1;
  while (Same(test[i], p0) && i + 1 < test.size())
    ++i;
  const XY p1 = test[i];
  std::size_t index = 0;
  for (std::size_t k = 0; k + 1 < target.size(); ++k)
    if (OnSegment(p0, target[k], target[k + 1])) {
      index = Same(p0, target[k + 1]) ? k + 1 : k;
      break;
    }
  const std::size_t n = target.size();
  std::size_t prev = index, next = index + 1;
  while (Same(target[prev], p0))
    prev = prev == 0 ? n - 2 : prev - 1;
  while (Same(target[next], p0))
    next = next >= n - 2 ? 0 : next + 1;
  XY before = target[prev], after = target[next];
  if (SignedArea(target) > 0) std::swap(before, after);
  return InteriorEdge(p0, before, after, p1);
}

bool Covers(const Ring& outer, const Ring& inner) {
  const auto box = [](const Ring& r) {
    double minX = r[0].x, maxX = r[0].x, minY = r[0].y, maxY = r[0].y;
    for (XY p : r) {
      minX = std::min(minX, p.x);
      maxX = std::max(maxX, p.x);
      minY = std::min(minY, p.y);
      maxY = std::max(maxY, p.y);
    }
    return std::array<double, 4>{minX, minY, maxX, maxY};
  };
  const auto o = box(outer), i = box(inner);
  return i[0] >= o[0] && i[1] >= o[1] && i[2] <= o[2] && i[3] <= o[3];
}

}  // namespace

Location Locate(XY p, const Ring& ring) {
  int crossings = 0;
  for (std::size_t i = 0; i + 1 < ring.size(); ++i) {
    const XY a = ring[i], b = ring[i + 1];
    if (a.x < p.x && b.x < p.x) continue;
    if (Same(p, b)) return Location::Boundary;
    if (a.y == p.y && b.y == p.y) {
      if (p.x >= std::min(a.x, b.x) && p.x <= std::max(a.x, b.x)) return Location::Boundary;
      continue;
    }
    if ((a.y > p.y && b.y <= p.y) || (b.y > p.y && a.y <= p.y)) {
      int side = Orientation(a, b, p);
      if (side == 0) return Location::Boundary;
      if (b.y < a.y) side = -side;
      if (side > 0) ++crossings;
    }
  }
  return crossings % 2 ? Location::Interior : Location::Exterior;
}

bool IsValidPolygon(const std::vector<Ring>& rings) {
  std::vector<Ring> simple;
  for (const Ring& ring : rings) {
    for (XY p : ring)
      if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    simple.push_back(WithoutRepeats(ring));
    if (simple.back().size() < 4) return false;
  }
  std::vector<Segment> segments;
  for (std::size_t r = 0; r < simple.size(); ++r)
    for (std::size_t i = 0; i + 1 < simple[r].size(); ++i)
      segments.push_back({r, i, simple[r][i], simple[r][i + 1]});
  IntersectionCheck check(simple);
  if (!AllPairs(std::move(segments),
                [&](const Segment& s, const Segment& t) { return check.Pair(s, t); }))
    return false;
  for (std::size_t h = 1; h < rings.size(); ++h)
    if (!Covers(rings[0], rings[h]) || !Nested(rings[h], rings[0])) return false;
  for (std::size_t h = 1; h < rings.size(); ++h)
    for (std::size_t k = 1; k < rings.size(); ++k)
      if (h != k && Covers(rings[k], rings[h]) && Nested(rings[h], rings[k])) return false;
  return !check.touches().Disconnected();
}

}  // namespace ventora::site
