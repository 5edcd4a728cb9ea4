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

// Each kind of end at and just past its bound, NaN, and the places where two
// checks of one value deliberately disagree.
TEST(Range, EndsAndNaNBehaveAsTheChecksExpect) {
  struct Case {
    const char* what;
    Range range;
    float v;
    bool contains, meetsHigh, exceeds, outside;
  };
  const Case cases[] = {
      {"closed at high", kPAD.accepted, 50, true, true, false, false},
      {"closed past high", kPAD.accepted, Up(50), false, false, true, true},
      {"past 32-bit high", kVeEXP.accepted, Up(0.45f), false, false, true, true},
      {"open high", kPhi.accepted, 50, false, false, true, true},
      {"run's closed high", kPhiRunAccepted, 50, true, true, false, false},
      {"closed low", kRbH.accepted, 0, true, true, false, false},
      {"run's open low", kRbHRunAccepted, 0, false, true, false, true},
      {"open low, unbounded high", kSbH.accepted, kInf, true, true, false, false},
      {"NaN, closed", kPAD.accepted, kNaN, false, false, false, false},
      {"wall band's tolerant top", kWallZHBandCheck, Up(0.9f), true, true, false, false},
      {"past the model band", kZHModelBand, Up(0.93f), false, false, true, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.range.Contains(c.v), c.contains) << c.what;
    EXPECT_EQ(c.range.MeetsHigh(c.v), c.meetsHigh) << c.what;
    EXPECT_EQ(c.range.Exceeds(c.v), c.exceeds) << c.what;
    EXPECT_EQ(c.range.Outside(c.v), c.outside) << c.what;
  }
}

}  // namespace
}  // namespace ventora::limits
