#include "output/report_date.h"

#include <gtest/gtest.h>

namespace ventora {
namespace {

std::tm At(int year, int month, int day, int hour, int minute) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  return t;
}

TEST(ReportDate, MonthNameTwoDigitDayHourWithoutLeadingZero) {
  EXPECT_EQ(FormatReportDate(At(2026, 12, 6, 8, 5), EnglishMonthNames()),
            "December 06, 2026 - 8:05");
  EXPECT_EQ(FormatReportDate(At(2027, 1, 31, 0, 0), EnglishMonthNames()),
            "January 31, 2027 - 0:00");
  EXPECT_EQ(FormatReportDate(At(2027, 7, 14, 23, 59), EnglishMonthNames()),
            "July 14, 2027 - 23:59");
}

TEST(ReportDate, MonthNameInTheUsersLanguage) {
  MonthNames italian = {"gennaio", "febbraio", "marzo",     "aprile",  "maggio",   "giugno",
                        "luglio",  "agosto",   "settembre", "ottobre", "novembre", "dicembre"};
  EXPECT_EQ(FormatReportDate(At(2026, 3, 9, 14, 30), italian), "marzo 09, 2026 - 14:30");
}

TEST(ReportDate, MonthNamesOfOtherCharsetsBecomeUtf8) {
  EXPECT_EQ(ToUtf8("M\xE4rz", "ISO-8859-1"), "M\xC3\xA4rz");
  EXPECT_EQ(ToUtf8("f\xE9vrier", "ISO-8859-15"), "f\xC3\xA9vrier");
  EXPECT_EQ(ToUtf8("M\xC3\xA4rz", "UTF-8"), "M\xC3\xA4rz");
  EXPECT_EQ(ToUtf8("March", "NO-SUCH-CHARSET"), "March");
}

TEST(ReportDate, UserMonthNamesAreNeverEmpty) {
  for (const std::string& name : UserMonthNames())
    EXPECT_FALSE(name.empty());
}

}  // namespace
}  // namespace ventora
