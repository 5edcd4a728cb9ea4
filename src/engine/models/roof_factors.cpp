#include "engine/models/roof_factors.h"

#include <cmath>

#include "core/parameter_limits.h"
#include "engine/models/grid_lookup.h"
#include "engine/models/numeric_helpers.h"
#include "engine/models/roof_rows.h"
#include "engine/models/roof_tables.h"
#include "engine/models/row_memo.h"

namespace ventora {
namespace {

// Every refusal below refuses NaN too: the range tests are false for it.
void Refuse(const RunContext& ctx, const char* text, std::int16_t& status) {
  ctx.RangeMessage(text);
  status = 1;
}

}  // namespace

float RoofProfile(float ZH) {
  const double z = ZH;
  return static_cast<float>(-0.784174 - 1.26264 * z + 9.58738 * z * z - 13.2731 * z * z * z +
                            5.56465 * z * z * z * z);
}

float RoofAngleFactor(float ZH, float theta) {
  const float t = std::fabs(theta);
  if (t == 0.0f) return 1.0f;
  return RoofAngleRow(t, RoofZHBand(ZH));
}

void RoofVeEXPFactor(const RunContext& ctx, float ZH, float VeEXP, float theta, float& factor,
                     std::int16_t& status) {
  if (!limits::kVeEXP.accepted.Contains(VeEXP))
    return Refuse(ctx, " VeEXP out of range (0.10 - 0.45)", status);
  if (VeEXP == 0.22f) {
    factor = 1.0f;
    return;
  }
  const RoofVeEXPAngle a = RoofVeEXPAngleOf(theta);
  const float z = a.mirrored ? static_cast<float>(1.0 - ZH) : ZH;
  factor = RoofVeEXPRow(ctx.rows, VeEXP, (a.band - 1) * 5 + RoofZHBand(z));
}

void RoofPADFactor(const RunContext& ctx, float ZH, float PAD, float& factor,
                   std::int16_t& status) {
  if (!limits::kPAD.accepted.Contains(PAD))
    return Refuse(ctx, "PAD out of range (0 - 50) ", status);
  if (PAD == 0.0f) {
    factor = 1.0f;
    return;
  }
  factor = LookupOneAxis(kRoofPADZHGrid, ZH, [&](int r) { return RoofPADRow(ctx.rows, PAD, r); });
}

void RoofRbHFactor(const RunContext& ctx, float ZH, float PAD, float RbH, float& factor,
                   std::int16_t& status) {
  if (RbH == 1.0f) {
    factor = 1.0f;
    return;
  }
  if (!limits::kPADIfRbHNot1.MeetsHigh(PAD))
    return Refuse(ctx, "PAD out of range (0 - 40)", status);
  factor = LookupTwoAxes(kRoofRbHZHGrid, ZH, kRoofRbHPADGrid, PAD,
                         [&](int r) { return RoofRbHRow(ctx.rows, RbH, r); });
}

void RoofFARFactor(const RunContext& ctx, float ZH, float FAR, float PAD, float& factor,
                   std::int16_t& status) {
  if (FAR != 1.0f && !limits::kPADIfRatioNot1.MeetsHigh(PAD))
    return Refuse(ctx, "PAD out of range (0 - 35)", status);
  if (FAR == 1.0f) {
    factor = 1.0f;
    return;
  }
  factor =
      LookupOneAxis(kRoofFARZHGrid, ZH, [&](int r) { return RoofFARRow(ctx.rows, FAR, PAD, r); });
}

void RoofSARFactor(const RunContext& ctx, float ZH, float SAR, float PAD, float& factor,
                   std::int16_t&) {
  if (SAR == 1.0f) {
    factor = 1.0f;
    return;
  }
  factor =
      LookupOneAxis(kRoofSARZHGrid, ZH, [&](int r) { return RoofSARRow(ctx.rows, SAR, PAD, r); });
}

}  // namespace ventora
