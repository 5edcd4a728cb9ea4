// GeoJSON (RFC 7946): lon/lat unless an old-style "crs" member names
// another system. Every polygon is a building unless its "building"
// property is "no"; a "building:part" without "building" is a part.

#include <optional>
#include <string>

#include "building_height.h"
#include "core/cancellation.h"
#include "json_readers.h"

namespace ventora::site {
namespace {

using nlohmann::json;

// A feature that cannot be read; ReadGeoJson names it.
struct BadFeature {
  std::string why;
};

BadFeature Malformed(const std::string& what) {
  return BadFeature{"malformed (" + what + ")"};
}

const json& ArrayOf(const json& value, const char* what) {
  if (!value.is_array()) throw Malformed(std::string(what) + " is not an array");
  return value;
}

Ring ReadRing(const json& points) {
  Ring ring;
  ring.reserve(ArrayOf(points, "a ring of its coordinates").size());
  for (const json& p : points) {
    if (!p.is_array() || p.size() < 2 || !p[0].is_number() || !p[1].is_number())
      throw Malformed("a point of its coordinates is not two numbers: " + p.dump().substr(0, 40));
    ring.push_back({p[0].get<double>(), p[1].get<double>()});
  }
  return ring;
}

PolygonRings ReadPolygon(const json& rings) {
  PolygonRings polygon;
  for (const json& r : ArrayOf(rings, "a polygon of its coordinates"))
    polygon.rings.push_back(ReadRing(r));
  return polygon;
}

const json& Member(const json& object, const char* key) {
  if (!object.contains(key)) throw Malformed("its geometry has no \"" + std::string(key) + "\"");
  return object[key];
}

// Collections within collections are allowed but rare; a limit keeps a
// hostile file from exhausting the stack.
constexpr int kDeepestCollection = 16;

void AddPolygons(const json& geometry, Footprint& footprint, int depth = 0) {
  if (!geometry.is_object()) return;
  const json& kind = geometry.contains("type") ? geometry["type"] : json();
  const std::string type = kind.is_string() ? kind.get<std::string>() : "";
  if (type == "Polygon") {
    footprint.polygons.push_back(ReadPolygon(Member(geometry, "coordinates")));
  } else if (type == "MultiPolygon") {
    for (const json& p : ArrayOf(Member(geometry, "coordinates"), "its coordinates"))
      footprint.polygons.push_back(ReadPolygon(p));
  } else if (type == "GeometryCollection") {
    if (depth == kDeepestCollection)
      throw BadFeature{"geometry collections nested more than " +
                       std::to_string(kDeepestCollection) + " deep"};
    for (const json& g : ArrayOf(Member(geometry, "geometries"), "its geometries"))
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

// The old-style "crs" member's name, when it has one.
std::optional<std::string> CrsMember(const json& root) {
  if (!root.contains("crs") || !root["crs"].is_object()) return std::nullopt;
  const json& crs = root["crs"];
  if (!crs.contains("properties") || !crs["properties"].is_object()) return std::nullopt;
  const json& properties = crs["properties"];
  if (!properties.contains("name") || !properties["name"].is_string()) return std::nullopt;
  return properties["name"].get<std::string>();
}

}  // namespace

FootprintFile ReadGeoJson(const json& root, const std::string& name, const ReadRules& rules) {
  FootprintFile result;
  result.crs = CrsFromName(CrsMember(root).value_or("OGC:CRS84"));
  const bool one = root["type"] == "Feature";
  if (!one && (!root.contains("features") || !root["features"].is_array()))
    throw SiteError("\"" + name + "\": malformed GeoJSON (its features are not an array)");
  const json& features = one ? root : root["features"];
  int notBuildings = 0;
  std::size_t number = 0;
  const auto read = [&](const json& feature) {
    ++number;
    ThrowIfCancelled(rules.cancel);
    const auto where = [&] { return "\"" + name + "\", feature " + std::to_string(number); };
    try {
      if (!feature.is_object()) throw BadFeature{"not a JSON object"};
      static const json kNone = json::object();
      const json& properties = feature.contains("properties") && feature["properties"].is_object()
                                   ? feature["properties"]
                                   : kNone;
      const std::optional<std::string> building = Tag(properties, "building");
      if (building == "no") {
        ++notBuildings;
        return;
      }
      Footprint footprint;
      if (feature.contains("geometry")) AddPolygons(feature["geometry"], footprint);
      if (footprint.polygons.empty()) return;
      footprint.id = IdOf(feature, properties, number);
      footprint.part = !building && Tag(properties, "building:part").has_value();
      footprint.height = BuildingHeight(Tag(properties, "height"),
                                        Tag(properties, "building:levels"), rules.storeyHeight);
      result.footprints.push_back(std::move(footprint));
    } catch (const BadFeature& e) {
      throw SiteError(where() + ": " + e.why);
    } catch (const json::exception& e) {
      throw SiteError(where() + ": malformed (" + JsonFault(e) + ")");
    }
  };
  if (one)
    read(root);
  else
    for (const json& feature : features)
      read(feature);
  KeepHeightsInRange(result, name);
  if (notBuildings > 0)
    result.notes.push_back(Counted(notBuildings, "feature", "features") + " of \"" + name +
                           "\" marked building=no left out");
  return result;
}

}  // namespace ventora::site
