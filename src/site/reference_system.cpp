#include "reference_system.h"

#include <proj.h>

#include <cmath>
#include <numbers>

namespace ventora::site {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

}  // namespace

struct ReferenceSystem::Proj {
  PJ_CONTEXT* context = proj_context_create();
  PJ* toLonLat = nullptr;  // projected data only
  ~Proj() {
    if (toLonLat) proj_destroy(toLonLat);
    proj_context_destroy(context);
  }
};

ReferenceSystem::ReferenceSystem(const std::string& crs, const std::string& fileName,
                                 bool fromOption)
    : proj_(std::make_unique<Proj>()) {
  geod_init(&ellipsoid_, 6378137, 1 / 298.257223563);
  if (crs.empty())
    throw SiteError("\"" + fileName +
                    "\" names no reference system (a CityJSON without metadata.referenceSystem, "
                    "a Shapefile without its .prj): give the one its coordinates are in, "
                    "e.g. --crs EPSG:28992");
  PJ_CONTEXT* context = proj_->context;
  proj_log_level(context, PJ_LOG_NONE);
  PJ* system = proj_create(context, crs.c_str());
  if (system != nullptr && proj_get_type(system) == PJ_TYPE_COMPOUND_CRS) {
    PJ* horizontal = proj_crs_get_sub_crs(context, system, 0);
    proj_destroy(system);
    system = horizontal;
  }
  const PJ_TYPE type = system ? proj_get_type(system) : PJ_TYPE_UNKNOWN;
  const std::string source =
      fromOption ? "--crs " + crs : "the reference system of \"" + fileName + "\"";
  if (system == nullptr) throw SiteError(source + ": no such reference system is known");
  geographic_ = type == PJ_TYPE_GEOGRAPHIC_2D_CRS || type == PJ_TYPE_GEOGRAPHIC_3D_CRS;
  if (!geographic_ && type != PJ_TYPE_PROJECTED_CRS) {
    proj_destroy(system);
    throw SiteError(source + " is neither lon/lat nor a map projection");
  }
  if (!geographic_) {
    PJ* lonLat = proj_create(context, "OGC:CRS84");
    PJ* raw = proj_create_crs_to_crs_from_pj(context, system, lonLat, nullptr, nullptr);
    proj_destroy(lonLat);
    if (raw != nullptr) {
      proj_->toLonLat = proj_normalize_for_visualization(context, raw);
      proj_destroy(raw);
    }
  }
  proj_destroy(system);
  if (!geographic_ && proj_->toLonLat == nullptr)
    throw SiteError(source + ": no way to lon/lat is known to PROJ");
}

ReferenceSystem::~ReferenceSystem() = default;

LocalFrame ReferenceSystem::FrameAt(XY site) const {
  LocalFrame frame;
  frame.site_ = site;
  frame.geographic_ = geographic_;
  frame.ellipsoid_ = &ellipsoid_;
  if (geographic_) return frame;
  // True north seen in the grid: a short step north from the site.
  const PJ_COORD here = proj_trans(proj_->toLonLat, PJ_FWD, proj_coord(site.x, site.y, 0, 0));
  const double step = 1e-4;
  const PJ_COORD north = proj_coord(here.lp.lam, here.lp.phi + step, 0, 0);
  const PJ_COORD grid = proj_trans(proj_->toLonLat, PJ_INV, north);
  if (!std::isfinite(here.lp.lam) || !std::isfinite(grid.xy.x) || here.lp.lam == HUGE_VAL ||
      grid.xy.x == HUGE_VAL)
    throw SiteError(
        "the site cannot be placed on the globe: are its coordinates in the file's "
        "reference system?");
  double metres = 0, azimuth1 = 0, azimuth2 = 0;
  geod_inverse(&ellipsoid_, here.lp.phi, here.lp.lam, here.lp.phi + step, here.lp.lam, &metres,
               &azimuth1, &azimuth2);
  const double dx = grid.xy.x - site.x, dy = grid.xy.y - site.y;
  const double convergence = std::atan2(dx, dy);  // grid bearing of true north
  frame.cos_ = std::cos(convergence);
  frame.sin_ = std::sin(convergence);
  frame.scale_ = std::hypot(dx, dy) / metres;
  return frame;
}

XY LocalFrame::ToLocal(XY p) const {
  if (geographic_) {
    double metres = 0, azimuth1 = 0, azimuth2 = 0;
    geod_inverse(ellipsoid_, site_.y, site_.x, p.y, p.x, &metres, &azimuth1, &azimuth2);
    return {metres * std::sin(azimuth1 * kDegree), metres * std::cos(azimuth1 * kDegree)};
  }
  const double dx = (p.x - site_.x) / scale_, dy = (p.y - site_.y) / scale_;
  return {dx * cos_ - dy * sin_, dx * sin_ + dy * cos_};
}

XY LocalFrame::FromLocal(XY local) const {
  if (geographic_) {
    double lat = 0, lon = 0, azimuth2 = 0;
    geod_direct(ellipsoid_, site_.y, site_.x, std::atan2(local.x, local.y) / kDegree,
                std::hypot(local.x, local.y), &lat, &lon, &azimuth2);
    return {lon, lat};
  }
  const double dx = local.x * cos_ + local.y * sin_, dy = -local.x * sin_ + local.y * cos_;
  return {site_.x + dx * scale_, site_.y + dy * scale_};
}

Envelope LocalFrame::EnvelopeOf(double radius) const {
  if (geographic_) {
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

}  // namespace ventora::site
