// Roof-type factors: how the pressure varies across the roof with its shape.
// Each is a family of curves on a (ZH, angle) grid; a ZH or an angle beyond
// its grid takes the end point.

#include "engine/models/grid_lookup.h"
#include "engine/models/numeric_helpers.h"
#include "engine/models/roof_factors.h"
#include "engine/models/roof_tables.h"

namespace ventora {

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

}  // namespace ventora
