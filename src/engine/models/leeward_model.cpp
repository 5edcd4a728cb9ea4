#include "engine/models/leeward_model.h"

#include <cmath>

#include "core/parameter_limits.h"
#include "engine/models/leeward_factors.h"
#include "engine/models/leeward_plan.h"
#include "engine/models/row_memo.h"

namespace ventora {
namespace {

// The reference vertical profile of a leeward wall.
float LeewardBaseProfile(float ZH) {
  const double z = ZH;
  return static_cast<float>(-0.079239 * std::pow(z, 3) + 0.542317 * std::pow(z, 2) - 0.496769 * z -
                            0.331533);
}

// The factors multiplied as the Cp multiplies them.
double CombinedHeightPart(float F1, float F2, float F3, float F4, float F5, float F6) {
  const double ratio_mean = (static_cast<double>(F5) + F6) / 2.0;
  return static_cast<double>(F1) * F2 * F3 * F4 * ratio_mean;
}

}  // namespace

bool LeewardPlaceRefused(const RunContext& ctx, float XL, std::int16_t& err) {
  ctx.RangeMessage(limits::kXL.accepted.Contains(XL) ? "ZH out of range (0 - 1) "
                                                     : " XL out of range (0 - 1)");
  err = 1;
  return false;
}

bool LeewardHeightPart(const RunContext& ctx, float VeEXP, float PAD, float RbH, float FAR,
                       float SAR, float ZH, double& part, std::int16_t& err) {
  const float F1 = LeewardBaseProfile(ZH);
  float F2 = 0, F3 = 0, F4 = 0, F5 = 0, F6 = 0;
  LeewardVeEXPFactor(ctx, ZH, VeEXP, F2, err);
  if (err != 0) return false;
  LeewardPADFactor(ctx, ZH, PAD, F3, err);
  if (err != 0) return false;
  LeewardRbHFactor(ZH, PAD, RbH, F4, ctx.rows);
  F4 = static_cast<float>(F4 / RbHScaling(ctx.rows, RbH, VeEXP));
  LeewardFARFactor(ctx, ZH, FAR, PAD, F5, err);
  if (err != 0) return false;
  LeewardSARFactor(ctx, ZH, SAR, PAD, F6, err);
  if (err != 0) return false;
  part = CombinedHeightPart(F1, F2, F3, F4, F5, F6);
  return true;
}

bool LeewardHeightPartPlanned(const LeewardPlan& plan, float ZH, double& part) {
  float F2 = 0, F3 = 0, F4 = 0, F5 = 0, F6 = 0;
  if (!PlannedLeewardFactors(plan, ZH, F2, F3, F4, F5, F6)) return false;
  part = CombinedHeightPart(LeewardBaseProfile(ZH), F2, F3, F4, F5, F6);
  return true;
}

float LeewardCpAt(double heightPart, float angle, float ZH, float XL) {
  return WallCpFromParts(heightPart, LeewardAlongFactor(LeewardAlongBand(ZH), angle, XL));
}

// The angle factor's band (1 to 3) above the multiplier's (0 to 4).
int LeewardAlongBand(float ZH) {
  return LeewardAngleBand(ZH) * 8 + LeewardMultiplierBand(ZH);
}

float LeewardAlongFactor(int band, float angle, float XL) {
  const float F7 = LeewardAngleFactorInBand(band / 8, angle, XL);
  return static_cast<float>(F7 * LeewardMultiplierOfBand(band % 8));
}

void LeewardCp(const RunContext& ctx, float VeEXP, float PAD, float RbH, float FAR, float SAR,
               float angle, float ZH, float XL, float& Cp, std::int16_t& err) {
  if (!LeewardPlaceAccepted(ctx, ZH, XL, err)) return;
  double part = 0;
  if (LeewardHeightPart(ctx, VeEXP, PAD, RbH, FAR, SAR, ZH, part, err))
    Cp = LeewardCpAt(part, angle, ZH, XL);
}

}  // namespace ventora
