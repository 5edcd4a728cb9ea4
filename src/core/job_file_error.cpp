#include "core/job_file.h"

namespace ventora {

JobFileError::JobFileError(const std::string& path, const std::string& reason)
    : std::runtime_error(std::string("Job file \"") + path + "\": " + reason + "."), path_(path) {}

JobFileError::JobFileError(const std::string& path, int line, const std::string& reason)
    : std::runtime_error(std::string("Job file \"") + path + "\", line " + std::to_string(line) +
                         ": " + reason + "."),
      path_(path),
      line_(line) {}

std::string UnreadHeaderNames(const JobFileNotes& notes) {
  std::string names;
  for (const std::string& name : notes.unreadHeader)
    names += (names.empty() ? "" : ", ") + name;
  return names;
}

JobFileError DamagedHeaderError(const std::string& path, const JobFileNotes& notes) {
  return {path, notes.headerLine,
          "the header line does not hold the job's ten values; these could not be read: " +
              UnreadHeaderNames(notes)};
}

std::string DamagedHeaderWarning(const std::string& path, const JobFileNotes& notes) {
  return path + ", line " + std::to_string(notes.headerLine) +
         ": the header line does not hold the job's ten values.\nThese could not be read and "
         "are shown as 0: " +
         UnreadHeaderNames(notes) +
         ".\n\nCheck them under Edit, Environment before you run the job. Save will ask "
         "before it writes over this file.";
}

}  // namespace ventora
