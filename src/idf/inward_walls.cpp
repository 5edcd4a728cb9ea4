#include "idf/inward_walls.h"

#include <cmath>
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

// Whether (x, y) lies on the plan of one of the zone's floors, roofs or
// ceilings.
bool OnZonePlan(const IdfGeometry& geometry, const std::string& zone, double x, double y) {
  for (const IdfSurface& s : geometry.surfaces) {
    if (s.kind == SurfaceKind::Wall || s.kind == SurfaceKind::Opening) continue;
    if (!SameIgnoringCase(s.zone, zone)) continue;
    const Vec3 n = AreaNormal(s.points);
    if (std::abs(n.z) < 0.9 * Length(n)) continue;  // not lying flat
    if (OnPlan(s.points, x, y)) return true;
  }
  return false;
}

// Whether the wall's outward normal points into its own zone: just in front
// of it lies the zone, just behind it does not. (A wall inside its zone's
// plan, both sides on it, is left to the fit.)
bool FacesIntoItsZone(const IdfGeometry& geometry, const IdfSurface& wall) {
  const Vec3 n = AreaNormal(wall.points);
  const double horizontal = std::hypot(n.x, n.y);
  if (horizontal < 1e-9) return false;
  const Vec3 c = Centroid(wall.points);
  const double dx = kStepOut * n.x / horizontal;
  const double dy = kStepOut * n.y / horizontal;
  return OnZonePlan(geometry, wall.zone, c.x + dx, c.y + dy) &&
         !OnZonePlan(geometry, wall.zone, c.x - dx, c.y - dy);
}

}  // namespace

void RefuseInwardWalls(const IdfFile& file, const IdfGeometry& geometry) {
  std::string named;
  for (const IdfSurface& s : geometry.surfaces) {
    if (s.kind != SurfaceKind::Wall || !s.outdoors || !FacesIntoItsZone(geometry, s)) continue;
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
