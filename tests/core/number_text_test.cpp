#include "core/number_text.h"

#include <gtest/gtest.h>

namespace ventora {
namespace {

constexpr NumberLocale kApostropheGrouping{'.', '\''};  // Swiss style: "," is no number
constexpr NumberLocale kBlankGrouping{',', ' '};        // French style: "." is no number

// Text typed into a field is read with either separator: the foreign one is
// rewritten to the locale's (the first only); a locale that groups with a
// blank converts by Val, which never fails on letters.
TEST(NumberText, ReadsTypedTextInEachLocale) {
  const struct {
    NumberLocale locale;
    int mode;
    const char* in;
    float value;
    const char* rewritten;
    bool convError;
  } cases[] = {
      {kPointDecimal, 1, "2,5", 2.5f, "2.5", false},
      {kPointDecimal, 1, "1,2,5", 1.25f, "1.2,5", false},
      {kPointDecimal, 1, "abc", 0, "abc", true},
      {kCommaDecimal, 2, "2.5", 2.5f, "2,5", false},
      {kCommaDecimal, 2, "1,234568E+08", 1.234568e8f, "1,234568E+08", false},
      {kCommaDecimal, 2, "1e39", 0, "1e39", true},
      {kApostropheGrouping, 3, "1,5", 1.5f, "1.5", false},
      {kBlankGrouping, 3, "abc", 0, "abc", false},
      {kBlankGrouping, 3, "1e39", 0, "1e39", true},
  };
  for (const auto& c : cases) {
    NumberText numbers(c.locale);
    ASSERT_EQ(numbers.DetectNumberFormat(), NumberFormatCheck::Ok);
    EXPECT_EQ(numbers.NumberMode(), c.mode) << c.in;
    std::string text = c.in;
    EXPECT_EQ(numbers.TextToSingle(text), c.value) << c.in;
    EXPECT_EQ(text, c.rewritten) << c.in;
    EXPECT_EQ(numbers.ConvError(), c.convError) << c.in;
  }
  NumberText numbers(NumberLocale{'.', '.'});
  EXPECT_EQ(numbers.DetectNumberFormat(), NumberFormatCheck::SeparatorsEqual);
}

TEST(NumberText, WritesAndConvertsStrictlyInTheLocale) {
  NumberText comma(kCommaDecimal);
  ASSERT_EQ(comma.DetectNumberFormat(), NumberFormatCheck::Ok);
  EXPECT_EQ(comma.ToText(0.25f), "0,25");
  EXPECT_EQ(comma.ToText(-123456789.0f), "-1,234568E+08");
  std::string text = "0.1";
  EXPECT_EQ(comma.TextToNumber(text), static_cast<double>(0.1f));
  for (const char* bad : {"x", "1e39", "inf", "nan", "0x10", ""}) {
    text = bad;
    EXPECT_THROW(comma.TextToNumber(text), NumberConversionError) << bad;
  }
  // Whole numbers are those that survive 16-bit rounding unchanged.
  for (const auto& [in, whole] : {std::pair<const char*, bool>{"10", true},
                                  {"-32768", true},
                                  {"2,5", false},
                                  {"40000", false},
                                  {"x", false}})
    EXPECT_EQ(comma.IsIntegerText(in), whole) << in;
  NumberText val(kBlankGrouping);  // the first point becomes the locale's comma
  text = "1.5.2";
  val.ToLocaleDecimal(text);
  EXPECT_EQ(text, "1,5.2");
}

}  // namespace
}  // namespace ventora
