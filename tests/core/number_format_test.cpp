#include "core/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "core/number_parse.h"

namespace ventora {
namespace {

TEST(FileNumberText, LeadingBlankOrMinusAndNoZeroBeforeThePoint) {
  EXPECT_EQ(FileNumberText(0.25f), " .25");
  EXPECT_EQ(FileNumberText(-0.5f), "-.5");
  EXPECT_EQ(FileNumberText(0.0f), " 0");
  EXPECT_EQ(FileNumberText(-0.0f), " 0");
  EXPECT_EQ(FileNumberText(12.5f), " 12.5");
  EXPECT_EQ(FileNumberText(45.0f), " 45");
  EXPECT_EQ(FileNumberText(-300.0f), "-300");
}

TEST(FileNumberText, RoundsToSevenSignificantDigits) {
  EXPECT_EQ(FileNumberText(12.3456789f), " 12.34568");
  EXPECT_EQ(FileNumberText(0.1f), " .1");
  EXPECT_EQ(FileNumberText(1.0f / 3.0f), " .3333333");
  EXPECT_EQ(FileNumberText(1234567.0f), " 1234567");
  EXPECT_EQ(FileNumberText(9999999.0f), " 9999999");
}

TEST(FileNumberText, SwitchesToExponentFormOutsideTheFixedRange) {
  EXPECT_EQ(FileNumberText(0.0001f), " .0001");
  EXPECT_EQ(FileNumberText(0.00012345678f), " .0001234568");
  EXPECT_EQ(FileNumberText(0.00001f), " 1E-05");
  EXPECT_EQ(FileNumberText(-0.00009999f), "-9.999E-05");
  EXPECT_EQ(FileNumberText(1e7f), " 1E+07");
  EXPECT_EQ(FileNumberText(123456789.0f), " 1.234568E+08");
  EXPECT_EQ(FileNumberText(9999999.5f), " 1E+07");  // rounds up into the exponent range
  EXPECT_EQ(FileNumberText(std::numeric_limits<float>::max()), " 3.402823E+38");
  EXPECT_EQ(FileNumberText(std::numeric_limits<float>::denorm_min()), " 1.401298E-45");
  EXPECT_EQ(FileNumberText(1e-10f), " 1E-10");
}

TEST(LocaleNumberText, UsesTheLocaleSeparatorWithoutLeadingBlank) {
  EXPECT_EQ(LocaleNumberText(2.5f, kCommaDecimal), "2,5");
  EXPECT_EQ(LocaleNumberText(2.5f, kPointDecimal), "2.5");
  EXPECT_EQ(LocaleNumberText(0.25f, kCommaDecimal), "0,25");
  EXPECT_EQ(LocaleNumberText(-0.5f, kPointDecimal), "-0.5");
  EXPECT_EQ(LocaleNumberText(90.0f, kCommaDecimal), "90");
  EXPECT_EQ(LocaleNumberText(0.0f, kCommaDecimal), "0");
  EXPECT_EQ(LocaleNumberText(12.3456789f, kCommaDecimal), "12,34568");
  EXPECT_EQ(LocaleNumberText(0.00001f, kPointDecimal), "1E-05");
  EXPECT_EQ(LocaleNumberText(-123456789.0f, kCommaDecimal), "-1,234568E+08");
}

// Whatever the value, its text read back and written again gives the same
// text, so a job file read and saved is unchanged.
TEST(FileNumberText, TextIsStableOverAReadBack) {
  std::uint32_t bits = 0x12345678u;
  for (int i = 0; i < 20000; ++i) {
    bits = bits * 1664525u + 1013904223u;  // a fixed sequence of bit patterns
    float v;
    std::memcpy(&v, &bits, sizeof v);
    if (!std::isfinite(v)) continue;
    const std::string once = FileNumberText(v);
    const float back = LocaleToSingle(once, kPointDecimal);
    ASSERT_EQ(FileNumberText(back), once) << "bits " << bits;
    ASSERT_EQ(LocaleToSingle(LocaleNumberText(v, kCommaDecimal), kCommaDecimal), back);
  }
}

}  // namespace
}  // namespace ventora
