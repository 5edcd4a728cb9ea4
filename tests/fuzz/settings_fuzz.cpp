// The settings file's text: any content reads without a fault, and a value
// written into it reads back while another section's key keeps its value.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ventora;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string other = IniValue(text, "Other", "key");
  IniValue(text, "general", "lastdir");
  const std::string written = IniRewritten(text, "general", "lastdir", "/home/user/jobs");
  if (IniValue(written, "general", "lastdir") != "/home/user/jobs") std::abort();
  if (IniValue(written, "Other", "key") != other) std::abort();
  return 0;
}
