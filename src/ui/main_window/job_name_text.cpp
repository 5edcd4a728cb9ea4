#include "ui/main_window/job_name_text.h"

#include "core/job_file.h"

namespace ventora {
namespace {

#ifdef _WIN32
constexpr const char* kEllipsis = "...\\";
#else
constexpr const char* kEllipsis = ".../";
#endif

std::string RootOf(const std::string& path) {
#ifdef _WIN32
  return path.substr(0, 3);  // the drive, as "C:\"
#else
  return path.starts_with('/') ? "/" : "";
#endif
}

}  // namespace

std::string JobNameLabelText(const std::string& jobName) {
  if (jobName.size() <= kJobNameLabelMax) return jobName;
  return RootOf(jobName) + kEllipsis + FileNameOf(jobName);
}

std::string MainCaption(const std::string& path) {
  return FileNameOf(path) + " - " + kMainTitle;
}

}  // namespace ventora
