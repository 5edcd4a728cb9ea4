#pragma once
// The messages about a value outside its range, in one notation for the
// environment dialog, the check before a run and the run itself: the
// value's name, its symbol, the value and the range as the check reads it,
// "Roof tilt Phi 80 deg. is outside the accepted range 0 ≤ Phi < 50." They
// are built from the table of limits, so that a message cannot state a range
// its check does not use.

#include <string>

#include "core/parameter_limits.h"

namespace ventora::limits {

// "0 ≤ Phi < 50", "SbH > 0", with `decimal` as the decimal separator.
std::string PlainRangeText(const Range& range, const std::string& symbol, char decimal = '.');

// The value as a message quotes it: at most two decimals, more only where
// two would round it into `range` (SAR 2.004 against a top of 2).
std::string QuotedValue(float value, const Range& range, char decimal = '.');

enum class RangeKind : std::uint8_t { Accepted, Confidence };

struct OutsideRange {
  const ParameterLimits& limits;
  float value = 0;
  const Range& range;                    // the range the check used
  RangeKind kind = RangeKind::Accepted;  // which range the message names
  std::string where;                     // "facades 2 and 4", "Bdz / SbH"; may be empty
  char decimal = '.';
};

// "Side aspect ratio SAR 2.22 (facades 2 and 4) is outside the confidence
// range 0.5 ≤ SAR ≤ 2."
std::string OutsideRangeText(const OutsideRange& o);

// "Building length BdX "abc" is not a number; the accepted range is BdX > 0."
std::string NotANumberText(const ParameterLimits& limits, const std::string& typed,
                           const Range& range, char decimal = '.');

}  // namespace ventora::limits
