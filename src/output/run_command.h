#pragma once
// The Run command as a whole, the same for the desktop program and the
// command line: delete the old results and check the job (in the order the
// setup asks), run it, and tell the user how it ended. Every box goes
// through the MessageSink.

#include <ctime>
#include <filesystem>
#include <string>

#include "core/job.h"
#include "core/number_locale.h"
#include "engine/run_calculation.h"
#include "output/open_report.h"
#include "output/report_date.h"

namespace ventora {

enum class RunOutcome {
  Completed,      // the report is complete
  ValuesMissing,  // completed, some Cp values were not calculated
  Refused,        // the pre-run checks refused the job
  Stopped,        // the model's limits stopped the run
  SystemError,    // a file could not be written, deleted or read
};

struct RunCommandSetup {
  std::string jobName;  // full path without ".in"
  ReportForm form = ReportForm::Text;
  NumberLocale locale;
  MonthNames months = EnglishMonthNames();
  std::tm now{};  // the date on the report's title line
  // A batch removes the stale temporaries of all its jobs at once, before
  // they run; a lone run removes its own.
  bool staleTemporariesRemoved = false;
  // The desktop program keeps the last results of a job the checks refuse,
  // so that a refused edit costs the user nothing (its banner marks them
  // stale); ventora-run deletes them first, so that no script reads old
  // results beside a refusal.
  bool refusalKeepsOldResults = false;
};

struct RunCommandResult {
  RunOutcome outcome = RunOutcome::SystemError;
  RunResult run;  // what the run computed (empty when it did not run)
};

// Says what a run's verdict means (nothing for a completed run, a warning
// when values are missing, an error otherwise).
RunOutcome TakeRunVerdict(RunVerdict verdict, MessageSink& messages);

// `job` receives the changes of the pre-run checks (SbH, Phi), as the
// document does in the desktop program.
RunCommandResult RunJobCommand(Job& job, MessageSink& messages, const RunCommandSetup& setup);

}  // namespace ventora
