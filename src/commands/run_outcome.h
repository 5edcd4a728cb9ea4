#pragma once
// How a command ended, once for every face: ventora-run's exit status and
// the Python module's Verdict are both read from it.

namespace ventora {

enum class RunOutcome {
  Completed,      // every value computed and written
  ValuesMissing,  // written, some Cp values not computed (a sweep's stopped directions)
  Refused,        // the pre-run checks, or the export's own, refused the job
  Stopped,        // the model's limits stopped the run
  SystemError,    // a file could not be read, written or deleted
};

// ventora-run's exit statuses; a batch's summary names them.
enum ExitStatus : int {
  kExitCompleted = 0,
  kExitSystemError = 1,
  kExitStopped = 2,  // refused or stopped: nothing usable was written
  kExitValuesMissing = 3,
};

constexpr int ExitStatusOf(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::Completed:
      return kExitCompleted;
    case RunOutcome::ValuesMissing:
      return kExitValuesMissing;
    case RunOutcome::Refused:
    case RunOutcome::Stopped:
      return kExitStopped;
    case RunOutcome::SystemError:
      break;
  }
  return kExitSystemError;
}

}  // namespace ventora
