#include "transverse_mercator.h"

#include <cmath>
#include <numbers>

namespace ventora::site {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

}  // namespace

TransverseMercator::TransverseMercator(const Ellipsoid& e, double centralMeridian, double scale,
                                       double falseEasting, double falseNorthing)
    : e_(std::sqrt(e.E2())),
      lon0_(centralMeridian),
      k0_(scale),
      x0_(falseEasting),
      y0_(falseNorthing) {
  const double n = e.f / (2 - e.f);
  const double n2 = n * n, n3 = n2 * n, n4 = n3 * n, n5 = n4 * n, n6 = n5 * n;
  radius_ = e.a / (1 + n) * (1 + n2 / 4 + n4 / 64 + n6 / 256);
  // Krüger's coefficients, from the conformal sphere to the ellipsoid (alpha)
  // and back (beta).
  const double alpha[6] = {
      n / 2 - 2 * n2 / 3 + 5 * n3 / 16 + 41 * n4 / 180 - 127 * n5 / 288 + 7891 * n6 / 37800,
      13 * n2 / 48 - 3 * n3 / 5 + 557 * n4 / 1440 + 281 * n5 / 630 - 1983433 * n6 / 1935360,
      61 * n3 / 240 - 103 * n4 / 140 + 15061 * n5 / 26880 + 167603 * n6 / 181440,
      49561 * n4 / 161280 - 179 * n5 / 168 + 6601661 * n6 / 7257600,
      34729 * n5 / 80640 - 3418889 * n6 / 1995840,
      212378941 * n6 / 319334400};
  const double beta[6] = {
      n / 2 - 2 * n2 / 3 + 37 * n3 / 96 - n4 / 360 - 81 * n5 / 512 + 96199 * n6 / 604800,
      n2 / 48 + n3 / 15 - 437 * n4 / 1440 + 46 * n5 / 105 - 1118711 * n6 / 3870720,
      17 * n3 / 480 - 37 * n4 / 840 - 209 * n5 / 4480 + 5569 * n6 / 90720,
      4397 * n4 / 161280 - 11 * n5 / 504 - 830251 * n6 / 7257600,
      4583 * n5 / 161280 - 108847 * n6 / 3991680,
      20648693 * n6 / 638668800};
  for (int j = 0; j < 6; ++j) {
    alpha_[j] = alpha[j];
    beta_[j] = beta[j];
  }
}

XY TransverseMercator::ToGrid(XY lonLat) const {
  const double lat = lonLat.y * kDegree, lon = (lonLat.x - lon0_) * kDegree;
  // The tangent of the conformal latitude.
  const double s = std::sin(lat);
  const double t = std::sinh(std::atanh(s) - e_ * std::atanh(e_ * s));
  const double xi0 = std::atan2(t, std::cos(lon));
  const double eta0 = std::atanh(std::sin(lon) / std::hypot(1, t));
  double xi = xi0, eta = eta0;
  for (int j = 1; j <= 6; ++j) {
    xi += alpha_[j - 1] * std::sin(2 * j * xi0) * std::cosh(2 * j * eta0);
    eta += alpha_[j - 1] * std::cos(2 * j * xi0) * std::sinh(2 * j * eta0);
  }
  return {x0_ + k0_ * radius_ * eta, y0_ + k0_ * radius_ * xi};
}

XY TransverseMercator::ToLonLat(XY grid) const {
  const double xi = (grid.y - y0_) / (k0_ * radius_);
  const double eta = (grid.x - x0_) / (k0_ * radius_);
  double xi0 = xi, eta0 = eta;
  for (int j = 1; j <= 6; ++j) {
    xi0 -= beta_[j - 1] * std::sin(2 * j * xi) * std::cosh(2 * j * eta);
    eta0 -= beta_[j - 1] * std::cos(2 * j * xi) * std::sinh(2 * j * eta);
  }
  const double conformal = std::sin(xi0) / std::hypot(std::sinh(eta0), std::cos(xi0));
  const double lon = std::atan2(std::sinh(eta0), std::cos(xi0));
  // The latitude whose conformal latitude's tangent is `conformal`
  // (Newton's method, Karney 2011, eq. 19 to 21).
  const double e2 = e_ * e_;
  double tau = conformal;
  for (int i = 0; i < 10; ++i) {
    const double sigma = std::sinh(e_ * std::atanh(e_ * tau / std::hypot(1, tau)));
    const double tauPrime = tau * std::hypot(1, sigma) - sigma * std::hypot(1, tau);
    const double step = (conformal - tauPrime) / std::hypot(1, tauPrime) *
                        (1 + (1 - e2) * tau * tau) / ((1 - e2) * std::hypot(1, tau));
    tau += step;
    if (std::abs(step) < 1e-14 * std::max(1.0, std::abs(tau))) break;
  }
  return {lon0_ + lon / kDegree, std::atan(tau) / kDegree};
}

TransverseMercator UtmZone(const Ellipsoid& e, int zone, bool south) {
  return TransverseMercator(e, 6.0 * zone - 183, 0.9996, 500000, south ? 10000000 : 0);
}

}  // namespace ventora::site
