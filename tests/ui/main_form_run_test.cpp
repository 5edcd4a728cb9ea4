// Run from the main window: the real run command on small jobs, and a
// stand-in command for the outcomes a healthy run cannot produce.
#include <QTest>
#include <filesystem>

#include "main_form_fixture.h"
#include "ui/main_window/working_window.h"

namespace ventora::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> ErrorTexts(const RecordingMessages& messages) {
  std::vector<std::string> texts;
  for (const Message& m : messages.shown)
    if (m.title == "Error") texts.push_back(m.text);
  return texts;
}

TEST_F(MainFormTest, ARunWritesTheTextReportAndEnablesOutput) {
  MakeForm();
  OpenThroughDialog(WriteJob("tower", SmallJob()));

  Click("RunBtn");

  EXPECT_TRUE(ErrorTexts(messages).empty()) << ErrorTexts(messages).front();
  EXPECT_TRUE(fs::exists(scratch.path() / "tower.out.txt"));
  EXPECT_TRUE(Button("VResBtn")->isEnabled());
  EXPECT_FALSE(form->Busy());
  EXPECT_FALSE(form->findChild<Working*>("Working")->isVisible());

  Click("VResBtn");
  ASSERT_EQ(opener.opened.size(), 1u);
  EXPECT_EQ(opener.opened[0], scratch / "tower.out.txt");
}

TEST_F(MainFormTest, ARunWithWorkbookOutputWritesTheWorkbook) {
  MakeForm();
  OpenThroughDialog(WriteJob("tower", SmallJob()));
  ToggleOutExcel();

  Click("RunBtn");

  EXPECT_TRUE(ErrorTexts(messages).empty());
  EXPECT_TRUE(fs::exists(scratch.path() / "tower.out.xls"));
  EXPECT_FALSE(fs::exists(scratch.path() / "tower.out.txt"));
  EXPECT_TRUE(Button("VResBtn")->isEnabled());
  Click("VResBtn");
  ASSERT_EQ(opener.opened.size(), 1u);
  EXPECT_EQ(opener.opened[0], scratch / "tower.out.xls");
}

TEST_F(MainFormTest, ARunStoppedByTheModelsSaysSoAndLeavesOutputOff) {
  Job job = SmallJob();
  job.ElmCount[6] = 1;  // the floor has no model: the run stops there
  job.ElmX[6][1] = 10;
  job.ElmZ[6][1] = 5;
  MakeForm();
  OpenThroughDialog(WriteJob("tower", job));

  Click("RunBtn");

  ASSERT_EQ(ErrorTexts(messages).size(), 1u);
  EXPECT_EQ(ErrorTexts(messages)[0],
            "The calculation was not executed, same parameters are out of maximum range. ");
  EXPECT_FALSE(Button("VResBtn")->isEnabled());
}

TEST_F(MainFormTest, ARefusedJobIsNotRunAndItsOldResultsAreGone) {
  Job job = SmallJob();
  job.Bdz = 0;
  MakeForm();
  OpenThroughDialog(WriteJob("tower", job));
  WriteBytes(scratch.path() / "tower.out.txt", "stale report");
  form->OutExcel_Click();
  ASSERT_TRUE(Button("VResBtn")->isEnabled());

  Click("RunBtn");

  const std::vector<std::string> errors = ErrorTexts(messages);
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0], "The Building Dimensions cannot be set equal to Zero!");
  EXPECT_EQ(errors[1],
            "The Calculation can not be carried out because input data are out of limits. "
            "Please correct input data.");
  EXPECT_FALSE(fs::exists(scratch.path() / "tower.out.txt"));
  EXPECT_FALSE(Button("VResBtn")->isEnabled());
}

// The window's side of a run, with a stand-in for the run command.
class RunOutcomeTest : public MainFormTest {
 protected:
  void MakeFormRunning(RunOutcome outcome) {
    MakeForm([this, outcome](Job&, const std::string& jobName, bool excel, MessageSink&) {
      ++runs;
      seenJobName = jobName;
      seenExcel = excel;
      workingShown = form->findChild<Working*>("Working")->isVisible();
      busyDuringRun = form->Busy();
      form->RunBtn_Click();  // a second Run while one is under way
      return outcome;
    });
    OpenThroughDialog(WriteJob("tower", SmallJob()));
  }
  int runs = 0;
  std::string seenJobName;
  bool seenExcel = false;
  bool workingShown = false;
  bool busyDuringRun = false;
};

TEST_F(RunOutcomeTest, TheRunIsBusyBehindTheWorkingWindowAndCannotBeStartedTwice) {
  MakeFormRunning(RunOutcome::Completed);
  ToggleOutExcel();
  Click("RunBtn");
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(seenJobName, scratch / "tower");
  EXPECT_TRUE(seenExcel);
  EXPECT_TRUE(workingShown);
  EXPECT_TRUE(busyDuringRun);
  EXPECT_FALSE(form->Busy());
  EXPECT_FALSE(form->findChild<Working*>("Working")->isVisible());
}

TEST_F(RunOutcomeTest, MissingValuesStillEnableOutput) {
  MakeFormRunning(RunOutcome::ValuesMissing);
  Click("RunBtn");
  EXPECT_TRUE(Button("VResBtn")->isEnabled());
}

TEST_F(RunOutcomeTest, ASystemErrorLeavesOutputOff) {
  MakeFormRunning(RunOutcome::SystemError);
  Click("RunBtn");
  EXPECT_FALSE(Button("VResBtn")->isEnabled());
}

TEST_F(MainFormTest, AnUnexpectedFailureIsShownOnceAndTheWindowRecovers) {
  MakeForm([](Job&, const std::string&, bool, MessageSink&) -> RunOutcome {
    throw std::runtime_error("Cannot write the report: disk full");
  });
  OpenThroughDialog(WriteJob("tower", SmallJob()));

  Click("RunBtn");

  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Error");
  EXPECT_EQ(messages.shown[0].text, "Cannot write the report: disk full");
  EXPECT_FALSE(form->Busy());
  EXPECT_FALSE(form->findChild<Working*>("Working")->isVisible());
  EXPECT_TRUE(Button("RunBtn")->isEnabled());
}

}  // namespace
}  // namespace ventora::testing
