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
#include "ui/app/desktop_words.h"
#include "ui/main_window/sweep_dialog.h"

namespace ventora::testing {
namespace {

namespace fs = std::filesystem;

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class SweepTest : public MainFormTest {
 protected:
  // Opens a copy of `source` in folder `sub` of the scratch folder.
  std::string OpenCopy(const fs::path& source, const std::string& sub) {
    fs::create_directories(scratch / sub);
    const fs::path job = fs::path(scratch / sub) / source.filename();
    fs::copy_file(source, job);
    MakeForm();
    OpenThroughDialog(job.string());
    return job.string();
  }

  SweepDialog* OpenSweepDialog() {
    Click("SweepBtn");
    auto* dialog = form->findChild<SweepDialog*>("SweepDialog");
    EXPECT_NE(dialog, nullptr);
    if (dialog != nullptr) {
      EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
    }
    return dialog;
  }
};

struct FormatCase {
  int index;  // in the dialog's format list
  const char* format;
  const char* package = "";  // typed as the Modelica package's name
};

TEST_F(SweepTest, EachFormatAtItsDefaultStepWritesWhatVentoraRunWrites) {
  const fs::path example = fs::path(ExamplesFolder()) / "office-block.in";
  const FormatCase cases[] = {
      {0, "csv"}, {1, "energyplus"}, {2, "contam"}, {3, "modelica"}, {3, "modelica", "MyPkg"}};
  const std::string ui = OpenCopy(example, "ui");
  fs::create_directories(scratch / "cli");
  const fs::path cli = fs::path(scratch / "cli") / example.filename();
  fs::copy_file(example, cli);
  for (const FormatCase& c : cases) {
    SCOPED_TRACE(c.format);
    QPointer<SweepDialog> dialog = OpenSweepDialog();
    ASSERT_TRUE(dialog);
    dialog->findChild<QComboBox*>("SweepFormat")->setCurrentIndex(c.index);
    QTest::keyClicks(dialog->findChild<QLineEdit*>("SweepPackage"), c.package);
    QTest::keyClick(dialog, Qt::Key_Return);  // Enter: the format's defaults
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 60000));
    const std::string package = *c.package ? std::string(" --modelica-package=") + c.package : "";
    const std::string command = std::string(VENTORA_RUN) + " --sweep --format=" + c.format +
                                package + " '" + cli.string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::string stem = fs::path(ui).replace_extension().string();
    const std::string cliStem = fs::path(cli).replace_extension().string();
    const ExportFormat& format = *FindExportFormat(c.format);
    const std::string written = FileBytes(ExportPath(format, stem, c.package));
    ASSERT_FALSE(written.empty());
    EXPECT_EQ(written, FileBytes(ExportPath(format, cliStem, c.package)));
  }
  // ventora-run says only how far each export's directions miss the model
  // between them: so does the window.
  for (const auto& m : messages.shown)
    EXPECT_NE(m.text.find("office-block: interpolated between its directions, the export misses "
                          "the model by up to"),
              std::string::npos)
        << m.title << ": " << m.text;
}

// A refused package name is refused for the reason ventora-run gives.
TEST_F(SweepTest, APackageNameIsRefusedInVentoraRunsWords) {
  const std::string job = OpenCopy(fs::path(ExamplesFolder()) / "office-block.in", "pkg");
  const fs::path err = scratch / "err.txt";
  for (const char* package : {"model", "2pkg"}) {
    SCOPED_TRACE(package);
    QPointer<SweepDialog> dialog = OpenSweepDialog();
    ASSERT_TRUE(dialog);
    dialog->findChild<QComboBox*>("SweepFormat")->setCurrentIndex(3);
    QTest::keyClicks(dialog->findChild<QLineEdit*>("SweepPackage"), package);
    messages.shown.clear();
    QTest::keyClick(dialog, Qt::Key_Return);
    ASSERT_EQ(messages.shown.size(), 1u);
    const std::string command = std::string(VENTORA_RUN) + " --sweep --format=modelica " +
                                "--modelica-package=" + package + " '" + job + "' 2>'" +
                                err.string() + "'";
    EXPECT_NE(std::system(command.c_str()), 0);
    const std::string said = FileBytes(err);
    const std::string named = std::string("=") + package + ": ";
    const std::string reason = said.substr(said.find(named) + named.size());
    const std::string shown = messages.shown[0].text;
    const std::string why = shown.substr(shown.find(": ") + 2);
    EXPECT_TRUE(!why.empty() && reason.starts_with(why)) << shown << " / " << said;
    dialog->reject();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 60000));
  }
}

// The step is checked for the format as it is typed, in the dialog's words.
TEST_F(SweepTest, TheStepIsCheckedForTheFormatAsItIsTyped) {
  OpenCopy(fs::path(ExamplesFolder()) / "office-block.in", "step");
  QPointer<SweepDialog> dialog = OpenSweepDialog();
  ASSERT_TRUE(dialog);
  auto* step = dialog->findChild<QSpinBox*>("SweepStep");
  const struct {
    int format;
    int step;
    const char* said;  // the start of the note, or "" for none
  } rows[] = {{1, 5, "EnergyPlus takes at most 36 wind directions, a step of 5 deg. gives 72"},
              {1, 10, ""},
              {2, 25, "CONTAM takes at most 16 points a profile"},
              {3, 7, "Modelica needs a step that divides 360 degrees"},
              {0, 7, ""}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.step);
    dialog->findChild<QComboBox*>("SweepFormat")->setCurrentIndex(row.format);
    step->clear();
    QTest::keyClicks(step, QString::number(row.step));
    const QString note = dialog->findChild<QLabel*>("SweepStepNote")->text();
    EXPECT_TRUE(note.startsWith(row.said)) << note.toStdString();
    EXPECT_EQ(note.isEmpty(), *row.said == 0);
    EXPECT_EQ(dialog->findChild<QPushButton*>("SweepOk")->isEnabled(), *row.said == 0);
  }
  dialog->reject();
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 60000));
}

TEST_F(SweepTest, AltWOpensTheDialogAndEscClosesItWritingNothing) {
  MakeForm();
  EXPECT_FALSE(Button("SweepBtn")->isEnabled());  // no job: no Run, no Sweep
  form.reset();
  const std::string job = OpenCopy(fs::path(ExamplesFolder()) / "office-block.in", "esc");
  QApplication::setActiveWindow(form.get());  // mnemonics work in the active window
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  QTest::keyClick(form.get(), Qt::Key_W, Qt::AltModifier);
  // The mnemonic clicks the button as a user sees it pressed, a moment later.
  QPointer<SweepDialog> dialog;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return (dialog = form->findChild<SweepDialog*>("SweepDialog")); }, 60000));
  ASSERT_TRUE(dialog);
  QTest::keyClick(dialog, Qt::Key_Escape);
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 60000));
  EXPECT_FALSE(fs::exists(fs::path(job).replace_extension().string() + ".sweep.csv"));
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
  const std::size_t boxes = messages.shown.size();  // the pre-run checks' warnings
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
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 60000));
  tick.stop();
  EXPECT_EQ(lastDone, kHeldAt);  // no direction after the click
  EXPECT_FALSE(fs::exists(fs::path(job).replace_extension().string() + ".sweep.csv"));
  EXPECT_EQ(messages.shown.size(), boxes);
}

TEST_F(SweepTest, TheSweepsNotesComeInOneBoxInTheDesktopsWords) {
  MakeForm();
  const std::string job = WriteJob("large", LargeJob());
  OpenThroughDialog(job);
  QPointer<SweepDialog> dialog = OpenSweepDialog();
  ASSERT_TRUE(dialog);
  const std::size_t boxes = messages.shown.size();
  QTest::keyClick(dialog, Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 60000));
  const fs::path err = scratch / "err.txt";
  const std::string command =
      std::string(VENTORA_RUN) + " --sweep '" + job + "' >/dev/null 2>'" + err.string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  ASSERT_EQ(messages.shown.size(), boxes + 1);
  const std::string box = messages.shown.back().text;
  std::istringstream lines(FileBytes(err));
  int notes = 0;
  const std::string prefix = "ventora-run: ";
  for (std::string line; std::getline(lines, line);) {
    if (!line.starts_with(prefix) || line.ends_with("wind directions computed")) continue;
    ++notes;
    EXPECT_NE(box.find(ui::DesktopWords(line.substr(prefix.size()))), std::string::npos) << line;
  }
  EXPECT_EQ(box.find("README"), std::string::npos) << box;
  EXPECT_GE(notes, 1);  // the large job's roof edges reach beyond -1..1
}

// Every input inside the confidence ranges, yet facade 4 gets a Cp near -9.4
// with the wind head on: implausible.
constexpr const char* kImplausibleJob =
    " 241.19 240 22.19 13.24 36.9 59.56 66.49 .198 2 .47\r\n 4 \r\n 1 \r\n 1 34.07 18.82 \r\n";

TEST_F(SweepTest, StrictWritesNothingWhenACpIsImplausibleAndSaysWhyAsVentoraRun) {
  { std::ofstream(scratch / "implausible.in", std::ios::binary) << kImplausibleJob; }
  const std::string job = OpenCopy(fs::path(scratch / "implausible.in"), "ui");
  for (const FormatCase& c : {FormatCase{0, "csv"}, FormatCase{1, "energyplus"}}) {
    SCOPED_TRACE(c.format);
    const ExportFormat& format = *FindExportFormat(c.format);
    const fs::path file = ExportPath(format, fs::path(job).replace_extension().string(), "");
    { std::ofstream(file) << "an old export\n"; }
    QPointer<SweepDialog> dialog = OpenSweepDialog();
    ASSERT_TRUE(dialog);
    const std::size_t boxes = messages.shown.size();
    dialog->findChild<QComboBox*>("SweepFormat")->setCurrentIndex(c.index);
    dialog->findChild<QCheckBox*>("SweepStrict")->setChecked(true);
    QTest::keyClick(dialog, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 60000));
    EXPECT_EQ(FileBytes(file), "an old export\n");  // refused: the old file stays whole
    const fs::path err = scratch / "err.txt";
    const std::string command =
        std::string(VENTORA_RUN) + " --sweep --strict --format=" + c.format + " '" +
        std::string(scratch / "implausible.in") + "' >/dev/null 2>'" + err.string() + "'";
    EXPECT_NE(std::system(command.c_str()), 0);
    ASSERT_EQ(messages.shown.size(), boxes + 1);
    const std::string box = messages.shown.back().text;
    EXPECT_TRUE(box.starts_with("Nothing was written.")) << box;
    std::istringstream lines(FileBytes(err));
    int said = 0;
    for (std::string line; std::getline(lines, line);) {
      if (!line.starts_with("ventora-run: ") || line.ends_with("wind directions computed"))
        continue;
      ++said;
      EXPECT_NE(box.find(line.substr(13)), std::string::npos) << line;
    }
    EXPECT_GE(said, 1);
    EXPECT_NE(box.find("1 element has an implausible Cp"), std::string::npos) << box;
  }
}

}  // namespace
}  // namespace ventora::testing
