#include "engine/facade_cp.h"

#include "engine/models/leeward_model.h"
#include "engine/models/roof_model.h"
#include "engine/models/windward_model.h"
#include "engine/report_writer.h"
#include "engine/speedups/speedups.h"

namespace ventora {
namespace {

void WallCp(const RunContext& ctx, const FacadeCpInput& in, FacadeCpResult& out) {
  const float angle = in.geometry.FacadeAngle[static_cast<std::size_t>(FacadeIndex(in.facade))];
  if (angle > -90.0f && angle < 90.0f) {
    if (in.speedups != nullptr)
      in.speedups->WindwardCp(ctx, in, out);
    else
      WindwardCp(ctx, ModelInputOf(in), out.cp, out.err);
  } else if (angle <= -90.0f || angle >= 90.0f) {
    if (in.speedups != nullptr)
      in.speedups->LeewardCp(ctx, in, out);
    else
      LeewardCp(ctx, ModelInputOf(in), out.cp, out.err);
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
    if (in.speedups != nullptr)
      in.speedups->RoofCp(ctx, in, out);
    else
      RoofCp(ctx, ModelInputOf(in), out.cp, out.err);
  } else {
    ctx.RangeMessage("floor facade: no Cp values");
    out.cp = kFloorCp;
    out.err = 1;
  }
  return out;
}

}  // namespace ventora
