#pragma once
// Number text as the user and the job files write it: 2,5 or 2.5 whatever the
// user's locale. One `NumberText` lives as long as the program; it learns from
// its `NumberLocale` how to convert (`DetectNumberFormat`) and then turns text
// into numbers and numbers into text.

#include <cstdint>
#include <istream>
#include <span>
#include <string>
#include <string_view>

#include "core/number_format.h"
#include "core/number_locale.h"
#include "core/number_parse.h"
#include "core/plain_fields.h"
#include "core/text_fields.h"

namespace ventora {

// Outcome of `DetectNumberFormat`.
enum class NumberFormatCheck { Ok, SeparatorsEqual };

// Shown in an "Error" box when the probe finds equal separators; the program
// then does not start.
inline constexpr const char* kSeparatorsEqualMessage =
    "Thousands and decimal separators must be different";

class NumberText {
 public:
  explicit NumberText(NumberLocale locale = ProbeNumberLocale()) : locale_(locale) {}

  // Learns how the locale's conversion treats " 1.23" and " 1,23":
  //   mode 1: point decimal, comma groups    -> first "," becomes "."
  //   mode 2: comma decimal, point groups    -> first "." becomes ","
  //   mode 3: both group, or one is refused  -> first "," becomes ".", then Val
  // Mode 0 (not probed, or no rule matched) converts as mode 1.
  NumberFormatCheck DetectNumberFormat();

  // Rewrites the first foreign decimal separator of `text` for the mode.
  void ToLocaleDecimal(std::string& text);

  // Never throws: on failure gives 0 and sets ConvError(); success clears it.
  // `text` receives the separator rewrite.
  float TextToSingle(std::string& text);

  // Throws NumberConversionError on failure. The result is rounded to 32 bits.
  // `text` receives the separator rewrite.
  double TextToNumber(std::string& text);

  // The locale's own test: the locale conversion accepts the text.
  bool IsNumeric(std::string_view text) const { return IsLocaleNumber(text, locale_); }

  // True for text that is a number and equals its own 16-bit rounding ("10"),
  // false for "2.5", "x" and values beyond 16 bits.
  bool IsIntegerText(std::string_view text);

  // Splits one line into `fields` (at most kMaxFields) by their types: fields
  // end at the first blank or tab; String/Any take the rest of the line; fields
  // beyond the line's end become Empty; surplus text is ignored. Throws
  // NumberConversionError for a field its type cannot hold (the fields before
  // it are already filled). The stream form reads one line (CR LF or LF) and
  // returns false, touching nothing, at the end of the stream.
  void ReadFields(std::string_view line, std::span<Field> fields);
  bool ReadFields(std::istream& in, std::span<Field> fields);

  // The quick reading of a line of plain numbers (an optional sign, then
  // digits with at most one '.' or ','), as most lines of a job file are:
  // true when every field is plain and `values` (as many as `types`) then
  // holds exactly the FieldNumber that ReadFields gives; false tells nothing,
  // and ReadFields decides (with its messages).
  bool ReadPlainFields(std::string_view line, std::span<const FieldType> types,
                       std::span<double> values);

  // How this locale's conversion reads plain fields: for ReadPlainLine
  // (core/plain_fields.h), which reads a line whose field types are known
  // when compiling as ReadPlainFields does.
  PlainNumbers Plain() {
    ProbeIfNeeded();
    return plain_;
  }

  // A user's text of a 32-bit value in this locale ("2,5").
  std::string ToText(float value) const { return LocaleNumberText(value, locale_); }

  const std::string& DecimalSep() const { return decimal_sep_; }
  std::int16_t NumberMode() const { return number_mode_; }
  bool ConvError() const { return conv_error_; }
  const NumberLocale& Locale() const { return locale_; }

 private:
  void ProbeIfNeeded() {
    if (decimal_sep_.empty()) DetectNumberFormat();
  }
  void RewriteSeparator(std::string& text) const;
  // Converts text whose separator is already rewritten, by the mode.
  double ConvertDecimal(std::string_view text, FieldType type) const;
  FieldValue ConvertField(std::string_view field, FieldType type) const;

  NumberLocale locale_;
  std::string decimal_sep_;
  std::int16_t number_mode_ = 0;
  PlainNumbers plain_;  // from the number mode
  bool conv_error_ = false;
};

}  // namespace ventora
