#pragma once
// A fresh folder per test under the system's temporary folder, removed at the
// end (even when a test left it read-only), with helpers to put and take
// whole files byte for byte.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include <unistd.h>

namespace ventora::testing {

class TempFolder {
 public:
  // Named after the running test, which helps when one fails.
  TempFolder() : TempFolder(CurrentTestName()) {}
  // Named `label`, for tests whose paths must stay short (a path shown in a
  // window of fixed width).
  explicit TempFolder(const std::string& label) {
    // The process and a random number: parallel ctest runs and repeated
    // tests never share a folder.
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            ("ventora-" + label + "-" + std::to_string(::getpid()) + "-" + std::to_string(seed()));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  static std::string CurrentTestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return info ? std::string(info->test_suite_name()) + "-" + info->name() : "test";
  }

  std::filesystem::path path_;
};

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace ventora::testing

// The file system a WebAssembly test sees through Node has no locks, no
// pipes and its own error texts; the browser edition writes no files.
#if defined(__EMSCRIPTEN__)
#define VENTORA_SKIP_WITHOUT_POSIX_FILES() \
  GTEST_SKIP() << "needs locks, pipes and the system's error texts"
#else
#define VENTORA_SKIP_WITHOUT_POSIX_FILES() static_cast<void>(0)
#endif
