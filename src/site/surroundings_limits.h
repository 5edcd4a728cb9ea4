#pragma once
// The ranges of the values that describe a site's surroundings: the
// options of ventora-run --surroundings, the arguments of the Python
// module, the query the site library answers and the heights footprint
// files hold. Every one is finite, so that no PAD or SbH can come out as
// nan or inf, and each message states the range its check reads. Header
// only: ventora-run checks its options without loading the site library.

#include <cmath>
#include <string>

#include "core/parameter_limits.h"
#include "core/range_message.h"

namespace ventora::site {

struct SurroundingsLimit {
  const char* option;    // as ventora-run takes it: "--radius"
  const char* argument;  // as Python takes it: "radius"
  const char* symbol;    // as the range is written: "1 ≤ radius ≤ 10000"
  const char* unit;      // after the range: "m", or empty
  limits::Range range;
};

// A circle wider than a town says nothing of a building's surroundings;
// one below a metre would divide by next to nothing.
inline constexpr SurroundingsLimit kRadiusLimit{"--radius", "radius", "radius", "m",
                                                limits::Closed(1, 10000)};
// Above the tallest buildings standing, with room to spare.
inline constexpr SurroundingsLimit kHeightLimit{"--default-height", "default_height", "height", "m",
                                                limits::OpenClosed(0, 1000)};
inline constexpr SurroundingsLimit kStoreyHeightLimit{
    "--storey-height", "storey_height", "storey height", "m", limits::OpenClosed(0, 50)};
inline constexpr SurroundingsLimit kSectorsLimit{"--sectors", "sectors", "sectors", "",
                                                 limits::Closed(1, 360)};
// Map coordinates in metres or feet of any projection stay well inside.
inline constexpr SurroundingsLimit kCoordinateLimit{"--site", "site", "X, Y", "",
                                                    limits::Closed(-1e9f, 1e9f)};
// Longitude and latitude of a site in lon/lat data.
inline constexpr limits::Range kLongitudeRange = limits::Closed(-360, 360);
inline constexpr limits::Range kLatitudeRange = limits::Closed(-90, 90);

// In double precision: a double beyond a float's range is not narrowed.
inline bool Within(double value, const limits::Range& r) {
  const bool low = r.lowEnd == limits::End::Unbounded ||
                   (r.lowEnd == limits::End::Inclusive ? value >= r.low : value > r.low);
  const bool high = r.highEnd == limits::End::Unbounded ||
                    (r.highEnd == limits::End::Inclusive ? value <= r.high : value < r.high);
  return low && high && std::isfinite(value);
}

// "1 ≤ radius ≤ 10000 m"
inline std::string RangeText(const SurroundingsLimit& limit) {
  const std::string unit = *limit.unit != '\0' ? std::string(" ") + limit.unit : "";
  return limits::PlainRangeText(limit.range, limit.symbol) + unit;
}

// "--radius 1e308 is outside its range 1 ≤ radius ≤ 10000 m"
inline std::string OptionOutside(const SurroundingsLimit& limit, const std::string& typed) {
  return std::string(limit.option) + " " + typed + " is outside its range " + RangeText(limit);
}

// "radius = 1e+308 is outside its range 1 ≤ radius ≤ 10000 m"
inline std::string ArgumentOutside(const SurroundingsLimit& limit, const std::string& shown) {
  return std::string(limit.argument) + " = " + shown + " is outside its range " + RangeText(limit);
}

}  // namespace ventora::site
