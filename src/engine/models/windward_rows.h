#pragma once
// The curves of the windward factors evaluated row by row at one value of
// the job's, through the run's memo: the factors and the facade plans read
// the very same values.

#include <span>

#include "engine/models/numeric_helpers.h"
#include "engine/models/row_memo.h"
#include "engine/models/windward_factors.h"
#include "engine/models/windward_tables.h"

namespace ventora {

using WindwardRootFormRow = double (*)(float, std::span<const float>, int);

inline float WindwardVeEXPRow(RowMemo* rows, float VeEXP, int r) {
  return MemoRow(rows, &WindwardVeEXPTable, 0, r, VeEXP, 0.0f, [&] {
    return static_cast<float>(EvalPolynomial(VeEXP, WindwardVeEXPTable, 4, r));
  });
}

// The PAD factor's row: bands of 0.1 in ZH with no interpolation between
// them.
inline int WindwardPADBand(float ZH) {
  return BandIndex(10.0 * (static_cast<double>(ZH) - 0.65) + 2.0, 5);
}

inline float WindwardPADRow(RowMemo* rows, float PAD, int r) {
  return MemoRow(rows, &WindwardPADTable, 0, r, PAD, 0.0f,
                 [&] { return static_cast<float>(EvalPolynomial(PAD, WindwardPADTable, 4, r)); });
}

inline float WindwardRbHRow(RowMemo* rows, float RbH, int r) {
  return MemoRow(rows, &WindwardRbHTable, 0, r, RbH, 0.0f,
                 [&] { return static_cast<float>(EvalPolynomial(RbH, WindwardRbHTable, 4, r)); });
}

// The ratio picks the curve's form: the line below 1, the root form above.
inline float WindwardRatioRow(RowMemo* rows, const WindwardRatioTable& table,
                              WindwardRootFormRow root_form, float ratio, int r) {
  const int form = root_form == EvalRootFit6SpecialRow ? 1 : 2;
  return MemoRow(rows, &table, form, r, ratio, 0.0f, [&] {
    const std::span<const float> row = TableRow(table, r);
    const double v = ratio < 1.0f ? EvalPolynomialRow(ratio, row.first(2), 2)
                                  : root_form(ratio, row.subspan(2), ClampRow(table, r));
    return static_cast<float>(v);
  });
}

}  // namespace ventora
