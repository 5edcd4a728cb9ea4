#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <sstream>
#include <string_view>
#include <utility>
#include <vector>

#include "core/number_text.h"
#include "core/plain_fields.h"
#include "core/portable_std.h"

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

// The quick reading of plain numbers gives bit for bit what ReadFields gives,
// in every locale and number mode, and leaves anything else to ReadFields.
TEST(ReadFields, PlainFieldsReadExactlyAsTheGeneralWay) {
  // Lines with their field types: I(nteger), L(ong), B(yte), S(ingle), D(ouble).
  const std::pair<const char*, std::string_view> plain[] = {
      {" 17  33 .75", "ISS"},       {"17\t\t33\t.75 \t ", "ISS"},
      {"+2 -0 -0", "ISD"},          {"1 1,5 1.5", "ISS"},
      {"1 5. 0.0000000001", "ISD"}, {"1 1234567 0.1234567 16777216 9.999999", "ISSSS"},
      {"1 0.3 4", "IDD"},           {"32767 -32768 255 -0 70000", "IIBBL"}};
  const NumberLocale locales[] = {
      kPointDecimal, kCommaDecimal, {'.', '\''}, {',', ' '}, {'.', '.'}};
  for (const NumberLocale& locale : locales) {
    NumberText numbers(locale);
    const auto check = [&](std::string_view line, std::string_view codes, bool expected) {
      std::vector<FieldType> types;
      std::vector<Field> general;
      for (const char code : codes) {
        types.push_back(static_cast<FieldType>(std::string_view("ILBSD").find(code)));
        general.push_back({types.back(), {}});
      }
      std::vector<double> values(types.size());
      ASSERT_EQ(numbers.ReadPlainFields(line, types, values), expected) << line << locale.decimal;
      if (!expected) return;
      numbers.ReadFields(line, general);  // must not throw either
      for (std::size_t i = 0; i < types.size(); ++i)
        EXPECT_EQ(portable::bit_cast<std::uint64_t>(values[i]),
                  portable::bit_cast<std::uint64_t>(FieldNumber(general[i].value)))
            << line << " field " << i << " mode " << numbers.NumberMode();
    };
    for (const auto& [line, codes] : plain)
      check(line, codes, true);
    // Too many digits for float, or read otherwise, or refused by ReadFields.
    for (const char* line : {"1 16777217 1", "1 0.00000000001 1", "1 3.14159265358979 1",
                             "32768 1 1", "1 1 256", "1 1 -1", "1 1e3 1", "1 12a 1", "1 1,5,0 1",
                             "1 . 1", "1 - 1", "\t17 33 .75", "17.0 1 1", "1 1'000 1", "1 2", ""})
      check(line, "ISB", false);
  }
}

// The element line's reading with its types known when compiling takes and
// declines the same lines as ReadPlainFields, with the same values, in every
// locale and number mode.
TEST(ReadFields, ElementLinesReadAsTheirTypesSay) {
  const char* const lines[] = {
      " 17  33 .75", "17\t\t33\t.75 \t ", "+2 -0 -0", "1 1,5 1.5", "1 5. 0.0000000001",
      "1 9.999999 16777216", "-32768 0 0", "32767 1 1 surplus", "32768 1 1", "1 16777217 1",
      "1 0.00000000001 1", "1 1e3 1", "1 . 1", "1 - 1", "1 2", "\t1 2 3", "1.0 2 3", "1 1,5,0 1",
      "1 12a 1", "", "0000000000000000001 1 1", "00000000000000000001 1 1",
      // digit runs ending before, at and after four
      // characters, and at the line's end
      "1 2 1234", "1 2 12345", "1234 5678 1234567", "1 1234.567 8.1234", "1 123x 4",
      "1 12345678x 4", "1 2 3.14159"};
  const NumberLocale locales[] = {
      kPointDecimal, kCommaDecimal, {'.', '\''}, {',', ' '}, {'.', '.'}};
  constexpr std::array kTypes{FieldType::Integer, FieldType::Single, FieldType::Single};
  int taken = 0;
  for (const NumberLocale& locale : locales) {
    NumberText numbers(locale);
    for (const char* line : lines) {
      std::array<double, 3> general{};
      std::array<double, 3> typed{};
      const bool plain = numbers.ReadPlainFields(line, kTypes, general);
      ASSERT_EQ((ReadPlainLine<FieldType::Integer, FieldType::Single, FieldType::Single>(
                    line, numbers.Plain(), typed)),
                plain)
          << line << " mode " << numbers.NumberMode();
      if (!plain) continue;
      ++taken;
      for (std::size_t i = 0; i < typed.size(); ++i)
        EXPECT_EQ(portable::bit_cast<std::uint64_t>(typed[i]),
                  portable::bit_cast<std::uint64_t>(general[i]))
            << line << " field " << i;
    }
  }
  EXPECT_GT(taken, 20);
}

}  // namespace
}  // namespace ventora
