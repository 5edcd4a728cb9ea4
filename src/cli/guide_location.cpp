#include "cli/guide_location.h"

#include <filesystem>
#include <system_error>

namespace ventora::cli {

std::string GuideLocation() {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (!error) {
    const fs::path installed =
        program.parent_path().parent_path() / VENTORA_GUIDE_INSTALLED / "index.md";
    if (fs::exists(installed, error)) return installed.lexically_normal().string();
  }
  return (fs::path(VENTORA_GUIDE_SOURCE) / "index.md").string();
}

std::string GuideLine() {
  return "\nThe user guide: " + GuideLocation() + " (Help in the desktop program)\n";
}

}  // namespace ventora::cli
