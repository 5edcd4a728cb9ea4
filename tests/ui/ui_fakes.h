#pragma once
// Test doubles for the desktop program's seams: file dialogs answering from
// a script, a desktop that records what it was asked to open, and a
// scratch folder that is the current directory while a test runs.

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "temp_folder.h"
#include "ui/app/document_opener.h"
#include "ui/app/file_dialogs.h"

namespace ventora::testing {

class ScriptedFileDialogs : public FileDialogs {
 public:
  std::deque<std::optional<std::string>> openAnswers;  // empty script: cancelled
  std::deque<std::optional<std::string>> saveAnswers;
  std::deque<std::optional<std::string>> modelAnswers;

  std::optional<std::string> OpenPath() override { return Next(openAnswers); }
  std::optional<std::string> SavePath() override { return Next(saveAnswers); }
  std::optional<std::string> ModelPath() override { return Next(modelAnswers); }

 private:
  static std::optional<std::string> Next(std::deque<std::optional<std::string>>& script) {
    if (script.empty()) return std::nullopt;
    auto answer = script.front();
    script.pop_front();
    return answer;
  }
};

class RecordingOpener : public DocumentOpener {
 public:
  std::vector<std::string> opened;
  bool succeed = true;
  bool Open(const std::string& path) override {
    opened.push_back(path);
    return succeed;
  }
};

// A TempFolder made current for the test's lifetime; the previous current
// directory comes back afterwards. Names in it are plain strings, as the
// program's job names and dialog answers are. Its path is kept short: the
// main window shows the job's full name only while it fits.
class ScratchFolder {
 public:
  ScratchFolder() : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder_.path());
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return folder_.path(); }
  std::string operator/(const std::string& name) const { return (folder_ / name).string(); }

 private:
  std::filesystem::path previous_;
  TempFolder folder_{"ui"};  // after previous_: removed once the old directory is current again
};

}  // namespace ventora::testing
