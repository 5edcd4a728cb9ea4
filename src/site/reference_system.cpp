#include "reference_system.h"

#include <proj.h>

namespace ventora::site {
namespace {

class ProjGeodesic final : public Geodesic {
 public:
  ProjGeodesic() { geod_init(&ellipsoid_, 6378137, 1 / 298.257223563); }
  void Inverse(double lat1, double lon1, double lat2, double lon2, double& metres,
               double& azimuth) const override {
    double azimuth2 = 0;
    geod_inverse(&ellipsoid_, lat1, lon1, lat2, lon2, &metres, &azimuth, &azimuth2);
  }
  void Direct(double lat1, double lon1, double azimuth, double metres, double& lat2,
              double& lon2) const override {
    double azimuth2 = 0;
    geod_direct(&ellipsoid_, lat1, lon1, azimuth, metres, &lat2, &lon2, &azimuth2);
  }

 private:
  geod_geodesic ellipsoid_{};
};

}  // namespace

struct ReferenceSystem::Proj final : GridAndLonLat {
  PJ_CONTEXT* context = proj_context_create();
  PJ* toLonLat = nullptr;  // projected data only
  ProjGeodesic geodesic;
  ~Proj() override {
    if (toLonLat) proj_destroy(toLonLat);
    proj_context_destroy(context);
  }
  XY ToLonLat(XY grid) const override {
    const PJ_COORD c = proj_trans(toLonLat, PJ_FWD, proj_coord(grid.x, grid.y, 0, 0));
    return {c.lp.lam, c.lp.phi};
  }
  XY ToGrid(XY lonLat) const override {
    const PJ_COORD c = proj_trans(toLonLat, PJ_INV, proj_coord(lonLat.x, lonLat.y, 0, 0));
    return {c.xy.x, c.xy.y};
  }
};

ReferenceSystem::ReferenceSystem(const std::string& crs, const std::string& fileName,
                                 bool fromOption)
    : proj_(std::make_unique<Proj>()) {
  if (crs.empty()) throw SiteError(NoReferenceSystemText(fileName));
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
  if (geographic_) return LocalFrame::OnEllipsoid(site, proj_->geodesic);
  return LocalFrame::OnGrid(site, *proj_, proj_->geodesic);
}

}  // namespace ventora::site
