#include "output/format_right.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "output/digit_pairs.h"

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

// Beyond the fast path's range: digits through a scratch buffer.
void AppendFormatRightWide(std::string& out, double value, std::string_view pattern,
                           std::string_view decimalSep) {
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

// The common case in a double, where it is as exact as ScaledDigits: a
// 32-bit value (24 significant bits) times 10, 100 or 1000 (at most 7) is
// exact in 53 bits. False for any other value or pattern.
bool ScaledSingle(double value, int decimals, std::uint64_t& whole) {
  constexpr std::array<double, 4> kScale{1, 10, 100, 1000};
  const double magnitude = std::fabs(value);
  if (decimals > 3 || !(magnitude < 1e15) ||
      static_cast<double>(static_cast<float>(magnitude)) != magnitude)
    return false;
  const double scaled = magnitude * kScale[static_cast<std::size_t>(decimals)];
  whole = static_cast<std::uint64_t>(scaled);
  if (scaled - static_cast<double>(whole) >= 0.5) ++whole;
  return true;
}

// The digits of `whole` ending at `end`, none for 0; gives the first.
char* WriteDigits(char* end, std::uint64_t whole) {
  char* first = end;
  for (; whole >= 10; whole /= 100) {
    first = PutDigitPair(first, static_cast<std::uint32_t>(whole % 100));
  }
  if (whole > 0) *--first = static_cast<char>('0' + whole);
  return first;
}

// Short copies, a few characters each: cheaper than calling memcpy.
char* Copy(char* to, const char* from, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i)
    *to++ = from[i];
  return to;
}

}  // namespace

// The report formats some 15,000 numbers a run: the text is built in the
// caller's buffer, with the rounding of ScaledDigits.
char* FormatRightInto(char* at, double value, const NumberPattern& pattern,
                      std::string_view decimalSep) {
  const std::size_t width = pattern.text.size();
  if (!std::isfinite(value) || width > 32 || decimalSep.size() > 8) return nullptr;
  std::uint64_t whole = 0;
  if (!ScaledSingle(value, pattern.decimals, whole)) {
    long double scaled = std::fabs(value);
    for (int i = 0; i < pattern.decimals; ++i)
      scaled *= 10;
    if (!(scaled < 9.0e18L)) return nullptr;
    whole = static_cast<std::uint64_t>(scaled);
    if (scaled - static_cast<long double>(whole) >= 0.5L) ++whole;
  }
  // At most 19 digits, or a pattern's zeros (32 at most).
  char digits[40];
  char* const digitsEnd = digits + sizeof digits;
  char* first = WriteDigits(digitsEnd, whole);
  const auto decimals = static_cast<std::size_t>(pattern.decimals);
  const std::size_t minimum = decimals + static_cast<std::size_t>(pattern.minIntegerDigits);
  while (static_cast<std::size_t>(digitsEnd - first) < minimum)
    *--first = '0';
  // "#" digits vanish when not significant: 0 with "#" is empty.
  const std::size_t integer = static_cast<std::size_t>(digitsEnd - first) - decimals;
  const bool negative = value < 0;
  const std::size_t length =
      (negative ? 1 : 0) + integer + (decimals > 0 ? decimalSep.size() + decimals : 0);
  for (std::size_t i = length; i < width; ++i)
    *at++ = ' ';
  if (negative) *at++ = '-';
  at = Copy(at, first, integer);
  if (decimals > 0) {
    at = Copy(at, decimalSep.data(), decimalSep.size());
    at = Copy(at, first + integer, decimals);
  }
  return at;
}

void AppendFormatRight(std::string& out, double value, const NumberPattern& pattern,
                       std::string_view decimalSep) {
  char text[kFormatRightRoom];
  if (const char* end = FormatRightInto(text, value, pattern, decimalSep)) {
    out.append(text, static_cast<std::size_t>(end - text));
  } else if (!std::isfinite(value)) {
    AppendPadded(out, std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf"),
                 pattern.text.size());
  } else {
    AppendFormatRightWide(out, value, pattern.text, decimalSep);
  }
}

void AppendFormatRight(std::string& out, double value, std::string_view pattern,
                       std::string_view decimalSep) {
  AppendFormatRight(out, value, NumberPattern(pattern), decimalSep);
}

std::string FormatRight(double value, std::string_view pattern, std::string_view decimalSep) {
  std::string text;
  AppendFormatRight(text, value, pattern, decimalSep);
  return text;
}

}  // namespace ventora
