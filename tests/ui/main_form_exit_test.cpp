// Leaving the program: Exit and closing the window ask about unsaved
// changes and remember the current directory as "lastdir".
#include <filesystem>

#include "core/job_file.h"
#include "core/settings_file.h"
#include "main_form_fixture.h"

namespace ventora::testing {
namespace {

namespace fs = std::filesystem;

class ExitTest : public MainFormTest {
 protected:
  void SetUp() override {
    MakeForm();
    fs::create_directory(scratch.path() / "jobs");
    OpenThroughDialog(WriteJob("jobs/tower", SmallJob()));
  }
  std::string LastDir() const { return GetIniValue(scratch / "ventora.ini", "general", "lastdir"); }
  void ChangeJob() {
    form->Document().job.AzB = 45;
    form->Document().DataChanged = true;
  }
};

TEST_F(ExitTest, ExitRemembersTheJobFolderAndEndsTheProgram) {
  Click("ExitBtn");
  EXPECT_EQ(LastDir(), (scratch.path() / "jobs").string());
  EXPECT_EQ(programEnded, 1);
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ExitTest, ClosingTheWindowDoesTheSame) {
  form->close();
  EXPECT_EQ(LastDir(), (scratch.path() / "jobs").string());
  EXPECT_EQ(programEnded, 1);
}

TEST_F(ExitTest, CancelKeepsTheProgramRunning) {
  ChangeJob();
  messages.answers = {MsgAnswer::Cancel};
  Click("ExitBtn");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Data are changed! Save?");
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(programEnded, 0);
  EXPECT_EQ(LastDir(), "");
  EXPECT_TRUE(form->Document().DataChanged);
}

TEST_F(ExitTest, NoLeavesWithoutSaving) {
  ChangeJob();
  messages.answers = {MsgAnswer::No};
  form->close();
  EXPECT_EQ(programEnded, 1);
  EXPECT_EQ(ReadJobFile(scratch / "jobs/tower.in", numbers).AzB, 0);
}

TEST_F(ExitTest, YesSavesThenLeaves) {
  ChangeJob();
  messages.answers = {MsgAnswer::Yes};
  Click("ExitBtn");
  EXPECT_EQ(programEnded, 1);
  EXPECT_EQ(ReadJobFile(scratch / "jobs/tower.in", numbers).AzB, 45);
}

TEST_F(ExitTest, AFailingSaveKeepsTheProgramAndTheChanges) {
  ChangeJob();
  form->Document().JobName = (scratch.path() / "removed" / "tower").string();
  messages.answers = {MsgAnswer::Yes};
  Click("ExitBtn");
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].title, "Error");
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(programEnded, 0);
  EXPECT_TRUE(form->Document().DataChanged);
}

}  // namespace
}  // namespace ventora::testing
