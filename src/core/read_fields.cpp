#include <algorithm>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <variant>

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

// A field in plain form (see PlainNumber) with its separator, 0 without one.
struct PlainField {
  PlainNumber number;
  char separator = 0;
};

// Takes the field that opens `rest` and the blanks and tabs after it, as
// TakeField does, in one pass that also reads it as a plain number; nullopt
// when it is not one (rest is then of no further use).
std::optional<PlainField> TakePlainField(std::string_view& rest) {
  const char* p = rest.data();
  const char* const end = p + rest.size();
  PlainField f;
  if (p != end && (*p == '+' || *p == '-')) f.number.negative = *p++ == '-';
  const char* const first = p;
  const char* separator = nullptr;
  std::uint64_t mantissa = 0;  // wraps beyond 19 digits, which are refused below
  for (; p != end; ++p) {
    const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
    if (digit <= 9) {
      mantissa = mantissa * 10 + digit;
    } else if ((*p == '.' || *p == ',') && separator == nullptr) {
      separator = p;
    } else if (IsBlankOrTab(*p)) {
      break;
    } else {
      return std::nullopt;
    }
  }
  const auto digits = (p - first) - (separator != nullptr ? 1 : 0);
  const auto decimals = separator != nullptr ? p - separator - 1 : 0;
  if (digits == 0 || digits > 19 || mantissa > PlainNumber::kMaxMantissa ||
      decimals > PlainNumber::kMaxDecimals)
    return std::nullopt;
  f.number.mantissa = mantissa;
  f.number.decimals = static_cast<int>(decimals);
  if (separator != nullptr) f.separator = *separator;
  while (p != end && IsBlankOrTab(*p))
    ++p;
  rest = std::string_view(p, static_cast<std::size_t>(end - p));
  return f;
}

// What ConvertField gives a plain field of `type` in `mode` with `locale`,
// or nullopt when that would take the general conversion.
std::optional<double> PlainValue(const PlainField& f, FieldType type, int mode,
                                 const NumberLocale& locale) {
  const PlainNumber& n = f.number;
  if (type == FieldType::Integer || type == FieldType::Long || type == FieldType::Byte) {
    // Whole numbers are read in the locale itself, without the rewrite;
    // a separator would need its reading there and the rounding.
    if (f.separator != 0) return std::nullopt;
    const long long value =
        n.negative ? -static_cast<long long>(n.mantissa) : static_cast<long long>(n.mantissa);
    const auto [low, high] = type == FieldType::Integer ? std::pair{-32768LL, 32767LL}
                             : type == FieldType::Byte  ? std::pair{0LL, 255LL}
                                                        : std::pair{-2147483648LL, 2147483647LL};
    if (value < low || value > high) return std::nullopt;
    return static_cast<double>(value);
  }
  if (type != FieldType::Single && type != FieldType::Double) return std::nullopt;
  // Mode 3 reads by Val, where either separator ends up as the decimal
  // point; otherwise the rewritten separator must be the locale's decimal.
  if (mode != 3 && f.separator != 0 && locale.decimal != (mode == 2 ? ',' : '.'))
    return std::nullopt;
  if (type == FieldType::Double) return n.Double();
  // Val works in double and its result is then rounded to float.
  return mode == 3 ? static_cast<float>(n.Double()) : n.Single();
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
  // Only the leading blanks need trimming: TakePlainField eats those after
  // each field, trailing ones included.
  std::string_view rest = line.substr(std::min(line.find_first_not_of(' '), line.size()));
  for (std::size_t i = 0; i < types.size(); ++i) {
    if (rest.empty()) return false;
    const std::optional<PlainField> field = TakePlainField(rest);
    if (!field) return false;
    const std::optional<double> value = PlainValue(*field, types[i], number_mode_, locale_);
    if (!value) return false;
    values[i] = *value;
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
