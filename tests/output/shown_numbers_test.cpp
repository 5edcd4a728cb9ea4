#include "output/shown_numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace ventora {
namespace {

TEST(ShownNumbers, TheNumberTheTextShowsAsItsShortestDouble) {
  ShownNumbers shown(kPointDecimal);
  EXPECT_EQ(shown.Value(3.14159f, "##0.00"), 3.14);
  EXPECT_EQ(shown.Value(0.22f, "##0.00"), 0.22);  // not 0.2199999988079071
  EXPECT_EQ(shown.Value(-0.5f, "##0.000"), -0.5);
  EXPECT_EQ(shown.Value(1234.5f, "##0.00"), 1234.5);
}

TEST(ShownNumbers, OneValueUnderSeveralPatternsKeepsEachRounding) {
  ShownNumbers shown(kCommaDecimal);
  for (int pass = 0; pass < 2; ++pass) {  // the second pass is answered from memory
    EXPECT_EQ(shown.Value(0.125f, "##0.00"), 0.13);
    EXPECT_EQ(shown.Value(0.125f, "##0.000"), 0.125);
    EXPECT_EQ(shown.Value(0.0625f, "###0.000"), 0.063);
    EXPECT_EQ(shown.Value(2.5f, "#"), 3);
  }
}

TEST(ShownNumbers, WholeNumbersAndZero) {
  ShownNumbers shown(kPointDecimal);
  EXPECT_EQ(shown.Value(17, "###0"), 17);
  EXPECT_EQ(shown.Value(-3, "##0.00"), -3);
  EXPECT_EQ(shown.Value(10000, "##0.000"), 10000);
  EXPECT_EQ(shown.Value(0, "##0.00"), 0);
  // "#" shows nothing for 0: there is no number to put in the cell.
  EXPECT_EQ(shown.Value(0, "#"), std::nullopt);
}

TEST(ShownNumbers, AValueThatIsNotANumberHasOnlyItsText) {
  ShownNumbers shown(kPointDecimal);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(shown.Value(nan, "##0.000"), std::nullopt);
  EXPECT_EQ(shown.Text(nan, "##0.000"), "    NaN");
}

}  // namespace
}  // namespace ventora
