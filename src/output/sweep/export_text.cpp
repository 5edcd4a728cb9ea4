#include "output/sweep/export_text.h"

#include <stdexcept>

#include "core/replace_file.h"
#include "core/shortest_float.h"

namespace ventora {

void AppendNumber(std::string& out, float value) {
  char buffer[32];
  out.append(buffer, WriteShortestFloat(buffer, value));
}

std::string NumberString(float value) {
  std::string text;
  AppendNumber(text, value);
  return text;
}

std::string ElementLabel(std::int16_t iface, std::int16_t k) {
  std::string label(1, 'F');
  label.append(std::to_string(iface)).append("_E").append(std::to_string(k));
  return label;
}

void WriteExportFile(const std::filesystem::path& path, const std::string& text) {
  try {
    ReplaceFile(path, text);
  } catch (const FileFault& e) {
    throw std::runtime_error("Cannot write " + std::string(e.what()));
  }
}

}  // namespace ventora
