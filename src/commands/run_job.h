#pragma once
// The Run command as a whole, the same for the desktop program and the
// command line: delete the old results and check the job (in the order the
// setup asks), run it, and tell the user how it ended. Every box goes
// through the MessageSink.

#include <ctime>
#include <filesystem>
#include <string>

#include "commands/run_outcome.h"
#include "core/job.h"
#include "core/number_locale.h"
#include "engine/run_calculation.h"
#include "output/open_report.h"
#include "output/report_date.h"

namespace ventora {

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

// The checks before a run (CheckJobData, then CheckElements), with the
// closing refusal when either refuses; `job` receives their changes (SbH,
// Phi). True when the job may run.
bool PassesPreRunChecks(Job& job, MessageSink& messages, const NumberLocale& locale);

// Says what a run's verdict means: nothing for a completed run, the
// stop's error otherwise.
RunOutcome TakeRunVerdict(RunVerdict verdict, MessageSink& messages);

// `job` receives the changes of the pre-run checks (SbH, Phi), as the
// document does in the desktop program.
RunCommandResult RunJobCommand(Job& job, MessageSink& messages, const RunCommandSetup& setup);

// The same run for a face without files (the browser edition): it neither
// deletes nor writes a file, and the text report (whatever `setup.form`
// says) goes into `report`, left empty when the run did not start.
RunCommandResult RunJobToText(Job& job, MessageSink& messages, const RunCommandSetup& setup,
                              std::string& report);

}  // namespace ventora
