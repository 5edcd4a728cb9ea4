#pragma once
// What a footprint set holds: the footprints as valid GEOS geometries in
// the file's coordinates, their index, and the outline of the data.

#include <optional>
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
};

struct FootprintSet::Impl {
  Impl(const std::string& crs, const std::string& fileName, bool crsFromOption)
      : name(fileName), system(crs, fileName, crsFromOption) {}
  ~Impl();

  std::string name;
  GeosContext geos;
  ReferenceSystem system;
  std::vector<IndexedFootprint> footprints;
  GEOSSTRtree* tree = nullptr;
  Geometry hull;  // the convex hull of all footprints
  std::vector<std::string> notes;
};

}  // namespace ventora::site
