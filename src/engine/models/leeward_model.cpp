#include "engine/models/leeward_model.h"

#include <algorithm>
#include <cmath>

#include "engine/models/grid_lookup.h"
#include "engine/models/numeric_helpers.h"
#include "engine/report_writer.h"

namespace ventora {
namespace {

constexpr float kLeewardNoRealValue = static_cast<float>(kNoRealValue);
constexpr int kLastPlainRootRow = 30;  // rows from PAD 15 on give 20 minus the root

struct RatioFailure {
  const char* pad_message;
  const char* no_value_line;
};

// The FAR and SAR factors: the ratio picks the curve once for every row the
// lookup evaluates; a row without a real value (1000) spoils the whole factor.
void RatioFactor(const RunContext& ctx, float ZH, float ratio, float PAD,
                 const LeewardRatioTable& table, Ratio which, const RatioFailure& failure,
                 float& factor, std::int16_t& err) {
  // A NaN PAD passes here; the PAD factor refuses it.
  if (ratio != 1.0f && limits::kPADIfRatioNot1.Exceeds(PAD)) {
    ctx.RangeMessage(failure.pad_message);
    err = 1;
    return;
  }
  if (ratio == 1.0f) {
    factor = 1.0f;
    return;
  }
  bool no_real_value = false;
  auto row_value = [&](int r) {
    const float stored = LeewardRatioRow(table, which, ratio, r);
    if (stored == kLeewardNoRealValue) no_real_value = true;
    return stored;
  };
  const float value = LookupTwoAxes(table.pad, PAD, table.zh, ZH, row_value);
  if (no_real_value) {
    factor = kNotComputedCp;
    err = 2;
    ctx.ReportLine(failure.no_value_line);
    return;
  }
  factor = value;
}

double RootForm(Ratio which, float ratio, std::span<const float> b, int r) {
  if (which == Ratio::FAR) return EvalExpRootFit6Row(ratio, b, r);
  const double q = EvalRootFit4Row(ratio, b);
  if (static_cast<float>(q) == kLeewardNoRealValue || r <= kLastPlainRootRow) return q;
  return 20.0 - q;
}

// The horizontal distribution before the band multiplier: a quartic in XL
// (1 - XL for negative angles) by ZH band, interpolated in the angle
// magnitude between 90 and 180 degrees.
int AngleBand(float ZH) {
  return BandIndex(5.0 * (static_cast<double>(ZH) - 0.6) + 2.0, kLeewardAngleZHBands);
}

float AngleFactorInBand(int zhBand, float angle, float XL) {
  const float x = angle < 0.0f ? static_cast<float>(1.0 - XL) : XL;
  const int first_row = (zhBand - 1) * static_cast<int>(kLeewardAngle.size());
  return LookupOneAxis(kLeewardAngle, std::fabs(angle), [&](int iA) {
    return static_cast<float>(EvalPolynomial(x, LeewardAngleTable, 5, first_row + iA));
  });
}

// The multiplier's band (0 to 4, NaN in the last), then its multiplier.
int MultiplierBand(float ZH) {
  if (ZH < 0.2f) return 0;
  if (ZH < 0.4f) return 1;
  if (ZH < 0.6f) return 2;
  if (ZH < 0.8f) return 3;
  return 4;
}

double MultiplierOfBand(int band) {
  static constexpr std::array<double, 5> kMultipliers{0.86, 0.83, 0.73, 0.64, 0.61};
  return kMultipliers[static_cast<std::size_t>(band)];
}

}  // namespace

float LeewardBaseProfile(float ZH) {
  const double z = ZH;
  return static_cast<float>(-0.079239 * std::pow(z, 3) + 0.542317 * std::pow(z, 2) - 0.496769 * z -
                            0.331533);
}

bool LeewardPlaceRefused(const RunContext& ctx, float XL, std::int16_t& err) {
  ctx.RangeMessage(limits::kXL.accepted.Contains(XL) ? "ZH out of range (0 - 1) "
                                                     : " XL out of range (0 - 1)");
  err = 1;
  return false;
}

bool LeewardHeightPart(const RunContext& ctx, const ModelInput& in, double& part,
                       std::int16_t& err) {
  const float F1 = LeewardBaseProfile(in.ZH);
  WallHeightFactors f;
  LeewardVeEXPFactor(ctx, in.ZH, in.VeEXP, f.F2, err);
  if (err != 0) return false;
  LeewardPADFactor(ctx, in.ZH, in.PAD, f.F3, err);
  if (err != 0) return false;
  LeewardRbHFactor(in.ZH, in.PAD, in.RbH, f.F4);
  f.F4 = static_cast<float>(f.F4 / RbHScaling(in.RbH, in.VeEXP));
  LeewardFARFactor(ctx, in.ZH, in.FAR, in.PAD, f.F5, err);
  if (err != 0) return false;
  LeewardSARFactor(ctx, in.ZH, in.SAR, in.PAD, f.F6, err);
  if (err != 0) return false;
  part = WallHeightPart(F1, f);
  return true;
}

// The angle factor's band (1 to 3) above the multiplier's (0 to 4).
int LeewardAlongBand(float ZH) {
  return AngleBand(ZH) * 8 + MultiplierBand(ZH);
}

float LeewardAlongFactor(int band, float angle, float XL) {
  const float F7 = AngleFactorInBand(band / 8, angle, XL);
  return static_cast<float>(F7 * MultiplierOfBand(band % 8));
}

double LeewardBandMultiplier(float ZH) {
  return MultiplierOfBand(MultiplierBand(ZH));
}

void LeewardCp(const RunContext& ctx, const ModelInput& in, float& Cp, std::int16_t& err) {
  if (!LeewardPlaceAccepted(ctx, in.ZH, in.XL, err)) return;
  double part = 0;
  if (LeewardHeightPart(ctx, in, part, err))
    Cp = WallCpFromParts(part, LeewardAlongFactor(LeewardAlongBand(in.ZH), in.angle, in.XL));
}

void LeewardVeEXPFactor(const RunContext& ctx, float ZH, float VeEXP, float& F2,
                        std::int16_t& err) {
  // NaN is refused as well.
  if (!limits::kVeEXP.accepted.Contains(VeEXP)) {
    ctx.RangeMessage(" VeEXP out of range (0.10 - 0.45) ");
    err = 1;
    return;
  }
  // The reference profile: exactly 1, although the rows give 0.955 to 0.992
  // there.
  if (VeEXP == 0.22f) {
    F2 = 1.0f;
    return;
  }
  F2 = LookupOneAxis(kLeewardVeEXPZH, ZH, [&](int r) { return LeewardVeEXPRow(VeEXP, r); });
}

void LeewardPADFactor(const RunContext& ctx, float ZH, float PAD, float& F3, std::int16_t& err) {
  if (!limits::kPAD.accepted.Contains(PAD)) {
    ctx.RangeMessage("PAD out of range (0 - 50) ");
    err = 1;
    return;
  }
  if (PAD == 0.0f) {
    F3 = 1.0f;
    return;
  }
  F3 = LookupOneAxis(kLeewardZH, ZH, [&](int r) { return LeewardPADRow(PAD, r); });
}

void LeewardRbHFactor(float ZH, float PAD, float RbH, float& F4) {
  if (RbH == 1.0f) {
    F4 = 1.0f;
    return;
  }
  F4 = LookupTwoAxes(kLeewardZH, ZH, kLeewardRbHPAD, PAD,
                     [&](int r) { return LeewardRbHRow(RbH, r); });
}

void LeewardFARFactor(const RunContext& ctx, float ZH, float FAR, float PAD, float& F5,
                      std::int16_t& err, const LeewardRatioTable& table) {
  RatioFactor(ctx, ZH, FAR, PAD, table, Ratio::FAR,
              {"PAD out of range (0 - 35)", "FAR out of range (leeward facade)"}, F5, err);
}

void LeewardSARFactor(const RunContext& ctx, float ZH, float SAR, float PAD, float& F6,
                      std::int16_t& err, const LeewardRatioTable& table) {
  RatioFactor(ctx, ZH, SAR, PAD, table, Ratio::SAR,
              {"PAD out of range (0 - 35) ", "SAR out of range (leeward facade)"}, F6, err);
}

float LeewardVeEXPRow(float VeEXP, int r) {
  return static_cast<float>(EvalPolynomial(VeEXP, LeewardVeEXPTable, 4, r));
}

float LeewardPADRow(float PAD, int r) {
  return static_cast<float>(EvalPolynomial(PAD, LeewardPADTable, 6, r));
}

float LeewardRbHRow(float RbH, int r) {
  return static_cast<float>(EvalPolynomial(RbH, LeewardRbHTable, 3, r));
}

float LeewardRatioRow(const LeewardRatioTable& table, Ratio which, float ratio, int r) {
  const int row_count = static_cast<int>(table.rows.size());
  const int row_number = std::clamp(r, 1, row_count);
  const std::span<const float> row = table.rows[static_cast<std::size_t>(row_number - 1)];
  const double v = ratio < 1.0f ? EvalPolynomialRow(ratio, row.first(2), 2)
                                : RootForm(which, ratio, row.subspan(2), row_number);
  return static_cast<float>(v);
}

}  // namespace ventora
