#pragma once
// The job as the desktop program holds it: the job itself plus its
// bookkeeping. Dialogs receive it by reference and edit it in place.

#include <cstdint>
#include <string>

#include "core/job.h"

namespace ventora {

struct JobDocument {
  Job job;
  std::string JobName;         // full path of the job file without ".in"; empty: no job
  bool DataChanged = false;    // changed since last read or written
  std::int16_t CurFacade = 0;  // facade 1..5 chosen for editing
};

}  // namespace ventora
