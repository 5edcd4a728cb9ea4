// CityJSON: a Building's footprint is the ground its surfaces cover seen
// from above (the non-vertical surfaces of its most detailed geometry,
// with those of its BuildingParts); its height "measuredHeight", else its
// geometry's top minus bottom. Bridges, roads, water and terrain are left
// out.

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <string>

#include "json_readers.h"

namespace ventora::site {
namespace {

using nlohmann::json;

struct XYZ {
  double x, y, z;
};

std::vector<XYZ> ReadVertices(const json& root) {
  std::array<double, 3> scale{1, 1, 1}, translate{0, 0, 0};
  if (root.contains("transform")) {
    for (int i = 0; i < 3; ++i) {
      scale[i] = root["transform"].at("scale").at(i).get<double>();
      translate[i] = root["transform"].at("translate").at(i).get<double>();
    }
  }
  std::vector<XYZ> vertices;
  vertices.reserve(root.at("vertices").size());
  for (const json& v : root.at("vertices"))
    vertices.push_back({v.at(0).get<double>() * scale[0] + translate[0],
                        v.at(1).get<double>() * scale[1] + translate[1],
                        v.at(2).get<double>() * scale[2] + translate[2]});
  return vertices;
}

// What one building gathers from its objects' geometry.
struct Gathered {
  Footprint footprint;
  double bottom = std::numeric_limits<double>::infinity();
  double top = -std::numeric_limits<double>::infinity();
};

// A surface seen from above, when it is not a wall (Newell's normal).
void AddSurface(const json& surface, const std::vector<XYZ>& vertices, Gathered& out) {
  PolygonRings polygon;
  double nx = 0, ny = 0, nz = 0;
  for (std::size_t r = 0; r < surface.size(); ++r) {
    Ring ring;
    const json& indices = surface[r];
    for (std::size_t i = 0; i < indices.size(); ++i) {
      const XYZ& a = vertices.at(indices[i].get<std::size_t>());
      const XYZ& b = vertices.at(indices[(i + 1) % indices.size()].get<std::size_t>());
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
// shells nest them deeper.
void AddBoundaries(const json& boundaries, const std::vector<XYZ>& vertices, Gathered& out) {
  if (!boundaries.is_array() || boundaries.empty()) return;
  const json& first = boundaries[0];
  if (first.is_array() && !first.empty() && first[0].is_number()) {
    AddSurface(boundaries, vertices, out);
    return;
  }
  for (const json& child : boundaries)
    AddBoundaries(child, vertices, out);
}

double LodOf(const json& geometry) {
  const json lod = geometry.value("lod", json(0));
  if (lod.is_number()) return lod.get<double>();
  if (lod.is_string()) return std::atof(lod.get<std::string>().c_str());
  return 0;
}

void AddGeometry(const json& object, const std::vector<XYZ>& vertices, Gathered& out) {
  if (!object.contains("geometry")) return;
  double best = -1;
  for (const json& g : object["geometry"])
    if (g.contains("boundaries")) best = std::max(best, LodOf(g));
  for (const json& g : object["geometry"])
    if (g.contains("boundaries") && LodOf(g) == best) AddBoundaries(g["boundaries"], vertices, out);
}

std::optional<double> MeasuredHeight(const json& object) {
  if (!object.contains("attributes")) return std::nullopt;
  const json& attributes = object["attributes"];
  if (!attributes.contains("measuredHeight")) return std::nullopt;
  const json& h = attributes["measuredHeight"];
  double value = h.is_number()   ? h.get<double>()
                 : h.is_string() ? std::atof(h.get<std::string>().c_str())
                                 : 0;
  return value > 0 ? std::optional<double>(value) : std::nullopt;
}

// The Building a part belongs to, through its "parents".
std::string RootBuilding(const json& objects, std::string id) {
  for (int depth = 0; depth < 16; ++depth) {
    const json& object = objects.at(id);
    if (object.value("type", "") == "Building" || !object.contains("parents") ||
        object["parents"].empty())
      return id;
    id = object["parents"][0].get<std::string>();
  }
  return id;
}

}  // namespace

FootprintFile ReadCityJson(const json& root, const std::string& name) {
  FootprintFile result;
  if (root.contains("metadata") && root["metadata"].contains("referenceSystem"))
    result.crs = CrsFromName(root["metadata"]["referenceSystem"].get<std::string>());
  const std::vector<XYZ> vertices = ReadVertices(root);
  const json& objects = root.at("CityObjects");
  std::map<std::string, Gathered> buildings;
  int notBuildings = 0;
  for (const auto& [id, object] : objects.items()) {
    const std::string type = object.value("type", "");
    if (type != "Building" && type != "BuildingPart") {
      ++notBuildings;
      continue;
    }
    const std::string rootId = RootBuilding(objects, id);
    if (objects.at(rootId).value("type", "") != "Building") continue;
    Gathered& building = buildings[rootId];
    AddGeometry(object, vertices, building);
  }
  for (auto& [id, building] : buildings) {
    if (building.footprint.polygons.empty()) continue;
    building.footprint.joinPolygons = true;
    building.footprint.height = MeasuredHeight(objects.at(id));
    if (!building.footprint.height && building.top > building.bottom)
      building.footprint.height = building.top - building.bottom;
    result.footprints.push_back(std::move(building.footprint));
  }
  if (notBuildings > 0)
    result.notes.push_back(
        std::to_string(notBuildings) + " city objects of \"" + name +
        "\" that are not buildings (bridges, roads, water, terrain...) left out");
  return result;
}

}  // namespace ventora::site
