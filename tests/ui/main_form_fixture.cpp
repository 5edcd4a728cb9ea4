#include "main_form_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "core/job_file.h"
#include "ui/main_window/calculation_driver.h"
#include "ui/main_window/edit_command.h"

namespace ventora::testing {

std::string ExamplesFolder() {
  const char* folder = std::getenv("VENTORA_EXAMPLES");
  return folder != nullptr ? folder : VENTORA_SOURCE_EXAMPLES;
}

Job SmallJob() {
  NumberText points{kPointDecimal};
  return ReadJobFile(ExamplesFolder() + "/low-house.in", points);
}

namespace {

// One poll per single-shot timer: a step's act may run a nested modal loop,
// and the next step must be polled from inside it.
void PollModalSteps(std::shared_ptr<std::deque<ModalStep>> steps, int ticks) {
  QTimer::singleShot(5, [steps, ticks] {
    auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    const bool named = modal != nullptr && modal->objectName() == steps->front().dialog;
    if (named) QApplication::setActiveWindow(modal);  // focus moves only in the active window
    if (!named || !modal->isActiveWindow()) {
      // A bound against a hang only, far beyond any machine's load.
      if (ticks < 12000) return PollModalSteps(steps, ticks + 1);
      ADD_FAILURE() << "no modal dialog " << steps->front().dialog;  // rather than hang
      if (modal != nullptr) modal->reject();
      return;
    }
    const ModalStep step = steps->front();
    steps->pop_front();
    if (!steps->empty()) PollModalSteps(steps, 0);
    step.act(modal);
  });
}

}  // namespace

void Key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers mods) {
  w->setFocus(Qt::TabFocusReason);
  QTest::keyClick(w, k, mods);
}

CliRun RunVentora(const std::string& args) {
  // Named after this process: tests run side by side.
  const auto file = [](const char* name) {
    return std::filesystem::temp_directory_path() /
           ("ventora-ui-test-" + std::to_string(QCoreApplication::applicationPid()) + name);
  };
  const auto out = file(".out"), err = file(".err");
  CliRun run;
  run.status = std::system(
      (std::string(VENTORA_RUN) + " " + args + " >'" + out.string() + "' 2>'" + err.string() + "'")
          .c_str());
  run.out = ReadBytes(out);
  run.err = ReadBytes(err);
  std::filesystem::remove(out);
  std::filesystem::remove(err);
  return run;
}

void PlayModalSteps(std::deque<ModalStep> steps) {
  if (!steps.empty()) PollModalSteps(std::make_shared<std::deque<ModalStep>>(std::move(steps)), 0);
}

void MainFormTest::MakeForm(RunCommand run) {
  numbers.DetectNumberFormat();
  MainFormServices services;
  services.messages = &messages;
  services.dialogs = &dialogs;
  services.opener = &opener;
  services.numbers = &numbers;
  services.run = run ? std::move(run) : CalculationCommand(numbers.Locale());
  services.settingsFile = scratch / "ventora.ini";
  form = std::make_unique<CPMainForm>(std::move(services), ScreenMetrics{});
  QObject::connect(form.get(), &CPMainForm::programEnded, [this] { ++programEnded; });
  form->show();
}

QPushButton* MainFormTest::Button(const char* objectName) const {
  auto* button = form->findChild<QPushButton*>(objectName);
  EXPECT_NE(button, nullptr) << objectName;
  return button;
}

void MainFormTest::Click(const char* objectName) {
  QPushButton* button = Button(objectName);
  ASSERT_TRUE(button->isEnabled()) << objectName << " is disabled";
  QTest::mouseClick(button, Qt::LeftButton);
}

void MainFormTest::ToggleOutExcel() {
  auto* box = form->findChild<QCheckBox*>("OutExcel");
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

std::string MainFormTest::WriteJob(const std::string& name, const Job& job) const {
  WriteJobFile(job, scratch / name);
  return scratch / (name + ".in");
}

void MainFormTest::OpenThroughDialog(const std::string& path) {
  dialogs.openAnswers.push_back(path);
  Click("JobBtn");
}

std::string MainFormTest::OpenExample(const std::string& file, const std::string& sub) {
  const std::filesystem::path folder = scratch.path() / sub;
  std::filesystem::create_directories(folder);
  const std::filesystem::path source = file.starts_with('/')
                                           ? std::filesystem::path(file)
                                           : std::filesystem::path(ExamplesFolder()) / file;
  const std::filesystem::path job = folder / source.filename();
  std::filesystem::copy_file(source, job);
  MakeForm();
  OpenThroughDialog(job.string());
  return job.string();
}

void MainFormTest::EditJob(std::deque<ModalStep> steps, const Job& job, const std::string& name) {
  MakeForm();
  ui::ConnectEditing(*form);
  OpenThroughDialog(WriteJob(name, job));
  messages.shown.clear();
  steps.push_back({"editWhat", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }});
  PlayModalSteps(std::move(steps));
  Click("EditBtn");
}

std::string MainFormTest::StatusText() const {
  return form->findChild<QStatusBar*>("StatusBar")->currentMessage().toStdString();
}

}  // namespace ventora::testing
