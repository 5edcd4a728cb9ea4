#include "engine/facade_cp.h"

#include "engine/models/leeward_model.h"
#include "engine/models/roof_model.h"
#include "engine/models/windward_model.h"

namespace ventora {

namespace {

constexpr float kFloorCp = 999.0f;

void WallCp(const RunContext& ctx, const FacadeCpInput& in, FacadeCpResult& out) {
  const int iface = FacadeIndex(in.facade);
  const FacadeGeometry& g = in.geometry;
  const float angle = g.FacadeAngle[iface];
  const float FAR = g.FacadeFAR[iface];
  const float SAR = g.FacadeSAR[iface];
  if (angle > -90.0f && angle < 90.0f) {
    WindwardCp(ctx, in.VeEXP, in.PAD, g.RbH, FAR, SAR, angle, in.ZH, in.XL, out.cp, out.err);
  } else if (angle <= -90.0f || angle >= 90.0f) {
    LeewardCp(ctx, in.VeEXP, in.PAD, g.RbH, FAR, SAR, angle, in.ZH, in.XL, out.cp, out.err);
  } else {
    // A NaN angle faces neither way; without this the element would come
    // back as a success with no Cp.
    out.err = 1;
  }
}

}  // namespace

FacadeCpResult FacadeCp(const RunContext& ctx, const FacadeCpInput& in) {
  FacadeCpResult out = in.carried;
  const int iface = FacadeIndex(in.facade);
  if (iface < 1 || iface > kFacadeCount) {
    ctx.RangeMessage("iface out of range (1 - 6)");
    out.err = 1;
  } else if (IsWall(in.facade)) {
    WallCp(ctx, in, out);
  } else if (in.facade == Facade::Roof) {
    const FacadeGeometry& g = in.geometry;
    RoofCp(ctx, in.VeEXP, in.PAD, g.RbH, g.FacadeFAR[iface], g.FacadeSAR[iface],
           g.FacadeAngle[iface], in.ZH, in.XL, in.Islope, in.Phi, out.cp, out.err);
  } else {
    ctx.RangeMessage("floor facade: no Cp values");
    out.cp = kFloorCp;
    out.err = 1;
  }
  return out;
}

}  // namespace ventora
