#include "core/parameter_limits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/range_message.h"

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

// A message quotes the value to two decimals unless that would round it onto
// a bound it lies beyond, and states each kind of end as the check reads it.
TEST(RangeMessage, QuotesTheValueSoThatItStaysOutsideAndEachEndAsChecked) {
  struct Case {
    OutsideRange o;
    char decimal;
    const char* text;
  };
  const Case cases[] = {
      {{kSAR, 20.0f / 9, kSARCheckConfidence, RangeKind::Confidence, "facades 2 and 4"},
       '.',
       "Side aspect ratio SAR 2.22 (facades 2 and 4) is outside the confidence range "
       "0.5 \u2264 SAR \u2264 2."},
      {{kSAR, 2.004f, kSARCheckConfidence, RangeKind::Confidence, ""},
       '.',
       "Side aspect ratio SAR 2.004 is outside the confidence range 0.5 \u2264 SAR \u2264 2."},
      {{kPhi, 80, kPhi.accepted, RangeKind::Accepted, ""},
       '.',
       "Roof tilt Phi 80 deg. is outside the accepted range 0 \u2264 Phi < 50."},
      {{kRbH, 0, kRbHRunAccepted, RangeKind::Accepted, ""},
       ',',
       "Relative building height RbH 0 is outside the accepted range 0 < RbH \u2264 8."},
      {{kVeEXP, 0.43f, kVeEXP.confidence, RangeKind::Confidence, ""},
       ',',
       "Wind velocity profile exponent VeEXP 0,43 is outside the confidence range "
       "0,1 \u2264 VeEXP \u2264 0,4."},
      {{kSbH, kNaN, kSbH.accepted, RangeKind::Accepted, ""},
       '.',
       "Surrounding buildings' height SbH is not a number; the accepted range is SbH > 0."},
  };
  for (Case c : cases) {
    c.o.decimal = c.decimal;
    EXPECT_EQ(OutsideRangeText(c.o), c.text);
  }
}

}  // namespace
}  // namespace ventora::limits
