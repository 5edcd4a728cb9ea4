#include "output/format_right.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace ventora {
namespace {

// A double times a power of ten up to 10^4 is exact in this type (53 + 10
// significant bits), so ties can be told apart from near-ties.
static_assert(std::numeric_limits<long double>::digits >= 64,
              "FormatRight needs an extended long double for exact rounding");

struct PatternShape {
  int decimals = 0;          // digits after the point
  int minIntegerDigits = 0;  // "0" digits before the point
};

PatternShape ReadPattern(std::string_view pattern) {
  PatternShape shape;
  const auto point = pattern.find('.');
  const std::string_view integer = pattern.substr(0, point);
  for (char c : integer)
    if (c == '0') ++shape.minIntegerDigits;
  if (point != std::string_view::npos)
    shape.decimals = static_cast<int>(pattern.size() - point - 1);
  return shape;
}

// Digits of |value| * 10^decimals rounded half away from zero, written into
// `out`; returns their count. Beyond exact integer range the value is an
// integer already and printf is exact (patterns carry at most three decimals).
std::size_t ScaledDigits(double magnitude, int decimals, char* out, std::size_t size) {
  long double scaled = magnitude;
  for (int i = 0; i < decimals; ++i)
    scaled *= 10;
  if (scaled < 9.0e18L) {
    auto whole = static_cast<std::uint64_t>(scaled);
    if (scaled - static_cast<long double>(whole) >= 0.5L) ++whole;
    return static_cast<std::size_t>(std::to_chars(out, out + size, whole).ptr - out);
  }
  int n = std::snprintf(out, size, "%.0f", magnitude);
  for (int i = 0; i < decimals && static_cast<std::size_t>(n) + 1 < size; ++i)
    out[n++] = '0';
  return static_cast<std::size_t>(n);
}

void AppendPadded(std::string& out, std::string_view text, std::size_t width) {
  if (text.size() < width) out.append(width - text.size(), ' ');
  out += text;
}

}  // namespace

void AppendFormatRight(std::string& out, double value, std::string_view pattern,
                       std::string_view decimalSep) {
  if (!std::isfinite(value)) {
    AppendPadded(out, std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf"), pattern.size());
    return;
  }
  const PatternShape shape = ReadPattern(pattern);
  const auto decimals = static_cast<std::size_t>(shape.decimals);
  const std::size_t minimum = decimals + static_cast<std::size_t>(shape.minIntegerDigits);
  char buffer[512];
  char* digits = buffer + 64;  // room for leading zeros
  std::size_t count = ScaledDigits(std::fabs(value), shape.decimals, digits, sizeof buffer - 64);
  while (count < minimum) {
    *--digits = '0';
    ++count;
  }
  std::string_view integer(digits, count - decimals);
  // "#" digits vanish when not significant: 0 with "#" is empty.
  if (shape.minIntegerDigits == 0 && integer == "0") integer = {};
  const bool negative = value < 0;
  const std::size_t length =
      (negative ? 1 : 0) + integer.size() + (decimals > 0 ? decimalSep.size() + decimals : 0);
  if (length < pattern.size()) out.append(pattern.size() - length, ' ');
  if (negative) out += '-';
  out += integer;
  if (decimals > 0) {
    out += decimalSep;
    out.append(digits + count - decimals, decimals);
  }
}

std::string FormatRight(double value, std::string_view pattern, std::string_view decimalSep) {
  std::string text;
  AppendFormatRight(text, value, pattern, decimalSep);
  return text;
}

}  // namespace ventora
