#include "output/report_date.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <cstdio>
#include <cstring>

namespace ventora {

MonthNames EnglishMonthNames() {
  return {"January", "February", "March",     "April",   "May",      "June",
          "July",    "August",   "September", "October", "November", "December"};
}

std::string ToUtf8(const std::string& text, const char* charset) {
  if (std::strcmp(charset, "UTF-8") == 0 || std::strcmp(charset, "ANSI_X3.4-1968") == 0)
    return text;
  iconv_t convert = iconv_open("UTF-8", charset);
  if (convert == reinterpret_cast<iconv_t>(-1)) return text;
  std::string in = text;
  char out[256];
  char* inPtr = in.data();
  char* outPtr = out;
  std::size_t inLeft = in.size();
  std::size_t outLeft = sizeof out;
  const bool ok =
      iconv(convert, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(convert);
  return ok ? std::string(out, static_cast<std::size_t>(outPtr - out)) : text;
}

MonthNames UserMonthNames() {
  MonthNames names = EnglishMonthNames();
  locale_t user = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
  if (user == static_cast<locale_t>(0)) return names;
  for (int m = 0; m < 12; ++m) {
    std::tm month{};
    month.tm_mon = m;
    month.tm_mday = 1;
    month.tm_year = 100;
    char buffer[64];
    if (strftime_l(buffer, sizeof buffer, "%B", &month, user) > 0)
      names[m] = ToUtf8(buffer, nl_langinfo_l(CODESET, user));
  }
  freelocale(user);
  return names;
}

std::string FormatReportDate(const std::tm& when, const MonthNames& months) {
  const int month = (when.tm_mon >= 0 && when.tm_mon < 12) ? when.tm_mon : 0;
  char rest[64];
  std::snprintf(rest, sizeof rest, " %02d, %04d - %d:%02d", when.tm_mday, when.tm_year + 1900,
                when.tm_hour, when.tm_min);
  return months[month] + rest;
}

std::tm LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace ventora
