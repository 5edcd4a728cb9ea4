#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <locale>

namespace ventora {
namespace {

constexpr NumberLocale kApostropheGrouping{'.', '\''};  // Swiss style: "," is no number
constexpr NumberLocale kBlankGrouping{',', ' '};        // French style: "." is no number

NumberText Probed(NumberLocale locale) {
  NumberText numbers(locale);
  EXPECT_EQ(numbers.DetectNumberFormat(), NumberFormatCheck::Ok);
  return numbers;
}

TEST(DetectNumberFormat, FindsTheModeFromTheLocaleConversion) {
  struct Case {
    NumberLocale locale;
    std::int16_t mode;
    const char* decimalSep;
  } cases[] = {{kPointDecimal, 1, "."},
               {kCommaDecimal, 2, ","},
               {kApostropheGrouping, 3, "."},
               {kBlankGrouping, 3, ","}};
  for (const auto& c : cases) {
    NumberText numbers(c.locale);
    EXPECT_EQ(numbers.NumberMode(), 0);
    EXPECT_EQ(numbers.DecimalSep(), "");
    EXPECT_EQ(numbers.DetectNumberFormat(), NumberFormatCheck::Ok);
    EXPECT_EQ(numbers.NumberMode(), c.mode) << c.decimalSep << c.locale.thousands;
    EXPECT_EQ(numbers.DecimalSep(), c.decimalSep);
  }
}

TEST(DetectNumberFormat, ReportsEqualSeparators) {
  NumberText numbers(NumberLocale{'.', '.'});
  EXPECT_EQ(numbers.DetectNumberFormat(), NumberFormatCheck::SeparatorsEqual);
  EXPECT_STREQ(kSeparatorsEqualMessage, "Thousands and decimal separators must be different");
}

TEST(DetectNumberFormat, TheEnvironmentIsProbedWithoutChangingTheProcessLocale) {
  const char* saved = std::getenv("LC_ALL");
  const std::string savedValue = saved ? saved : "";
  ::setenv("LC_ALL", "C", 1);
  EXPECT_EQ(ProbeNumberLocale(), kPointDecimal);
  ::setenv("LC_ALL", "no_SUCH.locale", 1);  // unknown: the classic format
  EXPECT_EQ(ProbeNumberLocale(), kPointDecimal);
  EXPECT_EQ(std::locale().name(), "C");
  if (saved)
    ::setenv("LC_ALL", savedValue.c_str(), 1);
  else
    ::unsetenv("LC_ALL");
}

TEST(TextToSingle, PointDecimalLocale) {
  NumberText numbers = Probed(kPointDecimal);
  std::string text = "2,5";
  EXPECT_EQ(numbers.TextToSingle(text), 2.5f);
  EXPECT_EQ(text, "2.5");
  text = "1,2,5";
  EXPECT_EQ(numbers.TextToSingle(text), 1.25f);
  EXPECT_EQ(text, "1.2,5");
  text = "90,0";
  EXPECT_EQ(numbers.ToText(numbers.TextToSingle(text)), "90");
}

TEST(TextToSingle, CommaDecimalLocale) {
  NumberText numbers = Probed(kCommaDecimal);
  std::string text = "2.5";
  EXPECT_EQ(numbers.TextToSingle(text), 2.5f);
  EXPECT_EQ(text, "2,5");
  text = "0,25";
  EXPECT_EQ(numbers.TextToSingle(text), 0.25f);
  EXPECT_EQ(numbers.ToText(0.25f), "0,25");
}

TEST(TextToSingle, ValLocaleReadsEitherSeparator) {
  NumberText numbers = Probed(kBlankGrouping);
  std::string text = "2,5";
  EXPECT_EQ(numbers.TextToSingle(text), 2.5f);
  EXPECT_EQ(text, "2.5");
  text = "2.5";
  EXPECT_EQ(numbers.TextToSingle(text), 2.5f);
  text = "abc";  // Val never fails
  EXPECT_EQ(numbers.TextToSingle(text), 0.0f);
  EXPECT_FALSE(numbers.ConvError());
  text = "1e39";  // beyond 32 bits
  EXPECT_EQ(numbers.TextToSingle(text), 0.0f);
  EXPECT_TRUE(numbers.ConvError());
}

TEST(TextToSingle, ConvErrorFollowsTheLastCall) {
  NumberText numbers = Probed(kPointDecimal);
  std::string text = "abc";
  EXPECT_EQ(numbers.TextToSingle(text), 0.0f);
  EXPECT_TRUE(numbers.ConvError());
  text = "4";
  EXPECT_EQ(numbers.TextToSingle(text), 4.0f);
  EXPECT_FALSE(numbers.ConvError());
}

TEST(TextToSingle, UnprobedRewritesAsPointDecimalWithoutProbing) {
  NumberText numbers(kPointDecimal);
  std::string text = "2,5";
  EXPECT_EQ(numbers.TextToSingle(text), 2.5f);
  EXPECT_EQ(text, "2.5");
  EXPECT_EQ(numbers.NumberMode(), 0);
  NumberText comma(kCommaDecimal);  // which is why start-up probes first
  EXPECT_EQ(comma.TextToSingle(text = "2,5"), 25.0f);
}

TEST(TextToNumber, RoundsToThirtyTwoBitsAndThrows) {
  NumberText numbers = Probed(kCommaDecimal);
  std::string text = "0.1";
  EXPECT_EQ(numbers.TextToNumber(text), static_cast<double>(0.1f));
  EXPECT_EQ(text, "0,1");
  text = "x";
  EXPECT_THROW(numbers.TextToNumber(text), NumberConversionError);
  text = "1e39";
  EXPECT_THROW(numbers.TextToNumber(text), NumberConversionError);
}

TEST(ToLocaleDecimal, RewritesOnlyTheFirstForeignSeparator) {
  struct Case {
    NumberLocale locale;
    const char* in;
    const char* out;
  } cases[] = {{kPointDecimal, "1,2,5", "1.2,5"},   {kCommaDecimal, "1.2.5", "1,2.5"},
               {kApostropheGrouping, "1,5", "1.5"}, {kBlankGrouping, "1.5", "1,5"},
               {kBlankGrouping, "1,5", "1,5"},      {kPointDecimal, "15", "15"}};
  for (const auto& c : cases) {
    NumberText numbers(c.locale);  // probes on first use
    std::string text = c.in;
    numbers.ToLocaleDecimal(text);
    EXPECT_EQ(text, c.out) << c.in;
    EXPECT_NE(numbers.NumberMode(), 0);
  }
}

TEST(IsIntegerText, WholeNumbersOnly) {
  for (NumberLocale locale : {kPointDecimal, kCommaDecimal}) {
    NumberText numbers = Probed(locale);
    EXPECT_TRUE(numbers.IsIntegerText("10"));
    EXPECT_TRUE(numbers.IsIntegerText(" -3 "));
    EXPECT_FALSE(numbers.IsIntegerText("2.5"));
    EXPECT_FALSE(numbers.IsIntegerText("2,5"));
    EXPECT_FALSE(numbers.IsIntegerText("x"));
    EXPECT_FALSE(numbers.IsIntegerText(""));
    EXPECT_FALSE(numbers.IsIntegerText("40000"));  // beyond 16 bits
  }
  EXPECT_TRUE(Probed(kPointDecimal).IsIntegerText("3.0"));
}

}  // namespace
}  // namespace ventora
