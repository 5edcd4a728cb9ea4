#include "header_fields.h"

#include "core/range_message.h"

namespace ventora::python {

std::string RefusedValue(const HeaderField& field, float value, const std::string& shown) {
  if (field.accepted->Contains(value)) return "";
  return std::string(field.name) + " (" + field.alias + ") = " + shown + " is outside its range " +
         limits::PlainRangeText(*field.accepted, field.alias);
}

}  // namespace ventora::python
