#include "core/range_message.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace ventora::limits {
namespace {

constexpr const char* kAtMost = " \u2264 ";
constexpr const char* kAtLeast = " \u2265 ";

std::string WithDecimal(std::string text, char decimal) {
  for (char& c : text)
    if (c == '.') c = decimal;
  return text;
}

// Fixed decimals with the zeros at the end dropped: "80", "2.22", "0.45".
std::string Fixed(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::string text = buffer;
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return text == "-0" ? "0" : text;
}

// A bound as the guide's table of limits writes it: the shortest text of
// the 32-bit value, which is how the table was typed.
std::string Bound(float bound) {
  for (int decimals = 0; decimals < 9; ++decimals) {
    const std::string text = Fixed(bound, decimals);
    if (std::strtof(text.c_str(), nullptr) == bound) return text;
  }
  return Fixed(bound, 9);
}

}  // namespace

std::string PlainRangeText(const Range& r, const std::string& symbol, char decimal) {
  std::string text;
  if (r.lowEnd == End::Unbounded && r.highEnd == End::Unbounded) return "any " + symbol;
  if (r.highEnd == End::Unbounded)
    return WithDecimal(symbol + (r.lowEnd == End::Inclusive ? kAtLeast : " > ") + Bound(r.low),
                       decimal);
  if (r.lowEnd != End::Unbounded)
    text = Bound(r.low) + (r.lowEnd == End::Inclusive ? kAtMost : " < ");
  text += symbol;
  text += (r.highEnd == End::Inclusive ? kAtMost : " < ") + Bound(r.high);
  return WithDecimal(text, decimal);
}

std::string QuotedValue(float value, const Range& range, char decimal) {
  if (std::isnan(value)) return "not a number";
  std::string text = Fixed(value, 2);
  for (int decimals = 3; decimals <= 9 && range.Contains(std::strtof(text.c_str(), nullptr));
       ++decimals)
    text = Fixed(value, decimals);
  return WithDecimal(text, decimal);
}

std::string OutsideRangeText(const OutsideRange& o) {
  const std::string where = o.where.empty() ? "" : " (" + o.where + ")";
  const std::string name = std::string(o.limits.label) + " " + o.limits.symbol;
  if (std::isnan(o.value))
    return name + where + " is not a number; the accepted range is " +
           PlainRangeText(o.range, o.limits.symbol, o.decimal) + ".";
  std::string text = name + " " + QuotedValue(o.value, o.range, o.decimal);
  if (*o.limits.unit != '\0') text += std::string(" ") + o.limits.unit;
  text += where;
  text += o.kind == RangeKind::Accepted ? " is outside the accepted range "
                                        : " is outside the confidence range ";
  return text + PlainRangeText(o.range, o.limits.symbol, o.decimal) + ".";
}

std::string NotANumberText(const ParameterLimits& limits, const std::string& typed,
                           const Range& range, char decimal) {
  const std::string what = typed.empty() ? " is empty" : " \"" + typed + "\" is not a number";
  return std::string(limits.label) + " " + limits.symbol + what + "; the accepted range is " +
         PlainRangeText(range, limits.symbol, decimal) + ".";
}

}  // namespace ventora::limits
