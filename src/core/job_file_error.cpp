#include "core/job_file.h"

namespace ventora {

JobFileError::JobFileError(const std::string& path, const std::string& reason)
    : std::runtime_error(std::string("Job file \"") + path + "\": " + reason + "."), path_(path) {}

JobFileError::JobFileError(const std::string& path, int line, const std::string& reason)
    : std::runtime_error(std::string("Job file \"") + path + "\", line " + std::to_string(line) +
                         ": " + reason + "."),
      path_(path),
      line_(line) {}

JobFileError DamagedHeaderError(const std::string& path, const JobFileNotes& notes) {
  std::string names;
  for (const std::string& name : notes.unreadHeader)
    names += (names.empty() ? "" : ", ") + name;
  return {path, notes.headerLine,
          "the header line does not hold the job's ten values; these could not be read: " + names};
}

}  // namespace ventora
