#include "engine/models/roof_model.h"

#include <cmath>

#include "core/parameter_limits.h"
#include "core/roof_layout.h"
#include "engine/models/roof_factors.h"
#include "engine/models/roof_plan.h"
#include "engine/models/row_memo.h"

namespace ventora {
namespace {

// The correction factors that do not depend on the roof type, in the order
// of their range checks. Each is left unwritten once the status is set.
struct RoofCorrections {
  float angleVeEXP = 1.0f;  // angle factor times VeEXP factor
  float pad = 1.0f;
  float rbh = 1.0f;  // already divided by RbH^(2 VeEXP)
  float far = 1.0f;
  float sar = 1.0f;
};

void ComputeCorrections(const RunContext& ctx, float VeEXP, float PAD, float RbH, float FAR,
                        float SAR, float theta, float ZH, RoofCorrections& c,
                        std::int16_t& status) {
  const float angle = RoofAngleFactor(ZH, theta);
  float veexp = 1.0f;
  RoofVeEXPFactor(ctx, ZH, VeEXP, theta, veexp, status);
  if (status != 0) return;
  c.angleVeEXP = static_cast<float>(static_cast<double>(veexp) * angle);
  if (RbH == 1.0f) {
    RoofPADFactor(ctx, ZH, PAD, c.pad, status);
    if (status != 0) return;
  }
  float rbh = 1.0f;
  RoofRbHFactor(ctx, ZH, PAD, RbH, rbh, status);
  if (status != 0) return;
  // The velocity-profile scaling of the building's height.
  c.rbh = static_cast<float>(rbh / RbHScaling(ctx.rows, RbH, VeEXP));
  RoofFARFactor(ctx, ZH, FAR, PAD, c.far, status);
  if (status != 0) return;
  RoofSARFactor(ctx, ZH, SAR, PAD, c.sar, status);
}

// The factors multiplied as the Cp multiplies them.
double CombinedHeightPart(float profile, const RoofCorrections& c) {
  return static_cast<double>(profile) * c.angleVeEXP * c.pad * c.rbh * c.far * c.sar;
}

// A negative angle mirrors the roof across its length (XL to 1 - XL); the
// flat and double-slope roofs are symmetric front to back, so wind from
// behind (above 90 degrees) reads their tables from the other edge.
float RoofTypeFactor(float theta, float ZH, float XL, std::int16_t Islope, float Phi) {
  float XLm = XL;
  if (theta < 0.0f) {
    theta = std::fabs(theta);
    XLm = static_cast<float>(1.0 - XL);
  }
  if (Islope == 1) {
    if (XL == kRidgeXL) return RoofSingleSlopeMidFactor(ZH, theta, Phi);
    return RoofSingleSlopeFactor(ZH, theta, Phi, XLm);
  }
  float ZHm = ZH;
  if (theta > 90.0f) {
    ZHm = static_cast<float>(1.0 - ZH);
    theta = static_cast<float>(180.0 - theta);
  }
  if (Islope == 0) return RoofFlatFactor(ZHm, theta, XLm);
  if (XL == kRidgeXL) return RoofDoubleSlopeMidFactor(ZHm, theta, Phi);
  return RoofDoubleSlopeFactor(ZHm, theta, Phi, XLm);
}

}  // namespace

bool RoofPlaceRefused(const RunContext& ctx, float XL, std::int16_t& err) {
  ctx.RangeMessage(limits::kXL.accepted.Contains(XL) ? "ZH out of range (0 - 1) "
                                                     : "XL out of range (0 - 1) ");
  err = 1;
  return false;
}

bool RoofHeightPart(const RunContext& ctx, float VeEXP, float PAD, float RbH, float FAR, float SAR,
                    float angle, float ZH, double& part, std::int16_t& err) {
  const float theta = -angle;
  const float profile = RoofProfile(ZH);
  RoofCorrections c;
  ComputeCorrections(ctx, VeEXP, PAD, RbH, FAR, SAR, theta, ZH, c, err);
  if (err != 0) return false;
  part = CombinedHeightPart(profile, c);
  return true;
}

double RoofHeightPartPlanned(const RoofPlan& plan, float ZH) {
  RoofCorrections c;
  PlannedRoofFactors(plan, ZH, c.angleVeEXP, c.pad, c.rbh, c.far, c.sar);
  return CombinedHeightPart(RoofProfile(ZH), c);
}

float RoofCpAt(double heightPart, float angle, float ZH, float XL, std::int16_t Islope, float Phi) {
  return static_cast<float>(heightPart * RoofTypeFactor(-angle, ZH, XL, Islope, Phi));
}

void RoofCp(const RunContext& ctx, float VeEXP, float PAD, float RbH, float FAR, float SAR,
            float angle, float ZH, float XL, std::int16_t Islope, float Phi, float& Cp,
            std::int16_t& err) {
  if (!RoofPlaceAccepted(ctx, ZH, XL, err)) return;
  double part = 0;
  if (RoofHeightPart(ctx, VeEXP, PAD, RbH, FAR, SAR, angle, ZH, part, err))
    Cp = RoofCpAt(part, angle, ZH, XL, Islope, Phi);
}

}  // namespace ventora
