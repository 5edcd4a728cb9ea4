// A job built from nothing through the editing windows, saved, read back and
// run, gives the same report as the same job written by hand.
#include <QRadioButton>
#include <QTableWidget>
#include <filesystem>

#include "core/job_file.h"
#include "editing_fixture.h"
#include "output/run_command.h"
#include "temp_folder.h"
#include "ui/editing/facade_editor.h"

namespace ventora::ui::testing {
namespace {

namespace fs = std::filesystem;

using ventora::testing::ReadBytes;
using ventora::testing::TempFolder;

class JobBuiltInDialogsTest : public EditingTest {
 protected:
  JobBuiltInDialogsTest() {
    fs::create_directories(root / "built");
    fs::create_directories(root / "hand");
  }

  static void Activate(QWidget* w) {
    w->activateWindow();
    QApplication::setActiveWindow(w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  }

  // Types the environment field by field, leaving each for the next.
  void TypeEnvironment(QDialog* env) {
    Activate(env);
    const std::pair<const char*, const char*> values[] = {
        {"fAzB", "0"},  {"fAnWind", "30"}, {"fPAD", "0"},     {"fSBH", "6"},  {"fBdZ", "6"},
        {"fBdX", "12"}, {"fBdY", "8"},     {"fVeEXP", ".16"}, {"fPhi", "30"},
    };
    for (const auto& [name, text] : values) {
      auto* field = Find<QLineEdit>(env, name);
      FocusTo(field);
      field->setText(text);
    }
    auto* twoSlopes = Find<QRadioButton>(env, "fslope3");
    FocusTo(twoSlopes);
    twoSlopes->setChecked(true);
    FocusTo(Find<QLineEdit>(env, "fAzB"));
    Click(env, "OK");
  }

  // Opens facade `button`, lets `edit` work in the editor, then OK.
  void EditFacade(const char* button, std::function<void(FacadeEditor*)> edit) {
    OnNextModal([=](QDialog* d) {
      auto* editor = qobject_cast<FacadeEditor*>(d);
      ASSERT_NE(editor, nullptr);
      Activate(editor);
      editor->Grid()->setFocus(Qt::OtherFocusReason);
      edit(editor);
      Click(editor, "EFacadeOK");
    });
    Click(chooser.get(), button);
  }

  static void Mesh(FacadeEditor* editor, const char* button,
                   std::vector<std::pair<const char*, const char*>> boxes) {
    OnNextModal([=](QDialog* d) {
      for (const auto& [name, text] : boxes)
        Find<QLineEdit>(d, name)->setText(text);
      Click(d, "bOK");
    });
    Click(editor, button);
  }

  RunCommandSetup Setup(const fs::path& folder) const {
    RunCommandSetup setup;
    setup.jobName = (folder / "house").string();
    setup.locale = kPointDecimal;
    setup.now.tm_year = 126;
    setup.now.tm_mon = 11;
    setup.now.tm_mday = 6;
    setup.now.tm_hour = 9;
    return setup;
  }

  TempFolder root;
};

TEST_F(JobBuiltInDialogsTest, SavedReadBackAndRunAsTheHandWrittenJob) {
  QWidget main;
  main.show();
  chooser->PlaceBelow(main);
  chooser->show();

  OnNextModal([this](QDialog* env) { TypeEnvironment(env); });
  Click(chooser.get(), "envBtn");

  EditFacade("EFacadeBtn", [](FacadeEditor* e) {
    QTest::keyClicks(e->Grid(), "2\r1.5\r6\r3\r10\r4.5\r");
    e->SetCurrentCell(1, 1);
    e->Grid()->setRangeSelected(QTableWidgetSelectionRange(0, 0, 2, 1), true);
    QTest::keyClick(e->Grid(), Qt::Key_C, Qt::ControlModifier);
  });
  EditFacade("Facade2Btn", [](FacadeEditor* e) {
    Mesh(e, "bAutomesh", {{"HorNo", "2"}, {"VerNo", "2"}});
  });
  EditFacade("Facade3Btn",
             [](FacadeEditor* e) { QTest::keyClick(e->Grid(), Qt::Key_V, Qt::ControlModifier); });
  EditFacade("Facade4Btn", [](FacadeEditor* e) {
    Mesh(e, "bumesh", {{"stxvalue", "1"}, {"stzvalue", "1"}, {"stdeltax", "3"}, {"stdeltaz", "2"}});
  });
  EditFacade("Facade5Btn", [](FacadeEditor* e) {
    Mesh(e, "bAutomesh", {{"HorNo", "3"}, {"VerNo", "2"}});
  });
  bool saveAndRun = false;
  QObject::connect(chooser.get(), &EditChooser::closedAfterChange, [&] { saveAndRun = true; });
  Click(chooser.get(), "eCloseBtn");
  EXPECT_TRUE(saveAndRun);
  EXPECT_TRUE(messages.shown.empty()) << LastText();

  const char* data = std::getenv("VENTORA_TEST_DATA");
  ASSERT_NE(data, nullptr) << "VENTORA_TEST_DATA names the test data folder";
  const fs::path handFile = fs::path(data) / "editing/hand-written.in";
  fs::copy_file(handFile, root / "hand/house.in");
  WriteJobFile(doc.job, (root / "built/house").string());
  EXPECT_EQ(ReadBytes(root / "built/house.in"), ReadBytes(handFile));

  Job built = ReadJobFile((root / "built/house.in").string(), numbers);
  Job hand = ReadJobFile((root / "hand/house.in").string(), numbers);
  EXPECT_EQ(built, hand);

  ventora::testing::RecordingMessages runMessages;
  EXPECT_EQ(RunJobCommand(built, runMessages, Setup(root / "built")).outcome,
            RunOutcome::Completed);
  EXPECT_EQ(RunJobCommand(hand, runMessages, Setup(root / "hand")).outcome, RunOutcome::Completed);
  // The title line names each job's own path; everything after it is the same.
  const auto body = [](const std::string& report) { return report.substr(report.find("\r\n")); };
  const std::string builtReport = ReadBytes(root / "built/house.out.txt");
  const std::string handReport = ReadBytes(root / "hand/house.out.txt");
  EXPECT_NE(builtReport.find("  Roof Type:                       double slope"), std::string::npos);
  EXPECT_NE(builtReport.find("    5        25      10.00      6.00"), std::string::npos);
  EXPECT_EQ(body(builtReport), body(handReport));
}

}  // namespace
}  // namespace ventora::ui::testing
