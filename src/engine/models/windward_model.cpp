#include "engine/models/windward_model.h"

#include <cmath>

#include "engine/models/row_memo.h"
#include "engine/models/windward_factors.h"
#include "engine/models/windward_plan.h"

namespace ventora {
namespace {

// The reference vertical profile of a windward wall.
float WindwardBaseProfile(float ZH) {
  const double z = ZH;
  return static_cast<float>(-2.381082 * std::pow(z, 3) + 2.89756 * std::pow(z, 2) - 0.774649 * z +
                            0.745543);
}

// The factors multiplied as the Cp multiplies them.
double CombinedHeightPart(float F1, float F2, float F3, float F4, float F5, float F6) {
  const double ratio_mean = (static_cast<double>(F5) + F6) / 2.0;
  return static_cast<double>(F1) * F2 * F3 * F4 * ratio_mean;
}

}  // namespace

bool WindwardHeightPart(const RunContext& ctx, float VeEXP, float PAD, float RbH, float FAR,
                        float SAR, float ZH, double& part, std::int16_t& err) {
  const float F1 = WindwardBaseProfile(ZH);
  float F2 = 0, F3 = 0, F4 = 0, F5 = 0, F6 = 0;
  WindwardVeEXPFactor(ctx, ZH, VeEXP, F2, err);
  if (err != 0) return false;
  WindwardPADFactor(ctx, ZH, PAD, F3, err);
  if (err != 0) return false;
  WindwardRbHFactor(ZH, PAD, RbH, F4, ctx.rows);
  F4 = static_cast<float>(F4 / RbHScaling(ctx.rows, RbH, VeEXP));
  WindwardFARFactor(ctx, ZH, FAR, PAD, F5, err);
  if (err != 0) return false;
  WindwardSARFactor(ctx, ZH, SAR, PAD, F6, err);
  if (err != 0) return false;
  part = CombinedHeightPart(F1, F2, F3, F4, F5, F6);
  return true;
}

bool WindwardHeightPartPlanned(const WindwardPlan& plan, float ZH, double& part) {
  float F2 = 0, F3 = 0, F4 = 0, F5 = 0, F6 = 0;
  if (!PlannedWindwardFactors(plan, ZH, F2, F3, F4, F5, F6)) return false;
  part = CombinedHeightPart(WindwardBaseProfile(ZH), F2, F3, F4, F5, F6);
  return true;
}

float WindwardCpAt(double heightPart, float angle, float ZH, float XL) {
  return WallCpFromParts(heightPart, WindwardAlongFactor(WindwardAlongBand(ZH), angle, XL));
}

int WindwardAlongBand(float ZH) {
  return WindwardAngleBand(ZH);
}

float WindwardAlongFactor(int band, float angle, float XL) {
  return WindwardAngleFactorInBand(band, angle, XL);
}

void WindwardCp(const RunContext& ctx, float VeEXP, float PAD, float RbH, float FAR, float SAR,
                float angle, float ZH, float XL, float& Cp, std::int16_t& err) {
  double part = 0;
  if (WindwardHeightPart(ctx, VeEXP, PAD, RbH, FAR, SAR, ZH, part, err))
    Cp = WindwardCpAt(part, angle, ZH, XL);
}

}  // namespace ventora
