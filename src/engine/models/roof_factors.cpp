#include "engine/models/roof_factors.h"

#include <cmath>

#include "core/parameter_limits.h"
#include "engine/models/grid_lookup.h"
#include "engine/models/numeric_helpers.h"
#include "engine/models/roof_tables.h"
#include "engine/models/row_memo.h"

namespace ventora {
namespace {

// The ZH band of the angle and VeEXP tables: 1 below 0.2, ..., 5 from 0.8 on
// (ZH = 1 stays in band 5).
int RoofZHBand(float ZH) {
  return BandIndex(5.0 * ZH + 1.0, 5);
}

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
  int k = RoofZHBand(ZH);
  if (t > 90.0f) k += 5;
  return static_cast<float>(EvalPolynomialAsc(t, kRoofAngleTable, 4, k));
}

void RoofVeEXPFactor(const RunContext& ctx, float ZH, float VeEXP, float theta, float& factor,
                     std::int16_t& status) {
  if (!limits::kVeEXP.accepted.Contains(VeEXP))
    return Refuse(ctx, " VeEXP out of range (0.10 - 0.45)", status);
  if (VeEXP == 0.22f) {
    factor = 1.0f;
    return;
  }
  float z = ZH;
  float t = std::fabs(theta);
  // Wind from behind the roof reads the tables from the other edge.
  if (t > 90.0f && t <= 180.0f) {
    z = static_cast<float>(1.0 - z);
    t = static_cast<float>(180.0 - t);
  }
  const int a = BandIndex(t / 22.5 + 1.0, 4);
  const int row = (a - 1) * 5 + RoofZHBand(z);
  factor = MemoRow(ctx.rows, &kRoofVeEXPTable, 0, row, VeEXP, 0.0f, [&] {
    return static_cast<float>(EvalPolynomialAsc(VeEXP, kRoofVeEXPTable, 3, row));
  });
}

void RoofPADFactor(const RunContext& ctx, float ZH, float PAD, float& factor,
                   std::int16_t& status) {
  if (!limits::kPAD.accepted.Contains(PAD))
    return Refuse(ctx, "PAD out of range (0 - 50) ", status);
  if (PAD == 0.0f) {
    factor = 1.0f;
    return;
  }
  factor = LookupOneAxis(kRoofPADZHGrid, ZH, [&](int r) {
    return MemoRow(ctx.rows, &kRoofPADTable, 0, r, PAD, 0.0f,
                   [&] { return static_cast<float>(EvalPolynomialAsc(PAD, kRoofPADTable, 5, r)); });
  });
}

void RoofRbHFactor(const RunContext& ctx, float ZH, float PAD, float RbH, float& factor,
                   std::int16_t& status) {
  if (RbH == 1.0f) {
    factor = 1.0f;
    return;
  }
  if (!limits::kPADIfRbHNot1.MeetsHigh(PAD))
    return Refuse(ctx, "PAD out of range (0 - 40)", status);
  factor = LookupTwoAxes(kRoofRbHZHGrid, ZH, kRoofRbHPADGrid, PAD, [&](int r) {
    if (RbH > 1.0f) {
      return MemoRow(ctx.rows, &kRoofRbHTable, 0, r, RbH, 0.0f,
                     [&] { return static_cast<float>(EvalLogistic(RbH, kRoofRbHTable, r)); });
    }
    return MemoRow(ctx.rows, &kRoofRbHLinearTable, 0, r, RbH, 0.0f, [&] {
      return static_cast<float>(EvalPolynomialAsc(RbH, kRoofRbHLinearTable, 2, r));
    });
  });
}

void RoofFARFactor(const RunContext& ctx, float ZH, float FAR, float PAD, float& factor,
                   std::int16_t& status) {
  if (FAR != 1.0f && !limits::kPADIfRatioNot1.MeetsHigh(PAD))
    return Refuse(ctx, "PAD out of range (0 - 35)", status);
  if (FAR == 1.0f) {
    factor = 1.0f;
    return;
  }
  factor = LookupOneAxis(kRoofFARZHGrid, ZH, [&](int r) {
    return MemoRow(ctx.rows, &kRoofFARTable, 0, r, FAR, PAD, [&] {
      return static_cast<float>(EvalPolynomial2D(FAR, PAD, kRoofFARTable, 9, r));
    });
  });
}

void RoofSARFactor(const RunContext& ctx, float ZH, float SAR, float PAD, float& factor,
                   std::int16_t&) {
  if (SAR == 1.0f) {
    factor = 1.0f;
    return;
  }
  factor = LookupOneAxis(kRoofSARZHGrid, ZH, [&](int r) {
    return MemoRow(ctx.rows, &kRoofSARTable, 0, r, SAR, PAD, [&] {
      return static_cast<float>(EvalPolynomial2D(SAR, PAD, kRoofSARTable, 9, r));
    });
  });
}

}  // namespace ventora
