#include "portable_footprint_set.h"

#include <algorithm>
#include <numeric>

#include "core/plan_geometry.h"
#include "interior_point.h"
#include "orientation.h"
#include "polygon_validity.h"
#include "ring_fill.h"
#include "site/disk_area.h"

namespace ventora::site {
namespace {

// As the native set: an invalid outline of more corners than this is not
// repaired.
constexpr std::size_t kMostVerticesRepaired = 1000;

Ring Closed(Ring ring) {
  if (!ring.empty() && (ring.front().x != ring.back().x || ring.front().y != ring.back().y))
    ring.push_back(ring.front());
  return ring;
}

// The polygon's closed rings; none when its outline has fewer than four
// points (holes that short are dropped).
std::vector<Ring> ClosedRings(const PolygonRings& polygon) {
  std::vector<Ring> rings;
  for (const Ring& ring : polygon.rings) {
    Ring closed = Closed(ring);
    if (closed.size() >= 4)
      rings.push_back(std::move(closed));
    else if (rings.empty())
      return {};
  }
  return rings;
}

std::size_t Vertices(const std::vector<Ring>& rings) {
  std::size_t n = 0;
  for (const Ring& r : rings)
    n += r.size();
  return n;
}

// A valid polygon's rings as the sums want them: open, the outline
// counter-clockwise, the holes clockwise.
std::vector<Ring> Oriented(const std::vector<Ring>& rings) {
  std::vector<Ring> out;
  for (std::size_t i = 0; i < rings.size(); ++i) {
    Ring r(rings[i].begin(), rings[i].end() - 1);
    if ((RingArea(r) < 0) == (i == 0)) std::reverse(r.begin(), r.end());
    out.push_back(std::move(r));
  }
  return out;
}

double AreaOf(const std::vector<Ring>& rings) {
  double area = 0;
  for (const Ring& r : rings)
    area += RingArea(r);
  return area;
}

// What became of one footprint's outlines.
enum class Outline { Valid, Repaired, TooTangled };

bool Inside(const std::vector<Ring>& polygon, XY p) {
  bool inside = false;
  for (const Ring& ring : polygon) {
    const Location where = Locate(p, ring);
    if (where == Location::Boundary) return true;
    inside = inside != (where == Location::Interior);
  }
  return inside;
}

bool BoxesMeet(const Envelope& a, const Envelope& b) {
  return a.minX <= b.maxX && b.minX <= a.maxX && a.minY <= b.maxY && b.minY <= a.maxY;
}

}  // namespace

PortableFootprintSet::PortableFootprintSet(FootprintFile file, const std::string& crs,
                                           const std::string& fileName)
    : system_(crs.empty() ? file.crs : crs, fileName, !crs.empty()) {
  table_.name = fileName;
  table_.notes = std::move(file.notes);
  OutlineTally tally;
  for (Footprint& f : file.footprints) {
    Outlines outlines;
    Outline outline = Outline::Valid;
    bool allValid = true;
    for (const PolygonRings& p : f.polygons) {
      std::vector<Ring> rings = ClosedRings(p);
      if (rings.empty()) continue;
      if (!IsValidPolygon(rings)) {
        allValid = false;
        if (Vertices(rings) > kMostVerticesRepaired ||
            Crossings(rings, kMostCrossingsRepaired + 1) > kMostCrossingsRepaired) {
          outline = Outline::TooTangled;
          break;
        }
        // A 3D model's degenerate faces are no fault of the data's outline.
        if (!f.joinPolygons) outline = Outline::Repaired;
      }
      outlines.polygons.push_back(std::move(rings));
    }
    if (outline == Outline::TooTangled) {
      tally.tangled.push_back(f.id);
      continue;
    }
    tally.repairs += outline == Outline::Repaired ? 1 : 0;
    outlines.oneValidPolygon = allValid && outlines.polygons.size() == 1;
    std::vector<Ring> rings;
    if (outlines.oneValidPolygon) {
      rings = Oriented(outlines.polygons.front());
    } else {
      std::vector<RingSet> sets;
      for (const std::vector<Ring>& polygon : outlines.polygons)
        sets.push_back({polygon, 0});
      rings = FilledPieces(sets);
    }
    if (outlines.polygons.empty() || !(AreaOf(rings) > 0)) {
      tally.flat.push_back(f.id);
      continue;
    }
    AddShape(table_, {f.height, f.part, std::move(rings), 0, {}, -1, std::move(f.id)},
             system_.Geographic());
    outlines_.push_back(std::move(outlines));
  }
  NoteOutlines(table_, tally);
  CheckHasFootprints(table_);
  std::vector<plan::Point> corners;
  for (const FootprintShape& f : table_.footprints)
    for (const plan::Point p : {plan::Point{f.box.minX, f.box.minY},
                                {f.box.maxX, f.box.minY},
                                {f.box.maxX, f.box.maxY},
                                {f.box.minX, f.box.maxY}})
      corners.push_back(p);
  Ring hull;
  for (const plan::Point& p : plan::ConvexHull(corners))
    hull.push_back({p.x, p.y});
  table_.hullRings = {hull};
  GroupOverlapping(table_, OverlappingPairs(),
                   [&](const std::vector<std::size_t>& members) { return Union(members); });
}

PortableFootprintSet::~PortableFootprintSet() = default;

Surroundings PortableFootprintSet::Compute(const SurroundingsRequest& request) const {
  return ComputeSurroundings(table_, *this, request);
}

std::vector<std::size_t> PortableFootprintSet::Candidates(const Envelope& box) const {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < table_.footprints.size(); ++i)
    if (BoxesMeet(table_.footprints[i].box, box)) found.push_back(i);
  return found;
}

bool PortableFootprintSet::Holds(std::size_t i, XY point) const {
  for (const std::vector<Ring>& polygon : outlines_[i].polygons)
    if (Inside(polygon, point)) return true;
  return false;
}

XY PortableFootprintSet::InsidePoint(std::size_t i) const {
  if (outlines_[i].oneValidPolygon) return InteriorPoint(outlines_[i].polygons);
  // The pieces of a repaired or joined outline, each a polygon.
  std::vector<std::vector<Ring>> pieces;
  for (const Ring& piece : table_.footprints[i].rings)
    pieces.push_back({Closed(piece)});
  return InteriorPoint(pieces);
}

bool PortableFootprintSet::HullHolds(XY point) const {
  const Ring& hull = table_.hullRings.front();
  for (std::size_t i = 0; i < hull.size(); ++i)
    if (Orientation(hull[i], hull[(i + 1) % hull.size()], point) < 0) return false;
  return true;
}

std::vector<Ring> PortableFootprintSet::Union(const std::vector<std::size_t>& footprints) const {
  std::vector<RingSet> sets;
  for (std::size_t m : footprints)
    for (const std::vector<Ring>& polygon : outlines_[m].polygons)
      sets.push_back({polygon, 0});
  return FilledPieces(sets);
}

std::vector<std::pair<std::size_t, std::size_t>> PortableFootprintSet::OverlappingPairs() const {
  const std::vector<FootprintShape>& f = table_.footprints;
  std::vector<std::size_t> order(f.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(),
            [&](std::size_t a, std::size_t b) { return f[a].box.minX < f[b].box.minX; });
  std::vector<std::pair<std::size_t, std::size_t>> pairs;
  std::vector<std::size_t> active;
  for (std::size_t i : order) {
    std::erase_if(active, [&](std::size_t a) { return f[a].box.maxX <= f[i].box.minX; });
    for (std::size_t a : active)
      if (f[a].box.minY < f[i].box.maxY && f[i].box.minY < f[a].box.maxY && Overlap(a, i))
        pairs.emplace_back(std::min(a, i), std::max(a, i));
    active.push_back(i);
  }
  std::sort(pairs.begin(), pairs.end());
  return pairs;
}

bool PortableFootprintSet::Overlap(std::size_t a, std::size_t b) const {
  std::vector<RingSet> sets;
  for (std::size_t m : {a, b})
    for (const std::vector<Ring>& polygon : outlines_[m].polygons)
      sets.push_back({polygon, static_cast<int>(m == a ? 0 : 1)});
  // Less than rounding leaves where outlines share an edge.
  const double least = 1e-9 * std::min(table_.footprints[a].area, table_.footprints[b].area);
  return AreaOf(FilledPieces(sets, 2)) > least;
}

}  // namespace ventora::site
