#include "idf/box_fit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <sstream>

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

[[noreturn]] void Refuse(const IdfFile& file, const std::string& what,
                         const std::vector<std::string>& offenders) {
  std::string text = file.path + ": the building is not a rectangular box (within " +
                     Metres(kPlaneTolerance) + " m and " + Degrees(kAngleTolerance) +
                     " deg.): " + what;
  const std::size_t shown = std::min<std::size_t>(offenders.size(), 12);
  for (std::size_t i = 0; i < shown; ++i)
    text += "\n  " + offenders[i];
  if (offenders.size() > shown)
    text += "\n  and " + std::to_string(offenders.size() - shown) + " more";
  throw IdfError(text);
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
  if (!bad.empty()) Refuse(file, "walls turned against the others:", bad);
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
      Refuse(file, "no exterior wall faces " + Degrees(Wrap360(box.base + 90.0 * g)) + " deg.", {});
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
  if (!bad.empty()) Refuse(file, "walls off the outer rectangle:", bad);
  return box;
}

struct Roof {
  std::int16_t Islope = 0;
  double Phi = 0;
  std::vector<int> slopeGroups;  // groups the sloped parts face
  double eaves = 0;              // lowest roof edge, world z
  double top = 0;
};

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
  if (r.slopeGroups.size() > 2 || (r.slopeGroups.size() == 2 && !twoOpposite)) {
    for (const Face& f : roofs)
      bad.push_back(Named(file, f, "slopes towards " + Degrees(f.azimuth) + " deg."));
    Refuse(file, "the roof slopes to more than two opposite sides (a hip roof):", bad);
  }
  r.Islope = static_cast<std::int16_t>(r.slopeGroups.size());
  for (const Face& f : roofs) {
    const double tilt = r.Islope == 0 ? 0 : r.Phi;
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

}  // namespace

BoxFit FitBox(const IdfFile& file, const IdfGeometry& geometry) {
  std::vector<Face> walls;
  std::vector<Face> roofs;
  for (const IdfSurface& s : geometry.surfaces) {
    if (!s.outdoors) continue;
    if (s.kind == SurfaceKind::Wall) walls.push_back(MakeFace(s));
    if (s.kind == SurfaceKind::Roof) roofs.push_back(MakeFace(s));
  }
  if (walls.empty())
    throw IdfError(file.path + ": the model has no wall with the outside boundary Outdoors");
  Box box = FitWalls(file, walls);
  double wallTop = box.ground;
  for (const Face& w : walls)
    for (const Vec3& p : w.s->points)
      wallTop = std::max(wallTop, p.z);
  const Roof roof = FitRoof(file, box, roofs, wallTop);

  const int g4 = ChooseWall4(box, roof);
  const auto groupOf = [&](int iface) {
    return (g4 + 4 - iface) % 4;
  };  // wall i faces AzB + (4-i)90
  BoxFit fit;
  Job& job = fit.job;
  job.AzB = static_cast<float>(Wrap360(box.base + 90.0 * g4));
  const auto extent = [&](int g) {
    return box.plane[static_cast<std::size_t>(g % 4)] +
           box.plane[static_cast<std::size_t>((g + 2) % 4)];
  };
  const double bdx = extent(g4);
  const double bdy = extent(g4 + 1);
  const double bdz = roof.eaves - box.ground;
  job.BdX = static_cast<float>(bdx);
  job.BdY = static_cast<float>(bdy);
  job.Bdz = static_cast<float>(bdz);
  job.Islope = roof.Islope;
  job.Phi = static_cast<float>(roof.Phi);
  // The box's centre on the ground plan.
  const Dir d0 = AzimuthDir(box.base);
  const Dir d1 = AzimuthDir(box.base + 90.0);
  const double c0 = (box.plane[0] - box.plane[2]) / 2;
  const double c1 = (box.plane[1] - box.plane[3]) / 2;
  const Vec3 centre{d0.x * c0 + d1.x * c1, d0.y * c0 + d1.y * c1, 0};

  fit.notes.push_back(
      geometry.worldCoordinates
          ? "World coordinates: Building North Axis and zone origins are not applied, as in "
            "EnergyPlus"
          : "Relative coordinates: zone origins, zone relative norths and Building North Axis " +
                Degrees(geometry.northAxis) + " deg. applied");
  fit.notes.push_back("ground at z = " + Metres(box.ground) + " m (the lowest exterior wall)");
  if (roof.Islope != 0) {
    fit.notes.push_back("Bdz is the eaves height (the roof's lowest edge); the roof's top is " +
                        Metres(roof.top - box.ground) + " m");
  }
  fit.notes.push_back(
      roof.Islope == 0   ? "flat roof: walls 1 and 3 are the longer pair; of the two numberings "
                           "that allows, the one with the smaller AzB"
      : roof.Islope == 1 ? "single slope: the roof falls towards wall 4 and rises along X to wall "
                           "2, so walls 1 and 3 carry its sloping edges"
                         : "double slope: the ridge runs across the middle of BdX, so walls 1 "
                           "and 3 carry the gables");
  fit.notes.push_back(std::string(box.deviation > 0.001 ? "warning: " : "") +
                      "the walls lie within " + Metres(box.deviation) +
                      " m of the fitted rectangle (accepted: " + Metres(kPlaneTolerance) + " m, " +
                      Degrees(kAngleTolerance) + " deg.)");

  std::array<int, kFacadeCount + 1> faceOfGroup{};
  for (int i = 1; i <= 4; ++i)
    faceOfGroup[static_cast<std::size_t>(groupOf(i))] = i;
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
    int facade = 0;
    if (host->kind == SurfaceKind::Roof) {
      facade = FacadeIndex(Facade::Roof);
    } else if (host->kind == SurfaceKind::Wall) {
      const Face f = MakeFace(*host);
      const double k = std::round(AngleDiff(f.azimuth, box.base) / 90.0);
      facade = faceOfGroup[static_cast<std::size_t>(
          static_cast<int>(Wrap360(90.0 * k) / 90.0 + 0.5) % 4)];
    } else {
      throw IdfError(file.Where(*afn) + ": its surface '" + s->name +
                     "' is not on an exterior wall or roof");
    }
    const Vec3 c = Centroid(s->points);
    const Vec3 rel{c.x - centre.x, c.y - centre.y, 0};
    double x = 0;
    double z = 0;
    double L = 0;
    double H = 0;
    if (facade == FacadeIndex(Facade::Roof)) {
      const Dir n1 = AzimuthDir(box.base + 90.0 * groupOf(1));
      const Dir r1{-n1.y, n1.x};
      L = bdx;
      H = bdy;
      x = Dot(rel, r1) + bdx / 2;
      z = bdy / 2 - Dot(rel, n1);
    } else {
      const Dir n = AzimuthDir(box.base + 90.0 * groupOf(facade));
      const Dir r{-n.y, n.x};  // to the right of someone facing the wall from outside
      L = AlongLength(AsFacade(facade)) ? bdx : bdy;
      H = bdz;
      x = Dot(rel, r) + L / 2;
      z = c.z - box.ground;
    }
    if (x < -kPlaneTolerance || x > L + kPlaneTolerance || z < -kPlaneTolerance ||
        z > H + kPlaneTolerance) {
      bad.push_back(file.Where(*afn) + ": its centroid falls at X " + Metres(x) + " m, " +
                    (facade == 5 ? "Y " : "Z ") + Metres(z) + " m, outside facade " +
                    std::to_string(facade) + " (" + Metres(L) + " x " + Metres(H) + " m)");
      continue;
    }
    auto& list = byFacade[static_cast<std::size_t>(facade)];
    if (list.size() >= static_cast<std::size_t>(kMaxElements)) {
      throw IdfError(file.path + ": more than " + std::to_string(kMaxElements) +
                     " airflow openings on facade " + std::to_string(facade));
    }
    list.push_back({afn, s->name, facade, static_cast<int>(list.size()) + 1});
    job.ElmX[static_cast<std::size_t>(facade)][list.size()] =
        static_cast<float>(std::clamp(x, 0.0, L));
    job.ElmZ[static_cast<std::size_t>(facade)][list.size()] =
        static_cast<float>(std::clamp(z, 0.0, H));
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
