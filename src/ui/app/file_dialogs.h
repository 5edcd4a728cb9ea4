#pragma once
// Where the main window gets file paths from: the desktop's file dialogs in
// the program, scripted answers in tests. Both dialogs start in the current
// directory and offer job files first, then all files.

#include <optional>
#include <string>

namespace ventora {

// The filter entries of the job file dialogs, in Qt's notation. Open also
// offers EnergyPlus models, which lead to "From an EnergyPlus model…".
inline constexpr const char* kJobFileFilters = "CP Data (*.in);;All Files (*)";
inline constexpr const char* kOpenFileFilters =
    "CP Data (*.in);;EnergyPlus models (*.idf);;All Files (*)";
inline constexpr const char* kModelFileFilters = "EnergyPlus models (*.idf);;All Files (*)";

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // A path to open; the file need not exist (a new job). Empty: cancelled.
  virtual std::optional<std::string> OpenPath() = 0;
  // A path to save under. The caller confirms overwriting, because the file
  // it writes is not always the one chosen (".in" is added). Empty: cancelled.
  virtual std::optional<std::string> SavePath() = 0;
  // An EnergyPlus model to make a job of. Empty: cancelled.
  virtual std::optional<std::string> ModelPath() = 0;
};

}  // namespace ventora
