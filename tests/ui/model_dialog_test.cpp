// From an EnergyPlus model…: the dialog writes the same three files as
// ventora-run --from-idf with the same options, shows the command line's
// refusals and assumptions before anything is written, and opens the job.
#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSpinBox>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/job_file.h"
#include "engine/pre_run_checks.h"
#include "main_form_fixture.h"
#include "ui/app/desktop_words.h"
#include "ui/main_window/model_dialog.h"

namespace ventora::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kHouse = "AirflowNetwork_MultiZone_House.idf";

// ventora-run --from-idf MODEL ARGS.
CliRun RunCli(const fs::path& model, const std::string& args) {
  return RunVentora("--from-idf '" + model.string() + "' " + args);
}

class ModelDialogTest : public MainFormTest {
 protected:
  // A copy of the shared example `name` in folder `sub` of the scratch folder.
  fs::path CopyModel(const std::string& name, const std::string& sub) {
    fs::create_directories(scratch / sub);
    const fs::path model = fs::path(scratch / sub) / name;
    fs::copy_file(fs::path(VENTORA_ENERGYPLUS_EXAMPLES) / name, model);
    return model;
  }

  QPointer<ModelDialog> OpenFromMenu(const fs::path& model) {
    dialogs.modelAnswers.push_back(model.string());
    form->findChild<QAction*>("FileFromModel")->trigger();
    return WaitForDialog();
  }

  QPointer<ModelDialog> WaitForDialog() {
    QPointer<ModelDialog> dialog = form->findChild<ModelDialog*>("ModelDialog");
    EXPECT_TRUE(dialog);
    if (dialog) {
      EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
    }
    return dialog;
  }

  static std::string Refusal(ModelDialog* dialog) {
    return dialog->findChild<QLabel*>("ModelRefusal")->text().toStdString();
  }

  // Enclosing fit of the zone `zone` alone, PAD 15 %, SbH 8 m, step 30.
  static void ChooseOptions(ModelDialog* dialog, const std::string& zone) {
    dialog->findChild<QComboBox*>("ModelFit")->setCurrentIndex(1);
    auto* zones = dialog->findChild<QListWidget*>("ModelZones");
    for (int i = 0; i < zones->count(); ++i)
      zones->item(i)->setCheckState(zones->item(i)->text().toStdString() == zone ? Qt::Checked
                                                                                 : Qt::Unchecked);
    dialog->findChild<QDoubleSpinBox*>("ModelPAD")->setValue(15);
    dialog->findChild<QDoubleSpinBox*>("ModelSbH")->setValue(8);
    dialog->findChild<QSpinBox*>("ModelStep")->setValue(30);
  }
};

TEST_F(ModelDialogTest, WritesWhatVentoraRunWritesAndOpensTheJob) {
  MakeForm();
  const fs::path ui = CopyModel(kHouse, "ui");
  const fs::path cli = CopyModel(kHouse, "cli");
  QPointer<ModelDialog> dialog = OpenFromMenu(ui);
  ASSERT_TRUE(dialog);

  // The box fit refuses the house with its garage, in ventora-run's words.
  CliRun refused = RunCli(cli, "--pad 15 --sbh 8");
  ASSERT_NE(refused.status, 0);
  for (std::size_t at; (at = refused.err.find(cli.string())) != std::string::npos;)
    refused.err.replace(at, cli.string().size(), ui.string());
  dialog->findChild<QDoubleSpinBox*>("ModelPAD")->setValue(15);
  dialog->findChild<QDoubleSpinBox*>("ModelSbH")->setValue(8);
  // The same refusal, naming the dialog's controls where ventora-run names its options.
  const std::string refusal = Refusal(dialog);
  ASSERT_NE(refused.err.find("--fit=enclosing"), std::string::npos) << refused.err;
  EXPECT_EQ(refusal.find("--"), std::string::npos) << refusal;
  EXPECT_NE(refusal.find("Choose Fit: the smallest rectangle round the walls"), std::string::npos)
      << refusal;
  EXPECT_NE(ui::DesktopWords(refused.err).find(refusal), std::string::npos) << refusal;
  EXPECT_FALSE(dialog->findChild<QPushButton*>("ModelOk")->isEnabled());

  // Then the options that fit it, and the summary before anything is written.
  ChooseOptions(dialog, "LIVING ZONE");
  EXPECT_EQ(dialog->Refusal(), "");
  EXPECT_EQ(Refusal(dialog), "");
  ASSERT_TRUE(dialog->FittedJob());
  const Job fitted = *dialog->FittedJob();
  const QString warnings = dialog->findChild<QLabel*>("CheckWarningsText")->text();
  const std::string summary =
      dialog->findChild<QPlainTextEdit*>("ModelSummary")->toPlainText().toStdString();
  EXPECT_EQ(std::distance(fs::directory_iterator(ui.parent_path()), {}), 1) << "written before OK";
  QTest::mouseClick(dialog->findChild<QPushButton*>("ModelOk"), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 60000));

  const CliRun written =
      RunCli(cli, "--pad 15 --sbh 8 --fit=enclosing --zones 'LIVING ZONE' --sweep=30");
  ASSERT_EQ(written.status, 0) << written.err;
  // The checks' warnings as ventora-run gives them, beside the summary.
  std::istringstream errors(written.err);
  int warned = 0;
  for (std::string line; std::getline(errors, line);) {
    if (!line.starts_with("Warning: ")) continue;
    ++warned;
    EXPECT_TRUE(warnings.contains(QString::fromStdString(ui::DesktopWords(line)))) << line;
  }
  EXPECT_GE(warned, 1);  // the house is low beside 8 m surroundings: RbH 0.3
  const std::string status = StatusText();
  EXPECT_TRUE(status.starts_with("Written: ")) << status;
  for (const char* suffix : {".ventora.in", ".ventora.sweep.csv", ".cp.idf"}) {
    SCOPED_TRACE(suffix);
    EXPECT_NE(status.find(fs::path(ui).replace_extension(suffix).filename().string()),
              std::string::npos);
    const std::string bytes = ReadBytes(fs::path(ui).replace_extension(suffix));
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes, ReadBytes(fs::path(cli).replace_extension(suffix)));
  }
  // The summary's lines before the sweep, and its assumptions but where
  // PAD and SbH come from, are the command line's, in the dialog's own words.
  std::istringstream lines(written.out);
  bool assumptions = false;
  int compared = 0;
  for (std::string line; std::getline(lines, line);) {
    assumptions = assumptions || line == "Assumptions:";
    const bool own = line.starts_with("Box:") || line.starts_with("  wall ") ||
                     (assumptions && !line.starts_with("  - PAD ") && !line.starts_with("/"));
    if (!own) continue;
    ++compared;
    EXPECT_NE(summary.find(ui::DesktopWords(line)), std::string::npos) << line;
  }
  EXPECT_GE(compared, 8);

  // The job opened is the fitted box, from the job file written.
  const JobDocument& doc = form->Document();
  EXPECT_EQ(doc.JobName, fs::path(ui).replace_extension(".ventora").string());
  EXPECT_FALSE(doc.DataChanged);
  EXPECT_EQ(doc.job.AzB, fitted.AzB);
  EXPECT_EQ(doc.job.BdX, fitted.BdX);
  EXPECT_EQ(doc.job.BdY, fitted.BdY);
  EXPECT_EQ(doc.job.Bdz, fitted.Bdz);
  EXPECT_EQ(doc.job.PAD, 15.0f);
  for (int f = 1; f <= 5; ++f)
    EXPECT_EQ(doc.job.ElmCount[f], fitted.ElmCount[f]) << "facade " << f;
  EXPECT_TRUE(Button("RunBtn")->isEnabled());
}

TEST_F(ModelDialogTest, OpenTakesAModelAndAFailedWriteKeepsTheOldFiles) {
  MakeForm();
  const fs::path model = CopyModel("CrossVent_1Zone_AirflowNetwork.idf", "open");
  const fs::path job = fs::path(model).replace_extension(".ventora.in");
  { std::ofstream(job) << "the old job\n"; }
  fs::create_directory(fs::path(model).replace_extension(".cp.idf"));  // cannot be replaced
  dialogs.openAnswers.push_back(model.string());
  Click("JobBtn");
  QPointer<ModelDialog> dialog = WaitForDialog();
  ASSERT_TRUE(dialog);
  EXPECT_NE(Refusal(dialog).find("Give PAD"), std::string::npos);
  // No zone: no box, and said so.
  auto* zones = dialog->findChild<QListWidget*>("ModelZones");
  ASSERT_GE(zones->count(), 1);
  for (int i = 0; i < zones->count(); ++i)
    zones->item(i)->setCheckState(Qt::Unchecked);
  EXPECT_NE(Refusal(dialog).find("Tick at least one zone"), std::string::npos);
  EXPECT_FALSE(dialog->FittedJob());
  zones->item(0)->setCheckState(Qt::Checked);
  dialog->findChild<QDoubleSpinBox*>("ModelSbH")->setValue(6);
  dialog->findChild<QDoubleSpinBox*>("ModelPAD")
      ->setValue(60);  // the checks before a run refuse it
  EXPECT_NE(Refusal(dialog).find("Plan area density PAD 60 %"), std::string::npos);
  EXPECT_NE(Refusal(dialog).find(kOutOfLimitsText), std::string::npos);
  dialog->findChild<QDoubleSpinBox*>("ModelPAD")->setValue(10);
  ASSERT_TRUE(Refusal(dialog).empty()) << Refusal(dialog);

  messages.answers = {MsgAnswer::Yes};  // replace the files that are there
  QTest::mouseClick(dialog->findChild<QPushButton*>("ModelOk"), Qt::LeftButton);
  ASSERT_TRUE(dialog);  // still open: the options can be changed
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_NE(messages.shown[0].text.find(job.string()), std::string::npos);
  EXPECT_NE(messages.shown[1].text.find("Is a directory"), std::string::npos);
  EXPECT_NE(messages.shown[1].text.find("as they were"), std::string::npos);
  EXPECT_EQ(ReadBytes(job), "the old job\n");
  EXPECT_FALSE(fs::exists(fs::path(model).replace_extension(".ventora.sweep.csv")));
  QTest::keyClick(dialog, Qt::Key_Escape);
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 60000));
  EXPECT_TRUE(form->Document().JobName.empty());
}

}  // namespace
}  // namespace ventora::testing
