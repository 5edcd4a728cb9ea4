// How the reports show numbers and dates.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>

#include "output/fixed_number.h"
#include "output/format_right.h"
#include "output/report_date.h"

namespace ventora {
namespace {

TEST(FormatRight, PadsRoundsAndSignsAsTheReportShows) {
  struct Row {
    double value;
    const char* pattern;
    const char* sep;
    const char* shown;
  };
  const Row rows[] = {
      {3.14159, "##0.00", ".", "  3.14"},
      {1e20, "##0.00", ".", "100000000000000000000.00"},  // never cut
      {12, "###0", ".", "  12"},
      {0, "#", ".", " "},                // a "#" digit only when significant
      {0.125, "##0.00", ".", "  0.13"},  // exact halves away from zero
      {-0.125, "##0.00", ".", " -0.13"},
      {0.145f, "##0.00", ".", "  0.14"},  // the binary value lies below the half
      {0.9995f, "##0.000", ".", "  0.999"},
      {0.9995, "##0.000", ".", "  1.000"},  // the double lies above
      {-0.0001f, "##0.000", ".", " -0.000"},
      {-0.0, "##0.000", ".", "  0.000"},
      {-0.7155f, "###0.000", ",", "  -0,715"},
  };
  for (const Row& r : rows)
    EXPECT_EQ(FormatRight(r.value, r.pattern, r.sep), r.shown) << r.value << " " << r.pattern;
}

constexpr NumberPattern kFacade("#");
constexpr NumberPattern kElement("###0");
constexpr NumberPattern kPlace("##0.00");
constexpr NumberPattern kCp("##0.000");
constexpr NumberPattern kAverage("###0.000");

// The fixed columns' text is FormatRight's; they decline exactly the values
// that are not finite or whose text is longer than the column. Gives whether the column took it.
template <const NumberPattern& Pattern, typename Value>
bool SameAsFormatRight(Value value, char sep) {
  char text[16];
  char* end = WriteFixedNumber<Pattern>(text, value, sep);
  const std::string general = FormatRight(value, Pattern.text, std::string(1, sep));
  if (end == nullptr) {
    EXPECT_TRUE(!std::isfinite(value) || general.size() > Pattern.text.size())
        << value << " " << Pattern.text;
    return false;
  }
  EXPECT_EQ(std::string(text, end), general) << value << " " << Pattern.text;
  return true;
}

int SameInAllColumns(float value, char sep) {
  return SameAsFormatRight<kFacade>(value, sep) + SameAsFormatRight<kElement>(value, sep) +
         SameAsFormatRight<kPlace>(value, sep) + SameAsFormatRight<kCp>(value, sep) +
         SameAsFormatRight<kAverage>(value, sep);
}

TEST(FixedNumber, WritesFormatRightsTextOrDeclines) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  const float edges[] = {0.f,     -0.f,     0.125f,   -0.125f,  0.145f,       2.675f,
                         0.0625f, -0.0004f, -0.0005f, 0.0005f,  0.9995f,      9.5f,
                         -9.5f,   99.995f,  -99.995f, 999.995f, 999.994f,     999.9949f,
                         1000.f,  9999.5f,  9999.4f,  -999.5f,  99999.5f,     1e-30f,
                         1e30f,   10000.f,  kInf,     -kInf,    std::nanf("")};
  for (float value : edges) {
    SameInAllColumns(value, '.');
    SameInAllColumns(value, ',');
  }
  // Values of the report's range, halves of every kind among them, and any
  // 32-bit pattern at all.
  std::mt19937 random(7);
  std::uniform_real_distribution<float> range(-12000.f, 12000.f);
  std::uniform_int_distribution<int> sixteenths(-200000, 200000);
  int taken = 0;
  for (int i = 0; i < 100000; ++i) {
    taken += SameInAllColumns(range(random), '.');
    taken += SameInAllColumns(static_cast<float>(sixteenths(random)) / 16, ',');
    taken += SameInAllColumns(std::bit_cast<float>(static_cast<std::uint32_t>(random())), '.');
  }
  EXPECT_GT(taken, 300000);  // the columns take most values: the check compares text
  // Facade and element numbers, every one.
  taken = 0;
  for (int i = std::numeric_limits<std::int16_t>::min(); i <= 32767; ++i) {
    const auto number = static_cast<std::int16_t>(i);
    taken += SameAsFormatRight<kFacade>(number, '.') + SameAsFormatRight<kElement>(number, '.') +
             SameAsFormatRight<kPlace>(number, ',');
  }
  EXPECT_EQ(taken, 10 + 10999 + 1099);
}

TEST(ReportDate, MonthTwoDigitDayYearAndHourWithoutLeadingZero) {
  const auto at = [](int month, int day, int hour, int minute) {
    std::tm t{};
    t.tm_year = 126, t.tm_mon = month - 1, t.tm_mday = day, t.tm_hour = hour, t.tm_min = minute;
    return t;
  };
  EXPECT_EQ(FormatReportDate(at(12, 6, 8, 5), EnglishMonthNames()), "December 06, 2026 - 8:05");
  EXPECT_EQ(FormatReportDate(at(1, 31, 23, 59), EnglishMonthNames()), "January 31, 2026 - 23:59");
  MonthNames italian = {"gennaio", "febbraio", "marzo",     "aprile",  "maggio",   "giugno",
                        "luglio",  "agosto",   "settembre", "ottobre", "novembre", "dicembre"};
  EXPECT_EQ(FormatReportDate(at(3, 9, 0, 0), italian), "marzo 09, 2026 - 0:00");
  EXPECT_EQ(ToUtf8("M\xE4rz", "ISO-8859-1"), "M\xC3\xA4rz");
  EXPECT_EQ(ToUtf8("March", "NO-SUCH-CHARSET"), "March");
}

}  // namespace
}  // namespace ventora
