// A job built from nothing through the editing windows, saved and read back,
// is the hand-written job to the byte, and runs to completion.
#include <QRadioButton>
#include <QTableWidget>

#include "commands/run_job.h"
#include "core/job_file.h"
#include "editing_fixture.h"
#include "temp_folder.h"
#include "ui/editing/facade_editor.h"

namespace ventora::ui::testing {
namespace {

using Boxes = std::vector<std::pair<const char*, const char*>>;

class JobBuiltInDialogsTest : public EditingTest {
 protected:
  // Fills `boxes` field by field, leaving each for the next, picks
  // `option`, then OK.
  static void Fill(QDialog* d, const Boxes& boxes, const char* ok, const char* option = nullptr) {
    ShowActive(d);
    for (const auto& [name, text] : boxes) {
      auto* field = Find<QLineEdit>(d, name);
      FocusTo(field);
      field->setText(text);
    }
    if (option != nullptr) {
      auto* choice = Find<QRadioButton>(d, option);
      FocusTo(choice);
      choice->setChecked(true);
    }
    FocusTo(Find<QWidget>(d, boxes.front().first));
    Click(d, ok);
  }

  // Opens facade `button`, lets `edit` work in the editor, then OK.
  void EditFacade(const char* button, std::function<void(FacadeEditor*)> edit) {
    OnNextModal([=](QDialog* d) {
      auto* editor = qobject_cast<FacadeEditor*>(d);
      ASSERT_NE(editor, nullptr);
      ShowActive(editor);
      editor->Grid()->setFocus(Qt::OtherFocusReason);
      edit(editor);
      Click(editor, "EFacadeOK");
    });
    Click(chooser.get(), button);
  }
};

TEST_F(JobBuiltInDialogsTest, SavedReadBackAndRunAsTheHandWrittenJob) {
  chooser->show();

  // clang-format off
  OnNextModal([](QDialog* env) {
    Fill(env, {{"fAzB", "0"}, {"fAnWind", "30"}, {"fPAD", "0"}, {"fSBH", "6"}, {"fBdZ", "6"},
               {"fBdX", "12"}, {"fBdY", "8"}, {"fVeEXP", ".16"}, {"fPhi", "30"}}, "OK", "fslope3");
  });
  // clang-format on
  Click(chooser.get(), "envBtn");
  EditFacade("EFacadeBtn", [](FacadeEditor* e) {
    QTest::keyClicks(e->Grid(), "2\r1.5\r6\r3\r10\r4.5\r");
    e->SetCurrentCell(1, 1);
    e->Grid()->setRangeSelected(QTableWidgetSelectionRange(0, 0, 2, 1), true);
    QTest::keyClick(e->Grid(), Qt::Key_C, Qt::ControlModifier);
  });
  EditFacade("Facade3Btn",
             [](FacadeEditor* e) { QTest::keyClick(e->Grid(), Qt::Key_V, Qt::ControlModifier); });
  // clang-format off
  const std::tuple<const char*, const char*, Boxes> meshes[] = {
      {"Facade2Btn", "bAutomesh", {{"HorNo", "2"}, {"VerNo", "2"}}},
      {"Facade4Btn", "bumesh", {{"stxvalue", "1"}, {"stzvalue", "1"}, {"stdeltax", "3"}, {"stdeltaz", "2"}}},
      {"Facade5Btn", "bAutomesh", {{"HorNo", "3"}, {"VerNo", "2"}}},
  };
  // clang-format on
  for (const auto& [facade, mesh, boxes] : meshes) {
    EditFacade(facade, [&](FacadeEditor* e) {
      OnNextModal([&](QDialog* d) { Fill(d, boxes, "bOK"); });
      Click(e, mesh);
    });
  }
  bool saveAndRun = false;
  QObject::connect(chooser.get(), &EditChooser::closedAfterChange, [&] { saveAndRun = true; });
  Click(chooser.get(), "eCloseBtn");
  EXPECT_TRUE(saveAndRun);
  EXPECT_TRUE(messages.shown.empty()) << LastText();

  const char* data = std::getenv("VENTORA_TEST_DATA");
  ASSERT_NE(data, nullptr) << "VENTORA_TEST_DATA names the test data folder";
  ventora::testing::TempFolder folder;
  WriteJobFile(doc.job, (folder / "house").string());
  EXPECT_EQ(ventora::testing::ReadBytes(folder / "house.in"),
            ventora::testing::ReadBytes(std::string(data) + "/editing/hand-written.in"));
  Job built = ReadJobFile((folder / "house.in").string(), numbers);
  EXPECT_EQ(built, doc.job);

  RunCommandSetup setup;
  setup.jobName = (folder / "house").string();
  setup.locale = kPointDecimal;
  EXPECT_EQ(RunJobCommand(built, messages, setup).outcome, RunOutcome::Completed);
  const std::string report = ventora::testing::ReadBytes(folder / "house.out.txt");
  EXPECT_NE(report.find("  Roof Type:                       double slope"), std::string::npos);
  EXPECT_NE(report.find("    5        25      10.00      6.00"), std::string::npos);
}

}  // namespace
}  // namespace ventora::ui::testing
