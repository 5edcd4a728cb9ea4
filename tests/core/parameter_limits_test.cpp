#include "core/parameter_limits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace ventora::limits {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

float Up(float v) {
  return std::nextafter(v, kInf);
}
float Down(float v) {
  return std::nextafter(v, -kInf);
}

// Each kind of end at and just past its bound, NaN, and the places where two
// checks of one value deliberately disagree.
TEST(Range, EndsAndNaNBehaveAsTheChecksExpect) {
  struct Case {
    const char* what;
    Range range;
    float v;
    bool contains, meetsHigh, exceeds;
  };
  const Case cases[] = {
      {"closed at high", kPAD.accepted, 50, true, true, false},
      {"closed past high", kPAD.accepted, Up(50), false, false, true},
      {"closed past low", kPAD.accepted, Down(0), false, true, false},
      {"32-bit high", kVeEXP.accepted, 0.45f, true, true, false},
      {"past 32-bit high", kVeEXP.accepted, Up(0.45f), false, false, true},
      {"open high", kPhi.accepted, 50, false, false, true},
      {"run's closed high", kPhiRunAccepted, 50, true, true, false},
      {"closed low", kRbH.accepted, 0, true, true, false},
      {"run's open low", kRbHRunAccepted, 0, false, true, false},
      {"open low, unbounded high", kSbH.accepted, kInf, true, true, false},
      {"unbounded both", Range{}, -kInf, true, true, false},
      {"NaN, closed", kPAD.accepted, kNaN, false, false, false},
      {"NaN, unbounded", Range{}, kNaN, false, false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.range.Contains(c.v), c.contains) << c.what;
    EXPECT_EQ(c.range.MeetsHigh(c.v), c.meetsHigh) << c.what;
    EXPECT_EQ(c.range.Exceeds(c.v), c.exceeds) << c.what;
  }
}

}  // namespace
}  // namespace ventora::limits
