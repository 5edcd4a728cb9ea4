#include "engine/verdict_file.h"

#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

namespace ventora {

void WriteVerdictFile(const std::filesystem::path& path, RunVerdict verdict) {
  const std::filesystem::path temp(path.string() + ".tmp");
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    // A number as the program prints it: sign place, digits, a blank.
    out << ' ' << static_cast<int>(verdict) << " \r\n";
    out.close();
    if (out.fail()) {
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      throw std::runtime_error("Cannot write the run's verdict file \"" + path.string() + "\"");
    }
  }
  // Removing the old file first keeps the rename from replacing one, which
  // on ext4 forces the new data to disk and costs milliseconds. Should the
  // run break off in between, the missing file reads as a system error too.
  std::error_code error;
  std::filesystem::remove(path, error);
  if (!error) std::filesystem::rename(temp, path, error);
  if (error) {
    std::filesystem::remove(temp, error);
    throw std::runtime_error("Cannot write the run's verdict file \"" + path.string() + "\"");
  }
}

std::optional<int> ReadVerdictFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  int code = 1;
  if (!(in >> code)) return 1;
  return code;
}

}  // namespace ventora
