// Every bundled example job reads, and what the program writes of it reads
// back and writes again to the same bytes.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/job_file.h"
#include "temp_folder.h"

namespace ventora {
namespace {

std::vector<std::filesystem::path> ExampleJobs() {
  std::vector<std::filesystem::path> jobs;
  const char* folder = std::getenv("VENTORA_EXAMPLES");
  std::error_code ec;
  if (!folder || !std::filesystem::is_directory(folder, ec)) return jobs;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
    if (entry.path().extension() == ".in") jobs.push_back(entry.path());
  return jobs;
}

TEST(ExampleJobs, ReadAndWriteBackUnchanged) {
  const auto jobs = ExampleJobs();
  if (jobs.empty()) GTEST_SKIP() << "no example jobs found";
  testing::TempFolder folder;
  for (const auto& path : jobs) {
    for (NumberLocale locale : {kPointDecimal, kCommaDecimal}) {
      NumberText numbers(locale);
      const Job job = ReadJobFile(path.string(), numbers);
      WriteJobFile(job, folder / "copy");
      const std::string written = testing::ReadBytes(folder / "copy.in");
      EXPECT_EQ(JobFileText(ReadJobFile(folder / "copy.in", numbers)), written) << path;
    }
  }
}

}  // namespace
}  // namespace ventora
