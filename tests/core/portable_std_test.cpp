// The replacements of core/portable_std.h against the standard library
// they stand in for: the same text letter for letter, the same value bit
// for bit, the same error and the same end.
#include "core/portable_std.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace ventora::portable {
namespace {

std::string LibraryShortest(float v) {
  char text[64];
  return std::string(text, std::to_chars(text, text + sizeof text, v).ptr);
}

std::string ReplacedShortest(float v) {
  char text[64];
  const auto r = replacement::ShortestText(text, text + sizeof text, v);
  return r.ec == std::errc{} ? std::string(text, r.ptr) : "(error)";
}

std::string LibraryScientific(double v, int precision) {
  char text[800];
  const auto r =
      std::to_chars(text, text + sizeof text, v, std::chars_format::scientific, precision);
  return std::string(text, r.ptr);
}

std::string ReplacedScientific(double v, int precision) {
  char text[800];
  const auto r = replacement::ScientificText(text, text + sizeof text, v, precision);
  return r.ec == std::errc{} ? std::string(text, r.ptr) : "(error)";
}

// The value (bits, or NaN and its sign), the error and the characters used.
template <typename T>
std::string Reading(const std::string& text, bool replaced) {
  T value = T{42};
  const char* first = text.data();
  const char* last = first + text.size();
  const auto r =
      replaced ? replacement::ReadNumber(first, last, value) : std::from_chars(first, last, value);
  std::string shown =
      std::isnan(value)
          ? (std::signbit(value) ? "-nan" : "nan")
          : std::to_string(
                std::bit_cast<std::conditional_t<sizeof(T) == 8, std::uint64_t, std::uint32_t>>(
                    value));
  return shown + " error " + std::to_string(static_cast<int>(r.ec)) + " used " +
         std::to_string(r.ptr - first);
}

template <typename T>
void ExpectSameReading(const std::string& text, int& mismatches) {
  const std::string expected = Reading<T>(text, false);
  const std::string read = Reading<T>(text, true);
  if (read != expected && ++mismatches <= 10)
    ADD_FAILURE() << "'" << text << "' (" << sizeof(T) * 8 << " bits): " << read << ", the library "
                  << expected;
}

float FloatOf(std::uint32_t bits) {
  return std::bit_cast<float>(bits);
}

// Every exponent (subnormals and the specials included), mantissas at
// random, at both ends and at powers of two, both signs.
std::vector<float> FloatsOverEveryExponent(int perExponent) {
  std::mt19937 random(7);
  std::vector<float> values;
  for (std::uint32_t biased = 0; biased < 256; ++biased) {
    for (int i = 0; i < perExponent; ++i) {
      std::uint32_t fraction = random() & 0x7FFFFF;
      if (i < 3) fraction = std::uint32_t{0x7FFFFF} * static_cast<std::uint32_t>(i) / 2;
      if (i == 3) fraction = 1;
      const std::uint32_t sign = (i & 1) != 0 ? 0x80000000u : 0;
      values.push_back(FloatOf(sign | biased << 23 | fraction));
    }
  }
  return values;
}

// Doubles from every range of exponents, subnormals included.
std::vector<double> DoublesOverEveryExponent(int perExponent) {
  std::mt19937_64 random(11);
  std::vector<double> values;
  for (std::uint64_t biased = 0; biased < 2047; biased += 3) {
    for (int i = 0; i < perExponent; ++i) {
      std::uint64_t fraction = random() & ((std::uint64_t{1} << 52) - 1);
      if (i == 0) fraction = 0;
      values.push_back(std::bit_cast<double>(biased << 52 | fraction));
    }
  }
  return values;
}

TEST(PortableStd, ShortestFloatTextIsTheLibrarys) {
  std::vector<float> values = FloatsOverEveryExponent(300);
  for (float v : {0.0f, -0.0f, 0.1f, 0.3f, 1e-5f, 1e-4f, 9e6f, 1.25e6f, 16777216.0f, 1e7f, 1.5e7f,
                  123456789.0f, 3e-19f, std::numeric_limits<float>::max(),
                  std::numeric_limits<float>::min(), std::numeric_limits<float>::denorm_min()})
    values.push_back(v);
  // Powers of ten and their neighbours, where the form and digits turn.
  for (int p = -45; p <= 38; ++p) {
    const float v = std::strtof(("1e" + std::to_string(p)).c_str(), nullptr);
    values.insert(values.end(), {v, std::nextafter(v, 0.0f),
                                 std::nextafter(v, std::numeric_limits<float>::infinity())});
  }
  int mismatches = 0;
  for (float v : values)
    if (ReplacedShortest(v) != LibraryShortest(v) && ++mismatches <= 10)
      ADD_FAILURE() << ReplacedShortest(v) << ", the library " << LibraryShortest(v);
  EXPECT_EQ(mismatches, 0);
}

// The format the report's numbers take (seven digits) and others either
// side, over every exponent, at exact ties (0.125, 2.5) and on 32-bit values.
TEST(PortableStd, ScientificDoubleTextIsTheLibrarys) {
  std::vector<double> values = DoublesOverEveryExponent(8);
  for (double v : {0.0, -0.0, 0.125, 0.375, 2.5, 1e23, 9.5, 0.95, 999999.5, 5e-324, -1.0,
                   std::numeric_limits<double>::max(), std::numeric_limits<double>::infinity(),
                   -std::numeric_limits<double>::quiet_NaN()})
    values.push_back(v);
  for (float v : FloatsOverEveryExponent(20))
    values.push_back(v);
  int mismatches = 0;
  for (int precision : {-1, 0, 1, 2, 6, 8, 16, 17, 40}) {
    for (double v : values) {
      const std::string expected = LibraryScientific(v, precision);
      if (ReplacedScientific(v, precision) != expected && ++mismatches <= 10)
        ADD_FAILURE() << "precision " << precision << ": " << ReplacedScientific(v, precision)
                      << ", the library " << expected;
    }
  }
  EXPECT_EQ(mismatches, 0);
  // The digits of the smallest subnormal run to 751; what fits is exact.
  EXPECT_EQ(ReplacedScientific(5e-324, 760), LibraryScientific(5e-324, 760));
}

// As the library: value_too_large and the end of the room.
TEST(PortableStd, TextTooLongForItsRoomIsRefused) {
  char text[8];
  struct Case {
    std::to_chars_result result;
    int room;
  };
  const Case cases[] = {{replacement::ShortestText(text, text + 4, 0.123f), 4},
                        {replacement::ShortestText(text, text + 1, -0.0f), 1},
                        {replacement::ShortestText(text, text + 3, -INFINITY), 3},
                        {replacement::ScientificText(text, text + 8, 1.5, 6), 8}};
  for (const Case& c : cases) {
    EXPECT_EQ(c.result.ec, std::errc::value_too_large);
    EXPECT_EQ(c.result.ptr, text + c.room);
  }
  const auto fits = replacement::ScientificText(text, text + 8, 1.5, 2);
  EXPECT_EQ(std::string(text, fits.ptr), "1.50e+00");
}

// Texts as the program hands them to the reader (its canonical d.ddde±N,
// the shortest text of a 32-bit value), at random and at the edges: the
// specials, what is not a number, overflow and underflow, half-way cases,
// more digits than any double needs.
TEST(PortableStd, ReadingIsTheLibrarys) {
  std::vector<std::string> texts = {"0",
                                    "-0",
                                    "1",
                                    ".5",
                                    "5.",
                                    "1e",
                                    "1e+",
                                    "1E5",
                                    "1.5e-3x",
                                    "00012.50e2",
                                    ".",
                                    "-",
                                    "-.e1",
                                    "+1",
                                    " 1",
                                    "0x10",
                                    "e5",
                                    "inf",
                                    "-INFINITY",
                                    "iNfInItY",
                                    "infin",
                                    "nan",
                                    "-nan",
                                    "nan(abc_1)",
                                    "nan(",
                                    "nan(a-b)",
                                    "1e-310",
                                    "1e-400",
                                    "1e400",
                                    "4.9e-324",
                                    "2.4703282292062327e-324",
                                    "2.4703282292062328e-324",
                                    "1e-45",
                                    "1e-46",
                                    "7.006492e-46",
                                    "7.006493e-46",
                                    "3.4028235e38",
                                    "3.4028236e38",
                                    "3.5e38",
                                    "1.7976931348623157e308",
                                    "1.7976931348623158e308",
                                    "1.7976931348623159e308",
                                    "9007199254740993",
                                    "9007199254740992.5",
                                    "9007199254740993.0000000000000000000001",
                                    "16777217",
                                    "16777217.000001",
                                    "0.1",
                                    "123456789012345678901234567890",
                                    "1e99999999999999999999",
                                    "1e-99999999999999999999",
                                    "0e999999",
                                    "0.000000000000000000000000000000001e33"};
  // 2^-1075 and 2^-150, half of the smallest subnormals, in full.
  texts.push_back(LibraryScientific(std::ldexp(1.0, -1074), 760));
  texts.push_back(
      "2.4703282292062327208828439643411068618252990130716238221279284125033775363510437"
      "59372e-324");
  texts.push_back(std::string(900, '3') + "e-700");
  texts.push_back("0." + std::string(400, '0') + "1" + std::string(500, '9'));
  std::mt19937_64 random(5);
  for (int i = 0; i < 3000; ++i) {
    const double v = std::bit_cast<double>(random() & 0x7FFFFFFFFFFFFFFFu);
    if (std::isfinite(v)) texts.push_back(LibraryScientific(v, static_cast<int>(random() % 25)));
  }
  for (float v : FloatsOverEveryExponent(30))
    texts.push_back(LibraryShortest(v));
  int mismatches = 0;
  for (const std::string& text : texts) {
    ExpectSameReading<double>(text, mismatches);
    ExpectSameReading<float>(text, mismatches);
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(PortableStd, BitCastIsTheLibrarys) {
  for (double v : {0.0, -0.0, 1.5, 5e-324, -1e300})
    EXPECT_EQ(replacement::BitCast<std::uint64_t>(v), std::bit_cast<std::uint64_t>(v));
  static_assert(replacement::BitCast<std::uint32_t>(1.0f) == 0x3F800000u);
}

}  // namespace
}  // namespace ventora::portable
