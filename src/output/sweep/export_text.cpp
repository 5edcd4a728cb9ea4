#include "output/sweep/export_text.h"

#include <charconv>
#include <fstream>
#include <stdexcept>
#include <system_error>

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
  const std::filesystem::path temp(path.string() + ".tmp");
  const auto fail = [&] {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    return std::runtime_error("Cannot write \"" + path.string() + "\"");
  };
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (out.fail()) throw fail();
  }
  std::error_code error;
  std::filesystem::rename(temp, path, error);
  if (error) throw fail();
}

}  // namespace ventora
