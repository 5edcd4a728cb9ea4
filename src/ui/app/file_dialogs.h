#pragma once
// Where the main window gets file paths from: the desktop's file dialogs in
// the program, scripted answers in tests. Both dialogs start in the current
// directory and offer job files first, then all files.

#include <optional>
#include <string>

namespace ventora {

// The two filter entries of the job file dialogs, in Qt's notation.
inline constexpr const char* kJobFileFilters = "CP Data (*.in);;All Files (*)";

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // A path to open; the file need not exist (a new job). Empty: cancelled.
  virtual std::optional<std::string> OpenPath() = 0;
  // A path to save under. The caller confirms overwriting, because the file
  // it writes is not always the one chosen (".in" is added). Empty: cancelled.
  virtual std::optional<std::string> SavePath() = 0;
};

}  // namespace ventora
