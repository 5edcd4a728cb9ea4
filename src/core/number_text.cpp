#include "core/number_text.h"

#include <cmath>

namespace ventora {
namespace {

void ReplaceFirst(std::string& text, char from, char to) {
  const auto at = text.find(from);
  if (at != std::string::npos) text[at] = to;
}

// A Val result as a 32-bit value; beyond its range the text is no number.
double CheckedSingle(double value, std::string_view text) {
  const auto single = static_cast<float>(value);
  if (!std::isfinite(single)) throw NumberConversionError(text);
  return single;
}

}  // namespace

NumberFormatCheck NumberText::DetectNumberFormat() {
  decimal_sep_ = std::string(1, locale_.decimal);
  float point = 0;
  float comma = 0;
  try {
    point = LocaleToSingle(" 1.23", locale_);
    comma = LocaleToSingle(" 1,23", locale_);
  } catch (const NumberConversionError&) {
    number_mode_ = 3;
  }
  if (number_mode_ != 3) {
    if (point == 123.0f && comma == 123.0f)
      number_mode_ = 3;
    else if (point == 123.0f && comma == 1.23f)
      number_mode_ = 2;
    else if (point == 1.23f && comma == 123.0f)
      number_mode_ = 1;
  }
  // Mode 3 reads by Val, where either separator ends up as the decimal
  // point; the others rewrite it to '.' or ',', which must then be the
  // locale's decimal.
  plain_ = {number_mode_, number_mode_ == 3 || locale_.decimal == (number_mode_ == 2 ? ',' : '.')};
  return locale_.thousands == locale_.decimal ? NumberFormatCheck::SeparatorsEqual
                                              : NumberFormatCheck::Ok;
}

void NumberText::RewriteSeparator(std::string& text) const {
  if (number_mode_ == 2)
    ReplaceFirst(text, '.', ',');
  else
    ReplaceFirst(text, ',', '.');
}

void NumberText::ToLocaleDecimal(std::string& text) {
  ProbeIfNeeded();
  if (number_mode_ == 3) {
    const char decimal = decimal_sep_.front();
    ReplaceFirst(text, decimal == '.' ? ',' : '.', decimal);
  } else {
    RewriteSeparator(text);
  }
}

double NumberText::ConvertDecimal(std::string_view text, FieldType type) const {
  if (number_mode_ == 3) {
    const double value = Val(text);
    if (type == FieldType::Single) return CheckedSingle(value, text);
    if (!std::isfinite(value)) throw NumberConversionError(text);
    return value;
  }
  if (type == FieldType::Single) return LocaleToSingle(text, locale_);
  return LocaleToDouble(text, locale_);
}

float NumberText::TextToSingle(std::string& text) {
  conv_error_ = false;
  RewriteSeparator(text);
  try {
    return static_cast<float>(ConvertDecimal(text, FieldType::Single));
  } catch (const NumberConversionError&) {
    conv_error_ = true;
    return 0;
  }
}

double NumberText::TextToNumber(std::string& text) {
  RewriteSeparator(text);
  return CheckedSingle(ConvertDecimal(text, FieldType::Double), text);
}

bool NumberText::IsIntegerText(std::string_view text) {
  if (!IsLocaleNumber(text, locale_)) return false;
  try {
    std::string copy(text);
    return TextToNumber(copy) == LocaleToInteger(text, locale_);
  } catch (const NumberConversionError&) {
    return false;
  }
}

}  // namespace ventora
