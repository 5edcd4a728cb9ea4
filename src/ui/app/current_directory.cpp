#include "ui/app/current_directory.h"

#include <filesystem>
#include <system_error>

namespace ventora {

bool MakeFolderCurrent(const std::string& filePath) {
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::absolute(filePath, ec).parent_path();
  if (ec || folder.empty()) return false;
  std::filesystem::current_path(folder, ec);
  return !ec;
}

std::string CurrentDirectory() {
  std::error_code ec;
  std::filesystem::path dir = std::filesystem::current_path(ec);
  return ec ? std::string() : dir.string();
}

}  // namespace ventora
