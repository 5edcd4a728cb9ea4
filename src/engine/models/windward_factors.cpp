#include "engine/models/windward_factors.h"

#include <cmath>
#include <span>

#include "core/parameter_limits.h"
#include "engine/models/grid_lookup.h"
#include "engine/models/numeric_helpers.h"
#include "engine/models/row_memo.h"
#include "engine/models/windward_grids.h"

namespace ventora {
namespace {

static_assert(kWindwardVeEXPZH.size() == WindwardVeEXPTable.size());
static_assert(kWindwardRbHZH.size() * kWindwardRbHPAD.size() == WindwardRbHTable.size());
static_assert(kWindwardRatioPAD.size() * kWindwardRatioZH.size() == WindwardFARTable.size());
static_assert(WindwardFARTable.size() == WindwardSARTable.size());

using RootFormRow = double (*)(float, std::span<const float>, int);

// The FAR and SAR factors: the ratio picks the curve once for every row the
// lookup evaluates; a row without a real value (1000) spoils the whole factor.
void RatioFactor(const RunContext& ctx, float ZH, float ratio, float PAD,
                 const WindwardRatioTable& table, RootFormRow root_form, const char* message,
                 float& factor, std::int16_t& err) {
  if (ratio == 1.0f) {
    factor = 1.0f;
    return;
  }
  const bool below_one = ratio < 1.0f;
  bool no_real_value = false;
  const int form = root_form == EvalRootFit6SpecialRow ? 1 : 2;
  auto row_value = [&](int r) {
    const float stored = MemoRow(ctx.rows, &table, form, r, ratio, 0.0f, [&] {
      const std::span<const float> row = TableRow(table, r);
      const double v = below_one ? EvalPolynomialRow(ratio, row.first(2), 2)
                                 : root_form(ratio, row.subspan(2), ClampRow(table, r));
      return static_cast<float>(v);
    });
    if (stored == static_cast<float>(kNoRealValue)) no_real_value = true;
    return stored;
  };
  const float value = LookupTwoAxes(kWindwardRatioPAD, PAD, kWindwardRatioZH, ZH, row_value);
  if (no_real_value) {
    factor = 10000.0f;
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
  F2 = LookupOneAxis(kWindwardVeEXPZH, ZH, [&](int r) {
    return MemoRow(ctx.rows, &WindwardVeEXPTable, 0, r, VeEXP, 0.0f, [&] {
      return static_cast<float>(EvalPolynomial(VeEXP, WindwardVeEXPTable, 4, r));
    });
  });
}

void WindwardPADFactor(const RunContext& ctx, float ZH, float PAD, float& F3, std::int16_t& err) {
  if (!limits::kPAD.accepted.Contains(PAD)) {
    ctx.RangeMessage("PAD out of range (0 - 50)");
    err = 1;
    return;
  }
  // Bands of 0.1 in ZH with no interpolation between them.
  const int row = BandIndex(10.0 * (static_cast<double>(ZH) - 0.65) + 2.0, 5);
  F3 = MemoRow(ctx.rows, &WindwardPADTable, 0, row, PAD, 0.0f,
               [&] { return static_cast<float>(EvalPolynomial(PAD, WindwardPADTable, 4, row)); });
}

void WindwardRbHFactor(float ZH, float PAD, float RbH, float& F4, RowMemo* rows) {
  if (RbH == 1.0f) {
    F4 = 1.0f;
    return;
  }
  F4 = LookupTwoAxes(kWindwardRbHZH, ZH, kWindwardRbHPAD, PAD, [&](int r) {
    return MemoRow(rows, &WindwardRbHTable, 0, r, RbH, 0.0f,
                   [&] { return static_cast<float>(EvalPolynomial(RbH, WindwardRbHTable, 4, r)); });
  });
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
  const float x = angle < 0.0f ? static_cast<float>(1.0 - XL) : XL;
  const int zh_band = BandIndex(5.0 * (static_cast<double>(ZH) - 0.6) + 2.0, 3);
  const int angle_band = BandIndex((std::fabs(static_cast<double>(angle)) - 5.0) / 10.0 + 2.0, 10);
  F7 =
      static_cast<float>(EvalPolynomial(x, WindwardAngleTable, 4, (zh_band - 1) * 10 + angle_band));
}

}  // namespace ventora
