// GeoJSON (RFC 7946): lon/lat unless an old-style "crs" member names
// another system. Every polygon is a building unless its "building"
// property is "no"; a "building:part" without "building" is a part.

#include <optional>
#include <string>

#include "building_height.h"
#include "json_readers.h"

namespace ventora::site {
namespace {

using nlohmann::json;

// A feature that cannot be read; ReadGeoJson names it.
struct BadFeature {
  std::string why;
};

Ring ReadRing(const json& points) {
  Ring ring;
  ring.reserve(points.size());
  for (const json& p : points)
    ring.push_back({p.at(0).get<double>(), p.at(1).get<double>()});
  return ring;
}

PolygonRings ReadPolygon(const json& rings) {
  PolygonRings polygon;
  for (const json& r : rings)
    polygon.rings.push_back(ReadRing(r));
  return polygon;
}

// Collections within collections are allowed but rare; a limit keeps a
// hostile file from exhausting the stack.
constexpr int kDeepestCollection = 16;

void AddPolygons(const json& geometry, Footprint& footprint, int depth = 0) {
  if (!geometry.is_object()) return;
  const std::string type = geometry.value("type", "");
  if (type == "Polygon") {
    footprint.polygons.push_back(ReadPolygon(geometry.at("coordinates")));
  } else if (type == "MultiPolygon") {
    for (const json& p : geometry.at("coordinates"))
      footprint.polygons.push_back(ReadPolygon(p));
  } else if (type == "GeometryCollection") {
    if (depth == kDeepestCollection)
      throw BadFeature{"geometry collections nested more than " +
                       std::to_string(kDeepestCollection) + " deep"};
    for (const json& g : geometry.at("geometries"))
      AddPolygons(g, footprint, depth + 1);
  }
}

// A property as text, whether the file wrote it as a string or a number.
std::optional<std::string> TextProperty(const json& properties, const char* key) {
  if (!properties.is_object() || !properties.contains(key)) return std::nullopt;
  const json& value = properties[key];
  if (value.is_string()) return value.get<std::string>();
  if (value.is_number()) return value.dump();
  return std::nullopt;
}

// A tag from the properties, else from OpenStreetMap's "other_tags".
std::optional<std::string> Tag(const json& properties, const char* key) {
  if (auto value = TextProperty(properties, key)) return value;
  if (auto other = TextProperty(properties, "other_tags")) return OtherTag(*other, key);
  return std::nullopt;
}

// The feature's own id, else OpenStreetMap's as GDAL writes it.
std::string IdOf(const json& feature, const json& properties, std::size_t number) {
  if (feature.contains("id")) {
    const json& id = feature["id"];
    if (id.is_string()) return id.get<std::string>();
    if (id.is_number()) return id.dump();
  }
  for (const char* key : {"osm_id", "osm_way_id", "@id", "id"})
    if (auto id = TextProperty(properties, key)) return *id;
  return "#" + std::to_string(number);
}

}  // namespace

FootprintFile ReadGeoJson(const json& root, const std::string& name, const ReadRules& rules) {
  FootprintFile result;
  result.crs = "OGC:CRS84";
  if (root.contains("crs") && root["crs"].is_object()) {
    const json& crs = root["crs"];
    if (crs.contains("properties") && crs["properties"].contains("name"))
      result.crs = CrsFromName(crs["properties"]["name"].get<std::string>());
  }
  const json features = root["type"] == "Feature" ? json::array({root}) : root.at("features");
  int notBuildings = 0;
  std::size_t number = 0;
  for (const json& feature : features) {
    ++number;
    const auto where = [&] { return "\"" + name + "\", feature " + std::to_string(number); };
    try {
      if (!feature.is_object()) throw BadFeature{"not a JSON object"};
      const json properties = feature.value("properties", json::object());
      const std::optional<std::string> building = Tag(properties, "building");
      if (building == "no") {
        ++notBuildings;
        continue;
      }
      Footprint footprint;
      AddPolygons(feature.value("geometry", json()), footprint);
      if (footprint.polygons.empty()) continue;
      footprint.id = IdOf(feature, properties, number);
      footprint.part = !building && Tag(properties, "building:part").has_value();
      footprint.height = BuildingHeight(Tag(properties, "height"),
                                        Tag(properties, "building:levels"), rules.storeyHeight);
      result.footprints.push_back(std::move(footprint));
    } catch (const BadFeature& e) {
      throw SiteError(where() + ": " + e.why);
    } catch (const json::exception& e) {
      throw SiteError(where() + ": malformed (" + std::string(e.what()) + ")");
    }
  }
  if (notBuildings > 0)
    result.notes.push_back(std::to_string(notBuildings) + " features of \"" + name +
                           "\" marked building=no left out");
  return result;
}

}  // namespace ventora::site
