#include "core/number_parse.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ventora {
namespace {

TEST(LocaleConversion, HonoursTheDecimalSeparatorAndIgnoresGrouping) {
  EXPECT_EQ(LocaleToSingle(" 1.23", kPointDecimal), 1.23f);
  EXPECT_EQ(LocaleToSingle(" 1,23", kPointDecimal), 123.0f);
  EXPECT_EQ(LocaleToSingle(" 1,23", kCommaDecimal), 1.23f);
  EXPECT_EQ(LocaleToSingle(" 1.23", kCommaDecimal), 123.0f);
  EXPECT_EQ(LocaleToSingle("1.2,5", kPointDecimal), 1.25f);  // grouping inside the decimals too
  EXPECT_EQ(LocaleToDouble("-1,234,567.5", kPointDecimal), -1234567.5);
  EXPECT_EQ(LocaleToDouble("\t+.5 ", kPointDecimal), 0.5);
  EXPECT_EQ(LocaleToDouble("7.", kPointDecimal), 7.0);
}

TEST(LocaleConversion, ReadsExponentsWrittenWithEOrD) {
  EXPECT_EQ(LocaleToSingle("1E-05", kPointDecimal), 1e-5f);
  EXPECT_EQ(LocaleToSingle("1,234568E+08", kCommaDecimal), 1.234568e8f);
  EXPECT_EQ(LocaleToDouble("2.5d2", kPointDecimal), 250.0);
}

TEST(LocaleConversion, RefusesTextThatIsNoNumber) {
  for (const char* text : {"", "  ", "abc", "1.2.3", "1e", "1e+", "--1", "1 2", "12x", ".", ",",
                           "inf", "nan", "0x10", "1..5"}) {
    EXPECT_THROW(LocaleToDouble(text, kPointDecimal), NumberConversionError) << '"' << text << '"';
    EXPECT_FALSE(IsLocaleNumber(text, kPointDecimal)) << text;
  }
  try {
    LocaleToDouble("abc", kPointDecimal);
  } catch (const NumberConversionError& e) {
    EXPECT_EQ(e.text(), "abc");
    EXPECT_NE(std::string(e.what()).find("\"abc\""), std::string::npos);
  }
}

TEST(LocaleConversion, MessagesQuoteAShortCleanExcerpt) {
  const std::string garbage = "1\x01" + std::string(1000, '2') + "x";
  try {
    LocaleToDouble(garbage, kPointDecimal);
    ADD_FAILURE() << "converted garbage";
  } catch (const NumberConversionError& e) {
    EXPECT_EQ(e.text(), garbage);
    EXPECT_EQ(std::string(e.what()), "\"1?" + std::string(38, '2') + "...\" is not a valid number");
  }
}

TEST(LocaleConversion, OverflowIsRefusedAndUnderflowReadsAsZero) {
  EXPECT_THROW(LocaleToSingle("1E39", kPointDecimal), NumberConversionError);
  EXPECT_THROW(LocaleToDouble("1E309", kPointDecimal), NumberConversionError);
  EXPECT_THROW(LocaleToDouble("1E999999999999999999", kPointDecimal), NumberConversionError);
  EXPECT_EQ(LocaleToDouble("123456789e-999999999999", kPointDecimal), 0.0);
  EXPECT_EQ(LocaleToSingle("1E-60", kPointDecimal), 0.0f);
  EXPECT_EQ(LocaleToSingle("3.4E38", kPointDecimal), 3.4e38f);
}

TEST(LocaleConversion, IntegersRoundHalfToEvenAndStayInRange) {
  EXPECT_EQ(LocaleToInteger("2.5", kPointDecimal), 2);
  EXPECT_EQ(LocaleToInteger("3.5", kPointDecimal), 4);
  EXPECT_EQ(LocaleToInteger("-2.5", kPointDecimal), -2);
  EXPECT_EQ(LocaleToInteger("1,5", kPointDecimal), 15);
  EXPECT_EQ(LocaleToInteger("32767", kPointDecimal), 32767);
  EXPECT_THROW(LocaleToInteger("32768", kPointDecimal), NumberConversionError);
  EXPECT_THROW(LocaleToInteger("-32769", kPointDecimal), NumberConversionError);
  EXPECT_EQ(LocaleToLong("40000", kPointDecimal), 40000);
  EXPECT_EQ(LocaleToByte("255", kPointDecimal), 255);
  EXPECT_THROW(LocaleToByte("-1", kPointDecimal), NumberConversionError);
  EXPECT_THROW(LocaleToByte("256", kPointDecimal), NumberConversionError);
}

TEST(Val, ReadsTheLongestLeadingPointNumber) {
  EXPECT_EQ(Val("1.5abc"), 1.5);
  EXPECT_EQ(Val(" 1 2 3"), 123.0);  // blanks anywhere count for nothing
  EXPECT_EQ(Val("\t-\n.25"), -0.25);
  EXPECT_EQ(Val("1.2.3"), 1.2);
  EXPECT_EQ(Val("1,5"), 1.0);  // only the point is a decimal separator
  EXPECT_EQ(Val("2e3x"), 2000.0);
  EXPECT_EQ(Val("2D-1"), 0.2);
  EXPECT_EQ(Val("7e"), 7.0);
  EXPECT_EQ(Val("7e+"), 7.0);
}

TEST(Val, NeverFails) {
  EXPECT_EQ(Val(""), 0.0);
  EXPECT_EQ(Val("abc"), 0.0);
  EXPECT_EQ(Val("-"), 0.0);
  EXPECT_EQ(Val("."), 0.0);
  EXPECT_TRUE(std::isinf(Val("1e400")));
  EXPECT_LT(Val("-1e400"), 0.0);
  EXPECT_EQ(Val("1e-400"), 0.0);
}

}  // namespace
}  // namespace ventora
