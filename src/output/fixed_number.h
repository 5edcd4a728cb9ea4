#pragma once
// The report's numbers in their usual case: a 32-bit value whose text fits
// its column, with the column's pattern known when compiling. The text is
// FormatRight's, digit for digit, written straight to its place.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "output/digit_pairs.h"
#include "output/format_right.h"

namespace ventora {

namespace fixed_number_detail {

constexpr std::uint64_t Power10(int n) {
  std::uint64_t power = 1;
  for (; n > 0; --n)
    power *= 10;
  return power;
}

}  // namespace fixed_number_detail

// `value` formatted by `Pattern` as FormatRight does, in the pattern's
// length of characters at `at`, which the caller has filled with blanks (a
// line's blanks go in at once): its digits, point and sign are written over
// them, right-aligned. Gives the field's end, or null, writing nothing, when
// the text would be longer (or the value is not finite).
template <const NumberPattern& Pattern, typename Value>
[[gnu::always_inline]] inline char* WriteFixedNumber(char* at, Value value, char decimalSep) {
  using fixed_number_detail::Power10;
  static_assert(std::is_same_v<Value, float> || std::is_same_v<Value, std::int16_t>);
  constexpr int kWidth = static_cast<int>(Pattern.text.size());
  constexpr int kDecimals = Pattern.decimals;
  constexpr int kPoint = kDecimals > 0 ? 1 : 0;
  constexpr int kRoom = kWidth - kPoint;  // for digits and sign
  constexpr int kZeros = Pattern.minIntegerDigits;
  // Whole numbers in 32 bits, the scaling below exact, and at most one "0"
  // digit before the point, as the report's patterns have.
  static_assert(kRoom <= 9 && kDecimals <= 3 && kZeros <= 1 && kZeros + kDecimals <= kRoom);

  const bool negative = value < 0;
  if constexpr (kZeros + kDecimals == kRoom) {
    if (negative) return nullptr;  // no room for the sign
  }
  // The digits of the value times 10^decimals, which must fit the room (one
  // less with a sign).
  std::uint32_t whole = 0;
  if constexpr (std::is_integral_v<Value>) {
    const auto magnitude = static_cast<std::uint32_t>(negative ? -value : value);
    constexpr auto kUnit = static_cast<std::uint32_t>(Power10(kDecimals));
    constexpr auto kLimit = static_cast<std::uint32_t>(Power10(kRoom) / kUnit);
    constexpr auto kSignedLimit = static_cast<std::uint32_t>(Power10(kRoom - 1) / kUnit);
    if (magnitude >= (negative ? kSignedLimit : kLimit)) return nullptr;
    whole = magnitude * kUnit;
  } else {
    // A 32-bit value times at most 10^3 is exact in a double, with at most
    // 31 significant bits (24 of the value, 7 of 5^3), so that adding 0.5
    // is exact too whenever the sum reaches 1: truncated, the sum is the
    // exact binary value rounded with halves away from zero, as FormatRight
    // rounds. It fits when half a unit below the first number that does not.
    const double scaled = std::fabs(static_cast<double>(value)) * Power10(kDecimals);
    constexpr double kLimit = static_cast<double>(Power10(kRoom)) - 0.5;
    constexpr double kSignedLimit = static_cast<double>(Power10(kRoom - 1)) - 0.5;
    if (!(scaled < (negative ? kSignedLimit : kLimit))) return nullptr;
    whole = static_cast<std::uint32_t>(scaled + 0.5);
  }

  char* first = at + kWidth;
  if constexpr (kDecimals > 0) {
    constexpr auto kUnit = static_cast<std::uint32_t>(Power10(kDecimals));
    std::uint32_t fraction = whole % kUnit;
    whole /= kUnit;
    if constexpr (kDecimals % 2 == 1) {
      *--first = static_cast<char>('0' + fraction % 10);
      fraction /= 10;
    }
    if constexpr (kDecimals >= 2) first = PutDigitPair(first, fraction);
    *--first = decimalSep;
  }
  // A "0" digit always, "#" digits only when significant.
  constexpr int kIntegerRoom = kRoom - kDecimals;
  for (int i = 2; i < kIntegerRoom && whole >= 100; i += 2, whole /= 100)
    first = PutDigitPair(first, whole % 100);
  // A one-digit column never writes a pair (the compiler cannot see that
  // the fit check keeps it below 10).
  bool paired = false;
  if constexpr (kIntegerRoom >= 2) {
    if (whole >= 10) {
      first = PutDigitPair(first, whole);
      paired = true;
    }
  }
  if (!paired && (whole > 0 || kZeros > 0)) *--first = static_cast<char>('0' + whole);
  if (negative) {
    // The fit check leaves room for the sign; an optimised build cannot see
    // that for a one-character column, and a column never writes before `at`.
    if (first == at) return nullptr;
    *--first = '-';
  }
  return at + kWidth;
}

}  // namespace ventora
