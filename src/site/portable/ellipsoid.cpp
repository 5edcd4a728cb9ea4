#include "ellipsoid.h"

#include <cmath>
#include <numbers>

namespace ventora::site {
namespace {

constexpr double kDegree = std::numbers::pi / 180;
constexpr Ellipsoid kE = kWgs84;

// The series' corrections for a line of reduced azimuth alpha (A, B of
// Vincenty's formulas, from u² = cos²alpha (a² - b²) / b²).
void Series(double cos2Alpha, double& a, double& b) {
  const double minor = kE.a * (1 - kE.f);
  const double u2 = cos2Alpha * (kE.a * kE.a - minor * minor) / (minor * minor);
  a = 1 + u2 / 16384 * (4096 + u2 * (-768 + u2 * (320 - 175 * u2)));
  b = u2 / 1024 * (256 + u2 * (-128 + u2 * (74 - 47 * u2)));
}

double DeltaSigma(double b, double sinSigma, double cosSigma, double cos2SigmaM) {
  const double c2 = cos2SigmaM * cos2SigmaM;
  return b * sinSigma *
         (cos2SigmaM + b / 4 *
                           (cosSigma * (-1 + 2 * c2) -
                            b / 6 * cos2SigmaM * (-3 + 4 * sinSigma * sinSigma) * (-3 + 4 * c2)));
}

}  // namespace

Geocentric ToGeocentric(const Ellipsoid& e, double lat, double lon) {
  const double n = e.a / std::sqrt(1 - e.E2() * std::sin(lat) * std::sin(lat));
  return {n * std::cos(lat) * std::cos(lon), n * std::cos(lat) * std::sin(lon),
          n * (1 - e.E2()) * std::sin(lat)};
}

void ToGeodetic(const Ellipsoid& e, const Geocentric& p, double& lat, double& lon) {
  const double b = e.a * (1 - e.f);
  const double secondE2 = e.E2() / (1 - e.E2());
  const double d = std::hypot(p.x, p.y);
  const double theta = std::atan2(p.z * e.a, d * b);
  const double c = std::cos(theta), s = std::sin(theta);
  lat = std::atan2(p.z + secondE2 * b * s * s * s, d - e.E2() * e.a * c * c * c);
  lon = std::atan2(p.y, p.x);
}

void VincentyGeodesic::Inverse(double lat1, double lon1, double lat2, double lon2, double& metres,
                               double& azimuth) const {
  const double f = kE.f;
  const double l = (lon2 - lon1) * kDegree;
  const double u1 = std::atan((1 - f) * std::tan(lat1 * kDegree));
  const double u2 = std::atan((1 - f) * std::tan(lat2 * kDegree));
  const double sinU1 = std::sin(u1), cosU1 = std::cos(u1);
  const double sinU2 = std::sin(u2), cosU2 = std::cos(u2);
  double lambda = l, sinSigma = 0, cosSigma = 1, sigma = 0, cos2Alpha = 1, cos2SigmaM = 0;
  for (int i = 0; i < 200; ++i) {
    const double sinLambda = std::sin(lambda), cosLambda = std::cos(lambda);
    const double across = cosU2 * sinLambda;
    const double along = cosU1 * sinU2 - sinU1 * cosU2 * cosLambda;
    sinSigma = std::hypot(across, along);
    if (sinSigma == 0) {  // the same point
      metres = 0;
      azimuth = 0;
      return;
    }
    cosSigma = sinU1 * sinU2 + cosU1 * cosU2 * cosLambda;
    sigma = std::atan2(sinSigma, cosSigma);
    const double sinAlpha = cosU1 * cosU2 * sinLambda / sinSigma;
    cos2Alpha = 1 - sinAlpha * sinAlpha;
    cos2SigmaM = cos2Alpha != 0 ? cosSigma - 2 * sinU1 * sinU2 / cos2Alpha : 0;
    const double c = f / 16 * cos2Alpha * (4 + f * (4 - 3 * cos2Alpha));
    const double previous = lambda;
    lambda = l + (1 - c) * f * sinAlpha *
                     (sigma + c * sinSigma *
                                  (cos2SigmaM + c * cosSigma * (-1 + 2 * cos2SigmaM * cos2SigmaM)));
    if (std::abs(lambda - previous) < 1e-13) break;
  }
  double a = 0, b = 0;
  Series(cos2Alpha, a, b);
  metres = kE.a * (1 - kE.f) * a * (sigma - DeltaSigma(b, sinSigma, cosSigma, cos2SigmaM));
  azimuth = std::atan2(cosU2 * std::sin(lambda), cosU1 * sinU2 - sinU1 * cosU2 * std::cos(lambda)) /
            kDegree;
}

void VincentyGeodesic::Direct(double lat1, double lon1, double azimuth, double metres, double& lat2,
                              double& lon2) const {
  const double f = kE.f, minor = kE.a * (1 - f);
  const double alpha1 = azimuth * kDegree;
  const double sinAlpha1 = std::sin(alpha1), cosAlpha1 = std::cos(alpha1);
  const double tanU1 = (1 - f) * std::tan(lat1 * kDegree);
  const double cosU1 = 1 / std::sqrt(1 + tanU1 * tanU1), sinU1 = tanU1 * cosU1;
  const double sigma1 = std::atan2(tanU1, cosAlpha1);
  const double sinAlpha = cosU1 * sinAlpha1;
  const double cos2Alpha = 1 - sinAlpha * sinAlpha;
  double a = 0, b = 0;
  Series(cos2Alpha, a, b);
  double sigma = metres / (minor * a), sinSigma = 0, cosSigma = 1, cos2SigmaM = 0;
  for (int i = 0; i < 200; ++i) {
    cos2SigmaM = std::cos(2 * sigma1 + sigma);
    sinSigma = std::sin(sigma);
    cosSigma = std::cos(sigma);
    const double previous = sigma;
    sigma = metres / (minor * a) + DeltaSigma(b, sinSigma, cosSigma, cos2SigmaM);
    if (std::abs(sigma - previous) < 1e-13) break;
  }
  sinSigma = std::sin(sigma);
  cosSigma = std::cos(sigma);
  cos2SigmaM = std::cos(2 * sigma1 + sigma);
  const double x = sinU1 * sinSigma - cosU1 * cosSigma * cosAlpha1;
  lat2 = std::atan2(sinU1 * cosSigma + cosU1 * sinSigma * cosAlpha1,
                    (1 - f) * std::hypot(sinAlpha, x)) /
         kDegree;
  const double lambda =
      std::atan2(sinSigma * sinAlpha1, cosU1 * cosSigma - sinU1 * sinSigma * cosAlpha1);
  const double c = f / 16 * cos2Alpha * (4 + f * (4 - 3 * cos2Alpha));
  const double l =
      lambda -
      (1 - c) * f * sinAlpha *
          (sigma + c * sinSigma * (cos2SigmaM + c * cosSigma * (-1 + 2 * cos2SigmaM * cos2SigmaM)));
  lon2 = lon1 + l / kDegree;
}

}  // namespace ventora::site
