#include "core/job_file.h"

namespace ventora {

JobFileError::JobFileError(const std::string& path, const std::string& reason)
    : std::runtime_error(std::string("Job file \"") + path + "\": " + reason + "."), path_(path) {}

JobFileError::JobFileError(const std::string& path, int line, const std::string& reason)
    : std::runtime_error(std::string("Job file \"") + path + "\", line " + std::to_string(line) +
                         ": " + reason + "."),
      path_(path),
      line_(line) {}

}  // namespace ventora
