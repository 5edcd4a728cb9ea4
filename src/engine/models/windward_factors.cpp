#include "engine/models/windward_factors.h"

#include <cmath>
#include <span>

#include "core/parameter_limits.h"
#include "engine/models/grid_lookup.h"
#include "engine/models/numeric_helpers.h"
#include "engine/models/row_memo.h"
#include "engine/models/windward_rows.h"
#include "engine/models/windward_tables.h"
#include "engine/report_writer.h"

namespace ventora {
namespace {

// The FAR and SAR factors: the ratio picks the curve once for every row the
// lookup evaluates; a row without a real value (1000) spoils the whole factor.
void RatioFactor(const RunContext& ctx, float ZH, float ratio, float PAD,
                 const WindwardRatioTable& table, WindwardRootFormRow root_form,
                 const char* message, float& factor, std::int16_t& err) {
  if (ratio == 1.0f) {
    factor = 1.0f;
    return;
  }
  bool no_real_value = false;
  auto row_value = [&](int r) {
    const float stored = WindwardRatioRow(ctx.rows, table, root_form, ratio, r);
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
  F2 = LookupOneAxis(kWindwardVeEXPZH, ZH,
                     [&](int r) { return WindwardVeEXPRow(ctx.rows, VeEXP, r); });
}

void WindwardPADFactor(const RunContext& ctx, float ZH, float PAD, float& F3, std::int16_t& err) {
  if (!limits::kPAD.accepted.Contains(PAD)) {
    ctx.RangeMessage("PAD out of range (0 - 50)");
    err = 1;
    return;
  }
  F3 = WindwardPADRow(ctx.rows, PAD, WindwardPADBand(ZH));
}

void WindwardRbHFactor(float ZH, float PAD, float RbH, float& F4, RowMemo* rows) {
  if (RbH == 1.0f) {
    F4 = 1.0f;
    return;
  }
  F4 = LookupTwoAxes(kWindwardRbHZH, ZH, kWindwardRbHPAD, PAD,
                     [&](int r) { return WindwardRbHRow(rows, RbH, r); });
}

void WindwardFARFactor(const RunContext& ctx, float ZH, float FAR, float PAD, float& F5,
                       std::int16_t& err, const WindwardRatioTable& table) {
  RatioFactor(ctx, ZH, FAR, PAD, table, EvalRootFit6SpecialRow,
              "FAR out of range (windward facade)", F5, err);
}

void WindwardSARFactor(const RunContext& ctx, float ZH, float SAR, float PAD, float& F6,
                       std::int16_t& err, const WindwardRatioTable& table) {
  RatioFactor(ctx, ZH, SAR, PAD, table, EvalRootFit4SpecialRow,
              "SAR out of range (windward facade)", F6, err);
}

void WindwardAngleFactor(float ZH, float angle, float XL, float& F7) {
  F7 = WindwardAngleFactorInBand(WindwardAngleBand(ZH), angle, XL);
}

int WindwardAngleBand(float ZH) {
  return BandIndex(5.0 * (static_cast<double>(ZH) - 0.6) + 2.0, 3);
}

float WindwardAngleFactorInBand(int zhBand, float angle, float XL) {
  const float x = angle < 0.0f ? static_cast<float>(1.0 - XL) : XL;
  const int angle_band = BandIndex((std::fabs(static_cast<double>(angle)) - 5.0) / 10.0 + 2.0, 10);
  return static_cast<float>(
      EvalPolynomial(x, WindwardAngleTable, 4, (zhBand - 1) * 10 + angle_band));
}

}  // namespace ventora
