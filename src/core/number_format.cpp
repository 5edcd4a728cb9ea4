#include "core/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "core/portable_std.h"

namespace ventora {
namespace {

// A 32-bit value rounded to seven significant digits: the digits without
// trailing zeros, and the decimal exponent of the first one (d.ddd * 10^e).
struct Rounded {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

Rounded RoundTo7Digits(float value) {
  Rounded r;
  r.negative = value < 0;
  if (value == 0) {
    r.digits.assign(1, '0');
    return r;
  }
  char buf[32];
  const auto res = portable::to_chars(buf, buf + sizeof buf, std::fabs(static_cast<double>(value)),
                                      std::chars_format::scientific, 6);
  const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));  // d.dddddde+XX
  const auto e = text.find('e');
  r.digits.assign(1, text[0]);
  r.digits.append(text.substr(2, e - 2));
  r.digits.erase(r.digits.find_last_not_of('0') + 1);
  const std::size_t exponentStart = text[e + 1] == '+' ? e + 2 : e + 1;
  std::from_chars(text.data() + exponentStart, text.data() + text.size(), r.exponent);
  return r;
}

bool UsesExponentForm(const Rounded& r) {
  return r.digits != "0" && (r.exponent >= 7 || r.exponent < -4);
}

// "1E-05", "1.234568E+08": at least two exponent digits.
std::string ExponentForm(const Rounded& r, char point) {
  std::string s = r.digits.substr(0, 1);
  if (r.digits.size() > 1) s.append(1, point).append(r.digits, 1);
  const int magnitude = std::abs(r.exponent);
  s += r.exponent < 0 ? "E-" : "E+";
  if (magnitude < 10) s += '0';
  return s + std::to_string(magnitude);
}

// Plain digits; below 1 the text starts at the point (".25").
std::string PlainForm(const Rounded& r, char point) {
  if (r.exponent < 0) return std::string(1, point).append(-r.exponent - 1, '0').append(r.digits);
  const auto intLength = static_cast<std::size_t>(r.exponent) + 1;
  if (r.digits.size() <= intLength) return r.digits + std::string(intLength - r.digits.size(), '0');
  return r.digits.substr(0, intLength).append(1, point).append(r.digits, intLength);
}

std::string UnsignedText(const Rounded& r, char point) {
  return UsesExponentForm(r) ? ExponentForm(r, point) : PlainForm(r, point);
}

std::string NotFiniteText(float value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Infinity" : "Infinity";
}

}  // namespace

std::string FileNumberText(float value) {
  if (!std::isfinite(value))
    return std::string(value < 0 ? 0 : 1, ' ').append(NotFiniteText(value));
  const Rounded r = RoundTo7Digits(value);
  return std::string(1, r.negative ? '-' : ' ').append(UnsignedText(r, '.'));
}

std::string LocaleNumberText(float value, const NumberLocale& locale) {
  if (!std::isfinite(value)) return NotFiniteText(value);
  const Rounded r = RoundTo7Digits(value);
  const std::string digits = UnsignedText(r, locale.decimal);
  std::string text(r.negative ? 1 : 0, '-');
  if (digits.front() == locale.decimal) text += '0';
  return text.append(digits);
}

}  // namespace ventora
