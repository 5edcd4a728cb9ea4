#pragma once
// The curves of the leeward factors evaluated row by row at one value of the
// job's, through the run's memo: the factors and the facade plans read the
// very same values.

#include <algorithm>
#include <span>

#include "engine/models/leeward_factors.h"
#include "engine/models/leeward_tables.h"
#include "engine/models/numeric_helpers.h"
#include "engine/models/row_memo.h"

namespace ventora {

inline constexpr float kLeewardNoRealValue = static_cast<float>(kNoRealValue);

inline float LeewardVeEXPRow(RowMemo* rows, float VeEXP, int r) {
  return MemoRow(rows, &LeewardVeEXPTable, 0, r, VeEXP, 0.0f, [&] {
    return static_cast<float>(EvalPolynomial(VeEXP, LeewardVeEXPTable, 4, r));
  });
}

inline float LeewardPADRow(RowMemo* rows, float PAD, int r) {
  return MemoRow(rows, &LeewardPADTable, 0, r, PAD, 0.0f,
                 [&] { return static_cast<float>(EvalPolynomial(PAD, LeewardPADTable, 6, r)); });
}

inline float LeewardRbHRow(RowMemo* rows, float RbH, int r) {
  return MemoRow(rows, &LeewardRbHTable, 0, r, RbH, 0.0f,
                 [&] { return static_cast<float>(EvalPolynomial(RbH, LeewardRbHTable, 3, r)); });
}

// The FAR and SAR curves: the line below a ratio of 1, the root form above.
enum class LeewardRatio { FAR, SAR };

double LeewardRootForm(LeewardRatio which, float ratio, std::span<const float> b, int r);

inline float LeewardRatioRow(RowMemo* rows, const LeewardRatioTable& table, LeewardRatio which,
                             float ratio, int r) {
  const int form = which == LeewardRatio::FAR ? 1 : 2;
  return MemoRow(rows, &table, form, r, ratio, 0.0f, [&] {
    const int row_count = static_cast<int>(table.rows.size());
    const int row_number = std::clamp(r, 1, row_count);
    const std::span<const float> row = table.rows[static_cast<std::size_t>(row_number - 1)];
    const double v = ratio < 1.0f ? EvalPolynomialRow(ratio, row.first(2), 2)
                                  : LeewardRootForm(which, ratio, row.subspan(2), row_number);
    return static_cast<float>(v);
  });
}

}  // namespace ventora
