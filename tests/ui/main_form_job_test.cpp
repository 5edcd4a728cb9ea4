// Open/New, Save, Save As, the output format box and Output, driven through
// the buttons with scripted file dialogs and recorded boxes.
#include <QTest>
#include <filesystem>

#include "core/job_file.h"
#include "main_form_fixture.h"
#include "ui/app/current_directory.h"

namespace ventora::testing {
namespace {

namespace fs = std::filesystem;

const Message kAskSave{"Warning", "Data are changed! Save?", MsgIcon::None,
                       MsgButtons::YesNoCancel};

void ExpectBox(const Message& shown, const std::string& title, const std::string& text) {
  EXPECT_EQ(shown.title, title);
  EXPECT_EQ(shown.text, text);
}

TEST_F(MainFormTest, OpeningAnExistingJobLoadsItAndEnablesItsCommands) {
  MakeForm();
  const std::string path = WriteJob("tower", SmallJob());
  fs::create_directory(scratch.path() / "elsewhere");
  fs::current_path(scratch.path() / "elsewhere");

  OpenThroughDialog(path);

  EXPECT_EQ(form->Document().JobName, scratch / "tower");
  EXPECT_EQ(form->Document().job, SmallJob());
  EXPECT_FALSE(form->Document().DataChanged);
  EXPECT_EQ(JobNameLab()->text().toStdString(), scratch / "tower");
  EXPECT_EQ(form->windowTitle().toStdString(), "tower - Ventora+ - Wind Pressure on Buildings");
  EXPECT_TRUE(Button("EditBtn")->isEnabled());
  EXPECT_TRUE(Button("SaveAsBtn")->isEnabled());
  EXPECT_TRUE(Button("RunBtn")->isEnabled());
  EXPECT_FALSE(Button("SaveBtn")->isEnabled());
  EXPECT_FALSE(Button("VResBtn")->isEnabled());   // no results yet
  EXPECT_EQ(fs::current_path(), scratch.path());  // the job's folder became current
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainFormTest, ANameWithoutFileStartsANewEmptyJob) {
  MakeForm();
  OpenThroughDialog(WriteJob("old", SmallJob()));
  OpenThroughDialog(scratch / "fresh.in");

  EXPECT_EQ(form->Document().JobName, scratch / "fresh");
  EXPECT_EQ(form->Document().job, Job{});
  EXPECT_TRUE(Button("EditBtn")->isEnabled());
  // Save As and Run keep the state the previous job gave them.
  EXPECT_TRUE(Button("SaveAsBtn")->isEnabled());
  EXPECT_TRUE(Button("RunBtn")->isEnabled());
  EXPECT_FALSE(fs::exists(scratch / "fresh.in"));  // nothing is written until saved
}

TEST_F(MainFormTest, ANewJobInAFreshWindowEnablesOnlyEditing) {
  MakeForm();
  OpenThroughDialog(scratch / "fresh");
  EXPECT_TRUE(Button("EditBtn")->isEnabled());
  EXPECT_FALSE(Button("SaveAsBtn")->isEnabled());
  EXPECT_FALSE(Button("RunBtn")->isEnabled());
  EXPECT_FALSE(Button("SaveBtn")->isEnabled());
}

TEST_F(MainFormTest, CancellingTheOpenDialogChangesNothing) {
  MakeForm();
  Click("JobBtn");
  EXPECT_EQ(dialogs.openCalls, 1);
  EXPECT_TRUE(form->Document().JobName.empty());
  EXPECT_FALSE(Button("EditBtn")->isEnabled());
}

TEST_F(MainFormTest, AMalformedFileIsRefusedAndTheOpenJobStays) {
  MakeForm();
  OpenThroughDialog(WriteJob("good", SmallJob()));
  WriteBytes(scratch.path() / "bad.in", " 0 45 20 15 30 20 10 .25 0 0\r\n 9 \r\n 0 \r\n");

  OpenThroughDialog(scratch / "bad.in");

  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Error");
  EXPECT_NE(messages.shown[0].text.find("bad.in"), std::string::npos) << messages.shown[0].text;
  EXPECT_EQ(form->Document().JobName, scratch / "good");
  EXPECT_EQ(form->Document().job, SmallJob());
  EXPECT_EQ(JobNameLab()->text().toStdString(), scratch / "good");
  EXPECT_TRUE(Button("RunBtn")->isEnabled());
}

TEST_F(MainFormTest, AnUnreadableJobFileIsRefusedAndTheOpenJobStays) {
  MakeForm();
  OpenThroughDialog(WriteJob("good", SmallJob()));
  fs::create_directory(scratch.path() / "folder.in");  // exists, but is no file

  OpenThroughDialog(scratch / "folder.in");

  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Error");
  EXPECT_EQ(form->Document().JobName, scratch / "good");
  EXPECT_EQ(form->Document().job, SmallJob());
}

// Opening another job while the open one has unsaved changes.
class AskSaveChangesTest : public MainFormTest {
 protected:
  void SetUp() override {
    MakeForm();
    OpenThroughDialog(WriteJob("first", SmallJob()));
    form->Document().job.AzB = 90;
    form->Document().DataChanged = true;
    dialogs.openAnswers.push_back(WriteJob("second", Job{}));
  }
  Job FirstOnDisk() { return ReadJobFile(scratch / "first.in", numbers); }
};

TEST_F(AskSaveChangesTest, YesSavesAndGoesOn) {
  messages.answers = {MsgAnswer::Yes};
  Click("JobBtn");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, kAskSave.title);
  EXPECT_EQ(messages.shown[0].text, kAskSave.text);
  EXPECT_EQ(messages.shown[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(FirstOnDisk().AzB, 90);
  EXPECT_EQ(form->Document().JobName, scratch / "second");
}

TEST_F(AskSaveChangesTest, NoDropsTheChangesAndGoesOn) {
  messages.answers = {MsgAnswer::No};
  Click("JobBtn");
  EXPECT_EQ(FirstOnDisk().AzB, 0);
  EXPECT_EQ(form->Document().JobName, scratch / "second");
  EXPECT_FALSE(form->Document().DataChanged);
}

TEST_F(AskSaveChangesTest, CancelKeepsTheChangedJobOpen) {
  messages.answers = {MsgAnswer::Cancel};
  Click("JobBtn");
  EXPECT_EQ(dialogs.openCalls, 1);  // only the first opening asked for a file
  EXPECT_EQ(form->Document().JobName, scratch / "first");
  EXPECT_EQ(form->Document().job.AzB, 90);
  EXPECT_TRUE(form->Document().DataChanged);
}

TEST_F(AskSaveChangesTest, AFailingSaveStopsAndKeepsTheChanges) {
  form->Document().JobName = (scratch.path() / "gone" / "first").string();  // folder missing
  messages.answers = {MsgAnswer::Yes};
  Click("JobBtn");
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].title, "Error");
  EXPECT_EQ(messages.shown[1].icon, MsgIcon::Critical);
  EXPECT_EQ(dialogs.openCalls, 1);
  EXPECT_EQ(form->Document().job.AzB, 90);
  EXPECT_TRUE(form->Document().DataChanged);
}

TEST_F(MainFormTest, SaveWritesTheJobAndDisablesOutput) {
  MakeForm();
  OpenThroughDialog(WriteJob("tower", SmallJob()));
  WriteBytes(scratch.path() / "tower.out.txt", "old report");
  form->OutExcel_Click();
  ASSERT_TRUE(Button("VResBtn")->isEnabled());
  form->Document().job.PAD = 30;
  form->Document().DataChanged = true;
  Button("SaveBtn")->setEnabled(true);  // as the editing chooser leaves it

  Click("SaveBtn");

  EXPECT_EQ(ReadJobFile(scratch / "tower.in", numbers).PAD, 30);
  EXPECT_FALSE(form->Document().DataChanged);
  EXPECT_FALSE(Button("VResBtn")->isEnabled());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainFormTest, AFailingSaveIsReportedAndKeepsDataChanged) {
  MakeForm();
  OpenThroughDialog(scratch / "fresh");
  form->Document().JobName = (scratch.path() / "missing" / "fresh").string();
  form->Document().DataChanged = true;
  Button("SaveBtn")->setEnabled(true);

  Click("SaveBtn");

  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Error");
  EXPECT_TRUE(form->Document().DataChanged);
  EXPECT_FALSE(Button("RunBtn")->isEnabled());
}

TEST_F(MainFormTest, SaveAsKeepsALongExtensionAndAddsIn) {
  MakeForm();
  OpenThroughDialog(WriteJob("tower", SmallJob()));
  dialogs.saveAnswers.push_back(scratch / "copy.data");

  Click("SaveAsBtn");

  EXPECT_EQ(form->Document().JobName, scratch / "copy.data");
  EXPECT_EQ(ReadJobFile(scratch / "copy.data.in", numbers), SmallJob());
  EXPECT_EQ(form->windowTitle().toStdString(), "copy.data - Ventora+ - Wind Pressure on Buildings");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainFormTest, SaveAsAsksBeforeReplacingTheFileItWrites) {
  MakeForm();
  OpenThroughDialog(WriteJob("tower", SmallJob()));
  WriteJob("other", Job{});
  dialogs.saveAnswers = {scratch / "other", scratch / "other.in"};
  messages.answers = {MsgAnswer::No, MsgAnswer::Yes};

  Click("SaveAsBtn");  // "other" is saved as other.in, which exists: declined
  EXPECT_EQ(form->Document().JobName, scratch / "tower");
  EXPECT_EQ(ReadJobFile(scratch / "other.in", numbers), Job{});

  Click("SaveAsBtn");  // accepted
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].title, "Confirm Save As");
  EXPECT_EQ(messages.shown[1].text,
            (scratch / "other.in") + " already exists.\nDo you want to replace it?");
  EXPECT_EQ(messages.shown[1].buttons, MsgButtons::YesNo);
  EXPECT_EQ(form->Document().JobName, scratch / "other");
  EXPECT_EQ(ReadJobFile(scratch / "other.in", numbers), SmallJob());
}

TEST_F(MainFormTest, AFailingSaveAsIsReportedAndTheJobKeepsItsName) {
  MakeForm();
  OpenThroughDialog(WriteJob("tower", SmallJob()));
  form->Document().DataChanged = true;
  dialogs.saveAnswers.push_back((scratch.path() / "missing" / "copy.in").string());

  Click("SaveAsBtn");

  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Error");
  EXPECT_EQ(form->Document().JobName, scratch / "tower");
  EXPECT_EQ(JobNameLab()->text().toStdString(), scratch / "tower");
  EXPECT_TRUE(form->Document().DataChanged);
}

TEST_F(MainFormTest, CancellingSaveAsWritesNothing) {
  MakeForm();
  OpenThroughDialog(WriteJob("tower", SmallJob()));
  form->Document().DataChanged = true;
  Click("SaveAsBtn");
  EXPECT_EQ(dialogs.saveCalls, 1);
  EXPECT_TRUE(form->Document().DataChanged);
}

TEST_F(MainFormTest, OutputFollowsTheResultFileOfTheChosenFormat) {
  MakeForm();
  const std::string path = WriteJob("tower", SmallJob());
  WriteBytes(scratch.path() / "tower.out.xls", "workbook");
  OpenThroughDialog(path);
  EXPECT_FALSE(Button("VResBtn")->isEnabled());  // text output chosen, no text report

  ToggleOutExcel();
  EXPECT_TRUE(Button("VResBtn")->isEnabled());
  Click("VResBtn");
  ASSERT_EQ(opener.opened.size(), 1u);
  EXPECT_EQ(opener.opened[0], scratch / "tower.out.xls");

  ToggleOutExcel();
  EXPECT_FALSE(Button("VResBtn")->isEnabled());
}

TEST_F(MainFormTest, OutputThatTheDesktopRefusesSaysSoWithANumber) {
  MakeForm();
  const std::string path = WriteJob("tower", SmallJob());
  WriteBytes(scratch.path() / "tower.out.txt", "report");
  OpenThroughDialog(path);
  opener.succeed = false;

  Click("VResBtn");  // the file is there, but nothing opens it
  fs::remove(scratch.path() / "tower.out.txt");
  Click("VResBtn");  // the file went away meanwhile

  ASSERT_EQ(messages.shown.size(), 2u);
  ExpectBox(messages.shown[0], "VENTORA", "Error n. 31");
  ExpectBox(messages.shown[1], "VENTORA", "Error n. 2");
}

TEST_F(MainFormTest, EditingThatChangesTheJobEnablesSaveAndRun) {
  MakeForm();
  OpenThroughDialog(scratch / "fresh");
  int opened = 0;
  QObject::connect(form.get(), &CPMainForm::editRequested, [&] {
    ++opened;
    form->Document().job.BdX = 12;
    form->Document().DataChanged = true;
  });

  Click("EditBtn");

  EXPECT_EQ(opened, 1);
  EXPECT_TRUE(Button("SaveBtn")->isEnabled());
  EXPECT_TRUE(Button("RunBtn")->isEnabled());
}

TEST_F(MainFormTest, EditingWithoutChangeLeavesTheButtons) {
  MakeForm();
  OpenThroughDialog(scratch / "fresh");
  Click("EditBtn");
  EXPECT_FALSE(Button("SaveBtn")->isEnabled());
  EXPECT_FALSE(Button("RunBtn")->isEnabled());
}

}  // namespace
}  // namespace ventora::testing
