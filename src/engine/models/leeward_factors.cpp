#include "engine/models/leeward_factors.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/parameter_limits.h"
#include "engine/models/grid_lookup.h"
#include "engine/models/leeward_rows.h"
#include "engine/models/numeric_helpers.h"
#include "engine/models/row_memo.h"
#include "engine/report_writer.h"

namespace ventora {
namespace {

constexpr int kLastPlainRootRow = 30;  // rows from PAD 15 on give 20 minus the root

struct RatioFailure {
  const char* pad_message;
  const char* no_value_line;
};

// The FAR and SAR factors: the ratio picks the curve once for every row the
// lookup evaluates; a row without a real value (1000) spoils the whole factor.
void RatioFactor(const RunContext& ctx, float ZH, float ratio, float PAD,
                 const LeewardRatioTable& table, LeewardRatio which, const RatioFailure& failure,
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
    const float stored = LeewardRatioRow(ctx.rows, table, which, ratio, r);
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

}  // namespace

double LeewardRootForm(LeewardRatio which, float ratio, std::span<const float> b, int r) {
  if (which == LeewardRatio::FAR) return EvalExpRootFit6Row(ratio, b, r);
  const double q = EvalRootFit4Row(ratio, b);
  if (static_cast<float>(q) == kLeewardNoRealValue || r <= kLastPlainRootRow) return q;
  return 20.0 - q;
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
  F2 = LookupOneAxis(kLeewardVeEXPZH, ZH,
                     [&](int r) { return LeewardVeEXPRow(ctx.rows, VeEXP, r); });
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
  F3 = LookupOneAxis(kLeewardZH, ZH, [&](int r) { return LeewardPADRow(ctx.rows, PAD, r); });
}

void LeewardRbHFactor(float ZH, float PAD, float RbH, float& F4, RowMemo* rows) {
  if (RbH == 1.0f) {
    F4 = 1.0f;
    return;
  }
  F4 = LookupTwoAxes(kLeewardZH, ZH, kLeewardRbHPAD, PAD,
                     [&](int r) { return LeewardRbHRow(rows, RbH, r); });
}

void LeewardFARFactor(const RunContext& ctx, float ZH, float FAR, float PAD, float& F5,
                      std::int16_t& err, const LeewardRatioTable& table) {
  RatioFactor(ctx, ZH, FAR, PAD, table, LeewardRatio::FAR,
              {"PAD out of range (0 - 35)", "FAR out of range (leeward facade)"}, F5, err);
}

void LeewardSARFactor(const RunContext& ctx, float ZH, float SAR, float PAD, float& F6,
                      std::int16_t& err, const LeewardRatioTable& table) {
  RatioFactor(ctx, ZH, SAR, PAD, table, LeewardRatio::SAR,
              {"PAD out of range (0 - 35) ", "SAR out of range (leeward facade)"}, F6, err);
}

int LeewardAngleBand(float ZH) {
  return BandIndex(5.0 * (static_cast<double>(ZH) - 0.6) + 2.0, 3);
}

float LeewardAngleFactorInBand(int zhBand, float angle, float XL) {
  const float x = angle < 0.0f ? static_cast<float>(1.0 - XL) : XL;
  const int first_row = (zhBand - 1) * static_cast<int>(kLeewardAngle.size());
  return LookupOneAxis(kLeewardAngle, std::fabs(angle), [&](int iA) {
    return static_cast<float>(EvalPolynomial(x, LeewardAngleTable, 5, first_row + iA));
  });
}

double LeewardBandMultiplier(float ZH) {
  return LeewardMultiplierOfBand(LeewardMultiplierBand(ZH));
}

int LeewardMultiplierBand(float ZH) {
  if (ZH < 0.2f) return 0;
  if (ZH < 0.4f) return 1;
  if (ZH < 0.6f) return 2;
  if (ZH < 0.8f) return 3;
  return 4;
}

double LeewardMultiplierOfBand(int band) {
  static constexpr std::array<double, 5> kMultipliers{0.86, 0.83, 0.73, 0.64, 0.61};
  return kMultipliers[static_cast<std::size_t>(band)];
}

}  // namespace ventora
