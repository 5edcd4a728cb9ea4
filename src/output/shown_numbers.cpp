#include "output/shown_numbers.h"

#include <bit>
#include <charconv>
#include <cmath>

#include "core/portable_std.h"
#include "output/format_right.h"

namespace ventora {
namespace {

double ShortestDouble(float value) {
  char text[32];
  const auto printed = portable::to_chars(text, text + sizeof text, value);
  double result = 0;
  portable::from_chars(text, printed.ptr, result);
  return result;
}

// Whole numbers up to 2^24 come back from their text unchanged, whatever the
// pattern; 0 is left to the pattern ("#" shows nothing for it).
bool PlainWholeNumber(double value) {
  return value != 0 && value == std::trunc(value) && std::fabs(value) < 16777216.0;
}

}  // namespace

ShownNumbers::ShownNumbers(NumberLocale locale) : decimalSep_(1, locale.decimal), numbers_(locale) {
  numbers_.DetectNumberFormat();
}

std::string ShownNumbers::Text(double value, std::string_view pattern) const {
  return FormatRight(value, pattern, decimalSep_);
}

std::optional<double> ShownNumbers::Value(double value, std::string_view pattern) {
  if (PlainWholeNumber(value)) return value;
  const float single = static_cast<float>(value);
  if (static_cast<double>(single) != value) return Convert(value, pattern);  // not a 32-bit value
  Memo& memo = MemoFor(pattern);
  const auto key = portable::bit_cast<std::uint32_t>(single);
  if (const auto found = memo.find(key); found != memo.end()) return found->second;
  return memo.emplace(key, Convert(value, pattern)).first->second;
}

ShownNumbers::Memo& ShownNumbers::MemoFor(std::string_view pattern) {
  for (auto& [known, memo] : memos_)
    if (known == pattern) return memo;
  return memos_.emplace_back(std::string(pattern), Memo{}).second;
}

std::optional<double> ShownNumbers::Convert(double value, std::string_view pattern) {
  std::string text = Text(value, pattern);
  const float number = numbers_.TextToSingle(text);
  if (numbers_.ConvError()) return std::nullopt;
  return ShortestDouble(number);
}

}  // namespace ventora
