#pragma once
// The two text-to-number primitives under every conversion of number text:
// the locale conversion, which honours the locale's separators and refuses
// text that is not a number, and `Val`, which never refuses anything.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/number_locale.h"

namespace ventora {

// A text that is not a number, or a number outside the target type's range.
class NumberConversionError : public std::runtime_error {
 public:
  explicit NumberConversionError(std::string_view text, std::string_view target = "number");
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// The locale conversion. Blanks and tabs around the number are allowed; the
// number is an optional sign, digits with at most one decimal separator and an
// optional exponent (E or D). The thousands separator is ignored wherever it
// stands, so "1,23" reads as 123 with a point decimal. Throws
// NumberConversionError for anything else and for values beyond the range of
// the result type (values too small for it read as 0).
double LocaleToDouble(std::string_view text, const NumberLocale& locale);
float LocaleToSingle(std::string_view text, const NumberLocale& locale);

// The locale conversion rounded half to even to a 16-bit, 32-bit or 8-bit
// unsigned integer ("2.5" gives 2, "3.5" gives 4); out of range throws.
std::int16_t LocaleToInteger(std::string_view text, const NumberLocale& locale);
std::int32_t LocaleToLong(std::string_view text, const NumberLocale& locale);
std::uint8_t LocaleToByte(std::string_view text, const NumberLocale& locale);

// True when the locale conversion accepts the text.
bool IsLocaleNumber(std::string_view text, const NumberLocale& locale);

// The longest leading number of the text with "." as the decimal separator
// (optional sign, digits, one ".", optional exponent), skipping blanks, tabs
// and line feeds anywhere. Never fails: 0 when no digits lead; a magnitude
// beyond a double gives an infinity.
double Val(std::string_view text);

}  // namespace ventora
