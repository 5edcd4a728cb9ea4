#pragma once
// Typed fields of one text line, as `NumberText::ReadFields` fills them.

#include <cstdint>
#include <string>
#include <variant>

namespace ventora {

// What a field expects. `Any` and `String` take the whole rest of the line.
enum class FieldType { Integer, Long, Byte, Single, Double, String, Any };

// A field's value; std::monostate means Empty (the line ran out first).
using FieldValue = std::variant<std::monostate, std::int16_t, std::int32_t, std::uint8_t, float,
                                double, std::string>;

struct Field {
  FieldType type = FieldType::Any;
  FieldValue value;
};

inline constexpr int kMaxFields = 15;

inline bool IsEmpty(const FieldValue& v) {
  return std::holds_alternative<std::monostate>(v);
}

// The numeric value of a field: Empty and text give 0.
double FieldNumber(const FieldValue& v);

}  // namespace ventora
