#include "output/format_right.h"

#include <gtest/gtest.h>

namespace ventora {
namespace {

TEST(FormatRight, PadsToThePatternLengthAndNeverCuts) {
  EXPECT_EQ(FormatRight(3.14159, "##0.00", "."), "  3.14");
  EXPECT_EQ(FormatRight(-0.5, "##0.000", "."), " -0.500");
  EXPECT_EQ(FormatRight(1234.5, "##0.00", "."), "1234.50");
  EXPECT_EQ(FormatRight(10000, "##0.000", "."), "10000.000");
  EXPECT_EQ(FormatRight(1e20, "##0.00", "."), "100000000000000000000.00");
}

TEST(FormatRight, IntegerPatterns) {
  EXPECT_EQ(FormatRight(5, "#", "."), "5");
  EXPECT_EQ(FormatRight(12, "###0", "."), "  12");
  EXPECT_EQ(FormatRight(2400, "###0", "."), "2400");
  EXPECT_EQ(FormatRight(0, "###0", "."), "   0");
  // A "#" digit is shown only when significant.
  EXPECT_EQ(FormatRight(0, "#", "."), " ");
}

TEST(FormatRight, ExactHalvesRoundAwayFromZero) {
  EXPECT_EQ(FormatRight(0.125, "##0.00", "."), "  0.13");
  EXPECT_EQ(FormatRight(-0.125, "##0.00", "."), " -0.13");
  EXPECT_EQ(FormatRight(0.0625, "##0.000", "."), "  0.063");
  EXPECT_EQ(FormatRight(2.5, "#", "."), "3");
  EXPECT_EQ(FormatRight(0.5, "###0", "."), "   1");
}

TEST(FormatRight, RoundsTheExactBinaryValue) {
  // 0.145f is 0.14499999582..., 2.675 (double) is 2.67499999999999982...
  EXPECT_EQ(FormatRight(0.145f, "##0.00", "."), "  0.14");
  EXPECT_EQ(FormatRight(2.675, "##0.00", "."), "  2.67");
  // Both lie just below the half.
  EXPECT_EQ(FormatRight(1.005f, "##0.00", "."), "  1.00");
  EXPECT_EQ(FormatRight(0.9995f, "##0.000", "."), "  0.999");
  EXPECT_EQ(FormatRight(0.9995, "##0.000", "."), "  1.000");  // the double lies above
}

TEST(FormatRight, MinusSignWheneverBelowZero) {
  EXPECT_EQ(FormatRight(-0.0001f, "##0.000", "."), " -0.000");
  EXPECT_EQ(FormatRight(-0.0, "##0.000", "."), "  0.000");
  EXPECT_EQ(FormatRight(-1234.567, "##0.00", "."), "-1234.57");
}

TEST(FormatRight, UsesTheGivenDecimalSeparator) {
  EXPECT_EQ(FormatRight(3.14159, "##0.00", ","), "  3,14");
  EXPECT_EQ(FormatRight(-0.7155f, "###0.000", ","), "  -0,715");
}

}  // namespace
}  // namespace ventora
