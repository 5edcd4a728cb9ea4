// The shared numeric helpers and the grid lookup of the models: the root
// forms' rule for every row number, powers shared by several rows, and which
// table rows a lookup reads and how it interpolates them. The evaluators'
// coefficient order shows in the hand-worked Cp and the tables' patterns.

#include "engine/models/numeric_helpers.h"
#include "core/portable_std.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "engine/models/grid_lookup.h"

namespace ventora {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr std::array<float, 5> kZH{0.1f, 0.3f, 0.5f, 0.7f, 0.9f};

// Powers taken once for several rows give each row's sum bit for bit.
TEST(NumericHelpersTest, AscendingPowersSumAsThePolynomialDoes) {
  constexpr CoefTable<3, 5> rows{{{0.3f, -1.7f, 2.25f, 0.1f, -0.031f},
                                  {1e6f, 3e-7f, -4.5f, 7.0f, 1.0f},
                                  {-0.5f, 0.0f, 0.0f, 0.0f, 0.0f}}};
  for (float x : {0.0f, 0.5f, 0.123457f, 1.0f, -0.75f, 0.999999f, 37.5f, kNaN, kInf}) {
    const AscendingPowers<5> powers(x);
    for (int r = 1; r <= 3; ++r)
      for (int n : {0, 2, 5, 9})
        EXPECT_EQ(portable::bit_cast<std::uint64_t>(powers.EvalRow(TableRow(rows, r), n)),
                  portable::bit_cast<std::uint64_t>(EvalPolynomialAsc(x, rows, n, r)))
            << x << " row " << r << " n " << n;
  }
}

// Every row s = b1 x + b2 / x + b3 with b1 1, b2 0: at x 3, 15 for b3 12 and
// -17 for b3 -20.
CoefTable<66, 3> RootRows(float b3) {
  CoefTable<66, 3> t{};
  for (auto& row : t)
    row = {1.0f, 0.0f, b3};
  return t;
}

TEST(NumericHelpersTest, RootFormRowRules) {
  const auto zero = RootRows(0.0f), pos = RootRows(12.0f), neg = RootRows(-20.0f);
  EXPECT_DOUBLE_EQ(EvalRootFit4(10.0f, zero, 1), 2.0);  // the ratio capped at 4
  EXPECT_DOUBLE_EQ(EvalRootFit6Special(7.0f, zero, 1), std::sqrt(6.0));
  EXPECT_DOUBLE_EQ(EvalExpRootFit6(9.0f, zero, 2), std::sqrt(6.0));
  // Special rows give s itself, even negative; every other row the root (20
  // minus the root above row 42), or exactly 1000 for a negative radicand.
  for (int r = 1; r <= 66; ++r) {
    auto expected = [r](bool special, double s) {
      if (special) return s;
      if (s < 0.0) return 1000.0;
      return r > 42 ? 20.0 - std::sqrt(s) : std::sqrt(s);
    };
    const bool special4 = r == 43 || r == 44 || r == 45 || r == 53 || r == 54 || r == 66;
    const bool special6 = r == 43 || r == 44 || r == 46;
    EXPECT_EQ(EvalRootFit4Special(3.0f, pos, r), expected(special4, 15.0)) << r;
    EXPECT_EQ(EvalRootFit4Special(3.0f, neg, r), expected(special4, -17.0)) << r;
    EXPECT_EQ(EvalRootFit6Special(3.0f, pos, r), expected(special6, 15.0)) << r;
    EXPECT_EQ(EvalRootFit6Special(3.0f, neg, r), expected(special6, -17.0)) << r;
  }
  EXPECT_EQ(EvalRootFit4Special(3.0f, neg, 200), -17.0);    // read as row 66
  EXPECT_EQ(EvalRootFit4(3.0f, pos, 66), std::sqrt(15.0));  // the plain form never turns
  EXPECT_EQ(EvalExpRootFit6(3.0f, pos, 30), std::sqrt(15.0));
  EXPECT_EQ(EvalExpRootFit6(3.0f, pos, 31), 20.0 - std::sqrt(15.0));
  EXPECT_EQ(EvalExpRootFit6(3.0f, neg, 63), 1000.0);
  EXPECT_EQ(EvalRootFit4(kNaN, neg, 1), 1000.0);
  // A special row's s is rounded to 32 bits.
  CoefTable<66, 3> tenth = RootRows(0.0f);
  tenth[42] = {0.1f, 0.0f, 0.0f};
  EXPECT_EQ(EvalRootFit6Special(3.0f, tenth, 43), static_cast<float>(double{0.1f} * 3.0));
  // Rows 61 and 62: b1 - (x - b2) b3^(x - b2) and b1 - (x - b2) b3^(b3 x - b3).
  tenth[60] = tenth[61] = {2.0f, 1.5f, 0.5f};
  EXPECT_DOUBLE_EQ(EvalExpRootFit6(3.0f, tenth, 61), 2.0 - 1.5 * std::pow(0.5, 1.5));
  EXPECT_DOUBLE_EQ(EvalExpRootFit6(3.0f, tenth, 62), 2.0 - 1.5 * std::pow(0.5, 1.0));
  EXPECT_DOUBLE_EQ(EvalExpRootFit6(8.0f, tenth, 61), 2.0 - 4.5 * std::pow(0.5, 4.5));
}

// Records the rows asked for; row r is worth r squared.
struct RecordingRows {
  std::vector<int> asked;
  int rows;
  float operator()(int r) {
    asked.push_back(r);
    EXPECT_TRUE(r >= 1 && r <= rows) << r;
    return static_cast<float>(r * r);
  }
};

TEST(GridLookupTest, OneAxisExactBetweenAndHeldEnds) {
  EXPECT_FALSE(LocateOnGrid(kZH, std::nextafter(0.3f, 1.0f)).exact);  // 32-bit match only
  RecordingRows rows{{}, 5};
  EXPECT_EQ(LookupOneAxis(kZH, 0.7f, rows), 16.0f);
  EXPECT_FLOAT_EQ(LookupOneAxis(kZH, 0.4f, rows), 6.5f);  // (4 + 9) / 2
  EXPECT_EQ(rows.asked, (std::vector<int>{4, 2, 3}));
  for (float below : {0.0f, -1e30f, -kInf, kNaN})
    EXPECT_EQ(LookupOneAxis(kZH, below, rows), 1.0f);
  for (float above : {0.95f, 1e30f, kInf})
    EXPECT_EQ(LookupOneAxis(kZH, above, rows), 25.0f);
}

}  // namespace
}  // namespace ventora
