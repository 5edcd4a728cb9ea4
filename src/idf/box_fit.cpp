#include "idf/box_fit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "core/ascii_case.h"
#include "idf/enclosing_rectangle.h"
#include "idf/fit_parts.h"
#include "idf/inward_walls.h"
#include "idf/opening_placement.h"
#include "idf/roof_fit.h"
#include "idf/single_sided.h"

namespace ventora::idf {
namespace {

using namespace fit;

Box FitWalls(const IdfFile& file, std::vector<Face>& walls) {
  Box box;
  const Face& largest =
      *std::max_element(walls.begin(), walls.end(), [](const Face& a, const Face& b) {
        return Length(AreaNormal(a.s->points)) < Length(AreaNormal(b.s->points));
      });
  box.base = std::fmod(largest.azimuth, 90.0);
  std::vector<std::string> bad;
  for (Face& w : walls) {
    const double tilt = std::abs(90.0 - w.tilt);
    const double k = std::round(AngleDiff(w.azimuth, box.base) / 90.0);
    const double off = std::abs(AngleDiff(w.azimuth, box.base + 90.0 * k));
    if (tilt > kAngleTolerance) {
      bad.push_back(Named(w, "leans " + Degrees(tilt) + " deg. from the vertical"));
    } else if (off > kAngleTolerance) {
      bad.push_back(Named(w, "faces " + Degrees(w.azimuth) + " deg., " + Degrees(off) +
                                 " deg. off the box's directions"));
    }
    w.group = static_cast<int>(Wrap360(90.0 * k) / 90.0 + 0.5) % 4;
  }
  if (!bad.empty()) Refuse(file, "walls turned against the others:", bad, kWaysOn);
  box.ground = walls.front().s->points.front().z;
  for (const Face& w : walls) {
    const Dir d = AzimuthDir(box.base + 90.0 * w.group);
    for (const Vec3& p : w.s->points) {
      box.ground = std::min(box.ground, p.z);
      const double o = Dot(p, d);
      box.plane[static_cast<std::size_t>(w.group)] =
          box.seen[static_cast<std::size_t>(w.group)]
              ? std::max(box.plane[static_cast<std::size_t>(w.group)], o)
              : o;
      box.seen[static_cast<std::size_t>(w.group)] = true;
    }
  }
  for (int g = 0; g < 4; ++g) {
    if (!box.seen[static_cast<std::size_t>(g)]) {
      Refuse(file, "no exterior wall faces " + Degrees(Wrap360(box.base + 90.0 * g)) + " deg.", {},
             kWaysOn);
    }
  }
  // Every wall must lie in its side's outer plane and inside the other three.
  for (const Face& w : walls) {
    double inside = 0;
    double beyond = 0;
    for (const Vec3& p : w.s->points) {
      for (int g = 0; g < 4; ++g) {
        const double o =
            Dot(p, AzimuthDir(box.base + 90.0 * g)) - box.plane[static_cast<std::size_t>(g)];
        if (g == w.group) inside = std::max(inside, -o);
        beyond = std::max(beyond, o);
      }
    }
    if (inside > kPlaneTolerance) {
      bad.push_back(Named(w, "stands " + Metres(inside) + " m inside the outline"));
    }
    box.deviation = std::max({box.deviation, inside, beyond});
  }
  if (!bad.empty()) Refuse(file, "walls off the outer rectangle:", bad, kWaysOn);
  return box;
}

// The smallest rectangle round the walls on plan; each wall belongs to the
// side whose direction is nearest its own.
Box EnclosingBox(const IdfFile& file, std::vector<Face>& walls) {
  std::vector<PlanPoint> plan;
  std::vector<std::string> bad;
  for (const Face& w : walls) {
    const double tilt = std::abs(90.0 - w.tilt);
    if (tilt > kAngleTolerance)
      bad.push_back(Named(w, "leans " + Degrees(tilt) + " deg. from the vertical"));
    for (const Vec3& p : w.s->points)
      plan.push_back({p.x, p.y});
  }
  if (!bad.empty()) Refuse(file, "walls that lean:", bad);
  const PlanRectangle rectangle = SmallestEnclosingRectangle(plan);
  if (rectangle.area < 1e-3)
    throw IdfError(file.path +
                   ": the exterior walls enclose no area on plan (they stand in a line)");
  Box box;
  box.base = rectangle.azimuth;
  box.ground = walls.front().s->points.front().z;
  for (Face& w : walls) {
    w.group = GroupOf(box.base, w.azimuth);
    for (const Vec3& p : w.s->points)
      box.ground = std::min(box.ground, p.z);
  }
  for (std::size_t g = 0; g < 4; ++g) {
    const Dir d = AzimuthDir(box.base + 90.0 * static_cast<double>(g));
    box.plane[g] = Dot({plan.front().x, plan.front().y, 0}, d);
    for (const PlanPoint& p : plan)
      box.plane[g] = std::max(box.plane[g], Dot({p.x, p.y, 0}, d));
    box.seen[g] = true;
  }
  return box;
}

// The group that becomes wall 4 (AzB = its azimuth).
int ChooseWall4(const Box& box, const Roof& roof) {
  std::vector<int> choices;
  if (roof.Islope == 1) {
    choices = roof.slopeGroups;  // the roof falls towards wall 4
  } else if (roof.Islope == 2) {
    choices = roof.slopeGroups;
  } else {
    // Flat: walls 1 and 3 are the longer pair.
    const double along0 = box.plane[0] + box.plane[2];
    const double along1 = box.plane[1] + box.plane[3];
    if (along0 >= along1 - 1e-9) choices.insert(choices.end(), {0, 2});
    if (along1 >= along0 - 1e-9) choices.insert(choices.end(), {1, 3});
  }
  return *std::min_element(choices.begin(), choices.end(), [&](int a, int b) {
    return Wrap360(box.base + 90.0 * a) < Wrap360(box.base + 90.0 * b);
  });
}

void CheckZones(const IdfFile& file, const IdfGeometry& geometry, const FitOptions& options) {
  for (const std::string& z : options.zones) {
    if (std::any_of(geometry.zones.begin(), geometry.zones.end(),
                    [&](const std::string& known) { return SameIgnoringCase(z, known); }))
      continue;
    std::string known;
    for (const std::string& name : geometry.zones)
      known += (known.empty() ? "'" : ", '") + name + "'";
    throw IdfError(file.path + ": --zones names '" + z + "', which is no zone of the model (" +
                   (known.empty() ? "it has none" : "its zones: " + known) + ")");
  }
}

// Roof surfaces whose centroid lies beyond the box on plan (over a wing
// outside the zones fitted) are taken out; their names, quoted.
std::string LeaveOutRoofsBeyond(const Box& box, std::vector<Face>& roofs) {
  std::string left;
  std::erase_if(roofs, [&](const Face& f) {
    const Vec3 c = Centroid(f.s->points);
    for (int g = 0; g < 4; ++g) {
      if (Dot(c, AzimuthDir(box.base + 90.0 * g)) >
          box.plane[static_cast<std::size_t>(g)] + kPlaneTolerance) {
        left += (left.empty() ? "'" : ", '") + f.s->name + "'";
        return true;
      }
    }
    return false;
  });
  return left;
}

// What the fit assumed, one line each.
void AddNotes(BoxFit& fit, const IdfGeometry& geometry, const FitOptions& options, const Box& box,
              const Roof& roof) {
  fit.notes.push_back(
      geometry.worldCoordinates
          ? "World coordinates: Building North Axis and zone origins are not applied, as in "
            "EnergyPlus"
          : "Relative coordinates: zone origins, zone relative norths and Building North Axis " +
                Degrees(geometry.northAxis) + " deg. applied");
  if (!options.zones.empty()) {
    std::string named;
    for (const std::string& z : options.zones)
      named += (named.empty() ? "'" : ", '") + z + "'";
    fit.notes.push_back("the rectangle is fitted to the exterior walls of the zones " + named +
                        " only (--zones)");
  }
  if (options.mode == FitMode::Enclosing) {
    fit.notes.push_back(
        "the building is the smallest-area rectangle round the plan of its "
        "exterior walls (--fit=enclosing); each opening goes to the facade its "
        "wall faces nearest, its centroid projected onto it; walls set back more "
        "than " +
        Metres(kSetBackLimit) + " m are marked");
  }
  fit.notes.push_back("ground at z = " + Metres(box.ground) + " m (the lowest exterior wall)");
  if (roof.Islope != 0) {
    fit.notes.push_back("Bdz is the eaves height (the roof's lowest edge); the roof's top is " +
                        Metres(roof.top - box.ground) + " m");
  }
  if (!roof.reading.empty()) fit.notes.push_back(roof.reading);
  fit.notes.push_back(
      roof.Islope == 0   ? "flat roof: walls 1 and 3 are the longer pair; of the two numberings "
                           "that allows, the one with the smaller AzB"
      : roof.Islope == 1 ? "single slope: the roof falls towards wall 4 and rises along X to wall "
                           "2, so walls 1 and 3 carry its sloping edges"
                         : "double slope: the ridge runs across the middle of BdX, so walls 1 "
                           "and 3 carry the gables");
  if (options.mode == FitMode::Box) {
    fit.notes.push_back(std::string(box.deviation > 0.001 ? "warning: " : "") +
                        "the walls lie within " + Metres(box.deviation) +
                        " m of the fitted rectangle (accepted: " + Metres(kPlaneTolerance) +
                        " m, " + Degrees(kAngleTolerance) + " deg.)");
  }
}

// EnergyPlus takes one airflow surface per surface; a second would be kept
// with the first's Cp and its own external node.
void RefuseRepeatedAirflowSurfaces(const IdfFile& file) {
  std::map<std::string, const IdfObject*> first;
  for (const IdfObject* afn : file.All("AirflowNetwork:MultiZone:Surface")) {
    const auto [at, isNew] = first.emplace(AsciiLower(afn->Name()), afn);
    if (isNew) continue;
    throw IdfError(file.Where(*afn) + ": names the same surface as line " +
                   std::to_string(at->second->line) +
                   ", where an AirflowNetwork:MultiZone:Surface already names it; EnergyPlus "
                   "takes one airflow surface per surface: remove one of the two");
  }
}

// Every exterior airflow opening as an element, facade by facade.
void PlaceOpenings(const IdfFile& file, const IdfGeometry& geometry, const Frame& fr,
                   const FitOptions& options, BoxFit& fit) {
  Job& job = fit.job;
  std::vector<std::string> bad;
  std::array<std::vector<FittedOpening>, kFacadeCount + 1> byFacade;
  const std::vector<std::string> singleSided = AdvancedSingleSidedZones(file);
  for (const IdfObject* afn : file.All("AirflowNetwork:MultiZone:Surface")) {
    const IdfSurface* s = geometry.Find(afn->Name());
    if (s == nullptr) throw IdfError(file.Where(*afn) + ": names no detailed surface of the model");
    if (!s->outdoors) {
      ++fit.interiorSurfaces;
      continue;
    }
    const IdfSurface* host = s->kind == SurfaceKind::Opening ? geometry.Find(s->base) : s;
    Placement p;
    if (std::string why = PlaceOpening(file, fr, options, *afn, *s, *host, p); !why.empty()) {
      bad.push_back(why);
      continue;
    }
    auto& list = byFacade[static_cast<std::size_t>(p.facade)];
    if (list.size() >= static_cast<std::size_t>(kMaxElements)) {
      throw IdfError(file.path + ": more than " + std::to_string(kMaxElements) +
                     " airflow openings on facade " + std::to_string(p.facade));
    }
    p.opening.airflowSurface = afn;
    p.opening.surface = s->name;
    for (const std::string& zone : singleSided) {
      if (!SameIgnoringCase(zone, host->zone)) continue;
      p.opening.singleSidedZone = zone;
      p.opening.remarks.push_back(AdvancedSingleSidedRemark(zone));
    }
    p.opening.facade = p.facade;
    p.opening.element = static_cast<int>(list.size()) + 1;
    list.push_back(p.opening);
    job.ElmX[static_cast<std::size_t>(p.facade)][list.size()] = static_cast<float>(p.x);
    job.ElmZ[static_cast<std::size_t>(p.facade)][list.size()] = static_cast<float>(p.z);
  }
  if (!bad.empty()) {
    std::string text;
    for (const std::string& b : bad)
      text += (text.empty() ? "" : "\n") + b;
    throw IdfError(text);
  }
  for (int f = 1; f <= kFacadeCount; ++f) {
    job.ElmCount[static_cast<std::size_t>(f)] =
        static_cast<std::int16_t>(byFacade[static_cast<std::size_t>(f)].size());
    fit.openings.insert(fit.openings.end(), byFacade[static_cast<std::size_t>(f)].begin(),
                        byFacade[static_cast<std::size_t>(f)].end());
  }
  if (fit.openings.empty()) {
    throw IdfError(file.path +
                   ": no AirflowNetwork:MultiZone:Surface lies on an exterior wall or roof");
  }
}

}  // namespace

BoxFit FitBox(const IdfFile& file, const IdfGeometry& geometry, const FitOptions& options) {
  CheckZones(file, geometry, options);
  RefuseRepeatedAirflowSurfaces(file);
  RefuseInwardWalls(file, geometry);
  std::vector<Face> walls;
  std::vector<Face> roofs;
  for (const IdfSurface& s : geometry.surfaces) {
    if (!s.outdoors) continue;
    if (s.kind == SurfaceKind::Wall && InZones(options, s.zone)) walls.push_back(MakeFace(s));
    if (s.kind == SurfaceKind::Roof) roofs.push_back(MakeFace(s));
  }
  if (walls.empty()) {
    if (options.zones.empty())
      throw IdfError(file.path + ": the model has no wall with the outside boundary Outdoors");
    throw IdfError(file.path +
                   ": the zones named by --zones have no wall with the outside "
                   "boundary Outdoors");
  }
  Frame fr;
  fr.mode = options.mode;
  fr.box = options.mode == FitMode::Enclosing ? EnclosingBox(file, walls) : FitWalls(file, walls);
  Box& box = fr.box;
  double wallTop = box.ground;
  for (const Face& w : walls)
    for (const Vec3& p : w.s->points)
      wallTop = std::max(wallTop, p.z);
  BoxFit fit;
  if (!options.zones.empty()) {
    // Only the roof over the fitted walls shapes the box.
    if (const std::string left = LeaveOutRoofsBeyond(box, roofs); !left.empty())
      fit.notes.push_back(
          "roof surfaces beyond the fitted walls' plan, left out of the roof's "
          "shape: " +
          left);
  }
  const Roof roof = FitRoof(file, box, roofs, wallTop);

  fr.g4 = ChooseWall4(box, roof);
  Job& job = fit.job;
  job.AzB = static_cast<float>(Wrap360(box.base + 90.0 * fr.g4));
  const auto extent = [&](int g) {
    return box.plane[static_cast<std::size_t>(g % 4)] +
           box.plane[static_cast<std::size_t>((g + 2) % 4)];
  };
  fr.bdx = extent(fr.g4);
  fr.bdy = extent(fr.g4 + 1);
  fr.bdz = roof.eaves - box.ground;
  job.BdX = static_cast<float>(fr.bdx);
  job.BdY = static_cast<float>(fr.bdy);
  job.Bdz = static_cast<float>(fr.bdz);
  job.Islope = roof.Islope;
  job.Phi = static_cast<float>(roof.Phi);
  // The box's centre on the ground plan.
  const Dir d0 = AzimuthDir(box.base);
  const Dir d1 = AzimuthDir(box.base + 90.0);
  const double c0 = (box.plane[0] - box.plane[2]) / 2;
  const double c1 = (box.plane[1] - box.plane[3]) / 2;
  fr.centre = {d0.x * c0 + d1.x * c1, d0.y * c0 + d1.y * c1, 0};

  AddNotes(fit, geometry, options, box, roof);
  for (int i = 1; i <= 4; ++i)
    fr.facadeOfGroup[static_cast<std::size_t>(fr.GroupOfFacade(i))] = i;
  PlaceOpenings(file, geometry, fr, options, fit);
  return fit;
}

}  // namespace ventora::idf
