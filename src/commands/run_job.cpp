#include "commands/run_job.h"

#include <exception>
#include <functional>
#include <memory>
#include <system_error>

#include "commands/implausible_message.h"
#include "core/replace_file.h"
#include "engine/pre_run_checks.h"
#include "output/text_report_writer.h"

namespace ventora {
namespace {

void ShowError(MessageSink& messages, const std::string& text) {
  messages.Show(Message{"Error", text, MsgIcon::Critical});
}

// False (after saying why) when an old result file is there to stay.
bool DeleteOldResults(const std::string& jobName, MessageSink& messages) {
  for (ReportForm form : {ReportForm::Text, ReportForm::Workbook}) {
    const std::filesystem::path path = ReportPath(jobName, form);
    std::error_code error;
    std::filesystem::remove(path, error);
    if (error) {
      ShowError(messages,
                "Cannot delete the old result file \"" + path.string() + "\": " + error.message());
      return false;
    }
  }
  return true;
}

using OpenReportFunction = std::function<std::unique_ptr<ReportWriter>()>;

// The run of a job that passed the checks, and what its end means.
void RunChecked(const Job& job, MessageSink& messages, const RunCommandSetup& setup,
                OpenReportFunction openReport, RunCommandResult& result) {
  RunContext ctx;
  ctx.messages = &messages;
  RunSetup run;
  run.openReport = std::move(openReport);
  run.jobName = setup.jobName;
  run.dateText = FormatReportDate(setup.now, setup.months);
  try {
    result.run = RunCalculation(job, ctx, run);
  } catch (const std::exception& e) {
    // One message, the one that says what failed.
    ShowError(messages, e.what());
    return;
  }
  result.outcome = TakeRunVerdict(result.run.verdict, messages);
  ShowImplausible(job, result.run, setup.locale, messages);
}

}  // namespace

bool PassesPreRunChecks(Job& job, MessageSink& messages, const NumberLocale& locale) {
  if (CheckJobData(job, messages, locale) == 0 && CheckElements(job, messages) == 0) return true;
  messages.Show(Message{"Error", kOutOfLimitsText});
  return false;
}

RunOutcome TakeRunVerdict(RunVerdict verdict, MessageSink& messages) {
  if (verdict == RunVerdict::Completed) return RunOutcome::Completed;
  ShowError(messages,
            "The calculation was not executed, same parameters are out of maximum range. ");
  return RunOutcome::Stopped;
}

RunCommandResult RunJobCommand(Job& job, MessageSink& messages, const RunCommandSetup& setup) {
  RunCommandResult result;
  if (!setup.staleTemporariesRemoved) RemoveStaleTemporaries(setup.jobName);
  const bool keep = setup.refusalKeepsOldResults;
  if (!keep && !DeleteOldResults(setup.jobName, messages)) return result;
  if (!PassesPreRunChecks(job, messages, setup.locale)) {
    result.outcome = RunOutcome::Refused;
    return result;
  }
  if (keep && !DeleteOldResults(setup.jobName, messages)) return result;
  RunChecked(
      job, messages, setup,
      [&setup] { return OpenReport(setup.form, setup.jobName, setup.locale); }, result);
  return result;
}

RunCommandResult RunJobToText(Job& job, MessageSink& messages, const RunCommandSetup& setup,
                              std::string& report) {
  RunCommandResult result;
  report.clear();
  if (!PassesPreRunChecks(job, messages, setup.locale)) {
    result.outcome = RunOutcome::Refused;
    return result;
  }
  RunChecked(
      job, messages, setup,
      [&] { return std::make_unique<TextReportWriter>(report, setup.locale); }, result);
  return result;
}

}  // namespace ventora
