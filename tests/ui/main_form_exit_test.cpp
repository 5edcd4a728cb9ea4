// Leaving the program: Exit and closing the window ask about unsaved
// changes and remember the current directory as "lastdir".
#include <filesystem>

#include "core/job_file.h"
#include "core/settings_file.h"
#include "main_form_fixture.h"

namespace ventora::testing {
namespace {

namespace fs = std::filesystem;

TEST_F(MainFormTest, LeavingSavesDropsOrKeepsTheChangesAsAnswered) {
  struct Row {
    bool changed;
    std::optional<MsgAnswer> answer;
    bool saveFails;
    bool byClose;
    bool ends;
    float onDisk;
  };
  const Row rows[] = {
      {false, std::nullopt, false, false, true, 0},
      {false, std::nullopt, false, true, true, 0},
      {true, MsgAnswer::Cancel, false, false, false, 0},
      {true, MsgAnswer::No, false, true, true, 0},
      {true, MsgAnswer::Yes, false, false, true, 45},
      {true, MsgAnswer::Yes, true, false, false, 0},
  };
  fs::create_directory(scratch.path() / "jobs");
  const std::string ini = scratch / "ventora.ini";
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    fs::remove(ini);
    MakeForm();
    messages.shown.clear();
    programEnded = 0;
    OpenThroughDialog(WriteJob("jobs/tower", SmallJob()));
    if (row.changed) {
      form->Document().job.AzB = 45;
      form->Document().DataChanged = true;
    }
    if (row.saveFails) form->Document().JobName = (scratch.path() / "removed" / "tower").string();
    if (row.answer) messages.answers = {*row.answer};
    if (row.byClose) {
      form->close();
    } else {
      Click("ExitBtn");
    }
    ASSERT_EQ(messages.shown.size(), row.changed + row.saveFails);
    if (row.changed) {
      EXPECT_EQ(messages.shown[0].text, "Data are changed! Save?");
    }
    EXPECT_EQ(programEnded, row.ends ? 1 : 0);
    EXPECT_EQ(form->isVisible(), !row.ends);
    EXPECT_EQ(GetIniValue(ini, "general", "lastdir"),
              row.ends ? (scratch.path() / "jobs").string() : "");
    EXPECT_EQ(ReadJobFile(scratch / "jobs/tower.in", numbers).AzB, row.onDisk);
    if (!row.ends) {
      EXPECT_TRUE(form->Document().DataChanged);
    }
  }
}

}  // namespace
}  // namespace ventora::testing
