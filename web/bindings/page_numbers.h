#pragma once
// Numbers as the page reads and shows them: point decimal, whatever the
// browser's language, as the job files write them.

#include <string>

#include "core/number_text.h"

namespace ventora::web {

inline NumberText PageNumbers() {
  NumberText numbers(kPointDecimal);
  numbers.DetectNumberFormat();
  return numbers;
}

// `text` without the blanks and tabs round it, as a field shows it.
inline std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace ventora::web
