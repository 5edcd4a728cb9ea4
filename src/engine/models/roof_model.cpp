#include "engine/models/roof_model.h"

#include <cmath>

#include "core/roof_layout.h"
#include "engine/models/grid_lookup.h"
#include "engine/models/numeric_helpers.h"
#include "engine/models/roof_tables.h"

namespace ventora {
namespace {

// Every refusal below refuses NaN too: the range tests are false for it.
void Refuse(const RunContext& ctx, const char* text, std::int16_t& status) {
  ctx.RangeMessage(text);
  status = 1;
}

void ComputeCorrections(const RunContext& ctx, const ModelInput& in, float theta,
                        RoofCorrections& c, std::int16_t& status) {
  const float ZH = in.ZH;
  const float angle = RoofAngleFactor(ZH, theta);
  float veexp = 1.0f;
  RoofVeEXPFactor(ctx, ZH, in.VeEXP, theta, veexp, status);
  if (status != 0) return;
  c.angleVeEXP = static_cast<float>(static_cast<double>(veexp) * angle);
  if (in.RbH == 1.0f) {
    RoofPADFactor(ctx, ZH, in.PAD, c.pad, status);
    if (status != 0) return;
  }
  float rbh = 1.0f;
  RoofRbHFactor(ctx, ZH, in.PAD, in.RbH, rbh, status);
  if (status != 0) return;
  c.rbh = static_cast<float>(rbh / RbHScaling(in.RbH, in.VeEXP));
  RoofFARFactor(ctx, ZH, in.FAR, in.PAD, c.far, status);
  if (status != 0) return;
  c.sar = RoofSARFactor(ZH, in.SAR, in.PAD);
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

bool RoofHeightPart(const RunContext& ctx, const ModelInput& in, double& part, std::int16_t& err) {
  const float theta = -in.angle;
  const float profile = RoofProfile(in.ZH);
  RoofCorrections c;
  ComputeCorrections(ctx, in, theta, c, err);
  if (err != 0) return false;
  part = RoofHeightPartOf(profile, c);
  return true;
}

float RoofCpAt(double heightPart, float angle, float ZH, float XL, std::int16_t Islope, float Phi) {
  return static_cast<float>(heightPart * RoofTypeFactor(-angle, ZH, XL, Islope, Phi));
}

void RoofCp(const RunContext& ctx, const ModelInput& in, float& Cp, std::int16_t& err) {
  if (!RoofPlaceAccepted(ctx, in.ZH, in.XL, err)) return;
  double part = 0;
  if (RoofHeightPart(ctx, in, part, err))
    Cp = RoofCpAt(part, in.angle, in.ZH, in.XL, in.Islope, in.Phi);
}

// The corrections.

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
  factor = RoofVeEXPRow(VeEXP, (a.band - 1) * kRoofZHBands + RoofZHBand(z));
}

void RoofPADFactor(const RunContext& ctx, float ZH, float PAD, float& factor,
                   std::int16_t& status) {
  if (!limits::kPAD.accepted.Contains(PAD))
    return Refuse(ctx, "PAD out of range (0 - 50) ", status);
  if (PAD == 0.0f) {
    factor = 1.0f;
    return;
  }
  factor = LookupOneAxis(kRoofPADZHGrid, ZH, [&](int r) { return RoofPADRow(PAD, r); });
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
                         [&](int r) { return RoofRbHRow(RbH, r); });
}

void RoofFARFactor(const RunContext& ctx, float ZH, float FAR, float PAD, float& factor,
                   std::int16_t& status) {
  if (FAR != 1.0f && !limits::kPADIfRatioNot1.MeetsHigh(PAD))
    return Refuse(ctx, "PAD out of range (0 - 35)", status);
  if (FAR == 1.0f) {
    factor = 1.0f;
    return;
  }
  factor = LookupOneAxis(kRoofFARZHGrid, ZH, [&](int r) { return RoofFARRow(FAR, PAD, r); });
}

float RoofSARFactor(float ZH, float SAR, float PAD) {
  if (SAR == 1.0f) return 1.0f;
  return LookupOneAxis(kRoofSARZHGrid, ZH, [&](int r) { return RoofSARRow(SAR, PAD, r); });
}

// The roof-type factors: how the pressure varies across the roof with its
// shape. Each is a family of curves on a (ZH, angle) grid; a ZH or an angle
// beyond its grid takes the end point.

float RoofFlatFactor(float ZH, float theta, float XL) {
  if (XL == 0.5f) return 1.0f;
  // Every row is a polynomial in XL, read at up to four rows.
  constexpr int kTerms = 5;
  static_assert(kRoofFlatTable.front().size() == kTerms);
  const AscendingPowers<kTerms> powers(XL);
  // Rows run over the ZH points in the outer order, the angle points inside.
  return LookupTwoAxes(kRoofFlatZHGrid, ZH, kRoofFlatAngleGrid, theta, [&](int r) {
    return static_cast<float>(powers.EvalRow(TableRow(kRoofFlatTable, r), kTerms));
  });
}

// The sloped roofs' rows run over the angle points in the outer order and the
// ZH points inside.

float RoofSingleSlopeMidFactor(float ZH, float theta, float Phi) {
  if (Phi == 0.0f) return 1.0f;
  return LookupTwoAxes(
      kRoofSingleSlopeMidAngleGrid, theta, kRoofSingleSlopeMidZHGrid, ZH, [&](int r) {
        return static_cast<float>(EvalPolynomialAsc(Phi, kRoofSingleSlopeMidTable, 4, r));
      });
}

float RoofSingleSlopeFactor(float ZH, float theta, float Phi, float XL) {
  if (Phi == 0.0f) return 1.0f;
  return LookupTwoAxes(kRoofSingleSlopeAngleGrid, theta, kRoofSingleSlopeZHGrid, ZH, [&](int r) {
    return static_cast<float>(EvalPolynomial2D(Phi, XL, kRoofSingleSlopeTable, 9, r));
  });
}

float RoofDoubleSlopeMidFactor(float ZH, float theta, float Phi) {
  if (Phi == 0.0f) return 1.0f;
  return LookupTwoAxes(
      kRoofDoubleSlopeMidAngleGrid, theta, kRoofDoubleSlopeMidZHGrid, ZH, [&](int r) {
        return static_cast<float>(EvalPolynomialAsc(Phi, kRoofDoubleSlopeMidTable, 4, r));
      });
}

float RoofDoubleSlopeFactor(float ZH, float theta, float Phi, float XL) {
  if (Phi == 0.0f) return 1.0f;
  return LookupTwoAxes(kRoofDoubleSlopeAngleGrid, theta, kRoofDoubleSlopeZHGrid, ZH, [&](int r) {
    return static_cast<float>(EvalPolynomial2D(Phi, XL, kRoofDoubleSlopeTable, 9, r));
  });
}

// The rows and bands.

float RoofAngleRow(float t, int band) {
  const int k = t > 90.0f ? band + kRoofZHBands : band;
  return static_cast<float>(EvalPolynomialAsc(t, kRoofAngleTable, 4, k));
}

RoofVeEXPAngle RoofVeEXPAngleOf(float theta) {
  float t = std::fabs(theta);
  const bool mirrored = t > 90.0f && t <= 180.0f;
  if (mirrored) t = static_cast<float>(180.0 - t);
  return {mirrored, BandIndex(t / 22.5 + 1.0, kRoofVeEXPAngleBands)};
}

float RoofVeEXPRow(float VeEXP, int row) {
  return static_cast<float>(EvalPolynomialAsc(VeEXP, kRoofVeEXPTable, 3, row));
}

float RoofPADRow(float PAD, int r) {
  return static_cast<float>(EvalPolynomialAsc(PAD, kRoofPADTable, 5, r));
}

float RoofRbHRow(float RbH, int r) {
  if (RbH > 1.0f) return static_cast<float>(EvalLogistic(RbH, kRoofRbHTable, r));
  return static_cast<float>(EvalPolynomialAsc(RbH, kRoofRbHLinearTable, 2, r));
}

float RoofFARRow(float FAR, float PAD, int r) {
  return static_cast<float>(EvalPolynomial2D(FAR, PAD, kRoofFARTable, 9, r));
}

float RoofSARRow(float SAR, float PAD, int r) {
  return static_cast<float>(EvalPolynomial2D(SAR, PAD, kRoofSARTable, 9, r));
}

}  // namespace ventora
