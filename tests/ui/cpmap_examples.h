#pragma once
// The example jobs' folder: VENTORA_EXAMPLES when set, else the source tree's.

#include <cstdlib>
#include <string>

namespace ventora::testing {

inline std::string ExamplesFolder() {
  const char* folder = std::getenv("VENTORA_EXAMPLES");
  return folder != nullptr ? folder : VENTORA_SOURCE_EXAMPLES;
}

}  // namespace ventora::testing
