#pragma once
// A job run as ventora-run runs it (pre-run checks, the run, the verdict's
// message), in memory: no report is written and every box is collected.

#include <string>
#include <vector>

#include "commands/run_job.h"
#include "core/job.h"
#include "core/messages.h"

namespace ventora::python {

// Every element of a job, in the report's order, with its Cp or NaN.
struct ElementTable {
  std::vector<int> facade;
  std::vector<int> number;  // running number over all facades, as the report's
  std::vector<double> x, z, x_rel, z_rel, cp;
  std::vector<std::string> status, status_detail;  // StatusWord and StatusText of each Cp
  // spread=True: each Cp's spread (commands/cp_spread.h), NaN where none;
  // empty otherwise.
  std::vector<double> cp_low, cp_high;
};

struct MemoryRun {
  RunOutcome outcome = RunOutcome::SystemError;
  Job job;  // as it ran: the pre-run checks may have set SbH and Phi
  RunResult run;
  std::vector<Message> messages;
};

MemoryRun RunInMemory(const Job& job, const std::string& jobName);

// Elements the run did not reach, and elements outside their facade, have a
// NaN Cp; the positions are the report's where it has a line, else the job's.
ElementTable TabulateElements(const MemoryRun& run);

// Adds the spread of each element at the job's wind direction, and its words
// to the status detail.
void AddSpread(const MemoryRun& run, ElementTable& table);

}  // namespace ventora::python
