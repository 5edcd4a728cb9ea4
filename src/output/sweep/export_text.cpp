#include "output/sweep/export_text.h"

#include <charconv>
#include <stdexcept>

#include "core/replace_file.h"

namespace ventora {

void AppendNumber(std::string& out, float value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
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
