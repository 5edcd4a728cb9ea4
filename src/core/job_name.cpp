#include "core/job_file.h"

namespace ventora {

bool IsDirectorySeparator(char c) {
#ifdef _WIN32
  return c == '\\' || c == '/';
#else
  return c == '/';
#endif
}

std::string FileNameOf(std::string_view path) {
  for (std::size_t i = path.size(); i-- > 0;)
    if (IsDirectorySeparator(path[i])) return std::string(path.substr(i + 1));
  return std::string(path);
}

std::string JobNameFromOpenPath(std::string_view path) {
  for (std::size_t i = path.size(); i-- > 0;) {
    if (path[i] == '.') return std::string(path.substr(0, i));
    if (IsDirectorySeparator(path[i])) break;
  }
  return std::string(path);
}

std::string JobNameFromSaveAsPath(std::string_view path) {
  const std::size_t stop = path.size() >= 4 ? path.size() - 4 : 0;
  for (std::size_t i = path.size(); i-- > stop;) {
    if (path[i] == '.') return std::string(path.substr(0, i));
    if (IsDirectorySeparator(path[i])) break;
  }
  return std::string(path);
}

}  // namespace ventora
