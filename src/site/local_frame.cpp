#include "local_frame.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ventora::site {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

}  // namespace

LocalFrame LocalFrame::OnEllipsoid(XY site, const Geodesic& geodesic) {
  LocalFrame frame;
  frame.site_ = site;
  frame.geodesic_ = &geodesic;
  return frame;
}

LocalFrame LocalFrame::OnGrid(XY site, const GridAndLonLat& projection, const Geodesic& geodesic) {
  LocalFrame frame;
  frame.site_ = site;
  // True north seen in the grid: a short step north from the site.
  const XY here = projection.ToLonLat(site);
  const double step = 1e-4;
  const XY grid = projection.ToGrid({here.x, here.y + step});
  if (!std::isfinite(here.x) || !std::isfinite(grid.x) || here.x == HUGE_VAL || grid.x == HUGE_VAL)
    throw SiteError(
        "the site cannot be placed on the globe: are its coordinates in the file's "
        "reference system?");
  double metres = 0, azimuth = 0;
  geodesic.Inverse(here.y, here.x, here.y + step, here.x, metres, azimuth);
  const double dx = grid.x - site.x, dy = grid.y - site.y;
  const double convergence = std::atan2(dx, dy);  // grid bearing of true north
  frame.cos_ = std::cos(convergence);
  frame.sin_ = std::sin(convergence);
  frame.scale_ = std::hypot(dx, dy) / metres;
  return frame;
}

XY LocalFrame::ToLocal(XY p) const {
  if (geodesic_) {
    double metres = 0, azimuth = 0;
    geodesic_->Inverse(site_.y, site_.x, p.y, p.x, metres, azimuth);
    return {metres * std::sin(azimuth * kDegree), metres * std::cos(azimuth * kDegree)};
  }
  const double dx = (p.x - site_.x) / scale_, dy = (p.y - site_.y) / scale_;
  return {dx * cos_ - dy * sin_, dx * sin_ + dy * cos_};
}

XY LocalFrame::FromLocal(XY local) const {
  if (geodesic_) {
    double lat = 0, lon = 0;
    geodesic_->Direct(site_.y, site_.x, std::atan2(local.x, local.y) / kDegree,
                      std::hypot(local.x, local.y), lat, lon);
    return {lon, lat};
  }
  const double dx = local.x * cos_ + local.y * sin_, dy = -local.x * sin_ + local.y * cos_;
  return {site_.x + dx * scale_, site_.y + dy * scale_};
}

Envelope LocalFrame::EnvelopeOf(double radius) const {
  if (geodesic_) {
    // A degree of latitude is at least 110.5 km; of longitude, 111.3 km
    // times the cosine of the latitude at least.
    const double dLat = radius / 110000 * 1.01;
    const double cosLat =
        std::max(std::cos(std::min(89.0, std::abs(site_.y) + dLat) * kDegree), 1e-6);
    const double dLon = radius / (111000 * cosLat) * 1.01;
    return {site_.x - dLon, site_.y - dLat, site_.x + dLon, site_.y + dLat};
  }
  const double half = radius * scale_ * 1.001 + 1e-6;
  return {site_.x - half, site_.y - half, site_.x + half, site_.y + half};
}

std::string NoReferenceSystemText(const std::string& fileName) {
  return "\"" + fileName +
         "\" names no reference system (a CityJSON without metadata.referenceSystem, "
         "a Shapefile without its .prj): give the one its coordinates are in, "
         "e.g. --crs EPSG:28992";
}

}  // namespace ventora::site
