// Structural checks on every row of every coefficient table of the three
// models (and on their grids): properties the fitted curves share by
// construction, so that a mistyped digit, a shifted row or a lost sign shows
// up as a row that breaks the pattern.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <span>

#include "engine/models/leeward_tables.h"
#include "engine/models/numeric_helpers.h"
#include "engine/models/roof_tables.h"
#include "engine/models/windward_tables.h"

namespace ventora {
namespace {

// Every grid of the roof ascends strictly.
template <class... Grid>
void ExpectAscending(const Grid&... grids) {
  for (std::span<const float> g : {std::span<const float>(grids)...})
    EXPECT_TRUE(std::adjacent_find(g.begin(), g.end(), std::greater_equal<>()) == g.end());
}

TEST(WindwardTablesTest, EveryRowKeepsItsPattern) {
  for (int r = 1; r <= 5; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(WindwardVeEXPTable[r - 1][0], 0.0f);  // no cubic term
    EXPECT_NEAR(EvalPolynomial(0.22f, WindwardVeEXPTable, 4, r), 1.0, 1e-4);
    EXPECT_NEAR(EvalPolynomial(0.0f, WindwardPADTable, 4, r), 1.0, 0.05);
  }
  // The lines give 1 at ratio 1 (FAR row 64 alone misses); the root forms that
  // take over above 1 start close to 1, the steep FAR rows 43, 45, 46 and 53
  // a little less so.
  for (int r = 1; r <= 66; ++r) {
    SCOPED_TRACE(r);
    EXPECT_NEAR(EvalPolynomial(1.0f, WindwardFARTable, 2, r), r == 64 ? 0.92 : 1.0, 1e-6);
    EXPECT_NEAR(EvalPolynomial(1.0f, WindwardSARTable, 2, r), 1.0, 1e-6);
    const bool steep = r == 43 || r == 45 || r == 46 || r == 53;
    const auto far = TableRow(WindwardFARTable, r).subspan(2);
    EXPECT_NEAR(EvalRootFit6SpecialRow(1.0f, far, r), 1.0, steep ? 0.35 : 0.1);
    EXPECT_NEAR(EvalRootFit4SpecialRow(1.0f, TableRow(WindwardSARTable, r).subspan(2), r), 1.0,
                0.1);
  }
  EXPECT_EQ(WindwardSARTable[27][0], 1.2f);  // the slope given to row 28
  // Below 5 degrees the wind meets the wall square on: each ZH band's cubic
  // reads the same from either edge.
  for (int r : {1, 11, 21})
    for (float x : {0.0f, 0.125f, 0.25f, 0.375f})
      EXPECT_NEAR(EvalPolynomial(x, WindwardAngleTable, 4, r),
                  EvalPolynomial(1.0f - x, WindwardAngleTable, 4, r), 1e-6)
          << r << " " << x;
}

TEST(LeewardTablesTest, EveryRowKeepsItsPattern) {
  // The ratio lines give 1 at ratio 1 and the root forms continue them close
  // to 1 (FAR row 62's closed form is the one outlier; SAR rows from 31 on
  // give 20 minus the root).
  for (int r = 1; r <= 66; ++r) {
    SCOPED_TRACE(r);
    EXPECT_NEAR(EvalPolynomial(1.0f, LeewardFARTable, 2, r), 1.0, 1e-6);
    EXPECT_NEAR(EvalPolynomial(1.0f, LeewardSARTable, 2, r), 1.0, 1e-6);
    const double far = EvalExpRootFit6Row(1.0f, TableRow(LeewardFARTable, r).subspan(2), r);
    EXPECT_NEAR(far, r == 62 ? 1.4534 : 1.0, r == 62 ? 1e-4 : 0.08);
    const double q = EvalRootFit4Row(1.0f, TableRow(LeewardSARTable, r).subspan(2));
    EXPECT_NEAR(r > 30 ? 20.0 - q : q, 1.0, 0.005);
  }
  // The VeEXP rows are quadratics just below 1 at the reference 0.22 (the
  // factor is set to 1 there); the PAD rows start near 1 and fall with density.
  for (int r = 1; r <= 6; ++r) {
    SCOPED_TRACE(r);
    if (r <= 5) {
      EXPECT_EQ(LeewardVeEXPTable[r - 1][0], 0.0f);
      EXPECT_NEAR(EvalPolynomial(0.22f, LeewardVeEXPTable, 4, r), 0.9735, 0.0195);  // 0.954..0.993
    }
    EXPECT_NEAR(EvalPolynomial(0.0f, LeewardPADTable, 6, r), 1.04, 0.01);
    EXPECT_LT(EvalPolynomial(10.0f, LeewardPADTable, 6, r), 0.75);
    EXPECT_GT(EvalPolynomial(50.0f, LeewardPADTable, 6, r), 0.4);
  }
  // The RbH rows rise with height and sit near 1 at the reference (row 6 apart).
  for (int r = 1; r <= 36; ++r) {
    SCOPED_TRACE(r);
    const double at[] = {EvalPolynomial(1.0f, LeewardRbHTable, 3, r),
                         EvalPolynomial(2.0f, LeewardRbHTable, 3, r),
                         EvalPolynomial(3.0f, LeewardRbHTable, 3, r)};
    EXPECT_TRUE(r == 6 || std::fabs(at[0] - 0.9) <= 0.25);
    EXPECT_LT(at[0], at[1]);
    EXPECT_LT(at[1], at[2]);
  }
  // Every distribution is a positive multiplier; wind from straight behind
  // (rows 5 and 10) loads the two lower bands symmetrically.
  for (int r = 1; r <= 15; ++r) {
    SCOPED_TRACE(r);
    EXPECT_TRUE(r > 10 || LeewardAngleTable[r - 1][0] == 0.0f);
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

TEST(RoofTablesTest, EveryGridAndRowKeepsItsPattern) {
  ExpectAscending(kRoofPADZHGrid, kRoofRbHZHGrid, kRoofRbHPADGrid, kRoofFARZHGrid, kRoofSARZHGrid,
                  kRoofFlatZHGrid, kRoofFlatAngleGrid, kRoofSingleSlopeMidAngleGrid,
                  kRoofSingleSlopeMidZHGrid, kRoofSingleSlopeAngleGrid, kRoofSingleSlopeZHGrid,
                  kRoofDoubleSlopeMidAngleGrid, kRoofDoubleSlopeMidZHGrid,
                  kRoofDoubleSlopeAngleGrid, kRoofDoubleSlopeZHGrid);
  // Row k serves |theta| up to 90 (from 1 at 0) and row k + 5 beyond it, for
  // the same ZH band: they meet at 90.
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(EvalPolynomialAsc(0.0f, kRoofAngleTable, 4, k), 1.0) << k;
    EXPECT_NEAR(EvalPolynomialAsc(90.0f, kRoofAngleTable, 4, k),
                EvalPolynomialAsc(90.0f, kRoofAngleTable, 4, k + 5), 1e-4)
        << k;
  }
  // The mid-line curves give 1 on a flat roof, and every flat-roof curve
  // gives 1 on the mid-line (row 10 only with its corrected sign).
  for (int r = 1; r <= static_cast<int>(kRoofSingleSlopeMidTable.size()); ++r)
    EXPECT_EQ(EvalPolynomialAsc(0.0f, kRoofSingleSlopeMidTable, 4, r), 1.0) << r;
  for (int r = 1; r <= static_cast<int>(kRoofDoubleSlopeMidTable.size()); ++r)
    EXPECT_EQ(EvalPolynomialAsc(0.0f, kRoofDoubleSlopeMidTable, 4, r), 1.0) << r;
  for (int r = 1; r <= static_cast<int>(kRoofFlatTable.size()); ++r)
    EXPECT_NEAR(EvalPolynomialAsc(0.5f, kRoofFlatTable, 5, r), 1.0, 1e-5) << r;
  // Wind along the ridge (90 degrees) sees both halves of a double slope
  // alike: the rows pair off from the two edges.
  const int nm = static_cast<int>(kRoofDoubleSlopeMidZHGrid.size());
  for (int z = 0; z < nm; ++z)
    EXPECT_EQ(kRoofDoubleSlopeMidTable[3 * nm + z], kRoofDoubleSlopeMidTable[4 * nm - 1 - z]);
  const int n = static_cast<int>(kRoofDoubleSlopeZHGrid.size());
  for (int z = 0; z < n; ++z) {
    EXPECT_NEAR(kRoofDoubleSlopeZHGrid[z] + kRoofDoubleSlopeZHGrid[n - 1 - z], 1.0f, 1e-6);
    EXPECT_EQ(kRoofDoubleSlopeTable[3 * n + z], kRoofDoubleSlopeTable[4 * n - 1 - z]);
  }
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
