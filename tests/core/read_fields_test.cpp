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

TEST(ReadFields, SplitsAtBlanksAndLetsTextTakeTheRest) {
  NumberText numbers(kPointDecimal);
  auto f = Typed({FieldType::Integer, FieldType::Single, FieldType::String});
  numbers.ReadFields(" 12  3.5  name with blanks", f);
  EXPECT_EQ(f[0].value, FieldValue(std::int16_t{12}));
  EXPECT_EQ(f[1].value, FieldValue(3.5f));
  EXPECT_EQ(f[2].value, FieldValue(std::string("name with blanks")));
  EXPECT_NE(numbers.NumberMode(), 0);  // the first read probes
}

TEST(ReadFields, EmptyLineAndShortLineLeaveEmptyFields) {
  NumberText numbers(kPointDecimal);
  auto f = Typed({FieldType::Integer, FieldType::Single, FieldType::Any});
  f[0].value = std::int16_t{7};
  numbers.ReadFields("   ", f);
  for (const Field& field : f)
    EXPECT_TRUE(IsEmpty(field.value));
  numbers.ReadFields("5", f);
  EXPECT_EQ(FieldNumber(f[0].value), 5.0);
  EXPECT_TRUE(IsEmpty(f[1].value));
  EXPECT_TRUE(IsEmpty(f[2].value));
}

TEST(ReadFields, IgnoresSurplusTextAndRunsOfSeparators) {
  NumberText numbers(kPointDecimal);
  auto f = Typed({FieldType::Single, FieldType::Double});
  numbers.ReadFields("1.5 \t  2.5\t3.5 junk", f);
  EXPECT_EQ(FieldNumber(f[0].value), 1.5);
  EXPECT_EQ(FieldNumber(f[1].value), 2.5);
  // The earlier of a blank and a tab ends a field.
  numbers.ReadFields("1.5 2.5\t3.5", f);
  EXPECT_EQ(FieldNumber(f[0].value), 1.5);
  EXPECT_EQ(FieldNumber(f[1].value), 2.5);
}

TEST(ReadFields, ConvertsDecimalsByTheMode) {
  auto f = Typed({FieldType::Single, FieldType::Single, FieldType::Integer});
  NumberText comma(kCommaDecimal);
  comma.ReadFields("0.25 2,5 3", f);
  EXPECT_EQ(f[0].value, FieldValue(0.25f));
  EXPECT_EQ(f[1].value, FieldValue(2.5f));
  NumberText val(NumberLocale{',', ' '});  // a blank groups: converts by Val
  val.ReadFields("0.25 2,5 3", f);
  EXPECT_EQ(f[0].value, FieldValue(0.25));  // Val's results stay doubles
  EXPECT_EQ(f[1].value, FieldValue(2.5));
  EXPECT_EQ(f[2].value, FieldValue(std::int16_t{3}));
}

TEST(ReadFields, AFieldItsTypeCannotHoldThrowsAfterTheOnesBefore) {
  NumberText numbers(kPointDecimal);
  auto f = Typed({FieldType::Single, FieldType::Integer, FieldType::Single});
  EXPECT_THROW(numbers.ReadFields("1.5 x 2", f), NumberConversionError);
  EXPECT_EQ(FieldNumber(f[0].value), 1.5);
  EXPECT_TRUE(IsEmpty(f[2].value));
  EXPECT_THROW(numbers.ReadFields("1 70000", f), NumberConversionError);
  auto b = Typed({FieldType::Byte, FieldType::Long});
  numbers.ReadFields("200 70000", b);
  EXPECT_EQ(b[0].value, FieldValue(std::uint8_t{200}));
  EXPECT_EQ(b[1].value, FieldValue(std::int32_t{70000}));
}

TEST(ReadFields, ReadsOneLineOfAStream) {
  NumberText numbers(kPointDecimal);
  std::istringstream in(" 1 2\r\n 3 4\n 5");
  auto f = Typed({FieldType::Integer, FieldType::Integer});
  int sum = 0;
  int lines = 0;
  while (numbers.ReadFields(in, f)) {
    sum += static_cast<int>(FieldNumber(f[0].value) + FieldNumber(f[1].value));
    ++lines;
  }
  EXPECT_EQ(lines, 3);
  EXPECT_EQ(sum, 1 + 2 + 3 + 4 + 5);
}

TEST(ReadFields, TakesAtMostFifteenFields) {
  NumberText numbers(kPointDecimal);
  std::array<Field, 16> tooMany;
  EXPECT_THROW(numbers.ReadFields("1", tooMany), std::length_error);
}

}  // namespace
}  // namespace ventora
