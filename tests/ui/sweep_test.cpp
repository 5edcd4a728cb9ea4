// Sweep… from the main window: the file each format writes equals
// ventora-run's byte for byte, and a long sweep can be cancelled while the
// window keeps answering.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSemaphore>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/job_file.h"
#include "main_form_fixture.h"
#include "output/sweep/export_formats.h"
#include "troubled_job.h"
#include "ui/app/desktop_words.h"
#include "ui/main_window/sweep_dialog.h"

namespace ventora::testing {
namespace {

namespace fs = std::filesystem;

class SweepTest : public MainFormTest {
 protected:
  SweepDialog* OpenSweepDialog() {
    Click("SweepBtn");
    auto* dialog = form->findChild<SweepDialog*>("SweepDialog");
    EXPECT_NE(dialog, nullptr);
    if (dialog != nullptr) {
      EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
    }
    return dialog;
  }
  static void WaitClosed(const QPointer<SweepDialog>& dialog) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 60000));
  }
};

struct FormatCase {
  int index;  // in the dialog's format list
  const char* format;
  const char* package = "";  // typed as the Modelica package's name
};

// Each file is confirmed in the status line with its full path.
TEST_F(SweepTest, EachFormatAtItsDefaultStepWritesWhatVentoraRunWrites) {
  const FormatCase cases[] = {
      {0, "csv"}, {1, "energyplus"}, {2, "contam"}, {3, "modelica"}, {3, "modelica", "MyPkg"}};
  const std::string ui = OpenExample("office-block.in", "ui");
  fs::create_directories(scratch / "cli");
  const fs::path cli = fs::path(scratch / "cli") / "office-block.in";
  fs::copy_file(ui, cli);
  for (const FormatCase& c : cases) {
    SCOPED_TRACE(c.format);
    QPointer<SweepDialog> dialog = OpenSweepDialog();
    ASSERT_TRUE(dialog);
    dialog->findChild<QComboBox*>("SweepFormat")->setCurrentIndex(c.index);
    QTest::keyClicks(dialog->findChild<QLineEdit*>("SweepPackage"), c.package);
    QTest::keyClick(dialog, Qt::Key_Return);  // Enter: the format's defaults
    WaitClosed(dialog);
    const std::string package = *c.package ? std::string(" --modelica-package=") + c.package : "";
    ASSERT_EQ(RunVentora("--sweep --format=" + std::string(c.format) + package + " '" +
                         cli.string() + "'")
                  .status,
              0);
    const ExportFormat& format = *FindExportFormat(c.format);
    const fs::path written =
        ExportPath(format, fs::path(ui).replace_extension().string(), c.package);
    ASSERT_FALSE(ReadBytes(written).empty());
    EXPECT_EQ(ReadBytes(written),
              ReadBytes(ExportPath(format, fs::path(cli).replace_extension().string(), c.package)));
    EXPECT_EQ(StatusText(), "Written: " + fs::absolute(written).string());
  }
  // ventora-run says only how far each export's directions miss the model
  // between them: so does the window.
  for (const auto& m : messages.shown)
    EXPECT_NE(m.text.find("office-block: interpolated between its directions, the export misses "
                          "the model by up to"),
              std::string::npos)
        << m.title << ": " << m.text;
}

// What the dialog refuses, a step as it is typed for the format or a
// package name on OK, it refuses for the reason ventora-run gives, in the
// dialog's words; a step the format takes is not refused.
TEST_F(SweepTest, AStepOrPackageIsRefusedAsVentoraRunRefusesIt) {
  const std::string job = OpenExample("office-block.in", "refused");
  QPointer<SweepDialog> dialog = OpenSweepDialog();
  ASSERT_TRUE(dialog);
  auto* step = dialog->findChild<QSpinBox*>("SweepStep");
  const struct {
    int format;
    const char* options;  // ventora-run's; "" for what is not refused
    int step;
    const char* package = "";
  } rows[] = {{1, "--format=energyplus --sweep=5", 5},
              {1, "", 10},
              {2, "--format=contam --sweep=25", 25},
              {3, "--format=modelica --sweep=7", 7},
              {0, "", 7},
              {3, "--format=modelica --modelica-package=model", 30, "model"},
              {3, "--format=modelica --modelica-package=2pkg", 30, "2pkg"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.options);
    dialog->findChild<QComboBox*>("SweepFormat")->setCurrentIndex(row.format);
    step->clear();
    QTest::keyClicks(step, QString::number(row.step));
    auto* package = dialog->findChild<QLineEdit*>("SweepPackage");
    package->clear();
    QTest::keyClicks(package, row.package);
    const std::string note = dialog->findChild<QLabel*>("SweepStepNote")->text().toStdString();
    EXPECT_EQ(dialog->findChild<QPushButton*>("SweepOk")->isEnabled(), note.empty());
    if (*row.options == 0) {
      EXPECT_EQ(note, "");
      continue;
    }
    std::string said = note;  // a step's note, or the box OK gives for a package
    if (said.empty()) {
      messages.shown.clear();
      QTest::keyClick(dialog, Qt::Key_Return);
      ASSERT_EQ(messages.shown.size(), 1u);
      said = messages.shown[0].text.substr(messages.shown[0].text.find(": ") + 2);
    }
    const CliRun cli = RunVentora("--sweep " + std::string(row.options) + " '" + job + "'");
    EXPECT_NE(cli.status, 0);
    EXPECT_FALSE(said.empty());
    EXPECT_NE(ui::DesktopWords(cli.err).find(said), std::string::npos) << said << " / " << cli.err;
  }
  dialog->reject();
  WaitClosed(dialog);
}

// Browse… chooses the file; the format, step and "show afterwards" of the
// sweep started are offered again, also by the next window, where Alt+W
// opens the dialog and Esc closes it writing nothing.
TEST_F(SweepTest, BrowseChoosesTheFileAndTheDialogRemembersItsChoices) {
  MakeForm();
  EXPECT_FALSE(Button("SweepBtn")->isEnabled());  // no job: no Run, no Sweep
  OpenExample("office-block.in", "browse");
  QPointer<SweepDialog> dialog = OpenSweepDialog();
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(dialog->ShowCpAfterwards());  // the first time
  const std::string chosen = scratch / "elsewhere.contam";
  dialog->askFile = [&] { return QString::fromStdString(chosen); };
  dialog->findChild<QComboBox*>("SweepFormat")->setCurrentIndex(2);
  dialog->findChild<QSpinBox*>("SweepStep")->setValue(45);
  dialog->findChild<QCheckBox*>("SweepShowCp")->setChecked(false);
  QTest::mouseClick(dialog->findChild<QPushButton*>("SweepBrowse"), Qt::LeftButton);
  EXPECT_EQ(dialog->File(), chosen);
  QTest::keyClick(dialog, Qt::Key_Return);
  WaitClosed(dialog);
  EXPECT_FALSE(ReadBytes(chosen).empty());
  EXPECT_EQ(StatusText(), "Written: " + chosen);
  form.reset();
  const std::string job = OpenExample("office-block.in", "again");
  QApplication::setActiveWindow(form.get());  // mnemonics work in the active window
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  QTest::keyClick(form.get(), Qt::Key_W, Qt::AltModifier);
  // The mnemonic clicks the button as a user sees it pressed, a moment later.
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return (dialog = form->findChild<SweepDialog*>("SweepDialog")); }, 60000));
  EXPECT_EQ(dialog->findChild<QComboBox*>("SweepFormat")->currentIndex(), 2);
  EXPECT_EQ(dialog->findChild<QSpinBox*>("SweepStep")->value(), 45);
  EXPECT_FALSE(dialog->ShowCpAfterwards());
  QTest::keyClick(dialog, Qt::Key_Escape);
  WaitClosed(dialog);
  EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(job).parent_path()), {}), 1);
}

// The checks before a sweep say what they say before a run: a refusal in
// Run's boxes, with no dialog; warnings once, in the dialog, as
// ventora-run gives them before it sweeps, not in boxes.
TEST_F(SweepTest, TheChecksBeforeTheSweepSayWhatRunSays) {
  for (const float BdX : {5.0f, 80.0f}) {  // elements outside facades 1, 3, the roof; too long
    SCOPED_TRACE(BdX);
    Job job = SmallJob();
    job.BdX = BdX;
    MakeForm();
    const std::string path = WriteJob("house", job);
    OpenThroughDialog(path);
    messages.shown.clear();
    Click("RunBtn");
    const std::vector<std::string> run = messages.Texts();
    messages.shown.clear();
    Click("SweepBtn");
    QPointer<SweepDialog> dialog = form->findChild<SweepDialog*>("SweepDialog");
    if (BdX == 5) {  // the elements outside their facades in one box, then the refusal
      EXPECT_FALSE(dialog);
      EXPECT_EQ(messages.Texts(), run);
      ASSERT_EQ(run.size(), 2u);
      EXPECT_EQ(run[0].rfind("Element out of facade!\n\n12 elements lie outside", 0), 0u) << run[0];
      EXPECT_NE(
          run[0].find("\n  facade 1, element 2: X 6, Z 1.5\n  facade 1, element 3: X 10, Z 1.5"),
          std::string::npos);
      EXPECT_NE(run[0].find("... and 2 more\n\nTo fix:"), std::string::npos) << run[0];
      continue;
    }
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(messages.shown.empty());
    const QString panel = dialog->findChild<QLabel*>("CheckWarningsText")->text();
    std::istringstream lines(RunVentora("--sweep '" + path + "'").err);
    int warnings = 0;
    for (std::string line; std::getline(lines, line);) {
      if (!line.starts_with("Warning: ")) continue;
      ++warnings;
      EXPECT_TRUE(panel.contains(QString::fromStdString(ui::DesktopWords(line)))) << line;
    }
    EXPECT_GE(warnings, 1);
    dialog->reject();
    WaitClosed(dialog);
  }
}

// Five facades of 400 elements each, spread evenly over each facade.
Job LargeJob() {
  Job job = SmallJob();
  for (int iface = 1; iface <= 5; ++iface) {
    const FacadeExtents extent = FacadeExtent(job, iface);
    job.ElmCount[iface] = kMaxElements;
    for (int k = 1; k <= kMaxElements; ++k) {
      job.ElmX[iface][k] = extent.L * (((k - 1) % 20) + 0.5f) / 20;
      job.ElmZ[iface][k] = extent.H * (((k - 1) / 20) + 0.5f) / 20;
    }
  }
  return job;
}

TEST_F(SweepTest, CancelDuringALongSweepLeavesNoFileAndTheWindowAnswers) {
  MakeForm();
  const std::string job = WriteJob("large", LargeJob());
  OpenThroughDialog(job);
  QPointer<SweepDialog> dialog = OpenSweepDialog();
  ASSERT_TRUE(dialog);
  dialog->findChild<QSpinBox*>("SweepStep")->setValue(1);
  QPointer<QProgressBar> progress = dialog->findChild<QProgressBar*>("SweepProgress");

  // The worker holds after its third direction until the window has shown
  // it, answered a timer and taken the click on Cancel: the order is fixed,
  // whatever the machine's speed.
  constexpr std::size_t kHeldAt = 3;
  QSemaphore held, released;
  const struct Release {  // a failed assertion must not leave the worker held
    QSemaphore& s;
    ~Release() { s.release(2); }
  } release{released};
  std::atomic<std::size_t> lastDone{0};
  dialog->SetAfterDirection([&](std::size_t done) {
    lastDone = done;
    if (done != kHeldAt) return;
    held.release();
    released.acquire();
  });
  int ticks = 0;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&] {
    ++ticks;
    form->repaint();
  });
  tick.start(10);
  QTest::keyClick(dialog, Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return held.available() > 0 && ticks > 0; }, 60000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return progress->value() == int(kHeldAt); }, 60000));
  EXPECT_EQ(progress->maximum(), 360);
  EXPECT_EQ(progress->text(), QString("%1 of 360 wind directions").arg(kHeldAt));
  QTest::mouseClick(dialog->findChild<QPushButton*>("SweepCancel"), Qt::LeftButton);
  released.release();
  WaitClosed(dialog);
  tick.stop();
  EXPECT_EQ(lastDone, kHeldAt);  // no direction after the click
  EXPECT_FALSE(fs::exists(fs::path(job).replace_extension().string() + ".sweep.csv"));
  EXPECT_TRUE(messages.shown.empty());
}

// The sweep's notes come in one box, each as ventora-run says it in the
// dialog's words; with Strict an implausible Cp writes nothing and the old
// export stays whole.
TEST_F(SweepTest, TheSweepsNotesComeInOneBoxAsVentoraRunSaysThem) {
  const struct {
    const char* job;
    FormatCase format;
    bool strict;
    const char* box;                             // what the box says besides ventora-run's notes
  } rows[] = {{"large", {0, "csv"}, false, ""},  // the roof edges reach beyond -1..1
              {"implausible", {0, "csv"}, true, "1 element has an implausible Cp"},
              {"implausible", {1, "energyplus"}, true, "1 element has an implausible Cp"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.job) + " " + row.format.format);
    MakeForm();
    const std::string job = WriteJob(row.job, *row.job == 'l' ? LargeJob() : TroubledJob());
    OpenThroughDialog(job);
    const fs::path file = ExportPath(*FindExportFormat(row.format.format),
                                     fs::path(job).replace_extension().string(), "");
    { std::ofstream(file) << "an old export\n"; }
    QPointer<SweepDialog> dialog = OpenSweepDialog();
    ASSERT_TRUE(dialog);
    dialog->findChild<QComboBox*>("SweepFormat")->setCurrentIndex(row.format.index);
    dialog->findChild<QCheckBox*>("SweepStrict")->setChecked(row.strict);
    messages.shown.clear();
    QTest::keyClick(dialog, Qt::Key_Return);
    WaitClosed(dialog);
    EXPECT_EQ(ReadBytes(file) == "an old export\n", row.strict);
    const CliRun cli = RunVentora(std::string("--sweep --format=") + row.format.format +
                                  (row.strict ? " --strict '" : " '") + job + "'");
    EXPECT_EQ(cli.status == 0, !row.strict);
    ASSERT_EQ(messages.shown.size(), 1u);
    const std::string box = messages.shown.back().text;
    EXPECT_EQ(box.starts_with("Nothing was written."), row.strict) << box;
    EXPECT_NE(box.find(row.box), std::string::npos) << box;
    EXPECT_EQ(box.find("README"), std::string::npos) << box;
    std::istringstream lines(cli.err);
    int notes = 0;
    const std::string prefix = "ventora-run: ";
    for (std::string line; std::getline(lines, line);) {
      if (!line.starts_with(prefix) || line.ends_with("wind directions computed")) continue;
      ++notes;
      // The box's icon says what "warning: " says on the command line.
      std::string said = line.substr(prefix.size());
      if (said.starts_with("warning: ")) said.erase(0, 9);
      EXPECT_NE(box.find(ui::DesktopWords(said)), std::string::npos) << line;
      EXPECT_EQ(box.find("warning: "), std::string::npos) << box;
    }
    EXPECT_GE(notes, 1);
  }
}

}  // namespace
}  // namespace ventora::testing
