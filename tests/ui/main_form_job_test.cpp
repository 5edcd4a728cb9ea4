// Open/New, Save As and leaving the program through the buttons, with scripted file
// dialogs and recorded boxes: what keeps or loses the user's job.
#include <filesystem>

#include "core/job_file.h"
#include "core/settings_file.h"
#include "main_form_fixture.h"

namespace ventora::testing {
namespace {

namespace fs = std::filesystem;

TEST_F(MainFormTest, OpeningAJobLoadsItAndABadFileLeavesItOpen) {
  MakeForm();
  OpenThroughDialog(WriteJob("good", SmallJob()));
  EXPECT_EQ(form->Document().job, SmallJob());
  EXPECT_TRUE(Button("RunBtn")->isEnabled());
  WriteBytes(scratch.path() / "bad.in", " 0 45 20 15 30 20 10 .25 0 0\r\n 9 \r\n 0 \r\n");
  OpenThroughDialog(scratch / "bad.in");
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(form->Document().JobName, scratch / "good");
  EXPECT_EQ(form->Document().job, SmallJob());
  OpenThroughDialog(scratch / "fresh.in");  // no such file: a new empty job
  EXPECT_EQ(form->Document().JobName, scratch / "fresh");
  EXPECT_EQ(form->Document().job, Job{});
  EXPECT_FALSE(fs::exists(scratch / "fresh.in"));
}

// Opening another job or leaving with unsaved changes: the question's answer
// saves them, drops them or keeps the job open; a failing save keeps them.
TEST_F(MainFormTest, UnsavedChangesAreSavedDroppedOrKeptAsAnswered) {
  enum Action { kOpen, kExit, kClose };
  // clang-format off
  struct Row { Action action; MsgAnswer answer; bool saveFails; bool goesOn; float onDisk; };
  // clang-format on
  const Row rows[] = {
      {kOpen, MsgAnswer::Yes, false, true, 90},    {kOpen, MsgAnswer::No, false, true, 0},
      {kOpen, MsgAnswer::Cancel, false, false, 0}, {kOpen, MsgAnswer::Yes, true, false, 0},
      {kExit, MsgAnswer::Yes, false, true, 90},    {kClose, MsgAnswer::No, false, true, 0},
      {kExit, MsgAnswer::Cancel, false, false, 0}, {kClose, MsgAnswer::Yes, true, false, 0},
  };
  fs::create_directory(scratch.path() / "jobs");
  const std::string ini = scratch / "ventora.ini";
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    fs::remove(ini);
    MakeForm();
    messages.shown.clear();
    dialogs.openAnswers.clear();
    programEnded = 0;
    OpenThroughDialog(WriteJob("jobs/first", SmallJob()));
    form->Document().job.AzB = 90;
    form->Document().DataChanged = true;
    if (row.saveFails) form->Document().JobName = (scratch.path() / "gone" / "first").string();
    dialogs.openAnswers = {WriteJob("second", Job{})};
    messages.answers = {row.answer};
    if (row.action == kOpen) Click("JobBtn");
    if (row.action == kExit) Click("ExitBtn");
    if (row.action == kClose) form->close();
    ASSERT_EQ(messages.shown.size(), row.saveFails ? 2u : 1u);
    EXPECT_EQ(messages.shown[0].text, "Data are changed! Save?");
    EXPECT_EQ(ReadJobFile(scratch / "jobs/first.in", numbers).AzB, row.onDisk);
    const bool opened = row.action == kOpen && row.goesOn;
    EXPECT_EQ(fs::path(form->Document().JobName).filename(), opened ? "second" : "first");
    EXPECT_EQ(form->Document().job.AzB, opened ? 0 : 90);
    if (!row.goesOn) {
      EXPECT_TRUE(form->Document().DataChanged);
    }
    EXPECT_EQ(programEnded, row.action != kOpen && row.goesOn ? 1 : 0);
    EXPECT_EQ(GetIniValue(ini, "general", "lastdir"),  // remembered only on leaving
              programEnded == 1 ? (scratch.path() / "jobs").string() : "");
  }
}

TEST_F(MainFormTest, SaveAsAsksBeforeReplacingAndKeepsTheNameOnFailure) {
  MakeForm();
  OpenThroughDialog(WriteJob("tower", SmallJob()));
  WriteJob("other", Job{});
  form->Document().DataChanged = true;
  dialogs.saveAnswers = {std::nullopt, (scratch.path() / "missing" / "x.in").string(),
                         scratch / "other", scratch / "other.in"};
  messages.answers = {MsgAnswer::Ok, MsgAnswer::No, MsgAnswer::Yes};

  Click("SaveAsBtn");  // cancelled
  Click("SaveAsBtn");  // folder missing: an error box
  Click("SaveAsBtn");  // "other" is saved as other.in, which exists: declined
  EXPECT_EQ(form->Document().JobName, scratch / "tower");
  EXPECT_TRUE(form->Document().DataChanged);
  EXPECT_EQ(ReadJobFile(scratch / "other.in", numbers), Job{});

  Click("SaveAsBtn");  // accepted
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[2].text,
            (scratch / "other.in") + " already exists.\nDo you want to replace it?");
  EXPECT_EQ(form->Document().JobName, scratch / "other");
  EXPECT_EQ(ReadJobFile(scratch / "other.in", numbers), SmallJob());
  EXPECT_TRUE(dialogs.saveAnswers.empty());
}

// A header line that is not ten numbers: the job opens with a warning naming
// the file, the line and the values shown as 0; Save asks once before it
// writes over that file.
TEST_F(MainFormTest, ADamagedHeaderIsToldAndSaveAsksOnceBeforeWritingOverIt) {
  MakeForm();
  const std::string damaged = " 0 45 2O 15 30 20 10 .25 0 0\r\n 1 \r\n 0 \r\n";
  WriteBytes(scratch.path() / "odd.in", damaged);
  OpenThroughDialog(scratch / "odd.in");
  const std::string warning = messages.Texts().at(0);
  EXPECT_EQ(warning.find((scratch / "odd.in") + ", line 1:"), 0u) << warning;
  EXPECT_NE(warning.find("shown as 0: PAD, SbH, Bdz, BdX, BdY, VeEXP, Islope, Phi."), warning.npos);
  EXPECT_TRUE(form->Document().job.AnWind == 45 && form->Document().job.BdX == 0);
  form->Document().job.BdX = 12;
  form->Document().DataChanged = true;
  messages.answers = {MsgAnswer::No};
  form->SaveBtn_Click();
  EXPECT_TRUE(ReadBytes(scratch.path() / "odd.in") == damaged && form->Document().DataChanged);
  EXPECT_EQ(StatusText(), "");
  form->SaveBtn_Click();  // declined before: asked again, Yes this time
  EXPECT_EQ(ReadJobFile(scratch / "odd.in", numbers).BdX, 12);
  EXPECT_EQ(StatusText(), "Written: " + (scratch / "odd.in"));
  form->SaveBtn_Click();  // confirmed once: no more questions
  EXPECT_EQ(messages.Texts(), std::vector({warning, messages.Texts()[1], messages.Texts()[1]}));
}

}  // namespace
}  // namespace ventora::testing
