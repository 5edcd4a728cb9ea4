#include "core/number_parse.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/exact_decimal.h"
#include "core/portable_std.h"
#include "core/text_excerpt.h"

namespace ventora {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsExponentLetter(char c) {
  return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

// A number taken apart. `body` holds its digits with their separators (sign
// and exponent excluded): the first `decimal` in it starts the fraction, any
// other non-digit is a thousands separator. While scanning, the digits also
// build `mantissa`, so that most numbers convert without any text built.
struct DecimalParts {
  bool negative = false;
  std::string_view body;
  char decimal = '.';
  long long exponent = 0;
  std::uint64_t mantissa = 0;  // the digits as an integer, leading zeros dropped
  int significant = 0;         // digits in `mantissa`
  long long fracDigits = 0;    // digits after the decimal separator
  bool anyDigit = false;
  bool mantissaExact = true;  // false once a digit did not fit `mantissa`
};

// Nineteen decimal digits always fit 64 bits.
constexpr int kMantissaDigits = 19;

void AddDigit(DecimalParts& p, char c, bool inFraction) {
  p.anyDigit = true;
  if (inFraction) ++p.fracDigits;
  if (p.significant >= kMantissaDigits) {
    p.mantissaExact = false;
    return;
  }
  p.mantissa = p.mantissa * 10 + static_cast<std::uint64_t>(c - '0');
  if (p.mantissa != 0) ++p.significant;
}

// The digits before and after the decimal separator, without separators.
struct DigitText {
  std::string intDigits;
  std::string fracDigits;
};

DigitText SplitDigits(const DecimalParts& p) {
  DigitText d;
  bool inFraction = false;
  for (const char c : p.body) {
    if (c >= '0' && c <= '9')
      (inFraction ? d.fracDigits : d.intDigits) += c;
    else if (c == p.decimal && !inFraction)
      inFraction = true;
  }
  return d;
}

// Exponent digits saturate far beyond any double, so huge exponents cannot
// overflow the counter yet still read as overflow or underflow.
long long AddExponentDigit(long long e, char c) {
  constexpr long long kSaturated = 1'000'000'000;
  return e >= kSaturated ? e : e * 10 + (c - '0');
}

bool IsBlankOrTab(char c) {
  return c == ' ' || c == '\t';
}

// By hand: find_first_not_of(" \t") searches its set once per character,
// which costs more than the whole conversion of a short number.
std::string_view TrimBlanksAndTabs(std::string_view s) {
  while (!s.empty() && IsBlankOrTab(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && IsBlankOrTab(s.back()))
    s.remove_suffix(1);
  return s;
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
  parts.decimal = locale.decimal;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) parts.negative = s[i++] == '-';
  const std::size_t bodyStart = i;
  bool inFraction = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (IsDigit(c)) {
      AddDigit(parts, c, inFraction);
    } else if (c == locale.decimal && !inFraction) {
      inFraction = true;
    } else if (c != locale.thousands) {
      break;
    }
  }
  if (!parts.anyDigit) return std::nullopt;
  parts.body = s.substr(bodyStart, i - bodyStart);
  if (i < s.size() && IsExponentLetter(s[i])) {
    ++i;
    if (!ScanExponent(s, i, parts.exponent)) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;
  return parts;
}

// The decimal order of magnitude of non-zero digits: positive when the value
// is at least 1. Decides whether an out-of-range result overflowed.
long long OrderOfMagnitude(const DecimalParts& p, const DigitText& d) {
  const auto firstInt = d.intDigits.find_first_not_of('0');
  if (firstInt != std::string::npos)
    return p.exponent + static_cast<long long>(d.intDigits.size() - firstInt);
  const auto firstFrac = d.fracDigits.find_first_not_of('0');
  return p.exponent - static_cast<long long>(firstFrac == std::string::npos ? 0 : firstFrac);
}

// The value without building text, when both the digits and the power of ten
// are exact in T; nullopt otherwise.
template <typename T>
std::optional<T> ExactValue(const DecimalParts& p) {
  if (!p.mantissaExact) return std::nullopt;
  return ExactDecimal<T>(p.negative, p.mantissa, p.exponent - p.fracDigits);
}

template <typename T>
T ToFloating(const DecimalParts& p, std::string_view original, std::string_view target) {
  if (const auto exact = ExactValue<T>(p)) return *exact;
  const DigitText d = SplitDigits(p);
  std::string canonical = p.negative ? "-" : "";
  canonical += d.intDigits.empty() ? "0" : d.intDigits;
  if (!d.fracDigits.empty()) canonical.append(1, '.').append(d.fracDigits);
  canonical.append(1, 'e').append(std::to_string(p.exponent));
  T value{};
  const auto [end, ec] =
      portable::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
  if (ec == std::errc::result_out_of_range) {
    if (OrderOfMagnitude(p, d) > 0) throw NumberConversionError(original, target);
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
  const std::size_t bodyStart = i;
  while (i < compact.size() && IsDigit(compact[i]))
    AddDigit(parts, compact[i++], false);
  if (i < compact.size() && compact[i] == '.') {
    ++i;
    while (i < compact.size() && IsDigit(compact[i]))
      AddDigit(parts, compact[i++], true);
  }
  if (!parts.anyDigit) return 0;
  parts.body = std::string_view(compact).substr(bodyStart, i - bodyStart);
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
