#pragma once
// Numbers as the command line's lines and the from-model summary write
// them: fixed decimals, a point.

#include <cstdio>
#include <string>

namespace ventora {

inline std::string Fixed(double v, int decimals) {
  std::string text(32, '\0');
  text.resize(
      static_cast<std::size_t>(std::snprintf(text.data(), text.size(), "%.*f", decimals, v)));
  return text;
}

// A length with its unit, to the centimetre: "12.19 m".
inline std::string LengthText(double v) {
  return Fixed(v, 2) + " m";
}

}  // namespace ventora
