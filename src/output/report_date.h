#pragma once
// The date and time on a report's title line, "mmmm dd, yyyy - h:mm": the
// month's full name in the user's language, two-digit day, four-digit year,
// hour without a leading zero, two-digit minutes.

#include <array>
#include <ctime>
#include <string>

namespace ventora {

using MonthNames = std::array<std::string, 12>;  // January first

// English month names, the fallback when the environment names none.
MonthNames EnglishMonthNames();

// The month names of the user's time locale (LC_ALL / LC_TIME / LANG),
// probed once by the caller; English when that locale is not available.
MonthNames UserMonthNames();

// A month name in the charset of the user's time locale, as UTF-8 (the
// report's encoding); unchanged when it cannot be converted.
std::string ToUtf8(const std::string& text, const char* charset);

// `when` holds local calendar time (tm_mon 0..11).
std::string FormatReportDate(const std::tm& when, const MonthNames& months);

// The current local time.
std::tm LocalNow();

}  // namespace ventora
