#include "main_form_fixture.h"

#include <QCheckBox>
#include <QTest>

#include "core/job_file.h"
#include "ui/main_window/calculation_driver.h"

namespace ventora::testing {

Job SmallJob() {
  Job job;
  job.AzB = 0;
  job.AnWind = 270;
  job.PAD = 20;
  job.SbH = 15;
  job.Bdz = 15;
  job.BdX = 20;
  job.BdY = 10;
  job.VeEXP = 0.25f;
  job.ElmCount[1] = 2;
  job.ElmX[1][1] = 5;
  job.ElmZ[1][1] = 7.5f;
  job.ElmX[1][2] = 15;
  job.ElmZ[1][2] = 7.5f;
  job.ElmCount[5] = 1;
  job.ElmX[5][1] = 10;
  job.ElmZ[5][1] = 5;
  return job;
}

MainFormTest::MainFormTest() {
  numbers.DetectNumberFormat();
}

void MainFormTest::MakeForm(RunCommand run) {
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
