#include "engine/facade_cp.h"

#include "engine/models/leeward_model.h"
#include "engine/models/roof_model.h"
#include "engine/models/windward_model.h"
#include "engine/report_writer.h"

namespace ventora {

namespace {

// The element's height part from the cache, or computed by `compute` (which
// sets err and gives false when the model refuses) and kept. A carried err
// always goes through the model, which stops at its first check.
template <class Compute>
bool HeightPart(const FacadeCpInput& in, int iface, FacadeCpResult& out, double& part,
                Compute&& compute) {
  if (in.heights == nullptr || out.err != 0) return compute(part);
  if (const double* kept = in.heights->Find(iface, in.ZH)) {
    part = *kept;
    return true;
  }
  if (!compute(part)) return false;
  in.heights->Store(iface, in.ZH, part);
  return true;
}

// A wall's plan does not depend on its wind angle, so a sweep's plan of a
// wall serves every direction the wall faces the same way in; the roof's does.
FacadePlanKey Key(const FacadeCpInput& in, int iface) {
  const FacadeGeometry& g = in.geometry;
  return {in.VeEXP,
          in.PAD,
          g.RbH,
          g.FacadeFAR[static_cast<std::size_t>(iface)],
          g.FacadeSAR[static_cast<std::size_t>(iface)],
          IsWall(in.facade) ? 0.0f : g.FacadeAngle[static_cast<std::size_t>(iface)]};
}

// The wall factor along the facade from the walk's cache, or
// evaluate(band(ZH)).
template <class Band, class Evaluate>
float Along(const FacadeCpInput& in, int iface, float angle, Band&& band, Evaluate&& evaluate) {
  if (in.alongs == nullptr) return evaluate(band(in.ZH));
  return in.alongs->Factor(iface, angle, in.ZH, in.XL, band, evaluate);
}

// A height part comes from the facade's plan when there is one; the model in
// full refuses what the plan leaves to it.
void WallCp(const RunContext& ctx, const FacadeCpInput& in, FacadeCpResult& out) {
  const int iface = FacadeIndex(in.facade);
  const FacadeGeometry& g = in.geometry;
  const float angle = g.FacadeAngle[iface];
  const float FAR = g.FacadeFAR[iface];
  const float SAR = g.FacadeSAR[iface];
  double part = 0;
  if (angle > -90.0f && angle < 90.0f) {
    if (HeightPart(in, iface, out, part, [&](double& p) {
          if (out.err == 0 && in.plans != nullptr)
            if (const WindwardPlan* plan = in.plans->Windward(ctx.rows, iface, Key(in, iface)))
              if (WindwardHeightPartPlanned(*plan, in.ZH, p)) return true;
          return WindwardHeightPart(ctx, in.VeEXP, in.PAD, g.RbH, FAR, SAR, in.ZH, p, out.err);
        }))
      out.cp = WallCpFromParts(part, Along(in, iface, angle, WindwardAlongBand, [&](int band) {
                                 return WindwardAlongFactor(band, angle, in.XL);
                               }));
  } else if (angle <= -90.0f || angle >= 90.0f) {
    if (!LeewardPlaceAccepted(ctx, in.ZH, in.XL, out.err)) return;
    if (HeightPart(in, iface, out, part, [&](double& p) {
          if (out.err == 0 && in.plans != nullptr)
            if (const LeewardPlan* plan = in.plans->Leeward(ctx.rows, iface, Key(in, iface)))
              if (LeewardHeightPartPlanned(*plan, in.ZH, p)) return true;
          return LeewardHeightPart(ctx, in.VeEXP, in.PAD, g.RbH, FAR, SAR, in.ZH, p, out.err);
        }))
      out.cp = WallCpFromParts(part, Along(in, iface, angle, LeewardAlongBand, [&](int band) {
                                 return LeewardAlongFactor(band, angle, in.XL);
                               }));
  } else {
    // A NaN angle faces neither way; without this the element would come
    // back as a success with no Cp.
    out.err = 1;
  }
}

void RoofElementCp(const RunContext& ctx, const FacadeCpInput& in, FacadeCpResult& out) {
  const int iface = FacadeIndex(in.facade);
  const FacadeGeometry& g = in.geometry;
  const float angle = g.FacadeAngle[iface];
  if (!RoofPlaceAccepted(ctx, in.ZH, in.XL, out.err)) return;
  double part = 0;
  if (HeightPart(in, iface, out, part, [&](double& p) {
        if (out.err == 0 && in.plans != nullptr)
          if (const RoofPlan* plan = in.plans->Roof(ctx.rows, Key(in, iface))) {
            p = RoofHeightPartPlanned(*plan, in.ZH);
            return true;
          }
        return RoofHeightPart(ctx, in.VeEXP, in.PAD, g.RbH, g.FacadeFAR[iface], g.FacadeSAR[iface],
                              angle, in.ZH, p, out.err);
      }))
    out.cp = RoofCpAt(part, angle, in.ZH, in.XL, in.Islope, in.Phi);
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
    RoofElementCp(ctx, in, out);
  } else {
    ctx.RangeMessage("floor facade: no Cp values");
    out.cp = kFloorCp;
    out.err = 1;
  }
  return out;
}

}  // namespace ventora
