#include <algorithm>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <variant>

#include "core/exact_decimal.h"
#include "core/number_text.h"

namespace ventora {
namespace {

bool IsBlankOrTab(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// Cuts the next field off `rest`: up to the first blank or tab; the blanks
// and tabs after it go too, so a run of them separates like one. The scan
// goes by hand: find_first_of(" \t") searches its set once per character,
// which made splitting a line cost more than converting its numbers.
std::string_view TakeField(std::string_view& rest) {
  std::size_t end = 0;
  while (end < rest.size() && !IsBlankOrTab(rest[end]))
    ++end;
  const std::string_view field = rest.substr(0, end);
  std::size_t next = end;
  while (next < rest.size() && IsBlankOrTab(rest[next]))
    ++next;
  rest.remove_prefix(next);
  return field;
}

bool TakesRestOfLine(FieldType type) {
  return type == FieldType::String || type == FieldType::Any;
}

// A field in the form nearly every number of a job file takes: an optional
// sign, then digits with at most one separator among them ("17", "-.75").
// Within the limits below, the digits as an integer and the power of ten are
// exact in float and double (exact_decimal.h), so one division is the
// correctly rounded value, which is what the locale conversion and Val give
// for the same text.
struct PlainField {
  // Beyond these the field takes the general conversion.
  static constexpr std::uint64_t kMaxMantissa = ExactLimits<float>::kMaxMantissa;
  static constexpr int kMaxDecimals = ExactLimits<float>::kMaxPower;

  bool negative = false;
  std::uint64_t mantissa = 0;  // the digits as an integer
  int decimals = 0;            // digits after the separator
  char separator = 0;          // '.', ',' or 0 without one

  template <typename T>
  T Value() const {
    return *ExactDecimal<T>(negative, mantissa, -decimals);  // within the limits: never empty
  }
};

// Reads the field that opens the text at `p` as TakeField cuts it, in one
// pass that also reads it as a plain number, and moves `p` past it and the
// blanks and tabs after it; false when the field is empty or not plain.
bool TakePlainField(const char*& p, const char* end, PlainField& f) {
  if (p != end && (*p == '+' || *p == '-')) f.negative = *p++ == '-';
  std::uint64_t mantissa = 0;  // wraps beyond 19 digits, which are refused below
  const auto takeDigits = [&] {
    const char* const first = p;
    for (unsigned digit = 0; p != end && (digit = static_cast<unsigned char>(*p) - '0') <= 9; ++p)
      mantissa = mantissa * 10 + digit;
    return static_cast<std::size_t>(p - first);
  };
  std::size_t digits = takeDigits();
  std::size_t decimals = 0;
  if (p != end && (*p == '.' || *p == ',')) {
    f.separator = *p++;
    decimals = takeDigits();
    digits += decimals;
  }
  if (p != end && !IsBlankOrTab(*p)) return false;
  if (digits - 1 >= 19 || mantissa > PlainField::kMaxMantissa ||
      decimals > PlainField::kMaxDecimals)
    return false;
  f.mantissa = mantissa;
  f.decimals = static_cast<int>(decimals);
  while (p != end && IsBlankOrTab(*p))
    ++p;
  return true;
}

// How ConvertField reads the separator of a plain field in `mode`: mode 3
// reads by Val, where either separator ends up as the decimal point; the
// others rewrite it to '.' or ',', which must then be the locale's decimal.
bool SeparatorIsDecimal(int mode, const NumberLocale& locale) {
  return mode == 3 || locale.decimal == (mode == 2 ? ',' : '.');
}

// What ConvertField gives a plain field of `type` in `mode`; false when
// that would take the general conversion.
bool PlainValue(const PlainField& f, FieldType type, int mode, bool separatorIsDecimal,
                double& value) {
  if (type == FieldType::Integer || type == FieldType::Long || type == FieldType::Byte) {
    // Whole numbers are read in the locale itself, without the rewrite;
    // a separator would need its reading there and the rounding.
    if (f.separator != 0) return false;
    const long long whole =
        f.negative ? -static_cast<long long>(f.mantissa) : static_cast<long long>(f.mantissa);
    const auto [low, high] = type == FieldType::Integer ? std::pair{-32768LL, 32767LL}
                             : type == FieldType::Byte  ? std::pair{0LL, 255LL}
                                                        : std::pair{-2147483648LL, 2147483647LL};
    value = static_cast<double>(whole);
    return whole >= low && whole <= high;
  }
  if (type != FieldType::Single && type != FieldType::Double) return false;
  if (f.separator != 0 && !separatorIsDecimal) return false;
  if (type == FieldType::Double)
    value = f.Value<double>();
  else  // Val works in double and its result is then rounded to float
    value = mode == 3 ? static_cast<float>(f.Value<double>()) : f.Value<float>();
  return true;
}

}  // namespace

double FieldNumber(const FieldValue& v) {
  return std::visit(
      [](const auto& x) -> double {
        using T = std::decay_t<decltype(x)>;
        if constexpr (std::is_same_v<T, std::monostate> || std::is_same_v<T, std::string>)
          return 0;
        else
          return static_cast<double>(x);
      },
      v);
}

FieldValue NumberText::ConvertField(std::string_view field, FieldType type) const {
  switch (type) {
    case FieldType::Integer:
      return LocaleToInteger(field, locale_);
    case FieldType::Long:
      return LocaleToLong(field, locale_);
    case FieldType::Byte:
      return LocaleToByte(field, locale_);
    case FieldType::Single:
    case FieldType::Double: {
      // Most fields hold no character for RewriteSeparator to replace (the
      // one it looks for is `foreign`), so they convert without a copy.
      const char foreign = number_mode_ == 2 ? '.' : ',';
      double value = 0;
      if (field.find(foreign) == std::string_view::npos) {
        value = ConvertDecimal(field, type);
      } else {
        std::string text(field);
        RewriteSeparator(text);
        value = ConvertDecimal(text, type);
      }
      if (type == FieldType::Single && number_mode_ != 3) return static_cast<float>(value);
      return value;  // Val's results are kept as doubles
    }
    default:
      return std::string(field);
  }
}

void NumberText::ReadFields(std::string_view line, std::span<Field> fields) {
  if (fields.size() > kMaxFields) throw std::length_error("ReadFields takes at most 15 fields");
  ProbeIfNeeded();
  for (Field& f : fields)
    f.value = std::monostate{};
  std::string_view rest = TrimBlanks(line);
  for (Field& f : fields) {
    if (rest.empty()) break;
    if (TakesRestOfLine(f.type)) {
      f.value = std::string(rest);
      rest = {};
    } else {
      f.value = ConvertField(TakeField(rest), f.type);
    }
  }
}

bool NumberText::ReadPlainFields(std::string_view line, std::span<const FieldType> types,
                                 std::span<double> values) {
  if (types.size() > kMaxFields || values.size() != types.size()) return false;
  ProbeIfNeeded();
  const char* p = line.data();
  const char* const end = p + line.size();
  // Only the leading blanks need trimming: TakePlainField takes those after
  // each field, trailing ones included.
  while (p != end && *p == ' ')
    ++p;
  const bool separatorIsDecimal = SeparatorIsDecimal(number_mode_, locale_);
  for (std::size_t i = 0; i < types.size(); ++i) {
    PlainField field;
    if (!TakePlainField(p, end, field) ||
        !PlainValue(field, types[i], number_mode_, separatorIsDecimal, values[i]))
      return false;
  }
  return true;
}

bool NumberText::ReadFields(std::istream& in, std::span<Field> fields) {
  std::string line;
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  ReadFields(line, fields);
  return true;
}

}  // namespace ventora
