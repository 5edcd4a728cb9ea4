#include "idf/fit_parts.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>

#include "idf/box_fit.h"

namespace ventora::idf::fit {
namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

}  // namespace

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

Face MakeFace(const IdfSurface& s) {
  Vec3 n = AreaNormal(s.points);
  const double len = Length(n);
  n = {n.x / len, n.y / len, n.z / len};
  Face f{&s, n, Wrap360(std::atan2(n.x, n.y) / kDeg), 0, -1};
  f.tilt = std::acos(std::clamp(n.z, -1.0, 1.0)) / kDeg;
  return f;
}

const char* const kWaysOn =
    "\n  Run again with --fit=enclosing (the smallest rectangle round the exterior walls) or "
    "--zones NAME,... (the rectangle of those zones' walls only).";

[[noreturn]] void Refuse(const IdfFile& file, const std::string& what,
                         const std::vector<std::string>& offenders, const char* hint) {
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

std::string Named(const Face& f, const std::string& why) {
  const IdfObject& o = *f.s->object;
  return "line " + std::to_string(o.line) + ", " + o.type + " '" + o.Name() + "' " + why;
}

int GroupOf(double base, double azimuth) {
  const double k = std::round(AngleDiff(azimuth, base) / 90.0);
  return static_cast<int>(Wrap360(90.0 * k) / 90.0 + 0.5) % 4;
}

}  // namespace ventora::idf::fit
