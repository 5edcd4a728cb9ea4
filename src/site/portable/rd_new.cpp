#include "rd_new.h"

#include <cmath>
#include <numbers>

#include "ellipsoid.h"

namespace ventora::site {
namespace {

constexpr double kDegree = std::numbers::pi / 180;
constexpr double kArcSecond = kDegree / 3600;
constexpr double kQuarterPi = std::numbers::pi / 4;

// The projection's parameters (EPSG:28992).
constexpr double kLat0 = 52.1561605555556 * kDegree;
constexpr double kLon0 = 5.38763888888889 * kDegree;
constexpr double kScale = 0.9999079;
constexpr double kFalseEasting = 155000, kFalseNorthing = 463000;

// Amersfoort to WGS 84 (2008), coordinate frame rotations about the pivot.
struct Shift {
  Geocentric translation{593.0248, 25.9984, 478.7459};
  Geocentric rotation{0.398957388243134 * kArcSecond, -0.343987817378283 * kArcSecond,
                      1.87740163998045 * kArcSecond};
  double scale = 1 + 4.0725e-6;
  Geocentric pivot{3903453.1482, 368135.3134, 5012970.3051};
};
constexpr Shift kShift;

const double kE = std::sqrt(kBessel1841.E2());

double Ratio(double eSin, double power) {
  return std::pow((1 - eSin) / (1 + eSin), power);
}

// The coordinate frame rotation (small angles, as PROJ applies it) of `p`.
Geocentric Rotated(const Geocentric& p, bool back) {
  const Geocentric& r = kShift.rotation;
  const double s = back ? -1 : 1;
  return {p.x + s * (r.z * p.y - r.y * p.z), p.y + s * (-r.z * p.x + r.x * p.z),
          p.z + s * (r.y * p.x - r.x * p.y)};
}

Geocentric ToWgs84(const Geocentric& p) {
  const Geocentric& c = kShift.pivot;
  const Geocentric r = Rotated({p.x - c.x, p.y - c.y, p.z - c.z}, false);
  return {kShift.scale * r.x + c.x + kShift.translation.x,
          kShift.scale * r.y + c.y + kShift.translation.y,
          kShift.scale * r.z + c.z + kShift.translation.z};
}

Geocentric FromWgs84(const Geocentric& p) {
  const Geocentric& c = kShift.pivot;
  const Geocentric& t = kShift.translation;
  const Geocentric scaled{(p.x - t.x - c.x) / kShift.scale, (p.y - t.y - c.y) / kShift.scale,
                          (p.z - t.z - c.z) / kShift.scale};
  const Geocentric r = Rotated(scaled, true);
  return {r.x + c.x, r.y + c.y, r.z + c.z};
}

}  // namespace

RdNew::RdNew() {
  const double e2 = kBessel1841.E2();
  const double sinPhi = std::sin(kLat0);
  double cos2 = std::cos(kLat0);
  cos2 *= cos2;
  const double radius = std::sqrt(1 - e2) / (1 - e2 * sinPhi * sinPhi);
  c_ = std::sqrt(1 + e2 * cos2 * cos2 / (1 - e2));
  chi0_ = std::asin(sinPhi / c_);
  ratexp_ = 0.5 * c_ * kE;
  k_ = std::tan(0.5 * chi0_ + kQuarterPi) /
       (std::pow(std::tan(0.5 * kLat0 + kQuarterPi), c_) * Ratio(kE * sinPhi, ratexp_));
  sinChi0_ = std::sin(chi0_);
  cosChi0_ = std::cos(chi0_);
  twiceRadius_ = 2 * radius;
}

XY RdNew::ToLonLat(XY grid) const {
  // Grid to the conformal sphere.
  const double x = (grid.x - kFalseEasting) / kBessel1841.a / kScale;
  const double y = (grid.y - kFalseNorthing) / kBessel1841.a / kScale;
  double chi = chi0_, lambda = 0;
  if (const double rho = std::hypot(x, y); rho != 0) {
    const double c = 2 * std::atan2(rho, twiceRadius_);
    const double sinC = std::sin(c), cosC = std::cos(c);
    chi = std::asin(cosC * sinChi0_ + y * sinC * cosChi0_ / rho);
    lambda = std::atan2(x * sinC, rho * cosChi0_ * cosC - y * sinChi0_ * sinC);
  }
  // The sphere to the ellipsoid.
  const double lon = lambda / c_ + kLon0;
  const double num = std::pow(std::tan(0.5 * chi + kQuarterPi) / k_, 1 / c_);
  double lat = chi;
  for (int i = 0; i < 20; ++i) {
    const double next =
        2 * std::atan(num * Ratio(kE * std::sin(lat), -0.5 * kE)) - std::numbers::pi / 2;
    const bool done = std::abs(next - lat) < 1e-14;
    lat = next;
    if (done) break;
  }
  double wgsLat = 0, wgsLon = 0;
  ToGeodetic(kWgs84, ToWgs84(ToGeocentric(kBessel1841, lat, lon)), wgsLat, wgsLon);
  return {wgsLon / kDegree, wgsLat / kDegree};
}

XY RdNew::ToGrid(XY lonLat) const {
  double lat = 0, lon = 0;
  ToGeodetic(kBessel1841, FromWgs84(ToGeocentric(kWgs84, lonLat.y * kDegree, lonLat.x * kDegree)),
             lat, lon);
  // The ellipsoid to the sphere, and the sphere to the grid.
  const double chi = 2 * std::atan(k_ * std::pow(std::tan(0.5 * lat + kQuarterPi), c_) *
                                   Ratio(kE * std::sin(lat), ratexp_)) -
                     std::numbers::pi / 2;
  const double lambda = c_ * (lon - kLon0);
  const double sinC = std::sin(chi), cosC = std::cos(chi), cosL = std::cos(lambda);
  const double k = twiceRadius_ / (1 + sinChi0_ * sinC + cosChi0_ * cosC * cosL);
  return {kFalseEasting + kBessel1841.a * kScale * k * cosC * std::sin(lambda),
          kFalseNorthing + kBessel1841.a * kScale * k * (cosChi0_ * sinC - sinChi0_ * cosC * cosL)};
}

}  // namespace ventora::site
