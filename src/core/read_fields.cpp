#include <stdexcept>
#include <type_traits>
#include <variant>

#include "core/number_text.h"
#include "core/plain_fields.h"

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

// What ReadFields gives a plain field of `type`; false when it would take
// the general conversion.
bool PlainValue(const plain_fields::Field& f, FieldType type, const PlainNumbers& plain,
                double& value) {
  switch (type) {
    case FieldType::Integer:
      return plain_fields::Value<FieldType::Integer>(f, plain, value);
    case FieldType::Long:
      return plain_fields::Value<FieldType::Long>(f, plain, value);
    case FieldType::Byte:
      return plain_fields::Value<FieldType::Byte>(f, plain, value);
    case FieldType::Single:
      return plain_fields::Value<FieldType::Single>(f, plain, value);
    case FieldType::Double:
      return plain_fields::Value<FieldType::Double>(f, plain, value);
    default:
      return false;
  }
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
  const PlainNumbers plain = Plain();
  const char* p = line.data();
  const char* const end = p + line.size();
  // Only the leading blanks need trimming: TakeField takes those after each
  // field, trailing ones included.
  while (p != end && *p == ' ')
    ++p;
  for (std::size_t i = 0; i < types.size(); ++i) {
    plain_fields::Field field;
    if (!plain_fields::TakeField(p, end, field) || !PlainValue(field, types[i], plain, values[i]))
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
