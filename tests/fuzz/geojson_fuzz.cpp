// The GeoJSON reader: any text is read or refused naming the file (see
// footprint_checks.h), and what it reads, written back as GeoJSON, reads
// back the same: identifiers, outlines, heights, parts and the reference
// system.

#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>

#include "footprint_checks.h"

namespace {

using nlohmann::json;
using namespace ventora::site;

json Written(const FootprintFile& file) {
  json features = json::array();
  for (const Footprint& f : file.footprints) {
    json polygons = json::array();
    for (const PolygonRings& p : f.polygons) {
      json rings = json::array();
      for (const Ring& r : p.rings) {
        json points = json::array();
        for (const XY& point : r)
          points.push_back({point.x, point.y});
        rings.push_back(points);
      }
      polygons.push_back(rings);
    }
    json properties = {{f.part ? "building:part" : "building", "yes"}};
    if (f.height) properties["height"] = *f.height;
    features.push_back({{"type", "Feature"},
                        {"id", f.id},
                        {"properties", properties},
                        {"geometry", {{"type", "MultiPolygon"}, {"coordinates", polygons}}}});
  }
  return {{"type", "FeatureCollection"},
          {"crs", {{"type", "name"}, {"properties", {{"name", file.crs}}}}},
          {"features", features}};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  FootprintFile file;
  if (!fuzz::ReadChecked(text, file)) return 0;
  if (file.crs.empty()) return 0;  // CityJSON without a reference system
  FootprintFile again;
  if (!fuzz::ReadChecked(Written(file).dump(), again)) std::abort();
  for (Footprint& f : file.footprints)
    f.joinPolygons = false;  // a CityJSON's faces, written as a multipolygon
  if (!fuzz::SameFootprints(file, again)) std::abort();
  return 0;
}
