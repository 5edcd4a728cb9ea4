#include "idf/idf_geometry.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <numbers>

#include "core/ascii_case.h"
#include "idf/idf_objects.h"

namespace ventora::idf {
namespace {

constexpr std::array<const char*, 16> kSimplified{"Wall:Exterior",
                                                  "Wall:Adiabatic",
                                                  "Wall:Underground",
                                                  "Wall:Interzone",
                                                  "Roof",
                                                  "Ceiling:Adiabatic",
                                                  "Ceiling:Interzone",
                                                  "Floor:GroundContact",
                                                  "Floor:Adiabatic",
                                                  "Floor:Interzone",
                                                  "Window",
                                                  "Door",
                                                  "GlazedDoor",
                                                  "Window:Interzone",
                                                  "Door:Interzone",
                                                  "GlazedDoor:Interzone"};

// The number in field i, `fallback` when blank. Throws IdfError otherwise.
double Number(const IdfFile& file, const IdfObject& o, std::size_t i, double fallback,
              const char* what) {
  const std::string& text = o.Field(i);
  if (text.empty() || SameIgnoringCase(text, "autocalculate")) return fallback;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(value)) {
    throw IdfError(file.Where(o) + ": " + what + " '" + text + "' is not a number");
  }
  return value;
}

struct ZonePlacement {
  double north = 0;
  Vec3 origin;
};

// Field positions of one detailed surface object in this version.
struct Layout {
  int type = -1;      // Surface Type, -1: fixed by the object
  int zone = -1;      // Zone Name
  int boundary = -1;  // Outside Boundary Condition
  int base = -1;      // Building Surface Name (openings)
  int count = 0;      // Number of Vertices; vertices follow
};

Layout LayoutOf(const IdfObject& o, bool space) {
  const int s = space ? 1 : 0;  // "Space Name" came after "Zone Name" in 9.6
  if (o.Is("BuildingSurface:Detailed")) return {1, 3, 4 + s, -1, 9 + s};
  if (o.Is("FenestrationSurface:Detailed")) return {1, -1, -1, 3, 8};
  return {-1, 2, 3 + s, -1, 8 + s};  // Wall:, RoofCeiling:, Floor:Detailed
}

SurfaceKind KindOf(const IdfObject& o, const std::string& type) {
  if (o.Is("FenestrationSurface:Detailed")) return SurfaceKind::Opening;
  if (o.Is("Wall:Detailed")) return SurfaceKind::Wall;
  if (o.Is("Floor:Detailed")) return SurfaceKind::Floor;
  const std::string t = AsciiLower(type);
  if (o.Is("RoofCeiling:Detailed")) return SurfaceKind::Roof;  // ceiling when not outdoors
  if (t == "wall") return SurfaceKind::Wall;
  if (t == "roof") return SurfaceKind::Roof;
  if (t == "floor") return SurfaceKind::Floor;
  return SurfaceKind::Ceiling;
}

Vec3 Rotate(const Vec3& p, double degrees) {
  // EnergyPlus turns clockwise seen from above by the angle given.
  const double a = -degrees * std::numbers::pi / 180.0;
  return {p.x * std::cos(a) - p.y * std::sin(a), p.x * std::sin(a) + p.y * std::cos(a), p.z};
}

void RefuseSimplified(const IdfFile& file) {
  std::string found;
  int count = 0;
  for (const char* type : kSimplified) {
    for (const IdfObject* o : file.All(type)) {
      if (++count <= 4) found += (found.empty() ? "" : "; ") + file.Where(*o);
    }
  }
  if (count == 0) return;
  throw IdfError(file.path + ": " + std::to_string(count) +
                 " surfaces are given in the simplified form (" + found +
                 (count > 4 ? "; ..." : "") +
                 "). Convert them to BuildingSurface:Detailed and FenestrationSurface:Detailed "
                 "(for example with EnergyPlus's own tools) and run again.");
}

double ReadVersion(const IdfFile& file) {
  const auto versions = file.All("Version");
  if (versions.empty()) {
    // Where a surface's fields lie depends on it (Space Name came in 9.6).
    throw IdfError(file.path +
                   ": no Version object, so the layout of the surfaces' fields is unknown; add "
                   "the version the model is written for (for example 'Version, 24.1;')");
  }
  const IdfObject& o = *versions.front();
  const std::string& text = o.Field(0);
  char* end = nullptr;
  const long major = std::strtol(text.c_str(), &end, 10);
  if (end == text.c_str()) throw IdfError(file.Where(o) + ": '" + text + "' is not a version");
  const long minor = *end == '.' ? std::strtol(end + 1, nullptr, 10) : 0;
  const double version = static_cast<double>(major) + static_cast<double>(minor) / 100.0;
  if (version < 9.0) {
    throw IdfError(file.Where(o) + ": version " + text +
                   " is older than 9.0, whose field layouts this reader knows; update the model "
                   "with EnergyPlus's IDFVersionUpdater first");
  }
  return version;
}

}  // namespace

double Length(const Vec3& v) {
  return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

Vec3 AreaNormal(const std::vector<Vec3>& p) {
  Vec3 n;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const Vec3& a = p[i];
    const Vec3& b = p[(i + 1) % p.size()];
    n.x += (a.y - b.y) * (a.z + b.z);
    n.y += (a.z - b.z) * (a.x + b.x);
    n.z += (a.x - b.x) * (a.y + b.y);
  }
  return n;
}

Vec3 Centroid(const std::vector<Vec3>& p) {
  // A fan of triangles from the first vertex, each weighted by its area
  // along the polygon's normal (so concave polygons come out right).
  const Vec3 n = AreaNormal(p);
  const double len = Length(n);
  Vec3 sum;
  double total = 0;
  for (std::size_t i = 1; i + 1 < p.size(); ++i) {
    const Vec3 a{p[i].x - p[0].x, p[i].y - p[0].y, p[i].z - p[0].z};
    const Vec3 b{p[i + 1].x - p[0].x, p[i + 1].y - p[0].y, p[i + 1].z - p[0].z};
    const Vec3 c{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    const double w = (c.x * n.x + c.y * n.y + c.z * n.z) / len;
    sum.x += w * (p[0].x + p[i].x + p[i + 1].x) / 3;
    sum.y += w * (p[0].y + p[i].y + p[i + 1].y) / 3;
    sum.z += w * (p[0].z + p[i].z + p[i + 1].z) / 3;
    total += w;
  }
  return {sum.x / total, sum.y / total, sum.z / total};
}

const IdfSurface* IdfGeometry::Find(const std::string& name) const {
  for (const IdfSurface& s : surfaces)
    if (SameIgnoringCase(s.name, name)) return &s;
  return nullptr;
}

IdfGeometry ReadGeometry(const IdfFile& file) {
  RefuseSimplified(file);
  IdfGeometry g;
  g.version = ReadVersion(file);
  CheckObjects(file, g.version);
  const bool space = g.version >= 9.06;  // "Space Name" since 9.6
  for (const IdfObject* o : file.All("Building")) {
    g.northAxis = Number(file, *o, 1, 0, "North Axis");
    g.terrain = o->Field(2).empty() ? "Suburbs" : o->Field(2);
  }
  if (g.terrain.empty()) g.terrain = "Suburbs";
  double appendixG = 0;
  for (const IdfObject* o : file.All("Compliance:Building"))
    appendixG = Number(file, *o, 0, 0, "Building Rotation for Appendix G");
  // The object replaces the terrain's profile, its blank fields by EnergyPlus's defaults.
  for (const IdfObject* o : file.All("Site:HeightVariation")) {
    g.windExponent = Number(file, *o, 0, 0.22, "Wind Speed Profile Exponent");
    g.boundaryLayer = Number(file, *o, 1, 370, "Wind Speed Profile Boundary Layer Thickness");
  }
  bool clockwise = false;
  g.worldCoordinates = false;  // EnergyPlus's default is Relative
  for (const IdfObject* o : file.All("GlobalGeometryRules")) {
    clockwise = SameIgnoringCase(o->Field(1), "ClockWise");
    g.worldCoordinates =
        SameIgnoringCase(o->Field(2), "World") || SameIgnoringCase(o->Field(2), "Absolute");
  }
  std::map<std::string, ZonePlacement> zones;
  for (const IdfObject* o : file.All("Zone")) {
    g.zones.push_back(o->Name());
    zones[AsciiLower(o->Name())] = {
        Number(file, *o, 1, 0, "Direction of Relative North"),
        {Number(file, *o, 2, 0, "X Origin"), Number(file, *o, 3, 0, "Y Origin"),
         Number(file, *o, 4, 0, "Z Origin")}};
  }
  std::map<std::string, std::string> zoneOf;  // surface -> zone, for openings
  for (const IdfObject& o : file.objects) {
    const bool opening = o.Is("FenestrationSurface:Detailed");
    if (!opening && !o.Is("BuildingSurface:Detailed") && !o.Is("Wall:Detailed") &&
        !o.Is("RoofCeiling:Detailed") && !o.Is("Floor:Detailed"))
      continue;
    const Layout l = LayoutOf(o, space);
    IdfSurface s;
    s.object = &o;
    s.name = o.Name();
    s.kind = KindOf(o, l.type >= 0 ? o.Field(static_cast<std::size_t>(l.type)) : "");
    if (l.boundary >= 0)
      s.outdoors = SameIgnoringCase(o.Field(static_cast<std::size_t>(l.boundary)), "Outdoors");
    if (s.kind == SurfaceKind::Roof && !s.outdoors) s.kind = SurfaceKind::Ceiling;
    std::string zone;
    if (opening) {
      s.base = o.Field(static_cast<std::size_t>(l.base));
      const auto base = zoneOf.find(AsciiLower(s.base));
      if (base == zoneOf.end()) {
        throw IdfError(file.Where(o) + ": its Building Surface Name '" + s.base +
                       "' is no detailed surface given before it");
      }
      zone = base->second;
    } else {
      zone = AsciiLower(o.Field(static_cast<std::size_t>(l.zone)));
      zoneOf[AsciiLower(s.name)] = zone;
    }
    const auto placement = zones.find(zone);
    if (placement == zones.end()) {
      throw IdfError(file.Where(o) + ": its zone '" +
                     (opening ? zone : o.Field(static_cast<std::size_t>(l.zone))) +
                     "' is not in the model");
    }
    for (const std::string& name : g.zones)
      if (AsciiLower(name) == zone) s.zone = name;
    const std::size_t first = static_cast<std::size_t>(l.count) + 1;
    const std::size_t given = o.fields.size() > first ? (o.fields.size() - first) / 3 : 0;
    if (o.fields.size() > first && (o.fields.size() - first) % 3 != 0) {
      throw IdfError(file.Where(o) + ": " + std::to_string(o.fields.size() - first) +
                     " vertex coordinates given, which is not three a vertex");
    }
    const double count = Number(file, o, static_cast<std::size_t>(l.count),
                                static_cast<double>(given), "Number of Vertices");
    if (given < 3) {
      throw IdfError(file.Where(o) + ": " + std::to_string(given) +
                     " vertices given where at least 3 are needed");
    }
    if (count != static_cast<double>(given)) {
      throw IdfError(file.Where(o) + ": Number of Vertices " +
                     o.Field(static_cast<std::size_t>(l.count)) + ", but " + std::to_string(given) +
                     " vertices given");
    }
    for (std::size_t v = 0; v < static_cast<std::size_t>(count); ++v) {
      Vec3 p{Number(file, o, first + 3 * v, 0, "a vertex coordinate"),
             Number(file, o, first + 3 * v + 1, 0, "a vertex coordinate"),
             Number(file, o, first + 3 * v + 2, 0, "a vertex coordinate")};
      if (g.worldCoordinates) {
        p = Rotate(p, appendixG);
      } else {
        const ZonePlacement& z = placement->second;
        p = Rotate(p, z.north);
        p = Rotate({p.x + z.origin.x, p.y + z.origin.y, p.z + z.origin.z}, g.northAxis + appendixG);
      }
      s.points.push_back(p);
    }
    if (clockwise) std::reverse(s.points.begin(), s.points.end());
    if (Length(AreaNormal(s.points)) < 1e-6)
      throw IdfError(file.Where(o) + ": the surface has no area");
    g.surfaces.push_back(std::move(s));
  }
  for (IdfSurface& s : g.surfaces) {
    if (s.kind != SurfaceKind::Opening) continue;
    const IdfSurface* base = g.Find(s.base);
    s.outdoors = base != nullptr && base->outdoors;
  }
  return g;
}

}  // namespace ventora::idf
