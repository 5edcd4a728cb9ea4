// Structural checks on the windward coefficient tables: properties every
// row of the fitted curves shares, so that a mistyped or shifted coefficient
// shows up as a row that breaks the pattern.

#include <gtest/gtest.h>

#include "engine/models/numeric_helpers.h"
#include "engine/models/windward_tables.h"

namespace ventora {
namespace {

TEST(WindwardTablesTest, EveryVeEXPRowGivesOneAtTheReferenceExponent) {
  for (int r = 1; r <= 5; ++r) {
    EXPECT_EQ(WindwardVeEXPTable[r - 1][0], 0.0f) << "row " << r;  // no cubic term
    EXPECT_NEAR(EvalPolynomial(0.22f, WindwardVeEXPTable, 4, r), 1.0, 1e-4) << "row " << r;
  }
}

TEST(WindwardTablesTest, EveryRatioLineGivesOneAtRatioOne) {
  for (int r = 1; r <= 66; ++r) {
    const double far_line = EvalPolynomial(1.0f, WindwardFARTable, 2, r);
    if (r == 64)
      EXPECT_NEAR(far_line, 0.92, 1e-6);  // the one fitted line that misses 1
    else
      EXPECT_NEAR(far_line, 1.0, 1e-6) << "FAR row " << r;
    EXPECT_NEAR(EvalPolynomial(1.0f, WindwardSARTable, 2, r), 1.0, 1e-6) << "SAR row " << r;
  }
  EXPECT_EQ(WindwardSARTable[27][0], 1.2f);  // the slope given to row 28
}

// The root forms take over from the lines above ratio 1: every curve starts
// close to 1 there, the four steep FAR rows at PAD 20 and 25 a little less so.
TEST(WindwardTablesTest, RootFormsStartNearOneAtRatioOne) {
  for (int r = 1; r <= 66; ++r) {
    const auto far = TableRow(WindwardFARTable, r).subspan(2);
    const auto sar = TableRow(WindwardSARTable, r).subspan(2);
    const bool steep = r == 43 || r == 45 || r == 46 || r == 53;
    EXPECT_NEAR(EvalRootFit6SpecialRow(1.0f, far, r), 1.0, steep ? 0.35 : 0.1) << "FAR row " << r;
    EXPECT_NEAR(EvalRootFit4SpecialRow(1.0f, sar, r), 1.0, 0.1) << "SAR row " << r;
  }
}

TEST(WindwardTablesTest, HeadOnAngleRowsAreSymmetricAcrossTheFacade) {
  // Below 5 degrees the wind meets the wall square on: the cubic of each ZH
  // band must read the same from either edge.
  for (int row : {1, 11, 21})
    for (float x : {0.0f, 0.125f, 0.25f, 0.375f}) {
      EXPECT_NEAR(EvalPolynomial(x, WindwardAngleTable, 4, row),
                  EvalPolynomial(1.0f - x, WindwardAngleTable, 4, row), 1e-6)
          << "row " << row << " x " << x;
    }
}

TEST(WindwardTablesTest, PADRowsStayNearOneWithoutSurroundings) {
  for (int r = 1; r <= 5; ++r)
    EXPECT_NEAR(EvalPolynomial(0.0f, WindwardPADTable, 4, r), 1.0, 0.05) << "row " << r;
}

}  // namespace
}  // namespace ventora
