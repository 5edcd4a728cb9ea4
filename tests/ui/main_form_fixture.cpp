#include "main_form_fixture.h"

#include <QCheckBox>
#include <QTest>

#include "core/job_file.h"
#include "ui/main_window/calculation_driver.h"

namespace ventora::testing {

std::string ExamplesFolder() {
  const char* folder = std::getenv("VENTORA_EXAMPLES");
  return folder != nullptr ? folder : VENTORA_SOURCE_EXAMPLES;
}

Job SmallJob() {
  NumberText points{kPointDecimal};
  return ReadJobFile(ExamplesFolder() + "/low-house.in", points);
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

}  // namespace ventora::testing
