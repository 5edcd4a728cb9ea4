#include "engine/models/grid_lookup.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace ventora {
namespace {

constexpr std::array<float, 5> kZH{0.1f, 0.3f, 0.5f, 0.7f, 0.9f};
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// A row evaluator that records which rows it was asked for; row r is worth r
// squared, so interpolated values show which rows met which abscissae.
struct RecordingRows {
  std::vector<int> asked;
  int rows;
  float operator()(int r) {
    asked.push_back(r);
    EXPECT_GE(r, 1);
    EXPECT_LE(r, rows);
    return static_cast<float>(r * r);
  }
};

TEST(LocateOnGridTest, ExactMatchesBracketsAndHeldEnds) {
  auto at = LocateOnGrid(kZH, 0.5f);
  EXPECT_TRUE(at.exact);
  EXPECT_EQ(at.index, 3);
  at = LocateOnGrid(kZH, 0.9f);
  EXPECT_TRUE(at.exact);
  EXPECT_EQ(at.index, 5);
  at = LocateOnGrid(kZH, 0.6f);
  EXPECT_FALSE(at.exact);
  EXPECT_EQ(at.index, 3);
  for (float below : {0.05f, -1e30f, -kInf, kNaN}) {
    at = LocateOnGrid(kZH, below);
    EXPECT_TRUE(at.exact);
    EXPECT_EQ(at.index, 1) << below;
  }
  for (float above : {0.95f, 1e30f, kInf}) {
    at = LocateOnGrid(kZH, above);
    EXPECT_TRUE(at.exact);
    EXPECT_EQ(at.index, 5) << above;
  }
}

TEST(LocateOnGridTest, ExactMatchComparesThe32BitValues) {
  // 0.3 as a double is not the grid's 32-bit 0.3: only the float matches.
  EXPECT_TRUE(LocateOnGrid(kZH, static_cast<float>(0.3)).exact);
  EXPECT_FALSE(LocateOnGrid(kZH, std::nextafter(0.3f, 1.0f)).exact);
}

TEST(LookupOneAxisTest, GridPointEvaluatesOneRow) {
  RecordingRows rows{{}, 5};
  EXPECT_EQ(LookupOneAxis(kZH, 0.7f, rows), 16.0f);
  EXPECT_EQ(rows.asked, std::vector<int>{4});
}

TEST(LookupOneAxisTest, BetweenPointsInterpolatesNeighbours) {
  RecordingRows rows{{}, 5};
  const float v = LookupOneAxis(kZH, 0.4f, rows);
  EXPECT_EQ(rows.asked, (std::vector<int>{2, 3}));
  EXPECT_EQ(v, static_cast<float>(LinearInterp(0.4f, 0.3f, 0.5f, 4.0f, 9.0f)));
  // Continuity on both sides of a grid point.
  EXPECT_NEAR(LookupOneAxis(kZH, std::nextafter(0.5f, 0.0f), rows), 9.0f, 1e-5f);
  EXPECT_NEAR(LookupOneAxis(kZH, std::nextafter(0.5f, 1.0f), rows), 9.0f, 1e-5f);
}

TEST(LookupOneAxisTest, OutsideTheGridHoldsTheEndRow) {
  RecordingRows rows{{}, 5};
  EXPECT_EQ(LookupOneAxis(kZH, 0.0f, rows), 1.0f);
  EXPECT_EQ(LookupOneAxis(kZH, 1.0f, rows), 25.0f);
  EXPECT_EQ(LookupOneAxis(kZH, kInf, rows), 25.0f);
  EXPECT_EQ(LookupOneAxis(kZH, kNaN, rows), 1.0f);
}

// Slow grid of 3, fast grid of 4: row = (is - 1) * 4 + if, 12 rows.
constexpr std::array<float, 3> kSlow{0.0f, 10.0f, 20.0f};
constexpr std::array<float, 4> kFast{0.0f, 1.0f, 2.0f, 4.0f};

// The expected cell value, built as the model does it: along the fast axis
// first, each intermediate stored as a 32-bit float. Compared exactly.
float Bilinear(float xs, float xf, int r0) {
  auto fast = [&](int r) {
    const auto y1 = static_cast<float>(r * r), y2 = static_cast<float>((r + 1) * (r + 1));
    const int kf = (r0 - 1) % 4 + 1;
    return static_cast<float>(LinearInterp(xf, kFast[kf - 1], kFast[kf], y1, y2));
  };
  const int ks = (r0 - 1) / 4 + 1;
  return static_cast<float>(LinearInterp(xs, kSlow[ks - 1], kSlow[ks], fast(r0), fast(r0 + 4)));
}

TEST(LookupTwoAxesTest, TheFourCasesReadTheRightRows) {
  RecordingRows rows{{}, 12};
  EXPECT_EQ(LookupTwoAxes(kSlow, 10.0f, kFast, 2.0f, rows), 49.0f);  // row 7
  EXPECT_EQ(rows.asked, std::vector<int>{7});

  rows.asked.clear();
  EXPECT_EQ(LookupTwoAxes(kSlow, 10.0f, kFast, 3.0f, rows),
            static_cast<float>(LinearInterp(3.0f, 2.0f, 4.0f, 49.0f, 64.0f)));
  EXPECT_EQ(rows.asked, (std::vector<int>{7, 8}));

  rows.asked.clear();
  EXPECT_EQ(LookupTwoAxes(kSlow, 15.0f, kFast, 1.0f, rows),
            static_cast<float>(LinearInterp(15.0f, 10.0f, 20.0f, 36.0f, 100.0f)));
  EXPECT_EQ(rows.asked, (std::vector<int>{6, 10}));

  rows.asked.clear();
  EXPECT_EQ(LookupTwoAxes(kSlow, 5.0f, kFast, 1.5f, rows), Bilinear(5.0f, 1.5f, 2));
  EXPECT_EQ(rows.asked, (std::vector<int>{2, 3, 6, 7}));
}

TEST(LookupTwoAxesTest, OffGridValuesAreContinuousWithTheGridPoint) {
  RecordingRows rows{{}, 12};
  const float on = LookupTwoAxes(kSlow, 10.0f, kFast, 2.0f, rows);
  for (float ds : {-1e-4f, 0.0f, 1e-4f})
    for (float df : {-1e-5f, 0.0f, 1e-5f})
      EXPECT_NEAR(LookupTwoAxes(kSlow, 10.0f + ds, kFast, 2.0f + df, rows), on, 1e-3f);
}

TEST(LookupTwoAxesTest, ExtremeAndNonFiniteInputsStayInsideTheTable) {
  RecordingRows rows{{}, 12};
  const float extremes[] = {-kInf, -1e30f, -1.0f, 0.5f, 25.0f, 1e30f, kInf, kNaN};
  for (float xs : extremes)
    for (float xf : extremes)
      LookupTwoAxes(kSlow, xs, kFast, xf, rows);  // RecordingRows checks each row
  EXPECT_EQ(LookupTwoAxes(kSlow, 1e30f, kFast, kInf, rows), 144.0f);
  EXPECT_EQ(LookupTwoAxes(kSlow, -1.0f, kFast, kNaN, rows), 1.0f);
  EXPECT_EQ(LookupTwoAxes(kSlow, 25.0f, kFast, -1.0f, rows), 81.0f);
}

}  // namespace
}  // namespace ventora
