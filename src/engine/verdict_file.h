#pragma once
// The one-number file through which a run tells its caller how it ended.
// It is always "msg.err" (lower case) in the current directory, so writer
// and reader meet on a case-sensitive file system too.

#include <filesystem>
#include <optional>

namespace ventora {

enum class RunVerdict : int {
  Completed = 0,      // every element computed
  Broken = 1,         // written at the start; stays when the run breaks off
  Stopped = 2,        // a limit, element or model failure stopped the run
  ValuesMissing = 3,  // completed, some Cp values not calculated
};

inline const std::filesystem::path kVerdictFileName{"msg.err"};

// Replaces the file's content as a whole (written aside, then renamed), so a
// reader never sees a half-written number. Throws std::runtime_error.
void WriteVerdictFile(const std::filesystem::path& path, RunVerdict verdict);

// The first number of the file, or nothing when the file does not exist.
// A file without a leading number reads as 1 (the run broke off).
std::optional<int> ReadVerdictFile(const std::filesystem::path& path);

}  // namespace ventora
