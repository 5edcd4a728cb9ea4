#include "engine/models/windward_model.h"

#include <cmath>
#include <span>

#include "core/parameter_limits.h"
#include "engine/models/grid_lookup.h"
#include "engine/models/numeric_helpers.h"
#include "engine/report_writer.h"

namespace ventora {
namespace {

// The FAR and SAR factors: the ratio picks the curve once for every row the
// lookup evaluates; a row without a real value (1000) spoils the whole factor.
void RatioFactor(const RunContext& ctx, float ZH, float ratio, float PAD,
                 const WindwardRatioTable& table, Ratio which, const char* message, float& factor,
                 std::int16_t& err) {
  if (ratio == 1.0f) {
    factor = 1.0f;
    return;
  }
  bool no_real_value = false;
  auto row_value = [&](int r) {
    const float stored = WindwardRatioRow(table, which, ratio, r);
    if (stored == static_cast<float>(kNoRealValue)) no_real_value = true;
    return stored;
  };
  const float value = LookupTwoAxes(kWindwardRatioPAD, PAD, kWindwardRatioZH, ZH, row_value);
  if (no_real_value) {
    factor = kNotComputedCp;
    err = 2;
    ctx.RangeMessage(message);
    ctx.ReportLine(message);
    return;
  }
  factor = value;
}

}  // namespace

float WindwardBaseProfile(float ZH) {
  const double z = ZH;
  return static_cast<float>(-2.381082 * std::pow(z, 3) + 2.89756 * std::pow(z, 2) - 0.774649 * z +
                            0.745543);
}

bool WindwardHeightPart(const RunContext& ctx, const ModelInput& in, double& part,
                        std::int16_t& err) {
  const float F1 = WindwardBaseProfile(in.ZH);
  WallHeightFactors f;
  WindwardVeEXPFactor(ctx, in.ZH, in.VeEXP, f.F2, err);
  if (err != 0) return false;
  WindwardPADFactor(ctx, in.ZH, in.PAD, f.F3, err);
  if (err != 0) return false;
  WindwardRbHFactor(in.ZH, in.PAD, in.RbH, f.F4);
  f.F4 = static_cast<float>(f.F4 / RbHScaling(in.RbH, in.VeEXP));
  WindwardFARFactor(ctx, in.ZH, in.FAR, in.PAD, f.F5, err);
  if (err != 0) return false;
  WindwardSARFactor(ctx, in.ZH, in.SAR, in.PAD, f.F6, err);
  if (err != 0) return false;
  part = WallHeightPart(F1, f);
  return true;
}

int WindwardAlongBand(float ZH) {
  return BandIndex(5.0 * (static_cast<double>(ZH) - 0.6) + 2.0, kWindwardAngleZHBands);
}

// A cubic in XL chosen by ZH band and angle band, mirrored (1 - XL) for
// negative angles.
float WindwardAlongFactor(int band, float angle, float XL) {
  const float x = angle < 0.0f ? static_cast<float>(1.0 - XL) : XL;
  const int angle_band =
      BandIndex((std::fabs(static_cast<double>(angle)) - 5.0) / 10.0 + 2.0, kWindwardAngleBands);
  return static_cast<float>(
      EvalPolynomial(x, WindwardAngleTable, 4, (band - 1) * kWindwardAngleBands + angle_band));
}

void WindwardCp(const RunContext& ctx, const ModelInput& in, float& Cp, std::int16_t& err) {
  double part = 0;
  if (WindwardHeightPart(ctx, in, part, err))
    Cp = WallCpFromParts(part, WindwardAlongFactor(WindwardAlongBand(in.ZH), in.angle, in.XL));
}

void WindwardVeEXPFactor(const RunContext& ctx, float ZH, float VeEXP, float& F2,
                         std::int16_t& err) {
  // NaN is refused as well.
  if (!limits::kVeEXP.accepted.Contains(VeEXP)) {
    ctx.RangeMessage("VeEXP out of range (0.10 - 0.45)");
    err = 1;
    return;
  }
  if (VeEXP == 0.22f) {
    F2 = 1.0f;
    return;
  }
  F2 = LookupOneAxis(kWindwardVeEXPZH, ZH, [&](int r) { return WindwardVeEXPRow(VeEXP, r); });
}

void WindwardPADFactor(const RunContext& ctx, float ZH, float PAD, float& F3, std::int16_t& err) {
  if (!limits::kPAD.accepted.Contains(PAD)) {
    ctx.RangeMessage("PAD out of range (0 - 50)");
    err = 1;
    return;
  }
  F3 = WindwardPADRow(PAD, WindwardPADBand(ZH));
}

void WindwardRbHFactor(float ZH, float PAD, float RbH, float& F4) {
  if (RbH == 1.0f) {
    F4 = 1.0f;
    return;
  }
  F4 = LookupTwoAxes(kWindwardRbHZH, ZH, kWindwardRbHPAD, PAD,
                     [&](int r) { return WindwardRbHRow(RbH, r); });
}

void WindwardFARFactor(const RunContext& ctx, float ZH, float FAR, float PAD, float& F5,
                       std::int16_t& err, const WindwardRatioTable& table) {
  RatioFactor(ctx, ZH, FAR, PAD, table, Ratio::FAR, "FAR out of range (windward facade)", F5, err);
}

void WindwardSARFactor(const RunContext& ctx, float ZH, float SAR, float PAD, float& F6,
                       std::int16_t& err, const WindwardRatioTable& table) {
  RatioFactor(ctx, ZH, SAR, PAD, table, Ratio::SAR, "SAR out of range (windward facade)", F6, err);
}

float WindwardVeEXPRow(float VeEXP, int r) {
  return static_cast<float>(EvalPolynomial(VeEXP, WindwardVeEXPTable, 4, r));
}

float WindwardPADRow(float PAD, int r) {
  return static_cast<float>(EvalPolynomial(PAD, WindwardPADTable, 4, r));
}

float WindwardRbHRow(float RbH, int r) {
  return static_cast<float>(EvalPolynomial(RbH, WindwardRbHTable, 4, r));
}

float WindwardRatioRow(const WindwardRatioTable& table, Ratio which, float ratio, int r) {
  const std::span<const float> row = TableRow(table, r);
  if (ratio < 1.0f) return static_cast<float>(EvalPolynomialRow(ratio, row.first(2), 2));
  const int clamped = ClampRow(table, r);
  return static_cast<float>(which == Ratio::FAR
                                ? EvalRootFit6SpecialRow(ratio, row.subspan(2), clamped)
                                : EvalRootFit4SpecialRow(ratio, row.subspan(2), clamped));
}

}  // namespace ventora
