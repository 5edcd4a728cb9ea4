#include "engine/models/numeric_helpers.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace ventora {
namespace {

constexpr std::array<float, 5> kGrid{0.1f, 0.3f, 0.5f, 0.7f, 0.9f};

int Bracket(std::span<const float> g, float x, int start = -7) {
  int k = start;
  FindInterval(g, x, static_cast<int>(g.size()), k);
  return k;
}

TEST(FindIntervalTest, BracketsInsideAndLeavesIndexBeyondLastPoint) {
  EXPECT_EQ(Bracket(kGrid, 0.2f), 1);
  EXPECT_EQ(Bracket(kGrid, 0.3f), 2);  // a grid point opens its own interval
  EXPECT_EQ(Bracket(kGrid, 0.1f), 1);
  EXPECT_EQ(Bracket(kGrid, 0.89f), 4);
  EXPECT_EQ(Bracket(kGrid, 0.05f), 0);
  EXPECT_EQ(Bracket(kGrid, 0.9f), -7);
  EXPECT_EQ(Bracket(kGrid, 1.5f), -7);
  EXPECT_EQ(Bracket(kGrid, std::numeric_limits<float>::quiet_NaN()), -7);
}

TEST(FindIntervalTest, IgnoresPointsAHundredOrMoreAbove) {
  constexpr std::array<float, 3> g{0.0f, 5.0f, 150.0f};
  EXPECT_EQ(Bracket(g, 10.0f), -7);
  EXPECT_EQ(Bracket(g, 2.0f), 1);
  // x 100 below the first point: nothing qualifies.
  EXPECT_EQ(Bracket(g, -100.0f), -7);
}

TEST(FindIntervalTest, RepeatedPointsPickTheLowestIndexAndCountIsHonoured) {
  constexpr std::array<float, 4> g{0.0f, 1.0f, 1.0f, 2.0f};
  EXPECT_EQ(Bracket(g, 0.5f), 1);
  // Only the first two points are searched: 2 is never considered.
  int k = -1;
  FindInterval(g, 1.5f, 2, k);
  EXPECT_EQ(k, -1);
  FindInterval(g, 1.5f, 99, k);  // a count beyond the grid reads only the grid
  EXPECT_EQ(k, 3);
}

TEST(LinearInterpTest, PassesThroughBothPointsAndExtrapolates) {
  EXPECT_DOUBLE_EQ(LinearInterp(0.3f, 0.3f, 0.5f, 2.0f, 4.0f), 2.0);
  EXPECT_NEAR(LinearInterp(0.5f, 0.3f, 0.5f, 2.0f, 4.0f), 4.0, 1e-12);
  EXPECT_NEAR(LinearInterp(0.4f, 0.3f, 0.5f, 2.0f, 4.0f), 3.0, 1e-6);
  EXPECT_NEAR(LinearInterp(0.7f, 0.3f, 0.5f, 2.0f, 4.0f), 6.0, 1e-6);
}

TEST(LinearInterpTest, UsesTheTwoPointFormulaIn64Bits) {
  const float x = 0.37f, x1 = 0.3f, x2 = 0.5f, y1 = 0.8123f, y2 = 1.1357f;
  const double d =
      (double{x} * (double{y2} - y1) - double{x1} * y2 + double{x2} * y1) / (double{x2} - x1);
  EXPECT_EQ(LinearInterp(x, x1, x2, y1, y2), d);
}

constexpr CoefTable<2, 4> kCubic{{{2.0f, -3.0f, 0.5f, 7.0f}, {1.0f, 0.0f, 0.0f, 0.0f}}};

TEST(EvalPolynomialTest, HighestPowerFirst) {
  EXPECT_EQ(EvalPolynomial(0.0f, kCubic, 4, 1), 7.0);
  EXPECT_DOUBLE_EQ(EvalPolynomial(2.0f, kCubic, 4, 1), 16.0 - 12.0 + 1.0 + 7.0);
  EXPECT_DOUBLE_EQ(EvalPolynomial(3.0f, kCubic, 2, 1), 2.0 * 3.0 - 3.0);  // line c1 x + c2
  EXPECT_DOUBLE_EQ(EvalPolynomial(3.0f, kCubic, 4, 2), 27.0);
}

TEST(EvalPolynomialTest, AscendingPowersAndTwoVariables) {
  EXPECT_DOUBLE_EQ(EvalPolynomialAsc(2.0f, kCubic, 4, 1), 2.0 - 6.0 + 2.0 + 56.0);
  EXPECT_DOUBLE_EQ(EvalPolynomialAsc(2.0f, kCubic, 1, 1), 2.0);
  // Coefficient k is 10^(k - 1): the sum spells which coefficient met which power.
  constexpr CoefTable<1, 9> t{{{1, 10, 100, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f}}};
  const float x = 2.0f, y = 3.0f;
  double expected = 0;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      expected += std::pow(10.0, i * 3 + j) * std::pow(2.0, j) * std::pow(3.0, i);
  EXPECT_DOUBLE_EQ(EvalPolynomial2D(x, y, t, 9, 1), expected);
  // N = 4 gives a bilinear form on the first four coefficients.
  EXPECT_DOUBLE_EQ(EvalPolynomial2D(x, y, t, 4, 1), 1 + 10 * 2.0 + 100 * 3.0 + 1e3 * 6.0);
}

TEST(EvalPolynomialTest, CountsBeyondTheRowReadOnlyTheRow) {
  EXPECT_DOUBLE_EQ(EvalPolynomialAsc(2.0f, kCubic, 40, 1), EvalPolynomialAsc(2.0f, kCubic, 4, 1));
  EXPECT_DOUBLE_EQ(EvalPolynomial2D(2.0f, 3.0f, kCubic, 9, 1),
                   EvalPolynomial2D(2.0f, 3.0f, kCubic, 4, 1));
  EXPECT_EQ(EvalPolynomial2D(2.0f, 3.0f, kCubic, -9, 1), 0.0);
  EXPECT_EQ(EvalPolynomial(2.0f, kCubic, -3, 1), 0.0);
}

TEST(EvalLogisticTest, FollowsTheFiveCoefficientForm) {
  constexpr CoefTable<1, 5> t{{{0.5f, 2.0f, 3.0f, 4.0f, 1.25f}}};
  EXPECT_DOUBLE_EQ(EvalLogistic(1.25f, t, 1), 0.5 + 4.0 / 3.0);
  EXPECT_DOUBLE_EQ(EvalLogistic(2.0f, t, 1), 0.5 + 4.0 / (2.0 + std::exp(-3.0 * 0.75)));
}

// Root-form rows: s = b1 x + b2 / x + b3. With b1 = 1, b2 = 0, b3 = 12 s is
// 16 at x = 4; with b3 = -20 s is negative everywhere below the caps.
CoefTable<66, 3> RootRows(float b3) {
  CoefTable<66, 3> t{};
  for (auto& row : t)
    row = {1.0f, 0.0f, b3};
  return t;
}

TEST(RootFormTest, CapsTheRatio) {
  const auto t = RootRows(0.0f);
  EXPECT_DOUBLE_EQ(EvalRootFit4(10.0f, t, 1), 2.0);
  EXPECT_DOUBLE_EQ(EvalRootFit4Special(10.0f, t, 1), 2.0);
  EXPECT_DOUBLE_EQ(EvalRootFit6Special(5.9f, t, 1), std::sqrt(double{5.9f}));
  EXPECT_DOUBLE_EQ(EvalRootFit6Special(7.0f, t, 1), std::sqrt(6.0));
  EXPECT_DOUBLE_EQ(EvalExpRootFit6(9.0f, t, 2), std::sqrt(6.0));
}

TEST(RootFormTest, UpperRowsReturnTwentyMinusTheRoot) {
  const auto t = RootRows(12.0f);
  EXPECT_DOUBLE_EQ(EvalRootFit6Special(4.0f, t, 50), 16.0);
  EXPECT_DOUBLE_EQ(EvalRootFit6Special(4.0f, t, 40), 4.0);
  EXPECT_DOUBLE_EQ(EvalRootFit6Special(4.0f, t, 42), 4.0);
  EXPECT_DOUBLE_EQ(EvalRootFit4Special(4.0f, t, 47), 16.0);
  EXPECT_DOUBLE_EQ(EvalExpRootFit6(4.0f, t, 31), 16.0);
  EXPECT_DOUBLE_EQ(EvalExpRootFit6(4.0f, t, 30), 4.0);
  EXPECT_DOUBLE_EQ(EvalRootFit4(4.0f, t, 66), 4.0);  // never the upper form
}

TEST(RootFormTest, SpecialRowsReturnSItselfEvenWhenNegative) {
  const auto t = RootRows(-20.0f);  // s = x - 20 < 0
  for (int r : {43, 44, 45, 53, 54, 66})
    EXPECT_EQ(EvalRootFit4Special(3.0f, t, r), -17.0) << "row " << r;
  for (int r : {43, 44, 46})
    EXPECT_EQ(EvalRootFit6Special(3.0f, t, r), -17.0) << "row " << r;
  const auto positive = RootRows(12.0f);
  EXPECT_EQ(EvalRootFit6Special(4.0f, positive, 43), 16.0);  // s, not 20 - 4
}

TEST(RootFormTest, NegativeRadicandGivesExactly1000OnEveryGeneralRow) {
  const auto t = RootRows(-20.0f);
  for (int r : {1, 42, 46, 50, 65})
    EXPECT_EQ(EvalRootFit4Special(3.0f, t, r), 1000.0) << "row " << r;
  for (int r : {1, 42, 45, 47, 66})
    EXPECT_EQ(EvalRootFit6Special(3.0f, t, r), 1000.0) << "row " << r;
  for (int r : {1, 30, 31, 60, 63})
    EXPECT_EQ(EvalExpRootFit6(3.0f, t, r), 1000.0) << "row " << r;
  EXPECT_EQ(EvalRootFit4(3.0f, t, 1), 1000.0);
  EXPECT_EQ(EvalRootFit4(std::numeric_limits<float>::quiet_NaN(), t, 1), 1000.0);
}

TEST(RootFormTest, SpecialRowValueIsRoundedTo32Bits) {
  constexpr CoefTable<44, 3> t = [] {
    CoefTable<44, 3> r{};
    r[42] = {0.1f, 0.0f, 0.0f};
    return r;
  }();
  const double s = double{0.1f} * 3.0;
  EXPECT_EQ(EvalRootFit6Special(3.0f, t, 43), static_cast<double>(static_cast<float>(s)));
  EXPECT_NE(EvalRootFit6Special(3.0f, t, 43), s);
}

TEST(ExpRootFormTest, ExponentialRows61And62) {
  CoefTable<66, 3> t = RootRows(1.0f);
  t[60] = {2.0f, 1.5f, 0.5f};
  t[61] = {2.0f, 1.5f, 0.5f};
  EXPECT_DOUBLE_EQ(EvalExpRootFit6(3.0f, t, 61), 2.0 - 1.5 * std::pow(0.5, 1.5));
  EXPECT_DOUBLE_EQ(EvalExpRootFit6(3.0f, t, 62), 2.0 - 1.5 * std::pow(0.5, 0.5 * 3.0 - 0.5));
  EXPECT_DOUBLE_EQ(EvalExpRootFit6(8.0f, t, 61), 2.0 - 4.5 * std::pow(0.5, 4.5));  // capped at 6
}

TEST(TableAccessTest, RowNumbersAreClampedIntoTheTable) {
  EXPECT_EQ(EvalPolynomial(2.0f, kCubic, 4, 0), EvalPolynomial(2.0f, kCubic, 4, 1));
  EXPECT_EQ(EvalPolynomial(2.0f, kCubic, 4, 99), EvalPolynomial(2.0f, kCubic, 4, 2));
  EXPECT_EQ(EvalPolynomial(2.0f, kCubic, 4, std::numeric_limits<int>::min()),
            EvalPolynomial(2.0f, kCubic, 4, 1));
  const auto t = RootRows(-20.0f);
  // Row 200 is read as row 66, a special row of the four-cap form.
  EXPECT_EQ(EvalRootFit4Special(3.0f, t, 200), -17.0);
}

TEST(BandIndexTest, FloorRaisedToOneAndHeld) {
  EXPECT_EQ(BandIndex(2.0, 5), 2);
  EXPECT_EQ(BandIndex(2.999, 5), 2);
  EXPECT_EQ(BandIndex(0.999, 5), 1);
  EXPECT_EQ(BandIndex(-3.5, 5), 1);
  EXPECT_EQ(BandIndex(5.0, 5), 5);
  EXPECT_EQ(BandIndex(1e300, 5), 5);
  EXPECT_EQ(BandIndex(-std::numeric_limits<double>::infinity(), 5), 1);
  EXPECT_EQ(BandIndex(std::numeric_limits<double>::quiet_NaN(), 5), 1);
}

}  // namespace
}  // namespace ventora
