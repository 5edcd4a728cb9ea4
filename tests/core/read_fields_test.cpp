#include <gtest/gtest.h>

#include <array>
#include <sstream>

#include "core/number_text.h"

namespace ventora {
namespace {

template <std::size_t N>
std::array<Field, N> Typed(const FieldType (&types)[N]) {
  std::array<Field, N> fields;
  for (std::size_t i = 0; i < N; ++i)
    fields[i].type = types[i];
  return fields;
}

// One line of a stream: blanks and tabs split the fields, each converted to
// its type in the user's decimal format, and a text field takes the rest.
TEST(ReadFields, EachFieldInItsTypeAndTheTextTakesTheRest) {
  NumberText comma(kCommaDecimal);
  std::istringstream in(" 12\t2,5 70000 200  name with blanks\r\n 7");
  auto f = Typed(
      {FieldType::Integer, FieldType::Single, FieldType::Long, FieldType::Byte, FieldType::String});
  ASSERT_TRUE(comma.ReadFields(in, f));
  EXPECT_EQ(f[0].value, FieldValue(std::int16_t{12}));
  EXPECT_EQ(f[1].value, FieldValue(2.5f));
  EXPECT_EQ(f[2].value, FieldValue(std::int32_t{70000}));
  EXPECT_EQ(f[3].value, FieldValue(std::uint8_t{200}));
  EXPECT_EQ(f[4].value, FieldValue(std::string("name with blanks")));
  ASSERT_TRUE(comma.ReadFields(in, f));  // a short line leaves the others empty
  EXPECT_EQ(f[0].value, FieldValue(std::int16_t{7}));
  EXPECT_TRUE(IsEmpty(f[1].value));
  EXPECT_FALSE(comma.ReadFields(in, f));
}

// A value its type cannot hold is refused; the fields before it stay read.
TEST(ReadFields, AValueItsTypeCannotHoldIsRefused) {
  NumberText points(kPointDecimal);
  for (const char* line : {"1.5 x", "1.5 70000", "1.5 1e400"}) {
    auto f = Typed({FieldType::Single, FieldType::Integer});
    if (std::string(line).ends_with("e400")) f[1].type = FieldType::Double;
    EXPECT_THROW(points.ReadFields(line, f), NumberConversionError) << line;
    EXPECT_EQ(FieldNumber(f[0].value), 1.5) << line;
  }
  auto b = Typed({FieldType::Byte});
  EXPECT_THROW(points.ReadFields("256", b), NumberConversionError);
}

}  // namespace
}  // namespace ventora
