#include "idf/opening_placement.h"

#include <algorithm>
#include <cmath>

#include "core/ascii_case.h"
#include "core/parameter_limits.h"

namespace ventora::idf::fit {
namespace {

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

bool InZones(const FitOptions& options, const std::string& zone) {
  if (options.zones.empty()) return true;
  return std::any_of(options.zones.begin(), options.zones.end(),
                     [&](const std::string& z) { return SameIgnoringCase(z, zone); });
}

std::string PlaceOpening(const IdfFile& file, const Frame& fr, const FitOptions& options,
                         const IdfObject& afn, const IdfSurface& s, const IdfSurface& host,
                         Placement& p) {
  p = Project(file, fr, afn, s, host);
  const bool fitted = InZones(options, host.zone);
  if (!fitted)
    p.opening.remarks.insert(p.opening.remarks.begin(),
                             "of zone '" + host.zone + "', outside the zones fitted");
  return Bound(file, fr, afn, fitted, p);
}

}  // namespace ventora::idf::fit
