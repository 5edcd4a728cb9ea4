// Structural checks on the leeward coefficient tables: properties the fitted
// curves share by construction, so that a mistyped digit or sign shows.

#include "engine/models/leeward_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <span>

#include "engine/models/numeric_helpers.h"

namespace ventora {
namespace {

std::span<const float> Row(std::span<const std::array<float, 5>> table, int r) {
  return table[static_cast<std::size_t>(r - 1)];
}

TEST(LeewardTablesTest, EveryRatioLineGivesOneAtRatioOne) {
  for (int r = 1; r <= 66; ++r) {
    SCOPED_TRACE(r);
    EXPECT_NEAR(EvalPolynomialRow(1.0f, Row(LeewardFARTable, r).first(2), 2), 1.0, 1e-6);
    EXPECT_NEAR(EvalPolynomialRow(1.0f, Row(LeewardSARTable, r).first(2), 2), 1.0, 1e-6);
  }
}

// The root forms continue the lines above ratio 1, so at ratio 1 they come
// close to 1 as well (FAR row 62's closed form is the model's one outlier).
TEST(LeewardTablesTest, RootFormsMeetTheLinesNearRatioOne) {
  for (int r = 1; r <= 66; ++r) {
    SCOPED_TRACE(r);
    const double far = EvalExpRootFit6Row(1.0f, Row(LeewardFARTable, r).subspan(2), r);
    if (r != 62) {
      EXPECT_NEAR(far, 1.0, 0.08);
    }
    const double q = EvalRootFit4Row(1.0f, Row(LeewardSARTable, r).subspan(2));
    EXPECT_NEAR(r > 30 ? 20.0 - q : q, 1.0, 0.005);
  }
  EXPECT_NEAR(EvalExpRootFit6Row(1.0f, Row(LeewardFARTable, 62).subspan(2), 62), 1.4534, 1e-4);
}

// Unlike the windward rows, the leeward VeEXP rows do not reach 1 at the
// reference exponent 0.22; the factor is set to 1 there instead.
TEST(LeewardTablesTest, VeEXPRowsAreQuadraticsJustBelowOneAtTheReference) {
  for (int r = 1; r <= 5; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(LeewardVeEXPTable[r - 1][0], 0.0f);
    const double at_reference = EvalPolynomial(0.22f, LeewardVeEXPTable, 4, r);
    EXPECT_GT(at_reference, 0.954);
    EXPECT_LT(at_reference, 0.993);
  }
}

TEST(LeewardTablesTest, PADRowsStartNearOneAndFallWithDensity) {
  for (int r = 1; r <= 6; ++r) {
    SCOPED_TRACE(r);
    EXPECT_NEAR(EvalPolynomial(0.0f, LeewardPADTable, 6, r), 1.04, 0.01);
    EXPECT_LT(EvalPolynomial(10.0f, LeewardPADTable, 6, r), 0.75);
    EXPECT_GT(EvalPolynomial(50.0f, LeewardPADTable, 6, r), 0.4);
  }
}

TEST(LeewardTablesTest, RbHRowsRiseWithHeightAndSitNearOneAtTheReference) {
  for (int r = 1; r <= 36; ++r) {
    SCOPED_TRACE(r);
    const double at_one = EvalPolynomial(1.0f, LeewardRbHTable, 3, r);
    if (r != 6) {
      EXPECT_NEAR(at_one, 0.9, 0.25);
    }
    EXPECT_LT(at_one, EvalPolynomial(2.0f, LeewardRbHTable, 3, r));
    EXPECT_LT(EvalPolynomial(2.0f, LeewardRbHTable, 3, r),
              EvalPolynomial(3.0f, LeewardRbHTable, 3, r));
  }
}

// Wind from straight behind (180 degrees) loads a facade symmetrically in the
// two lower bands; every distribution stays a positive multiplier.
TEST(LeewardTablesTest, AngleRowsArePositiveAndSymmetricFromBehind) {
  for (int r = 1; r <= 15; ++r) {
    SCOPED_TRACE(r);
    if (r <= 10) {
      EXPECT_EQ(LeewardAngleTable[r - 1][0], 0.0f);
    }
    for (int i = 0; i <= 20; ++i) {
      const float x = static_cast<float>(i) / 20.0f;
      const double v = EvalPolynomial(x, LeewardAngleTable, 5, r);
      EXPECT_GT(v, 0.9);
      EXPECT_LT(v, 3.7);
      if (r == 5 || r == 10) {
        EXPECT_NEAR(v, EvalPolynomial(1.0f - x, LeewardAngleTable, 5, r), 1e-6);
      }
    }
  }
}

}  // namespace
}  // namespace ventora
