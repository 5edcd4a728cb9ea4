#include "output/run_command.h"

#include <gtest/gtest.h>

#include "engine/pre_run_checks.h"
#include "recording_messages.h"
#include "temp_folder.h"

namespace ventora {
namespace {

using testing::ReadBytes;
using testing::RecordingMessages;
using testing::TempFolder;

struct VerdictCase {
  RunVerdict verdict;
  RunOutcome outcome;
  std::string title;
  std::string text;  // empty: no box
};

TEST(TakeRunVerdict, EachVerdictSaysWhatItMeans) {
  const std::vector<VerdictCase> cases = {
      {RunVerdict::Completed, RunOutcome::Completed, "", ""},
      {RunVerdict::ValuesMissing, RunOutcome::ValuesMissing, "Warning",
       "Some Cp values were not calculated. See output file."},
      {RunVerdict::Stopped, RunOutcome::Stopped, "Error",
       "The calculation was not executed, same parameters are out of maximum range. "},
      {RunVerdict::Broken, RunOutcome::SystemError, "Error",
       "The calculation started but could not be completed due to system errors"},
  };
  for (const VerdictCase& c : cases) {
    RecordingMessages messages;
    EXPECT_EQ(TakeRunVerdict(c.verdict, messages), c.outcome) << static_cast<int>(c.verdict);
    if (c.text.empty()) {
      EXPECT_TRUE(messages.shown.empty());
    } else {
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0].title, c.title);
      EXPECT_EQ(messages.shown[0].text, c.text);
    }
  }
}

class RunJobCommandTest : public ::testing::Test {
 protected:
  RunCommandSetup Setup() const {
    RunCommandSetup setup;
    setup.jobName = (dir / "job").string();
    setup.now.tm_year = 126;
    setup.now.tm_mday = 6;
    return setup;
  }
  static Job IsolatedHouse() {
    Job job;
    job.AnWind = 30;
    job.VeEXP = 0.16f;
    job.PAD = 0;
    job.SbH = 4;  // taken as the building's own height
    job.Bdz = 6;
    job.BdX = 12;
    job.BdY = 8;
    job.ElmCount[1] = 1;
    job.ElmX[1][1] = 6;
    job.ElmZ[1][1] = 3;
    return job;
  }
  TempFolder dir;
  RecordingMessages messages;
};

TEST_F(RunJobCommandTest, CompletedRunWithTheChecksChangesApplied) {
  Job job = IsolatedHouse();
  std::ofstream(dir / "job.out.xls") << "old workbook";
  const RunCommandResult r = RunJobCommand(job, messages, Setup());
  EXPECT_EQ(r.outcome, RunOutcome::Completed);
  EXPECT_EQ(job.SbH, 6);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Warning");
  EXPECT_EQ(r.run.elements.size(), 1u);
  EXPECT_EQ(r.run.geometry.RbH, 1);
  EXPECT_FALSE(std::filesystem::exists(dir / "job.out.xls"));
  EXPECT_NE(ReadBytes(dir / "job.out.txt").find("January 06, 2026 - 0:00"), std::string::npos);
}

TEST_F(RunJobCommandTest, RefusedJobIsNotRunAndLosesItsOldReport) {
  Job job = IsolatedHouse();
  job.ElmX[1][1] = 13;  // outside the wall
  std::ofstream(dir / "job.out.txt") << "old report";
  const RunCommandResult r = RunJobCommand(job, messages, Setup());
  EXPECT_EQ(r.outcome, RunOutcome::Refused);
  EXPECT_EQ(messages.Texts().back(), kOutOfLimitsText);
  EXPECT_EQ(messages.shown.back().title, "Error");
  EXPECT_FALSE(std::filesystem::exists(dir / "job.out.txt"));
}

TEST_F(RunJobCommandTest, UnwritableReportIsOneMessageAndNoLeftovers) {
  Job job = IsolatedHouse();
  RunCommandSetup setup = Setup();
  setup.jobName = (dir / "missing-folder" / "job").string();
  const RunCommandResult r = RunJobCommand(job, messages, setup);
  EXPECT_EQ(r.outcome, RunOutcome::SystemError);
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_EQ(messages.shown.back().title, "Error");
  EXPECT_EQ(messages.shown.back().icon, MsgIcon::Critical);
  EXPECT_NE(messages.Texts().back().find("Cannot write the report file"), std::string::npos);
}

}  // namespace
}  // namespace ventora
