// How the reports show numbers and dates.

#include <gtest/gtest.h>

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
