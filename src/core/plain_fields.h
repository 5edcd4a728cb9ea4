#pragma once
// The quick reading of a line of plain numbers: fields of an optional sign,
// then digits with at most one '.' or ',' among them ("17", "-.75"), as
// nearly every line of a job file holds. A line it reads gives exactly the
// numbers `NumberText::ReadFields` gives for it; any other line it declines,
// and ReadFields decides, with its messages. The field types can be known
// when compiling (`ReadPlainLine`), as a job file's element line's are, so
// that reading such a line costs its characters and little else.

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/exact_decimal.h"
#include "core/text_fields.h"

namespace ventora {

// How a locale's NumberText converts plain fields (NumberText::Plain).
struct PlainNumbers {
  int mode = 0;                     // NumberText's number mode
  bool separatorIsDecimal = false;  // a field's '.' or ',' reads as its decimal point
};

namespace plain_fields {

inline bool IsBlankOrTab(char c) {
  return c == ' ' || c == '\t';
}

// A plain field taken apart. Within the limits below, the digits as an
// integer and the power of ten are exact in float and double
// (exact_decimal.h), so one division is the correctly rounded value, which is
// what the locale conversion and Val give for the same text.
struct Field {
  // Beyond these the field takes the general conversion.
  static constexpr std::uint64_t kMaxMantissa = ExactLimits<float>::kMaxMantissa;
  static constexpr std::size_t kMaxDecimals = ExactLimits<float>::kMaxPower;

  bool negative = false;
  std::uint64_t mantissa = 0;  // the digits as an integer
  int decimals = 0;            // digits after the separator
  char separator = 0;          // '.', ',' or 0 without one

  // What ExactDecimal gives, without its checks of the limits, which the
  // field already keeps: a whole number divided by 10^0 is itself, as
  // ExactDecimal's multiplication by it is. The mantissa, at most 2^24, is
  // converted as a signed number, the same value without the steps an
  // unsigned 64-bit conversion takes.
  template <typename T>
  T Value() const {
    const T digits = static_cast<T>(static_cast<std::int64_t>(mantissa));
    const T value = digits / kExactPowers<T>[static_cast<std::size_t>(decimals)];
    return negative ? -value : value;
  }
};

// The digits at `p` appended to `mantissa` (which wraps beyond 19 digits,
// which the caller refuses); gives the first character after them. While
// four characters remain, the end is checked once for the four.
inline const char* TakeDigits(const char* p, const char* end, std::uint64_t& mantissa) {
  std::uint64_t m = mantissa;
  const auto digitAt = [&](std::size_t i, std::uint64_t& digit) {
    digit = static_cast<unsigned char>(p[i]) - std::uint64_t{'0'};
    return digit <= 9;
  };
  std::uint64_t digit = 0;
  for (; end - p >= 4; p += 4) {
    for (std::size_t i = 0; i < 4; ++i) {
      if (!digitAt(i, digit)) {
        mantissa = m;
        return p + i;
      }
      m = m * 10 + digit;
    }
  }
  for (; p != end && digitAt(0, digit); ++p)
    m = m * 10 + digit;
  mantissa = m;
  return p;
}

// Reads the field that opens the text at `at` (a field ends at the first
// blank or tab), and moves `at` past it and the blanks and tabs after it;
// false when the field is empty or not plain. The scan runs on a copy of
// `at`: through the reference every step would be stored, as a character
// read might alias it.
inline bool TakeField(const char*& at, const char* end, Field& f) {
  const char* p = at;
  if (p != end && (*p == '+' || *p == '-')) f.negative = *p++ == '-';
  const char* const first = p;
  std::uint64_t mantissa = 0;
  p = TakeDigits(p, end, mantissa);
  std::size_t decimals = 0;
  if (p != end && (*p == '.' || *p == ',')) {
    f.separator = *p++;
    const char* const fraction = p;
    p = TakeDigits(p, end, mantissa);
    decimals = static_cast<std::size_t>(p - fraction);
  }
  const auto digits = static_cast<std::size_t>(p - first) - (f.separator != 0 ? 1 : 0);
  if (digits - 1 >= 19 || mantissa > Field::kMaxMantissa || decimals > Field::kMaxDecimals)
    return false;
  if (p != end) {
    if (!IsBlankOrTab(*p)) return false;
    do
      ++p;
    while (p != end && IsBlankOrTab(*p));
  }
  f.mantissa = mantissa;
  f.decimals = static_cast<int>(decimals);
  at = p;
  return true;
}

// A character that may follow the text of a line that ReadPlainLine reads:
// the line end TextLines leaves there, or the NUL after a string's text.
// None of them can be part of a field, so the reading stops at it without
// comparing its place with the line's end.
inline bool EndsLine(char c) {
  return c == '\n' || c == '\r' || c == '\0';
}

// TakeDigits for a text followed by a character that ends a line.
inline const char* TakeDigitsToLineEnd(const char* p, std::uint64_t& mantissa) {
  std::uint64_t m = mantissa;
  for (;; p += 4) {
    for (std::size_t i = 0; i < 4; ++i) {
      const std::uint64_t digit = static_cast<unsigned char>(p[i]) - std::uint64_t{'0'};
      if (digit > 9) {
        mantissa = m;
        return p + i;
      }
      m = m * 10 + digit;
    }
  }
}

// TakeField for a text followed by a character that ends a line (EndsLine at
// `end`): the same fields taken and declined.
inline bool TakeFieldToLineEnd(const char*& at, const char* end, Field& f) {
  const char* p = at;
  f.negative = *p == '-';
  if (f.negative || *p == '+') ++p;
  const char* const first = p;
  std::uint64_t mantissa = 0;
  p = TakeDigitsToLineEnd(p, mantissa);
  const char* fraction = p;
  if (*p == '.' || *p == ',') {
    f.separator = *p;
    fraction = ++p;
    p = TakeDigitsToLineEnd(p, mantissa);
  }
  const auto decimals = static_cast<std::size_t>(p - fraction);
  const auto digits = static_cast<std::size_t>(p - first) - (f.separator != 0 ? 1 : 0);
  // One to seven digits keep every limit (below 2^24, at most seven decimals):
  // only longer fields, and empty ones, are checked further.
  static_assert(Field::kMaxMantissa > 9'999'999 && Field::kMaxDecimals >= 7);
  if (digits - 1 >= 7 &&
      (digits - 1 >= 19 || mantissa > Field::kMaxMantissa || decimals > Field::kMaxDecimals))
    return false;
  if (IsBlankOrTab(*p)) {
    do
      ++p;
    while (IsBlankOrTab(*p));
  } else if (p != end) {
    return false;
  }
  f.mantissa = mantissa;
  f.decimals = static_cast<int>(decimals);
  at = p;
  return true;
}

// What ReadFields gives a plain field of `type`; false when it would take the
// general conversion.
template <FieldType Type>
bool Value(const Field& f, const PlainNumbers& plain, double& value) {
  if constexpr (Type == FieldType::Integer || Type == FieldType::Long || Type == FieldType::Byte) {
    // Whole numbers are read in the locale itself, without the rewrite;
    // a separator would need its reading there and the rounding.
    if (f.separator != 0) return false;
    const long long whole =
        f.negative ? -static_cast<long long>(f.mantissa) : static_cast<long long>(f.mantissa);
    constexpr long long kLow = Type == FieldType::Integer ? -32768LL
                               : Type == FieldType::Byte  ? 0LL
                                                          : -2147483648LL;
    constexpr long long kHigh = Type == FieldType::Integer ? 32767LL
                                : Type == FieldType::Byte  ? 255LL
                                                           : 2147483647LL;
    value = static_cast<double>(whole);
    return whole >= kLow && whole <= kHigh;
  } else if constexpr (Type == FieldType::Single || Type == FieldType::Double) {
    if (f.separator != 0 && !plain.separatorIsDecimal) return false;
    if constexpr (Type == FieldType::Double)
      value = f.Value<double>();
    else  // Val works in double and its result is then rounded to float
      value = plain.mode == 3 ? static_cast<float>(f.Value<double>()) : f.Value<float>();
    return true;
  } else {
    return false;  // text is never plain
  }
}

// Inline in ReadPlainLine: a call per field cost about as much as reading
// its digits.
template <FieldType Type>
[[gnu::always_inline]] inline bool TakeToLineEnd(const char*& p, const char* end,
                                                 const PlainNumbers& plain, double& value) {
  Field f;
  return TakeFieldToLineEnd(p, end, f) && Value<Type>(f, plain, value);
}

}  // namespace plain_fields

// The line's first fields read as `Types` into `values`; false, telling
// nothing, when one of them is not plain or not in its type's range. Only
// blanks before the first field are skipped (a tab there is left to
// ReadFields); text after the last field is ignored, as ReadFields ignores it.
// The character just after the line must be readable and end it (a line of
// TextLines, or a string's text): the reading runs up to it.
template <FieldType... Types>
[[gnu::always_inline]] inline bool ReadPlainLine(std::string_view line, const PlainNumbers& plain,
                                                 std::array<double, sizeof...(Types)>& values) {
  const char* p = line.data();
  const char* const end = p + line.size();
  assert(plain_fields::EndsLine(*end));
  while (*p == ' ')
    ++p;
  std::size_t i = 0;
  return (plain_fields::TakeToLineEnd<Types>(p, end, plain, values[i++]) && ...);
}

}  // namespace ventora
