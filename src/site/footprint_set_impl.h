#pragma once
// What a footprint set holds: the footprints as valid GEOS geometries in
// the file's coordinates, their index, and the outline of the data.

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "geos_handle.h"
#include "reference_system.h"
#include "surroundings.h"

namespace ventora::site {

struct IndexedFootprint {
  Geometry geometry;  // Polygon or MultiPolygon, valid
  std::optional<double> height;
  bool part = false;
  std::vector<Ring> rings;  // outlines counter-clockwise, holes clockwise
  double area = 0;          // in the file's units
  Envelope box{};
  int cluster = -1;  // the footprints its ground overlaps, when any
  std::string id;
};

// Footprints whose ground overlaps (a building and its parts, overlapping
// outlines): their union counts in PAD, once.
struct Cluster {
  std::vector<std::size_t> members;
  std::vector<Ring> rings;  // of the members' union
};

struct FootprintSet::Impl {
  Impl(const std::string& crs, const std::string& fileName, bool crsFromOption)
      : name(fileName),
        crs(crs),
        crsFromOption(crsFromOption),
        system(crs, fileName, crsFromOption) {}
  ~Impl();

  std::string name;
  std::string crs;  // as the system was made from it
  bool crsFromOption;
  GeosContext geos;
  ReferenceSystem system;
  std::vector<IndexedFootprint> footprints;
  GEOSSTRtree* tree = nullptr;
  Geometry hull;  // the convex hull of all footprints
  std::vector<Ring> hullRings;
  std::vector<Cluster> clusters;
  std::vector<std::string> notes;
};

// The footprints whose boxes reach within `radius` m of the frame's site.
std::vector<std::size_t> Candidates(const FootprintSet::Impl& set, const LocalFrame& frame,
                                    double radius);

// The studied building among `near`: the footprints that hold the site
// point, and the parts that lie in them.
std::set<std::size_t> Studied(const FootprintSet::Impl& set, const std::vector<std::size_t>& near,
                              XY site);

// The rings of a polygonal geometry, oriented as RingDiscArea wants them.
std::vector<Ring> RingsOf(const GeosContext& geos, const GEOSGeometry* g);

}  // namespace ventora::site
