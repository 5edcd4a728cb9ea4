#pragma once
// The curves of the roof's correction factors evaluated row by row at the
// job's values, through the run's memo, and the bands that pick the rows:
// the factors and the facade plans read the very same values.

#include <cmath>

#include "engine/models/numeric_helpers.h"
#include "engine/models/roof_tables.h"
#include "engine/models/row_memo.h"

namespace ventora {

// The ZH band of the angle and VeEXP tables: 1 below 0.2, ..., 5 from 0.8 on
// (ZH = 1 stays in band 5).
inline int RoofZHBand(float ZH) {
  return BandIndex(5.0 * ZH + 1.0, 5);
}

// The angle factor's row for a band of ZH and a wind angle t (not 0).
inline float RoofAngleRow(float t, int band) {
  const int k = t > 90.0f ? band + 5 : band;
  return static_cast<float>(EvalPolynomialAsc(t, kRoofAngleTable, 4, k));
}

// Wind from behind the roof reads the VeEXP table from the other edge: ZH
// mirrored, and the angle band of the mirrored angle.
struct RoofVeEXPAngle {
  bool mirrored = false;
  int band = 1;
};

inline RoofVeEXPAngle RoofVeEXPAngleOf(float theta) {
  float t = std::fabs(theta);
  const bool mirrored = t > 90.0f && t <= 180.0f;
  if (mirrored) t = static_cast<float>(180.0 - t);
  return {mirrored, BandIndex(t / 22.5 + 1.0, 4)};
}

inline float RoofVeEXPRow(RowMemo* rows, float VeEXP, int row) {
  return MemoRow(rows, &kRoofVeEXPTable, 0, row, VeEXP, 0.0f, [&] {
    return static_cast<float>(EvalPolynomialAsc(VeEXP, kRoofVeEXPTable, 3, row));
  });
}

inline float RoofPADRow(RowMemo* rows, float PAD, int r) {
  return MemoRow(rows, &kRoofPADTable, 0, r, PAD, 0.0f,
                 [&] { return static_cast<float>(EvalPolynomialAsc(PAD, kRoofPADTable, 5, r)); });
}

// A logistic curve above an RbH of 1, a line below.
inline float RoofRbHRow(RowMemo* rows, float RbH, int r) {
  if (RbH > 1.0f) {
    return MemoRow(rows, &kRoofRbHTable, 0, r, RbH, 0.0f,
                   [&] { return static_cast<float>(EvalLogistic(RbH, kRoofRbHTable, r)); });
  }
  return MemoRow(rows, &kRoofRbHLinearTable, 0, r, RbH, 0.0f, [&] {
    return static_cast<float>(EvalPolynomialAsc(RbH, kRoofRbHLinearTable, 2, r));
  });
}

inline float RoofFARRow(RowMemo* rows, float FAR, float PAD, int r) {
  return MemoRow(rows, &kRoofFARTable, 0, r, FAR, PAD, [&] {
    return static_cast<float>(EvalPolynomial2D(FAR, PAD, kRoofFARTable, 9, r));
  });
}

inline float RoofSARRow(RowMemo* rows, float SAR, float PAD, int r) {
  return MemoRow(rows, &kRoofSARTable, 0, r, SAR, PAD, [&] {
    return static_cast<float>(EvalPolynomial2D(SAR, PAD, kRoofSARTable, 9, r));
  });
}

}  // namespace ventora
