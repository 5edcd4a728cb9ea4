#include "idf/box_fit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <sstream>

#include "core/ascii_case.h"
#include "core/parameter_limits.h"
#include "idf/enclosing_rectangle.h"

namespace ventora::idf {
namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

struct Dir {
  double x = 0;  // horizontal unit vector, x east, y north
  double y = 0;
};

Dir AzimuthDir(double az) {
  return {std::sin(az * kDeg), std::cos(az * kDeg)};
}

double Dot(const Vec3& p, const Dir& d) {
  return p.x * d.x + p.y * d.y;
}

double Wrap360(double a) {
  a = std::fmod(a, 360.0);
  return a < 0 ? a + 360.0 : a;
}

// Signed difference a - b folded into (-180, 180].
double AngleDiff(double a, double b) {
  double d = Wrap360(a - b);
  return d > 180 ? d - 360 : d;
}

std::string Metres(double v) {
  std::ostringstream s;
  s.precision(3);
  s << std::fixed << v;
  return s.str();
}

std::string Degrees(double v) {
  std::ostringstream s;
  s.precision(1);
  s << std::fixed << v;
  return s.str();
}

struct Face {
  const IdfSurface* s = nullptr;
  Vec3 normal;  // unit
  double azimuth = 0;
  double tilt = 0;  // degrees from up (roofs) or from vertical (walls)
  int group = -1;   // 0..3: azimuth base + 90 * group
};

Face MakeFace(const IdfSurface& s) {
  Vec3 n = AreaNormal(s.points);
  const double len = Length(n);
  n = {n.x / len, n.y / len, n.z / len};
  Face f{&s, n, Wrap360(std::atan2(n.x, n.y) / kDeg), 0, -1};
  f.tilt = std::acos(std::clamp(n.z, -1.0, 1.0)) / kDeg;
  return f;
}

constexpr const char* kWaysOn =
    "\n  Run again with --fit=enclosing (the smallest rectangle round the exterior walls) or "
    "--zones NAME,... (the rectangle of those zones' walls only).";

[[noreturn]] void Refuse(const IdfFile& file, const std::string& what,
                         const std::vector<std::string>& offenders, const char* hint = "") {
  std::string text = file.path + ": the building is not a rectangular box (within " +
                     Metres(kPlaneTolerance) + " m and " + Degrees(kAngleTolerance) +
                     " deg.): " + what;
  const std::size_t shown = std::min<std::size_t>(offenders.size(), 12);
  for (std::size_t i = 0; i < shown; ++i)
    text += "\n  " + offenders[i];
  if (offenders.size() > shown)
    text += "\n  and " + std::to_string(offenders.size() - shown) + " more";
  throw IdfError(text + hint);
}

std::string Named(const IdfFile&, const Face& f, const std::string& why) {
  const IdfObject& o = *f.s->object;
  return "line " + std::to_string(o.line) + ", " + o.type + " '" + o.Name() + "' " + why;
}

struct Box {
  double base = 0;                // azimuth of group 0, [0, 90)
  std::array<double, 4> plane{};  // outermost offset of each group's walls
  std::array<bool, 4> seen{};
  double ground = 0;
  double deviation = 0;  // largest tolerated distance off the box's planes
};

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
      bad.push_back(Named(file, w, "leans " + Degrees(tilt) + " deg. from the vertical"));
    } else if (off > kAngleTolerance) {
      bad.push_back(Named(file, w,
                          "faces " + Degrees(w.azimuth) + " deg., " + Degrees(off) +
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
      bad.push_back(Named(file, w, "stands " + Metres(inside) + " m inside the outline"));
    }
    box.deviation = std::max({box.deviation, inside, beyond});
  }
  if (!bad.empty()) Refuse(file, "walls off the outer rectangle:", bad, kWaysOn);
  return box;
}

// 0..3: the box direction (base + 90 * group) nearest `azimuth`.
int GroupOf(double base, double azimuth) {
  const double k = std::round(AngleDiff(azimuth, base) / 90.0);
  return static_cast<int>(Wrap360(90.0 * k) / 90.0 + 0.5) % 4;
}

// The smallest rectangle round the walls on plan; each wall belongs to the
// side whose direction is nearest its own.
Box EnclosingBox(const IdfFile& file, std::vector<Face>& walls) {
  std::vector<PlanPoint> plan;
  std::vector<std::string> bad;
  for (const Face& w : walls) {
    const double tilt = std::abs(90.0 - w.tilt);
    if (tilt > kAngleTolerance)
      bad.push_back(Named(file, w, "leans " + Degrees(tilt) + " deg. from the vertical"));
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

struct Roof {
  std::int16_t Islope = 0;
  double Phi = 0;
  std::vector<int> slopeGroups;  // groups the sloped parts face
  double eaves = 0;              // lowest roof edge, world z
  double top = 0;
  std::string reading;  // how a roof of more than two slopes was read
};

std::string Azimuths(const Box& box, const std::vector<int>& groups) {
  std::string text;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    text += (i == 0                   ? ""
             : i + 1 == groups.size() ? " and "
                                      : ", ") +
            Degrees(Wrap360(box.base + 90.0 * groups[i]));
  }
  return text + " deg.";
}

// A roof sloping to more than two opposite sides (a hip roof, or roofs
// crossing) is read as the pitched roof of its pair of opposite sides with
// the larger plan area, double or single as that pair has slopes; its other
// slopes are taken as part of it.
void ReadAsNearestRoof(const Box& box, const std::vector<Face>& roofs, Roof& r) {
  std::array<double, 4> plan{};
  double total = 0;
  for (const Face& f : roofs) {
    const double a = std::abs(AreaNormal(f.s->points).z) / 2;
    total += a;
    if (f.group >= 0) plan[static_cast<std::size_t>(f.group)] += a;
  }
  const int pair = plan[0] + plan[2] >= plan[1] + plan[3] ? 0 : 1;
  std::vector<int> kept;
  std::vector<int> others;
  for (int g : r.slopeGroups)
    (g % 2 == pair ? kept : others).push_back(g);
  std::sort(kept.begin(), kept.end());
  std::sort(others.begin(), others.end());
  double keptPlan = 0;
  for (int g : kept)
    keptPlan += plan[static_cast<std::size_t>(g)];
  r.reading =
      "the roof slopes to " + std::to_string(r.slopeGroups.size()) +
      " sides (a hip roof or roofs crossing): read as the nearest " +
      (kept.size() == 2 ? "double slope roof, falling to " : "single slope roof, falling to ") +
      Azimuths(box, kept) + " (" + Metres(keptPlan) + " m2 of its " + Metres(total) +
      " m2 on plan); its slopes to " + Azimuths(box, others) + " are taken as part of it";
  r.slopeGroups = kept;
}

bool Kept(const Roof& r, const Face& f) {
  return f.group < 0 ||
         std::find(r.slopeGroups.begin(), r.slopeGroups.end(), f.group) != r.slopeGroups.end();
}

Roof FitRoof(const IdfFile& file, const Box& box, std::vector<Face>& roofs, double wallTop) {
  Roof r;
  if (roofs.empty()) {
    r.eaves = r.top = wallTop;
    return r;
  }
  std::vector<std::string> bad;
  r.eaves = r.top = roofs.front().s->points.front().z;
  for (Face& f : roofs) {
    for (const Vec3& p : f.s->points) {
      r.eaves = std::min(r.eaves, p.z);
      r.top = std::max(r.top, p.z);
    }
    if (f.tilt <= kAngleTolerance) continue;
    const double k = std::round(AngleDiff(f.azimuth, box.base) / 90.0);
    if (f.tilt >= 50 || std::abs(AngleDiff(f.azimuth, box.base + 90.0 * k)) > kAngleTolerance) {
      bad.push_back(Named(
          file, f, "slopes " + Degrees(f.tilt) + " deg. towards " + Degrees(f.azimuth) + " deg."));
      continue;
    }
    f.group = static_cast<int>(Wrap360(90.0 * k) / 90.0 + 0.5) % 4;
    if (std::find(r.slopeGroups.begin(), r.slopeGroups.end(), f.group) == r.slopeGroups.end())
      r.slopeGroups.push_back(f.group);
    r.Phi = std::max(r.Phi, f.tilt);
  }
  if (!bad.empty())
    Refuse(file, "roof surfaces that fit no flat, single or double slope roof:", bad);
  const bool twoOpposite =
      r.slopeGroups.size() == 2 && (r.slopeGroups[0] + 2) % 4 == r.slopeGroups[1];
  if (r.slopeGroups.size() > 2 || (r.slopeGroups.size() == 2 && !twoOpposite))
    ReadAsNearestRoof(box, roofs, r);
  r.Islope = static_cast<std::int16_t>(r.slopeGroups.size());
  r.Phi = 0;
  for (const Face& f : roofs)
    if (f.group >= 0 && Kept(r, f)) r.Phi = std::max(r.Phi, f.tilt);
  for (const Face& f : roofs) {
    const double tilt = r.Islope == 0 ? 0 : r.Phi;
    if (!Kept(r, f)) continue;
    if (std::abs(f.tilt - tilt) > kAngleTolerance) {
      bad.push_back(Named(file, f, "is tilted " + Degrees(f.tilt) + " deg."));
    } else if (r.Islope == 0 && std::abs(f.s->points.front().z - r.top) > kPlaneTolerance) {
      bad.push_back(
          Named(file, f, "lies " + Metres(r.top - f.s->points.front().z) + " m below the top"));
    }
  }
  if (!bad.empty()) Refuse(file, "roof surfaces at different tilts or heights:", bad);
  if (r.Islope == 0) r.Phi = 0;
  return r;
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

bool InZones(const FitOptions& options, const std::string& zone) {
  if (options.zones.empty()) return true;
  return std::any_of(options.zones.begin(), options.zones.end(),
                     [&](const std::string& z) { return SameIgnoringCase(z, zone); });
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

// The fitted box in world terms, for placing the openings.
struct Frame {
  Box box;
  int g4 = 0;  // the group that is wall 4
  double bdx = 0;
  double bdy = 0;
  double bdz = 0;
  Vec3 centre;  // of the box on plan
  std::array<int, 4> facadeOfGroup{};
  FitMode mode = FitMode::Box;

  int GroupOfFacade(int wall) const { return (g4 + 4 - wall) % 4; }
};

struct Placement {
  int facade = 0;
  double x = 0;
  double z = 0;  // Y on the roof
  double length = 0;
  double height = 0;
  FittedOpening opening;
};

// Walls: the facade its wall faces nearest; the roof: the roof's plan.
Placement Project(const IdfFile& file, const Frame& fr, const IdfObject& afn, const IdfSurface& s,
                  const IdfSurface& host) {
  Placement p;
  const Vec3 c = Centroid(s.points);
  const Vec3 rel{c.x - fr.centre.x, c.y - fr.centre.y, 0};
  if (host.kind == SurfaceKind::Roof) {
    const Dir n1 = AzimuthDir(fr.box.base + 90.0 * fr.GroupOfFacade(1));
    const Dir r1{-n1.y, n1.x};
    p.facade = FacadeIndex(Facade::Roof);
    p.length = fr.bdx;
    p.height = fr.bdy;
    p.x = Dot(rel, r1) + fr.bdx / 2;
    p.z = fr.bdy / 2 - Dot(rel, n1);
    return p;
  }
  if (host.kind != SurfaceKind::Wall) {
    throw IdfError(file.Where(afn) + ": its surface '" + s.name +
                   "' is not on an exterior wall or roof");
  }
  const Face f = MakeFace(host);
  const int g = GroupOf(fr.box.base, f.azimuth);
  const double facing = Wrap360(fr.box.base + 90.0 * g);
  const Dir n = AzimuthDir(facing);
  const Dir r{-n.y, n.x};  // to the right of someone facing the wall from outside
  p.facade = fr.facadeOfGroup[static_cast<std::size_t>(g)];
  p.length = AlongLength(AsFacade(p.facade)) ? fr.bdx : fr.bdy;
  p.height = fr.bdz;
  p.x = Dot(rel, r) + p.length / 2;
  p.z = c.z - fr.box.ground;
  p.opening.onWall = true;
  p.opening.setBack = fr.box.plane[static_cast<std::size_t>(g)] - Dot(c, n);
  const double off = std::abs(AngleDiff(f.azimuth, facing));
  if (off > kAngleTolerance) {
    p.opening.remarks.push_back(
        "its wall faces " + Degrees(f.azimuth) + " deg., " + Degrees(off) + " deg. off facade " +
        std::to_string(p.facade) + "'s " + Degrees(facing) + " deg." +
        (off >= 45 - 1e-6 ? ": between two facades, placed on the first of the two equally near"
                          : ": placed on the nearest facade"));
  }
  return p;
}

// Within the facade, or a message; an opening above the eaves on a wall (a
// gable) goes to the top of the wall band the wall model trusts, and in an
// enclosing fit or outside the zones fitted one beyond the facade's edge
// goes to that edge, each said.
std::string Bound(const IdfFile& file, const Frame& fr, const IdfObject& afn, bool fitted,
                  Placement& p) {
  const bool roof = p.facade == FacadeIndex(Facade::Roof);
  const bool strict = fr.mode == FitMode::Box && fitted;
  const double t = kPlaneTolerance;
  std::vector<std::string>& remarks = p.opening.remarks;
  if (!roof && p.z > p.height + t) {
    const double top = limits::kWallZHBand.high * p.height;
    remarks.push_back("on a gable above the eaves: its centroid stands at Z " + Metres(p.z) +
                      " m; placed at Z " + Metres(top) + " m, the top of the wall band (" +
                      Metres(limits::kWallZHBand.high) + " Bdz) the wall model trusts");
    p.z = top;
  }
  const bool outside = p.x < -t || p.x > p.length + t || p.z < -t || p.z > p.height + t;
  if (outside && (strict || (!roof && p.z < -t))) {
    return file.Where(afn) + ": its centroid falls at X " + Metres(p.x) + " m, " +
           (roof ? "Y " : "Z ") + Metres(p.z) + " m, outside facade " + std::to_string(p.facade) +
           " (" + Metres(p.length) + " x " + Metres(p.height) + " m)";
  }
  if (outside) {
    const double x = std::clamp(p.x, 0.0, p.length);
    const double z = std::clamp(p.z, 0.0, p.height);
    remarks.push_back("its centroid falls at X " + Metres(p.x) + " m, " + (roof ? "Y " : "Z ") +
                      Metres(p.z) + " m, beyond the facade: placed at its nearest edge");
    p.x = x;
    p.z = z;
  }
  p.x = std::clamp(p.x, 0.0, p.length);
  p.z = std::clamp(p.z, 0.0, p.height);
  return "";
}

}  // namespace

BoxFit FitBox(const IdfFile& file, const IdfGeometry& geometry, const FitOptions& options) {
  CheckZones(file, geometry, options);
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
    if (!left.empty())
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

  for (int i = 1; i <= 4; ++i)
    fr.facadeOfGroup[static_cast<std::size_t>(fr.GroupOfFacade(i))] = i;
  std::vector<std::string> bad;
  std::array<std::vector<FittedOpening>, kFacadeCount + 1> byFacade;
  for (const IdfObject* afn : file.All("AirflowNetwork:MultiZone:Surface")) {
    const IdfSurface* s = geometry.Find(afn->Name());
    if (s == nullptr) throw IdfError(file.Where(*afn) + ": names no detailed surface of the model");
    if (!s->outdoors) {
      ++fit.interiorSurfaces;
      continue;
    }
    const IdfSurface* host = s->kind == SurfaceKind::Opening ? geometry.Find(s->base) : s;
    Placement p = Project(file, fr, *afn, *s, *host);
    const bool fitted = InZones(options, host->zone);
    if (!fitted) {
      p.opening.remarks.insert(p.opening.remarks.begin(),
                               "of zone '" + host->zone + "', outside the zones fitted");
    }
    if (std::string why = Bound(file, fr, *afn, fitted, p); !why.empty()) {
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
  return fit;
}

}  // namespace ventora::idf
