// CityJSON: a Building's footprint is the ground its surfaces cover seen
// from above (the non-vertical surfaces of its most detailed geometry,
// with those of its BuildingParts); its height "measuredHeight", else its
// geometry's top minus bottom. Bridges, roads, water and terrain are left
// out.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <string>

#include "building_height.h"
#include "core/cancellation.h"
#include "json_readers.h"

namespace ventora::site {
namespace {

using nlohmann::json;

struct XYZ {
  double x, y, z;
};

// A city object or vertex that cannot be read; ReadCityJson names it.
struct BadObject {
  std::string why;
};

// Three numbers, or why not.
std::array<double, 3> Triple(const json& value, const std::string& what) {
  if (!value.is_array() || value.size() < 3 || !value[0].is_number() || !value[1].is_number() ||
      !value[2].is_number())
    throw BadObject{what + " is not three numbers"};
  return {value[0].get<double>(), value[1].get<double>(), value[2].get<double>()};
}

std::vector<XYZ> ReadVertices(const json& root) {
  std::array<double, 3> scale{1, 1, 1}, translate{0, 0, 0};
  if (root.contains("transform")) {
    const json& transform = root["transform"];
    if (!transform.is_object() || !transform.contains("scale") || !transform.contains("translate"))
      throw BadObject{"its transform has no scale and translate"};
    scale = Triple(transform["scale"], "the transform's scale");
    translate = Triple(transform["translate"], "the transform's translate");
  }
  if (!root.contains("vertices") || !root["vertices"].is_array())
    throw BadObject{"its vertices are not an array"};
  std::vector<XYZ> vertices;
  vertices.reserve(root["vertices"].size());
  for (const json& v : root["vertices"]) {
    const std::array<double, 3> n = Triple(v, "vertex " + std::to_string(vertices.size()));
    const XYZ p{n[0] * scale[0] + translate[0], n[1] * scale[1] + translate[1],
                n[2] * scale[2] + translate[2]};
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z))
      throw BadObject{"vertex " + std::to_string(vertices.size()) +
                      " is not a finite point (its numbers, scaled and translated)"};
    vertices.push_back(p);
  }
  return vertices;
}

// What one building gathers from its objects' geometry.
struct Gathered {
  Footprint footprint;
  double bottom = std::numeric_limits<double>::infinity();
  double top = -std::numeric_limits<double>::infinity();
};

const XYZ& Vertex(const json& index, const std::vector<XYZ>& vertices) {
  if (!index.is_number_unsigned() || index.get<std::uint64_t>() >= vertices.size())
    throw BadObject{"vertex number " + index.dump() + " is not one of the file's " +
                    std::to_string(vertices.size()) + " vertices"};
  return vertices[index.get<std::size_t>()];
}

// A surface seen from above, when it is not a wall (Newell's normal).
void AddSurface(const json& surface, const std::vector<XYZ>& vertices, Gathered& out) {
  PolygonRings polygon;
  double nx = 0, ny = 0, nz = 0;
  for (std::size_t r = 0; r < surface.size(); ++r) {
    Ring ring;
    const json& indices = surface[r];
    if (!indices.is_array()) throw BadObject{"a ring of its boundaries is not an array"};
    for (std::size_t i = 0; i < indices.size(); ++i) {
      const XYZ& a = Vertex(indices[i], vertices);
      const XYZ& b = Vertex(indices[(i + 1) % indices.size()], vertices);
      if (r == 0) {
        nx += (a.y - b.y) * (a.z + b.z);
        ny += (a.z - b.z) * (a.x + b.x);
        nz += (a.x - b.x) * (a.y + b.y);
      }
      out.bottom = std::min(out.bottom, a.z);
      out.top = std::max(out.top, a.z);
      ring.push_back({a.x, a.y});
    }
    if (!ring.empty()) ring.push_back(ring.front());
    polygon.rings.push_back(std::move(ring));
  }
  const double length = std::sqrt(nx * nx + ny * ny + nz * nz);
  if (length > 0 && std::abs(nz) > 0.01 * length)
    out.footprint.polygons.push_back(std::move(polygon));
}

// Surfaces are arrays of rings, rings arrays of vertex numbers; solids and
// shells nest them deeper, a composite solid deepest (four levels above
// the vertex numbers).
void AddBoundaries(const json& boundaries, const std::vector<XYZ>& vertices, Gathered& out,
                   int depth = 0) {
  if (!boundaries.is_array() || boundaries.empty()) return;
  if (depth > 4) throw BadObject{"its geometry's boundaries are nested deeper than CityJSON nests"};
  const json& first = boundaries[0];
  if (first.is_array() && !first.empty() && first[0].is_number()) {
    AddSurface(boundaries, vertices, out);
    return;
  }
  for (const json& child : boundaries)
    AddBoundaries(child, vertices, out, depth + 1);
}

double LodOf(const json& geometry) {
  const json lod = geometry.value("lod", json(0));
  if (lod.is_number()) return lod.get<double>();
  if (lod.is_string()) return std::atof(lod.get<std::string>().c_str());
  return 0;
}

void AddGeometry(const json& object, const std::vector<XYZ>& vertices, Gathered& out) {
  if (!object.contains("geometry")) return;
  if (!object["geometry"].is_array()) throw BadObject{"malformed (its geometry is not an array)"};
  double best = -1;
  for (const json& g : object["geometry"])
    if (g.is_object() && g.contains("boundaries")) best = std::max(best, LodOf(g));
  for (const json& g : object["geometry"])
    if (g.is_object() && g.contains("boundaries") && LodOf(g) == best)
      AddBoundaries(g["boundaries"], vertices, out);
}

std::optional<double> MeasuredHeight(const json& object) {
  if (!object.contains("attributes") || !object["attributes"].is_object()) return std::nullopt;
  const json& attributes = object["attributes"];
  if (!attributes.contains("measuredHeight")) return std::nullopt;
  const json& h = attributes["measuredHeight"];
  double value = h.is_number()   ? h.get<double>()
                 : h.is_string() ? std::atof(h.get<std::string>().c_str())
                                 : 0;
  return value > 0 && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

std::string TypeOf(const json& object) {
  return object.is_object() && object.contains("type") && object["type"].is_string()
             ? object["type"].get<std::string>()
             : "";
}

// The Building a part belongs to, through its "parents".
std::string RootBuilding(const json& objects, std::string id) {
  for (int depth = 0; depth < 16; ++depth) {
    const json& object = objects[id];
    if (TypeOf(object) == "Building" || !object.contains("parents")) return id;
    const json& parents = object["parents"];
    if (!parents.is_array() || parents.empty()) return id;
    if (!parents[0].is_string() || !objects.contains(parents[0].get<std::string>()))
      throw BadObject{"malformed (it names a parent that is not in the file: " +
                      parents[0].dump().substr(0, 40) + ")"};
    id = parents[0].get<std::string>();
  }
  return id;
}

}  // namespace

FootprintFile ReadCityJson(const json& root, const std::string& name, const ReadRules& rules) {
  FootprintFile result;
  if (root.contains("metadata") && root["metadata"].is_object() &&
      root["metadata"].contains("referenceSystem") &&
      root["metadata"]["referenceSystem"].is_string())
    result.crs = CrsFromName(root["metadata"]["referenceSystem"].get<std::string>());
  std::vector<XYZ> vertices;
  try {
    vertices = ReadVertices(root);
  } catch (const BadObject& e) {
    throw SiteError("\"" + name + "\": " + e.why);
  }
  if (!root.contains("CityObjects") || !root["CityObjects"].is_object())
    throw SiteError("\"" + name + "\": CityObjects is not a JSON object");
  const json& objects = root["CityObjects"];
  std::map<std::string, Gathered> buildings;
  int notBuildings = 0;
  for (const auto& [id, object] : objects.items()) {
    ThrowIfCancelled(rules.cancel);
    try {
      const std::string type = TypeOf(object);
      if (type != "Building" && type != "BuildingPart") {
        ++notBuildings;
        continue;
      }
      const std::string rootId = RootBuilding(objects, id);
      if (TypeOf(objects[rootId]) != "Building") continue;
      Gathered& building = buildings[rootId];
      AddGeometry(object, vertices, building);
    } catch (const BadObject& e) {
      throw SiteError("\"" + name + "\", city object \"" + id + "\": " + e.why);
    } catch (const nlohmann::json::exception& e) {
      throw SiteError("\"" + name + "\", city object \"" + id + "\": malformed (" + JsonFault(e) +
                      ")");
    }
  }
  for (auto& [id, building] : buildings) {
    if (building.footprint.polygons.empty()) continue;
    building.footprint.id = id;
    building.footprint.joinPolygons = true;
    building.footprint.height = MeasuredHeight(objects[id]);
    const double span = building.top - building.bottom;
    if (!building.footprint.height && span > 0 && std::isfinite(span))
      building.footprint.height = span;
    result.footprints.push_back(std::move(building.footprint));
  }
  KeepHeightsInRange(result, name);
  if (notBuildings > 0)
    result.notes.push_back(Counted(notBuildings, "city object", "city objects") + " of \"" + name +
                           "\" that " +
                           (notBuildings == 1 ? "is not a building" : "are not buildings") +
                           " (bridges, roads, water, terrain...) left out");
  return result;
}

}  // namespace ventora::site
