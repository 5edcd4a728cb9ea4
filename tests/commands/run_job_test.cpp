#include "commands/run_job.h"

#include <gtest/gtest.h>

#include <fstream>

#include "engine/pre_run_checks.h"
#include "job_builders.h"
#include "recording_messages.h"
#include "temp_folder.h"

namespace ventora {
namespace {

using testing::ReadBytes;
using testing::RecordingMessages;

TEST(TakeRunVerdict, EachVerdictHasItsOutcomeAndBox) {
  struct Row {
    RunVerdict verdict;
    RunOutcome outcome;
    std::string title;
    std::string text;  // empty: no box
  };
  const Row rows[] = {
      {RunVerdict::Completed, RunOutcome::Completed, "", ""},
      {RunVerdict::Stopped, RunOutcome::Stopped, "Error",
       "The calculation was not executed, same parameters are out of maximum range. "},
  };
  for (const Row& r : rows) {
    RecordingMessages messages;
    EXPECT_EQ(TakeRunVerdict(r.verdict, messages), r.outcome) << static_cast<int>(r.verdict);
    ASSERT_EQ(messages.shown.size(), r.text.empty() ? 0u : 1u);
    if (r.text.empty()) continue;
    EXPECT_EQ(messages.shown[0].title, r.title);
    EXPECT_EQ(messages.shown[0].text, r.text);
  }
}

class RunJobCommandTest : public ::testing::Test {
 protected:
  RunCommandResult Run(const std::string& name, ReportForm form = ReportForm::Text) {
    RunCommandSetup setup;
    setup.jobName = (dir / name).string();
    setup.form = form;
    setup.now.tm_year = 126;
    setup.now.tm_mday = 6;
    return RunJobCommand(job, messages, setup);
  }
  // No surroundings: the checks take SbH as the building's own height.
  void SetUp() override { job.PAD = 0, job.SbH = 4, testing::AddElement(job, 1, 6, 3); }
  Job job = testing::BlockJob(0, 30);
  testing::TempFolder dir;
  RecordingMessages messages;
};

TEST_F(RunJobCommandTest, CompletedRunWithTheChecksChangesApplied) {
  std::ofstream(dir / "job.out.xls") << "old workbook";
  EXPECT_EQ(Run("job").outcome, RunOutcome::Completed);
  EXPECT_EQ(job.SbH, 10);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Warning");
  EXPECT_FALSE(std::filesystem::exists(dir / "job.out.xls"));
  EXPECT_NE(ReadBytes(dir / "job.out.txt").find("January 06, 2026 - 0:00"), std::string::npos);
}

TEST_F(RunJobCommandTest, RefusedJobIsNotRunAndLosesItsOldReport) {
  job.ElmX[1][1] = 21;  // outside the wall
  std::ofstream(dir / "job.out.txt") << "old report";
  EXPECT_EQ(Run("job").outcome, RunOutcome::Refused);
  EXPECT_EQ(messages.shown.back().text, kOutOfLimitsText);
  EXPECT_EQ(messages.shown.back().title, "Error");
  EXPECT_FALSE(std::filesystem::exists(dir / "job.out.txt"));
}

TEST_F(RunJobCommandTest, AReportThatCannotBeWrittenIsOneErrorBox) {
  const std::string folder = (dir / "gone").string();
  std::vector<std::string> errors;
  for (ReportForm form : {ReportForm::Text, ReportForm::Workbook}) {
    EXPECT_EQ(Run("gone/job", form).outcome, RunOutcome::SystemError);
    EXPECT_EQ(messages.shown.back().title, "Error");
    EXPECT_EQ(messages.shown.back().icon, MsgIcon::Critical);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    errors.push_back(messages.shown.back().text);
  }
  // The fixed text, then the file, its folder and the system's reason.
  const std::string cause = "\" in the folder \"" + folder + "\": No such file or directory";
  EXPECT_EQ(errors[0], "Cannot write the report file \"job.out.txt" + cause);
  EXPECT_EQ(errors[1], "Cannot write the workbook \"job.out.xls" + cause);
}

// Without files the run says the same and its report is the file's text,
// and it touches no file: neither the old results nor a new report.
TEST_F(RunJobCommandTest, RunToTextIsTheFilesRunInMemory) {
  Job refused = job;
  refused.ElmX[1][1] = 21;  // outside the wall
  for (const Job& start : {job, refused}) {
    job = start;
    Run("job");
    const std::vector<Message> fileRun = messages.shown;
    const std::string written =
        std::filesystem::exists(dir / "job.out.txt") ? ReadBytes(dir / "job.out.txt") : "";
    std::ofstream(dir / "job.out.txt") << "old report";
    messages.shown.clear();
    job = start;
    RunCommandSetup setup;
    setup.jobName = (dir / "job").string();
    setup.form = ReportForm::Workbook;  // a face without files has text alone
    setup.now.tm_year = 126;
    setup.now.tm_mday = 6;
    std::string report = "last run's";
    const RunCommandResult result = RunJobToText(job, messages, setup, report);
    EXPECT_EQ(result.outcome, written.empty() ? RunOutcome::Refused : RunOutcome::Completed);
    EXPECT_EQ(report, written);
    ASSERT_EQ(messages.shown.size(), fileRun.size());
    for (std::size_t i = 0; i < fileRun.size(); ++i)
      EXPECT_EQ(MessageText(messages.shown[i]), MessageText(fileRun[i]));
    EXPECT_EQ(ReadBytes(dir / "job.out.txt"), "old report");
    messages.shown.clear();
  }
}

}  // namespace
}  // namespace ventora
