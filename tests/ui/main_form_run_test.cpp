// Run from the main window: the real run command on small jobs, and a
// stand-in command for the outcomes a healthy run cannot produce.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <filesystem>

#include "job_builders.h"
#include "main_form_fixture.h"
#include "ui/main_window/working.h"

namespace ventora::testing {
namespace {

namespace fs = std::filesystem;

TEST_F(MainFormTest, ARunWritesTheReportOfTheChosenFormatAndOutputOpensItOrSaysWhyNot) {
  MakeForm();
  OpenThroughDialog(WriteJob("tower", SmallJob()));
  ToggleOutExcel();
  Click("RunBtn");
  EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;
  EXPECT_FALSE(fs::exists(scratch / "tower.out.txt"));
  EXPECT_EQ(StatusText(), "Written: " + (scratch / "tower.out.xls"));
  Click("VResBtn");
  EXPECT_EQ(opener.opened, std::vector<std::string>{scratch / "tower.out.xls"});
  opener.succeed = false;
  Click("VResBtn");  // the file is there, but nothing opens it
  fs::remove(scratch / "tower.out.xls");
  Click("VResBtn");  // the file went away meanwhile
  const std::string path = "\n" + (scratch / "tower.out.xls") + "\n";
  for (const auto& [box, code] : {std::pair{0, "Error n. 31\n"}, std::pair{1, "Error n. 2\n"}})
    EXPECT_TRUE(messages.Texts().at(box).starts_with(code) &&
                messages.Texts().at(box).find(path) != std::string::npos);
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), scratch.path().string());
}

// The checks come before the old results go: a job they refuse leaves the
// last report, Output and the Cp map as they were, marked older than the
// job. A run that stops (an element on the floor, which has no model) says
// why and leaves Output off.
TEST_F(MainFormTest, ARefusedRunKeepsTheLastResultsMarkedStaleAndAStoppedOneSaysWhy) {
  const std::string outOfLimits =
      "The Calculation can not be carried out because input data are out of limits. Please "
      "correct input data.";
  const std::tuple<void (*)(Job&), std::vector<std::string>, bool> rows[] = {
      {[](Job& j) { j.Bdz = 0; },
       {"The Building Dimensions cannot be set equal to Zero!", outOfLimits},
       true},
      {[](Job& j) { j.Islope = 2, j.Phi = 80; },
       {"Roof tilt Phi 80 deg. is outside the accepted range 0 ≤ Phi < 50.", outOfLimits},
       true},
      {[](Job& j) { AddElement(j, 6, 10, 5); },
       {"The calculation was not executed, same parameters are out of maximum range. "},
       false},
  };
  for (const auto& [change, boxes, kept] : rows) {
    MakeForm();
    OpenThroughDialog(WriteJob("tower", SmallJob()));
    Click("RunBtn");
    const std::string report = ReadBytes(scratch.path() / "tower.out.txt");
    ASSERT_FALSE(report.empty());
    messages.shown.clear();
    change(form->Document().job);
    form->Document().DataChanged = true;
    form->EditBtn_Click();
    Click("RunBtn");
    EXPECT_EQ(messages.Texts(), boxes);
    EXPECT_EQ(Button("VResBtn")->isEnabled(), kept);
    if (!kept) continue;
    EXPECT_EQ(ReadBytes(scratch.path() / "tower.out.txt"), report);
    EXPECT_TRUE(Button("MapBtn")->isEnabled());
    EXPECT_TRUE(form->findChild<QLabel*>("StaleLab")->isVisible());
  }
}

TEST_F(MainFormTest, TheWindowIsBusyDuringARunAndFollowsItsOutcome) {
  // clang-format off
  const std::pair<RunOutcome, bool> rows[] = {
      {RunOutcome::Completed, true}, {RunOutcome::ValuesMissing, true}, {RunOutcome::SystemError, false}};
  // clang-format on
  for (const auto& [outcome, output] : rows) {
    int runs = 0;
    bool busy = false;
    MakeForm([&, outcome](Job&, const std::string& jobName, bool excel, MessageSink&) {
      ++runs;
      EXPECT_EQ(jobName + (excel ? ".xls" : ""), scratch / "tower.xls");
      busy = form->Busy() && form->findChild<Working*>("Working")->isVisible();
      form->RunBtn_Click();  // a second Run while one is under way
      return outcome;
    });
    OpenThroughDialog(WriteJob("tower", SmallJob()));
    ToggleOutExcel();
    Click("RunBtn");
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(busy);
    EXPECT_FALSE(form->Busy());
    EXPECT_EQ(Button("VResBtn")->isEnabled(), output) << static_cast<int>(outcome);
  }
}

// A result belongs to the job it came from: after a change the main window
// and the Cp map say the results are older than the job, until a Run; a
// Save changes no result and leaves Output as it was.
TEST_F(MainFormTest, ResultsOlderThanTheJobAreMarkedUntilTheNextRun) {
  MakeForm();
  OpenThroughDialog(WriteJob("tower", SmallJob()));
  Click("RunBtn");
  Click("MapBtn");
  auto* map = form->findChild<QWidget*>("CpMap");
  const auto stale = [&] {  // the main window's label; the map's own banner and title
    const bool banner = map->findChild<QLabel*>("StaleLab")->isVisible();
    EXPECT_EQ(banner, map->windowTitle().contains("before the last change"));
    return std::pair(form->findChild<QLabel*>("StaleLab")->isVisible(), banner);
  };
  EXPECT_EQ(stale(), std::pair(false, false));
  form->Document().job.AnWind += 30;  // as an OK in an editing dialog leaves it
  form->Document().DataChanged = true;
  form->EditBtn_Click();
  EXPECT_EQ(stale(), std::pair(true, true));
  Click("SaveBtn");
  EXPECT_TRUE(Button("VResBtn")->isEnabled() && stale().first);
  Click("RunBtn");
  EXPECT_EQ(stale(), std::pair(false, false));
}

}  // namespace
}  // namespace ventora::testing
