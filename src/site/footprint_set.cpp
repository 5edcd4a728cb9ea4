#include <algorithm>
#include <cstdint>
#include <utility>

#include "core/cancellation.h"
#include "disk_area.h"
#include "footprint_set_impl.h"

namespace ventora::site {
namespace {

using Context = GEOSContextHandle_t;

GEOSGeometry* MakeRing(Context c, Ring ring) {
  if (!ring.empty() && (ring.front().x != ring.back().x || ring.front().y != ring.back().y))
    ring.push_back(ring.front());
  if (ring.size() < 4) return nullptr;
  GEOSCoordSequence* sequence = GEOSCoordSeq_copyFromBuffer_r(
      c, reinterpret_cast<const double*>(ring.data()), static_cast<unsigned>(ring.size()), 0, 0);
  return sequence ? GEOSGeom_createLinearRing_r(c, sequence) : nullptr;
}

// Null when the outline has fewer than three distinct points.
GEOSGeometry* MakePolygon(Context c, const PolygonRings& polygon) {
  if (polygon.rings.empty()) return nullptr;
  GEOSGeometry* shell = MakeRing(c, polygon.rings.front());
  if (shell == nullptr) return nullptr;
  std::vector<GEOSGeometry*> holes;
  for (std::size_t i = 1; i < polygon.rings.size(); ++i)
    if (GEOSGeometry* hole = MakeRing(c, polygon.rings[i])) holes.push_back(hole);
  return GEOSGeom_createPolygon_r(c, shell, holes.data(), static_cast<unsigned>(holes.size()));
}

// The polygonal part of a repaired geometry (MakeValid may add lines).
Geometry PolygonalPart(const GeosContext& geos, Geometry g) {
  const int type = GEOSGeomTypeId_r(geos.get(), g.get());
  if (type == GEOS_POLYGON || type == GEOS_MULTIPOLYGON) return g;
  std::vector<GEOSGeometry*> polygons;
  for (int i = 0; i < GEOSGetNumGeometries_r(geos.get(), g.get()); ++i) {
    const GEOSGeometry* part = GEOSGetGeometryN_r(geos.get(), g.get(), i);
    const int partType = GEOSGeomTypeId_r(geos.get(), part);
    if (partType == GEOS_POLYGON || partType == GEOS_MULTIPOLYGON)
      polygons.push_back(GEOSGeom_clone_r(geos.get(), part));
  }
  return geos.Own(GEOSUnaryUnion_r(
                      geos.get(), geos.Own(GEOSGeom_createCollection_r(
                                               geos.get(), GEOS_GEOMETRYCOLLECTION, polygons.data(),
                                               static_cast<unsigned>(polygons.size())),
                                           "collecting")
                                      .get()),
                  "joining");
}

// A repair's work: GEOS's interrupt checks come every few microseconds of
// it, except while it finds where the edges cross, whose work grows with
// the square of the vertices. A ring crossing itself a few times, or once
// among 100,000 vertices, takes a fraction of the checks; one crossing
// itself thousands of times (a spiky star of 300 points) takes more, and
// took minutes at 200,000 vertices. A valid ring of any size needs none.
constexpr long kRepairSteps = 250000;
constexpr std::size_t kMostVerticesRepaired = 1000;

std::size_t Vertices(const GeosContext& geos, const GEOSGeometry* g) {
  const int n = GEOSGetNumCoordinates_r(geos.get(), g);
  return n > 0 ? static_cast<std::size_t>(n) : 0;
}

// The union of `parts`, which it takes.
Geometry Joined(const GeosContext& geos, std::vector<Geometry>& parts) {
  std::vector<GEOSGeometry*> raw;
  for (Geometry& p : parts)
    raw.push_back(p.release());
  const Geometry all =
      geos.Own(GEOSGeom_createCollection_r(geos.get(), GEOS_GEOMETRYCOLLECTION, raw.data(),
                                           static_cast<unsigned>(raw.size())),
               "collecting");
  return geos.Own(GEOSUnaryUnion_r(geos.get(), all.get()), "joining");
}

// What became of one footprint's outlines.
enum class Outline { Valid, Repaired, TooTangled };

Geometry Valid(const GeosContext& geos, Geometry g, Outline& outline) {
  if (geos.Holds(GEOSisValid_r(geos.get(), g.get()), "checking")) return g;
  outline = Outline::Repaired;
  if (Vertices(geos, g.get()) > kMostVerticesRepaired) {
    outline = Outline::TooTangled;
    return Geometry(nullptr, GeometryDeleter{geos.get()});
  }
  try {
    const GeosSteps bound(nullptr, kRepairSteps);
    return PolygonalPart(geos, geos.Own(GEOSMakeValid_r(geos.get(), g.get()), "repairing"));
  } catch (const StepsExhausted&) {
    outline = Outline::TooTangled;
    return Geometry(nullptr, GeometryDeleter{geos.get()});
  }
}

// One footprint as one valid geometry; null when nothing of it has an
// area or its repair took too long. Each polygon is made valid alone and
// the polygons joined: parts that overlap (a 3D model's faces, a
// multipolygon's nested outlines) cover their ground once.
Geometry ToGeometry(const GeosContext& geos, const Footprint& footprint, Outline& outline) {
  const Context c = geos.get();
  std::vector<Geometry> polygons;
  for (const PolygonRings& p : footprint.polygons) {
    if (GEOSGeometry* polygon = MakePolygon(c, p)) {
      Outline one = Outline::Valid;
      Geometry valid = Valid(geos, geos.Own(polygon, "reading"), one);
      if (one == Outline::TooTangled) {
        outline = one;
        return valid;
      }
      polygons.push_back(std::move(valid));
      // A 3D model's degenerate faces are no fault of the data's outline.
      if (one == Outline::Repaired && !footprint.joinPolygons) outline = one;
    }
  }
  if (polygons.empty()) return Geometry(nullptr, GeometryDeleter{c});
  Geometry g = polygons.size() == 1 ? std::move(polygons.front()) : Joined(geos, polygons);
  double area = 0;
  GEOSArea_r(c, g.get(), &area);
  if (area <= 0) return Geometry(nullptr, GeometryDeleter{c});
  return g;
}

Geometry Hull(const GeosContext& geos, const std::vector<Geometry>& footprints) {
  const Context c = geos.get();
  std::vector<GEOSGeometry*> envelopes;
  for (const Geometry& f : footprints)
    envelopes.push_back(GEOSEnvelope_r(c, f.get()));
  Geometry all = geos.Own(GEOSGeom_createCollection_r(c, GEOS_GEOMETRYCOLLECTION, envelopes.data(),
                                                      static_cast<unsigned>(envelopes.size())),
                          "collecting");
  return geos.Own(GEOSConvexHull_r(c, all.get()), "outlining the data");
}

Ring ReadRing(Context c, const GEOSGeometry* ring, bool outline) {
  const GEOSCoordSequence* sequence = GEOSGeom_getCoordSeq_r(c, ring);
  unsigned size = 0;
  GEOSCoordSeq_getSize_r(c, sequence, &size);
  Ring points(size);
  for (unsigned i = 0; i < size; ++i)
    GEOSCoordSeq_getXY_r(c, sequence, i, &points[i].x, &points[i].y);
  if (!points.empty()) points.pop_back();  // the closing point repeats the first
  if ((RingArea(points) < 0) == outline) std::reverse(points.begin(), points.end());
  return points;
}

void CollectOne(void* item, void* found) {
  static_cast<std::vector<std::size_t>*>(found)->push_back(reinterpret_cast<std::uintptr_t>(item) -
                                                           1);
}

void AddFootprint(FootprintSet::Impl& set, Geometry g, std::optional<double> height, bool part,
                  std::string id) {
  FootprintShape shape{height, part, RingsOf(set.geos, g.get()), 0, {}, -1, std::move(id)};
  AddShape(set.table, std::move(shape), set.system.Geographic());
  set.geometries.push_back(std::move(g));
}

// The pairs of footprints whose interiors overlap.
std::vector<std::pair<std::size_t, std::size_t>> Overlapping(const FootprintSet::Impl& set) {
  const Context c = set.geos.get();
  std::vector<std::pair<std::size_t, std::size_t>> pairs;
  std::vector<std::size_t> near;
  for (std::size_t i = 0; i < set.geometries.size(); ++i) {
    near.clear();
    GEOSSTRtree_query_r(c, set.tree, set.geometries[i].get(), CollectOne, &near);
    for (std::size_t j : near) {
      if (j <= i) continue;
      if (set.geos.Holds(
              GEOSRelatePattern_r(c, set.geometries[i].get(), set.geometries[j].get(), "2********"),
              "grouping overlapping footprints"))
        pairs.emplace_back(i, j);
    }
  }
  return pairs;
}

// The index, the outline of the data and the groups of overlapping
// footprints, once the footprints are in.
void Index(FootprintSet::Impl& set) {
  CheckHasFootprints(set.table);
  set.tree = GEOSSTRtree_create_r(set.geos.get(), 10);
  for (std::size_t i = 0; i < set.geometries.size(); ++i)
    GEOSSTRtree_insert_r(set.geos.get(), set.tree, set.geometries[i].get(),
                         reinterpret_cast<void*>(static_cast<std::uintptr_t>(i + 1)));
  set.hull = Hull(set.geos, set.geometries);
  set.table.hullRings = RingsOf(set.geos, set.hull.get());
  GroupOverlapping(set.table, Overlapping(set),
                   [&](const std::vector<std::size_t>& members) { return set.Union(members); });
}

}  // namespace

std::vector<Ring> RingsOf(const GeosContext& geos, const GEOSGeometry* g) {
  const Context c = geos.get();
  std::vector<Ring> rings;
  const int type = GEOSGeomTypeId_r(c, g);
  if (type == GEOS_MULTIPOLYGON || type == GEOS_GEOMETRYCOLLECTION) {
    for (int i = 0; i < GEOSGetNumGeometries_r(c, g); ++i) {
      std::vector<Ring> part = RingsOf(geos, GEOSGetGeometryN_r(c, g, i));
      rings.insert(rings.end(), part.begin(), part.end());
    }
  } else if (type == GEOS_POLYGON && GEOSisEmpty_r(c, g) == 0) {
    rings.push_back(ReadRing(c, GEOSGetExteriorRing_r(c, g), true));
    for (int i = 0; i < GEOSGetNumInteriorRings_r(c, g); ++i)
      rings.push_back(ReadRing(c, GEOSGetInteriorRingN_r(c, g, i), false));
  }
  return rings;
}

FootprintSet::Impl::~Impl() {
  if (tree) GEOSSTRtree_destroy_r(geos.get(), tree);
}

FootprintSet::FootprintSet(FootprintFile file, const std::string& crs, const std::string& fileName,
                           const std::atomic<bool>* cancel)
    : impl_(std::make_unique<Impl>(crs.empty() ? file.crs : crs, fileName, !crs.empty())) {
  Impl& set = *impl_;
  const GeosSteps stopping(cancel);
  set.table.notes = std::move(file.notes);
  OutlineTally tally;
  for (Footprint& f : file.footprints) {
    ThrowIfCancelled(cancel);
    Outline outline = Outline::Valid;
    Geometry g = ToGeometry(set.geos, f, outline);
    tally.repairs += outline == Outline::Repaired ? 1 : 0;
    if (!g) {
      (outline == Outline::TooTangled ? tally.tangled : tally.flat).push_back(f.id);
      continue;
    }
    AddFootprint(set, std::move(g), f.height, f.part, std::move(f.id));
  }
  NoteOutlines(set.table, tally);
  Index(set);
}

FootprintSet::FootprintSet(const StoredFootprints& stored)
    : impl_(std::make_unique<Impl>(stored.crs, stored.name, stored.crsFromOption)) {
  Impl& set = *impl_;
  set.table.notes = stored.notes;
  const Context c = set.geos.get();
  struct Reader {
    Context c;
    GEOSWKBReader* r = GEOSWKBReader_create_r(c);
    ~Reader() { GEOSWKBReader_destroy_r(c, r); }
  } reader{c};
  for (const StoredFootprint& f : stored.footprints) {
    Geometry g = set.geos.Own(
        GEOSWKBReader_read_r(c, reader.r, reinterpret_cast<const unsigned char*>(f.wkb.data()),
                             f.wkb.size()),
        "reading a stored footprint");
    AddFootprint(set, std::move(g), f.height, f.part, f.id);
  }
  Index(set);
}

StoredFootprints FootprintSet::Stored() const {
  const Impl& set = *impl_;
  const Context c = set.geos.get();
  StoredFootprints stored{set.table.name, set.crs, set.crsFromOption, set.table.notes, {}};
  GEOSWKBWriter* writer = GEOSWKBWriter_create_r(c);
  for (std::size_t i = 0; i < set.geometries.size(); ++i) {
    const FootprintShape& f = set.table.footprints[i];
    std::size_t size = 0;
    unsigned char* wkb = GEOSWKBWriter_write_r(c, writer, set.geometries[i].get(), &size);
    stored.footprints.push_back(
        {f.id, f.height, f.part, std::string(reinterpret_cast<const char*>(wkb), size)});
    GEOSFree_r(c, wkb);
  }
  GEOSWKBWriter_destroy_r(c, writer);
  return stored;
}

FootprintSet::~FootprintSet() = default;
FootprintSet::FootprintSet(FootprintSet&&) noexcept = default;
FootprintSet& FootprintSet::operator=(FootprintSet&&) noexcept = default;

std::size_t FootprintSet::size() const {
  return impl_->table.footprints.size();
}

const FootprintSet::Impl& FootprintSet::impl() const {
  return *impl_;
}

const std::vector<std::string>& FootprintSet::notes() const {
  return impl_->table.notes;
}

FootprintSet LoadFootprints(const std::filesystem::path& file, const ReadRules& rules,
                            const std::string& crs) {
  return FootprintSet(ReadFootprints(file, rules), crs, file.string(), rules.cancel);
}

}  // namespace ventora::site
