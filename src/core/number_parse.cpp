#include "core/number_parse.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "core/text_excerpt.h"

namespace ventora {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsExponentLetter(char c) {
  return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

// A number taken apart: its digits without separators, and the exponent.
struct DecimalParts {
  bool negative = false;
  std::string intDigits;
  std::string fracDigits;
  long long exponent = 0;
};

// Exponent digits saturate far beyond any double, so huge exponents cannot
// overflow the counter yet still read as overflow or underflow.
long long AddExponentDigit(long long e, char c) {
  constexpr long long kSaturated = 1'000'000'000;
  return e >= kSaturated ? e : e * 10 + (c - '0');
}

std::string_view TrimBlanksAndTabs(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t");
  return s.substr(first, last - first + 1);
}

// Scans the exponent after its letter; false when no digit follows.
bool ScanExponent(std::string_view s, std::size_t& i, long long& exponent) {
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  if (i >= s.size() || !IsDigit(s[i])) return false;
  long long e = 0;
  while (i < s.size() && IsDigit(s[i]))
    e = AddExponentDigit(e, s[i++]);
  exponent = negative ? -e : e;
  return true;
}

// The locale's number syntax; nullopt for anything that is not a number.
std::optional<DecimalParts> ScanLocaleNumber(std::string_view text, const NumberLocale& locale) {
  const std::string_view s = TrimBlanksAndTabs(text);
  DecimalParts parts;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) parts.negative = s[i++] == '-';
  bool inFraction = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (IsDigit(c)) {
      (inFraction ? parts.fracDigits : parts.intDigits) += c;
    } else if (c == locale.decimal && !inFraction) {
      inFraction = true;
    } else if (c != locale.thousands) {
      break;
    }
  }
  if (parts.intDigits.empty() && parts.fracDigits.empty()) return std::nullopt;
  if (i < s.size() && IsExponentLetter(s[i])) {
    ++i;
    if (!ScanExponent(s, i, parts.exponent)) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;
  return parts;
}

// The decimal order of magnitude of non-zero digits: positive when the value
// is at least 1. Decides whether an out-of-range result overflowed.
long long OrderOfMagnitude(const DecimalParts& p) {
  const auto firstInt = p.intDigits.find_first_not_of('0');
  if (firstInt != std::string::npos)
    return p.exponent + static_cast<long long>(p.intDigits.size() - firstInt);
  const auto firstFrac = p.fracDigits.find_first_not_of('0');
  return p.exponent - static_cast<long long>(firstFrac == std::string::npos ? 0 : firstFrac);
}

template <typename T>
T ToFloating(const DecimalParts& p, std::string_view original, std::string_view target) {
  std::string canonical = p.negative ? "-" : "";
  canonical += p.intDigits.empty() ? "0" : p.intDigits;
  if (!p.fracDigits.empty()) canonical.append(1, '.').append(p.fracDigits);
  canonical.append(1, 'e').append(std::to_string(p.exponent));
  T value{};
  const auto [end, ec] =
      std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
  if (ec == std::errc::result_out_of_range) {
    if (OrderOfMagnitude(p) > 0) throw NumberConversionError(original, target);
    return p.negative ? -T{0} : T{0};
  }
  if (ec != std::errc{} || end != canonical.data() + canonical.size())
    throw NumberConversionError(original, target);
  return value;
}

DecimalParts ScanOrThrow(std::string_view text, const NumberLocale& locale,
                         std::string_view target) {
  auto parts = ScanLocaleNumber(text, locale);
  if (!parts) throw NumberConversionError(text, target);
  return *parts;
}

// Rounds half to even into an integer type; out of range throws.
template <typename Int>
Int RoundToInteger(std::string_view text, const NumberLocale& locale, std::string_view target) {
  const double rounded = std::nearbyint(LocaleToDouble(text, locale));
  if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max())
    throw NumberConversionError(text, target);
  return static_cast<Int>(rounded);
}

}  // namespace

NumberConversionError::NumberConversionError(std::string_view text, std::string_view target)
    : std::runtime_error(QuotedExcerpt(text) + " is not a valid " + std::string(target)),
      text_(text) {}

double LocaleToDouble(std::string_view text, const NumberLocale& locale) {
  return ToFloating<double>(ScanOrThrow(text, locale, "number"), text, "number");
}

float LocaleToSingle(std::string_view text, const NumberLocale& locale) {
  return ToFloating<float>(ScanOrThrow(text, locale, "number"), text, "number");
}

std::int16_t LocaleToInteger(std::string_view text, const NumberLocale& locale) {
  return RoundToInteger<std::int16_t>(text, locale, "whole number from -32768 to 32767");
}

std::int32_t LocaleToLong(std::string_view text, const NumberLocale& locale) {
  return RoundToInteger<std::int32_t>(text, locale, "whole number");
}

std::uint8_t LocaleToByte(std::string_view text, const NumberLocale& locale) {
  return RoundToInteger<std::uint8_t>(text, locale, "whole number from 0 to 255");
}

bool IsLocaleNumber(std::string_view text, const NumberLocale& locale) {
  return ScanLocaleNumber(text, locale).has_value();
}

double Val(std::string_view text) {
  std::string compact;  // blanks, tabs and line feeds count for nothing
  for (const char c : text)
    if (c != ' ' && c != '\t' && c != '\n') compact += c;
  DecimalParts parts;
  std::size_t i = 0;
  if (i < compact.size() && (compact[i] == '+' || compact[i] == '-'))
    parts.negative = compact[i++] == '-';
  while (i < compact.size() && IsDigit(compact[i]))
    parts.intDigits += compact[i++];
  if (i < compact.size() && compact[i] == '.') {
    ++i;
    while (i < compact.size() && IsDigit(compact[i]))
      parts.fracDigits += compact[i++];
  }
  if (parts.intDigits.empty() && parts.fracDigits.empty()) return 0;
  if (i < compact.size() && IsExponentLetter(compact[i])) {
    std::size_t e = i + 1;
    long long exponent = 0;
    if (ScanExponent(compact, e, exponent)) parts.exponent = exponent;
  }
  try {
    return ToFloating<double>(parts, text, "number");
  } catch (const NumberConversionError&) {
    const double inf = std::numeric_limits<double>::infinity();
    return parts.negative ? -inf : inf;
  }
}

}  // namespace ventora
