#pragma once
// Numbers as the report writes them: a numeric pattern such as "##0.00",
// right-aligned to the pattern's length.

#include <cstddef>
#include <string>
#include <string_view>

namespace ventora {

// `value` rounded to the pattern's decimals from its exact binary value,
// exact halves away from zero (0.125 -> "0.13", while a 32-bit 0.145, which
// lies just below, -> "0.14"). A "0" digit is always shown, a "#" digit only
// when significant; the decimal point is written as `decimalSep`. A minus
// sign is written whenever the value is below 0, so "-0.000" can appear.
// Padded with blanks on the left to the pattern's length, never cut.
std::string FormatRight(double value, std::string_view pattern, std::string_view decimalSep);

// The same text, appended to `out` (the report builds its lines this way).
void AppendFormatRight(std::string& out, double value, std::string_view pattern,
                       std::string_view decimalSep);

// A pattern read once, for the report's columns, which format thousands of
// numbers with the same few patterns.
struct NumberPattern {
  std::string_view text;
  int decimals = 0;          // characters after the point
  int minIntegerDigits = 0;  // "0" digits before the point

  constexpr explicit NumberPattern(std::string_view pattern) : text(pattern) {
    bool afterPoint = false;
    for (char c : pattern) {
      if (afterPoint)
        ++decimals;
      else if (c == '.')
        afterPoint = true;
      else if (c == '0')
        ++minIntegerDigits;
    }
  }
};

void AppendFormatRight(std::string& out, double value, const NumberPattern& pattern,
                       std::string_view decimalSep);

// The room FormatRightInto needs.
inline constexpr std::size_t kFormatRightRoom = 64;

// The same text written at `at`, which has kFormatRightRoom characters of
// room; gives the end. Gives null, writing nothing, for the rare values that
// need more (not finite, beyond 9e18 once scaled, patterns of over 32
// characters): AppendFormatRight takes those.
char* FormatRightInto(char* at, double value, const NumberPattern& pattern,
                      std::string_view decimalSep);

}  // namespace ventora
