// Structural checks on the roof tables: properties the fitted curves share by
// construction, so that a slipped digit, a swapped row or a lost sign shows.

#include "engine/models/roof_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <span>

#include "engine/models/numeric_helpers.h"

namespace ventora {
namespace {

TEST(RoofTablesTest, GridsAscendStrictly) {
  const std::span<const float> grids[] = {kRoofPADZHGrid,
                                          kRoofRbHZHGrid,
                                          kRoofRbHPADGrid,
                                          kRoofFARZHGrid,
                                          kRoofSARZHGrid,
                                          kRoofFlatZHGrid,
                                          kRoofFlatAngleGrid,
                                          kRoofSingleSlopeMidAngleGrid,
                                          kRoofSingleSlopeMidZHGrid,
                                          kRoofSingleSlopeAngleGrid,
                                          kRoofSingleSlopeZHGrid,
                                          kRoofDoubleSlopeMidAngleGrid,
                                          kRoofDoubleSlopeMidZHGrid,
                                          kRoofDoubleSlopeAngleGrid,
                                          kRoofDoubleSlopeZHGrid};
  for (std::span<const float> g : grids) {
    EXPECT_TRUE(std::adjacent_find(g.begin(), g.end(), std::greater_equal<float>()) == g.end());
  }
}

TEST(RoofTablesTest, AngleRowsAgreeAtNinetyDegrees) {
  // Row k serves |theta| up to 90 and row k + 5 beyond it, for the same ZH band.
  for (int k = 1; k <= 5; ++k) {
    const double below = EvalPolynomialAsc(90.0f, kRoofAngleTable, 4, k);
    const double above = EvalPolynomialAsc(90.0f, kRoofAngleTable, 4, k + 5);
    EXPECT_NEAR(below, above, 1e-4) << "ZH band " << k;
  }
}

TEST(RoofTablesTest, AngleRowsUpToNinetyStartAtOne) {
  for (int k = 1; k <= 5; ++k)
    EXPECT_EQ(EvalPolynomialAsc(0.0f, kRoofAngleTable, 4, k), 1.0) << "row " << k;
}

TEST(RoofTablesTest, MidLineRowsGiveOneOnAFlatRoof) {
  for (int r = 1; r <= static_cast<int>(kRoofSingleSlopeMidTable.size()); ++r)
    EXPECT_EQ(EvalPolynomialAsc(0.0f, kRoofSingleSlopeMidTable, 4, r), 1.0) << "row " << r;
  for (int r = 1; r <= static_cast<int>(kRoofDoubleSlopeMidTable.size()); ++r)
    EXPECT_EQ(EvalPolynomialAsc(0.0f, kRoofDoubleSlopeMidTable, 4, r), 1.0) << "row " << r;
}

TEST(RoofTablesTest, FlatRowsGiveOneOnTheMidLine) {
  // The flat roof's factor is 1 on the mid-line, and every curve passes there
  // (row 10 only with its corrected sign).
  for (int r = 1; r <= static_cast<int>(kRoofFlatTable.size()); ++r)
    EXPECT_NEAR(EvalPolynomialAsc(0.5f, kRoofFlatTable, 5, r), 1.0, 1e-5) << "row " << r;
}

TEST(RoofTablesTest, DoubleSlopeRowsAcrossTheWindMirrorInZH) {
  // Wind along the ridge (90 degrees) sees both halves alike: the rows pair
  // off from the two edges.
  const int nm = static_cast<int>(kRoofDoubleSlopeMidZHGrid.size());
  const int firstMid = (4 - 1) * nm;
  for (int z = 1; z <= nm; ++z) {
    EXPECT_EQ(kRoofDoubleSlopeMidTable[firstMid + z - 1],
              kRoofDoubleSlopeMidTable[firstMid + nm - z]);
  }
  const int n = static_cast<int>(kRoofDoubleSlopeZHGrid.size());
  const int first = (4 - 1) * n;
  for (int z = 1; z <= n; ++z) {
    EXPECT_NEAR(kRoofDoubleSlopeZHGrid[z - 1] + kRoofDoubleSlopeZHGrid[n - z], 1.0f, 1e-6);
    EXPECT_EQ(kRoofDoubleSlopeTable[first + z - 1], kRoofDoubleSlopeTable[first + n - z]);
  }
}

TEST(RoofTablesTest, ReferenceRatioCurvesPassNearOne) {
  // At PAD 0 the lowest ZH point's curves give about 1 for the reference
  // building (RbH 1, FAR 1, SAR 1): a swapped coefficient moves them far off.
  EXPECT_NEAR(EvalLogistic(1.0f, kRoofRbHTable, 1), 1.0, 2e-3);
  EXPECT_NEAR(EvalPolynomialAsc(1.0f, kRoofRbHLinearTable, 2, 1), 1.0, 2e-2);
  EXPECT_NEAR(EvalPolynomial2D(1.0f, 0.0f, kRoofFARTable, 9, 1), 1.0, 3e-2);
  EXPECT_NEAR(EvalPolynomial2D(1.0f, 0.0f, kRoofSARTable, 9, 1), 1.0, 8e-2);
  EXPECT_NEAR(EvalPolynomialAsc(0.0f, kRoofPADTable, 5, 1), 1.0, 6e-2);
}

}  // namespace
}  // namespace ventora
