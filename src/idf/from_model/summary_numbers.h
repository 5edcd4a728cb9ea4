#pragma once
// Numbers as the from-model summary writes them: fixed decimals, a point.

#include <cstdio>
#include <string>

namespace ventora::idf {

inline std::string Fixed(double v, int decimals) {
  std::string text(32, '\0');
  text.resize(
      static_cast<std::size_t>(std::snprintf(text.data(), text.size(), "%.*f", decimals, v)));
  return text;
}

inline std::string Metres(double v) {
  return Fixed(v, 2) + " m";
}

}  // namespace ventora::idf
