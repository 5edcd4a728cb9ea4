#pragma once
// The job as Python holds it: the job itself and the file it came from.

#include <optional>
#include <string>

#include "core/job.h"

namespace ventora::python {

struct PyJob {
  Job job;
  std::optional<std::string> path;  // the ".in" file it was read from or written to

  // The file's name without folder and ".in" ("job" for a job never saved):
  // it names the job inside exported files.
  std::string Stem() const;
  // The file's path without ".in", as ventora-run names the files beside it.
  std::optional<std::string> JobName() const;
};

}  // namespace ventora::python
