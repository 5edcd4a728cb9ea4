#pragma once
// What a footprint set holds: the table of plain values the surroundings
// are summed from, and beside it the footprints as valid GEOS geometries
// in the file's coordinates, their index and the outline of the data,
// which answer the table's geometric questions.

#include <string>
#include <vector>

#include "geos_handle.h"
#include "reference_system.h"
#include "site_values.h"
#include "surroundings.h"

namespace ventora::site {

struct FootprintSet::Impl final : FootprintGeometry {
  Impl(const std::string& crs, const std::string& fileName, bool crsFromOption)
      : crs(crs), crsFromOption(crsFromOption), system(crs, fileName, crsFromOption) {
    table.name = fileName;
  }
  ~Impl() override;

  bool Geographic() const override { return system.Geographic(); }
  LocalFrame FrameAt(XY site) const override { return system.FrameAt(site); }
  std::vector<std::size_t> Candidates(const Envelope& box) const override;
  bool Holds(std::size_t i, XY point) const override;
  XY InsidePoint(std::size_t i) const override;
  bool HullHolds(XY point) const override;
  std::vector<Ring> Union(const std::vector<std::size_t>& footprints) const override;

  FootprintTable table;
  std::string crs;  // as the system was made from it
  bool crsFromOption;
  GeosContext geos;
  ReferenceSystem system;
  std::vector<Geometry> geometries;  // each footprint's, Polygon or MultiPolygon, valid
  GEOSSTRtree* tree = nullptr;
  Geometry hull;  // the convex hull of all footprints
};

// The rings of a polygonal geometry, oriented as RingDiscArea wants them.
std::vector<Ring> RingsOf(const GeosContext& geos, const GEOSGeometry* g);

}  // namespace ventora::site
