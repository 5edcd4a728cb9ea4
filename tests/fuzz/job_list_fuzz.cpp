// The list of --jobs-from: whatever it is given, it refuses or gives entries
// that name files plainly, and the entries written one a line read back the
// same.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/job_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> jobs{"given"};
  const std::string error = ventora::cli::ReadJobList(text, jobs);
  if (!error.empty()) {
    if (jobs.size() != 1 || !error.starts_with("line ")) std::abort();  // nothing added
    return 0;
  }
  std::string written;
  for (std::size_t i = 1; i < jobs.size(); ++i) {
    const std::string& job = jobs[i];
    if (job.empty() || job.size() > ventora::cli::kJobListLineLimit) std::abort();
    for (const char c : job)
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) std::abort();
    if (job.back() == ' ') std::abort();
    written += job + "\r\n";
  }
  std::vector<std::string> again{"given"};
  if (!ventora::cli::ReadJobList(written, again).empty() || again != jobs) std::abort();
  return 0;
}
