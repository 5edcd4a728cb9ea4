#include "core/shortest_float.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "core/portable_std.h"

namespace ventora {
namespace {

// The standard library's text, or where it lacks one its exact replacement.
std::string Library(float value) {
  char text[32];
  return std::string(text, portable::to_chars(text, text + sizeof text, value).ptr);
}

std::string Shortest(float value) {
  char text[32];
  return std::string(text, WriteShortestFloat(text, value));
}

// The library's text is the reference, letter for letter.
TEST(ShortestFloat, WritesWhatTheLibraryWritesAtTheEdges) {
  const float cases[] = {0.0f,
                         -0.0f,
                         1.0f,
                         0.5f,
                         0.6f,
                         -0.41367f,
                         10.0f,
                         1e-5f,
                         1e-4f,
                         1e-3f,
                         0.00012f,
                         9e6f,
                         1.25e6f,
                         1234567.25f,
                         1e-12f,
                         1.2e-12f,
                         1234567.0f,
                         1e6f,
                         9.999999e5f,
                         16777215.0f,
                         16777216.0f,
                         1e20f,
                         123.456f,
                         0.1f,
                         0.3f,
                         2.5e-9f,
                         1e-18f,
                         3e-19f,
                         std::nextafter(1.0f, 0.0f),
                         std::nextafter(1.0f, 2.0f),
                         std::numeric_limits<float>::min(),
                         std::numeric_limits<float>::max(),
                         std::numeric_limits<float>::denorm_min(),
                         std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity(),
                         std::numeric_limits<float>::quiet_NaN()};
  for (float v : cases)
    EXPECT_EQ(Shortest(v), Library(v)) << Library(v);
}

// Every exponent the fast path takes, mantissas at random and at both ends
// (odd and even mantissas close or open the rounding interval).
TEST(ShortestFloat, WritesWhatTheLibraryWritesOverEveryExponent) {
  std::mt19937 random(31);
  int mismatches = 0;
  for (std::uint32_t biased = 1; biased < 255; ++biased) {
    for (int i = 0; i < 2000; ++i) {
      std::uint32_t fraction = random() & 0x7FFFFF;
      if (i < 4) fraction = std::uint32_t{0x7FFFFF} - static_cast<std::uint32_t>(i);
      const std::uint32_t sign = (i & 1) != 0 ? 0x80000000u : 0;
      const auto v = portable::bit_cast<float>(sign | biased << 23 | fraction);
      if (Shortest(v) != Library(v) && ++mismatches < 10)
        ADD_FAILURE() << Library(v) << " written as " << Shortest(v);
    }
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace ventora
