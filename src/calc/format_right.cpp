#include "calc/format_right.h"

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

// Digits of |value| * 10^decimals rounded half away from zero, or empty when
// the magnitude is beyond exact integer range (then the value is an integer
// already and printf is exact).
std::string ScaledDigits(double magnitude, int decimals) {
  long double scaled = magnitude;
  for (int i = 0; i < decimals; ++i)
    scaled *= 10;
  if (scaled >= 9.0e18L) return {};
  auto whole = static_cast<std::uint64_t>(scaled);
  if (scaled - static_cast<long double>(whole) >= 0.5L) ++whole;
  return std::to_string(whole);
}

std::string PlainDigits(double magnitude, int decimals) {
  const std::string scaled = ScaledDigits(magnitude, decimals);
  if (!scaled.empty()) return scaled;
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.0f", magnitude);
  return std::string(buffer) + std::string(static_cast<std::size_t>(decimals), '0');
}

}  // namespace

std::string FormatRight(double value, std::string_view pattern, std::string_view decimalSep) {
  const PatternShape shape = ReadPattern(pattern);
  std::string text;
  if (!std::isfinite(value)) {
    text = std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
  } else {
    std::string digits = PlainDigits(std::fabs(value), shape.decimals);
    const std::size_t minimum = static_cast<std::size_t>(shape.decimals + shape.minIntegerDigits);
    if (digits.size() < minimum) digits.insert(0, minimum - digits.size(), '0');
    std::string integer = digits.substr(0, digits.size() - shape.decimals);
    // "#" digits vanish when not significant: 0 with "#" is empty.
    if (shape.minIntegerDigits == 0 && integer == "0") integer.clear();
    if (value < 0) text = "-";
    text += integer;
    if (shape.decimals > 0) {
      text += decimalSep;
      text += digits.substr(digits.size() - shape.decimals);
    }
  }
  if (text.size() < pattern.size()) text.insert(0, pattern.size() - text.size(), ' ');
  return text;
}

}  // namespace ventora
