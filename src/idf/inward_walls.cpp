#include "idf/inward_walls.h"

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "core/ascii_case.h"
#include "idf/fit_parts.h"

namespace ventora::idf {
namespace {

// Far enough in front of a wall to clear its own plane, near enough to stay
// within the thinnest room.
constexpr double kStepOut = 0.1;  // m

// Even-odd test of (x, y) against the polygon's plan.
bool OnPlan(const std::vector<Vec3>& polygon, double x, double y) {
  bool inside = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const Vec3& a = polygon[i];
    const Vec3& b = polygon[j];
    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
  }
  return inside;
}

// Each zone's floors, roofs and ceilings: what lies flat, by zone name in
// lower case.
using ZonePlans = std::map<std::string, std::vector<const IdfSurface*>>;

ZonePlans FlatSurfaces(const IdfGeometry& geometry) {
  ZonePlans plans;
  for (const IdfSurface& s : geometry.surfaces) {
    if (s.kind == SurfaceKind::Wall || s.kind == SurfaceKind::Opening) continue;
    const Vec3 n = AreaNormal(s.points);
    if (std::abs(n.z) >= 0.9 * Length(n)) plans[AsciiLower(s.zone)].push_back(&s);
  }
  return plans;
}

bool OnZonePlan(const std::vector<const IdfSurface*>& flat, double x, double y) {
  for (const IdfSurface* s : flat)
    if (OnPlan(s->points, x, y)) return true;
  return false;
}

// Whether the wall's outward normal points into its own zone: just in front
// of it lies the zone, just behind it does not. (A wall inside its zone's
// plan, both sides on it, is left to the fit.)
bool FacesIntoItsZone(const ZonePlans& plans, const IdfSurface& wall) {
  const auto flat = plans.find(AsciiLower(wall.zone));
  if (flat == plans.end()) return false;
  const Vec3 n = AreaNormal(wall.points);
  const double horizontal = std::hypot(n.x, n.y);
  if (horizontal < 1e-9) return false;
  const Vec3 c = Centroid(wall.points);
  const double dx = kStepOut * n.x / horizontal;
  const double dy = kStepOut * n.y / horizontal;
  return OnZonePlan(flat->second, c.x + dx, c.y + dy) &&
         !OnZonePlan(flat->second, c.x - dx, c.y - dy);
}

}  // namespace

void RefuseInwardWalls(const IdfFile& file, const IdfGeometry& geometry) {
  const ZonePlans plans = FlatSurfaces(geometry);
  std::string named;
  for (const IdfSurface& s : geometry.surfaces) {
    if (s.kind != SurfaceKind::Wall || !s.outdoors || !FacesIntoItsZone(plans, s)) continue;
    const fit::Face face = fit::MakeFace(s);
    named += "\n  " + file.Where(*s.object) + " faces " + fit::Degrees(face.azimuth) +
             " deg., into its zone '" + s.zone + "'";
  }
  if (named.empty()) return;
  throw IdfError(file.path +
                 ": exterior walls face inward, their vertices the wrong way round: for "
                 "EnergyPlus too their outside faces the building's inside, and their openings "
                 "would go to the opposite facade:" +
                 named +
                 "\n  List the vertices of each the other way round (as GlobalGeometryRules' "
                 "Vertex Entry Direction says, seen from outside) and run again.");
}

}  // namespace ventora::idf
