// How the reports show numbers and dates.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
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

constexpr NumberPattern kFacade("#"), kElement("###0"), kPlace("##0.00"), kCp("##0.000"),
    kAverage("###0.000");

// Whether the column took `value`; its text must then be FormatRight's, and
// it may decline only values not finite or wider than the column.
template <const NumberPattern& Pattern, typename Value>
int Taken(Value value, char sep) {
  char text[16];
  std::memset(text, ' ', sizeof text);
  char* end = WriteFixedNumber<Pattern>(text, value, sep);
  const std::string general = FormatRight(value, Pattern.text, std::string(1, sep));
  if (end != nullptr)
    EXPECT_EQ(std::string(text, end), general) << value << " " << Pattern.text;
  else
    EXPECT_TRUE(!std::isfinite(value) || general.size() > Pattern.text.size()) << value;
  return end != nullptr;
}

template <typename Value>
int TakenByAll(Value value, char sep) {
  return Taken<kFacade>(value, sep) + Taken<kElement>(value, sep) + Taken<kPlace>(value, sep) +
         Taken<kCp>(value, sep) + Taken<kAverage>(value, sep);
}

TEST(FixedNumber, WritesFormatRightsTextOrDeclines) {
  const float inf = std::numeric_limits<float>::infinity();
  for (float value :
       {0.f,      -0.f,   0.125f,  -0.125f,  0.145f,   2.675f,   0.0625f,      -0.0004f, -0.0005f,
        0.9995f,  -9.5f,  99.995f, -99.995f, 999.995f, 999.994f, 999.9949f,    9999.5f,  -999.5f,
        99999.5f, 1e-30f, 1e30f,   10000.f,  inf,      -inf,     std::nanf("")})
    TakenByAll(value, ',');
  // Values of the report's range, halves of every kind among them, and any
  // 32-bit pattern at all.
  std::mt19937 random(7);
  std::uniform_real_distribution<float> range(-12000.f, 12000.f);
  std::uniform_int_distribution<int> sixteenths(-200000, 200000);
  int taken = 0;
  for (int i = 0; i < 100000; ++i)
    taken += TakenByAll(range(random), '.') +
             TakenByAll(static_cast<float>(sixteenths(random)) / 16, ',') +
             TakenByAll(std::bit_cast<float>(static_cast<std::uint32_t>(random())), '.');
  EXPECT_GT(taken, 300000);  // most are taken: the text is compared
  // Every facade and element number.
  taken = 0;
  for (int i = -32768; i <= 32767; ++i)
    taken += TakenByAll(static_cast<std::int16_t>(i), '.');
  EXPECT_EQ(taken, 10 + 10999 + 1099 + 1099 + 10999);
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
