// The main window's Run command: old results out, pre-run checks, the
// calculation, and the verdict it leaves in "msg.err".
#include <QCheckBox>
#include <QPushButton>
#include <filesystem>
#include <system_error>

#include "calc/pre_run_checks.h"
#include "calc/verdict_file.h"
#include "model/number_text.h"
#include "ui/cp_main_form.h"
#include "ui/system_error_text.h"
#include "ui/working_window.h"

namespace ventora {
namespace {

constexpr const char* kNoVerdict =
    "The calculation was not executed because of system errors. Check it, please.";
constexpr const char* kBrokenOff =
    "The calculation started but could not be completed due to system errors";
constexpr const char* kStopped =
    "The calculation was not executed, same parameters are out of maximum range. ";
constexpr const char* kValuesMissing = "Some Cp values were not calculated. See output file.";
constexpr const char* kWorkbookInUse =
    "The file is open in Excel. Close Excel before performing 'Run'.";

}  // namespace

void CPMainForm::RunBtn_Click() {
  if (busy_) return;
  const bool excelOutput = OutExcel_->isChecked();
  working_->ShowNow();
  busy_ = true;
  if (DeleteOldResults()) RunSteps(excelOutput);
  busy_ = false;
  working_->hide();
}

bool CPMainForm::DeleteOldResults() {
  for (const char* extension : {".out.txt", ".out.xls"}) {
    std::error_code ec;
    std::filesystem::remove(doc_.JobName + extension, ec);
    if (!ec) continue;
    const bool inUse = ec == std::errc::device_or_resource_busy || ec == std::errc::text_file_busy;
    ShowError(inUse ? kWorkbookInUse : SystemErrorText(ec));
    return false;
  }
  return true;
}

void CPMainForm::RunSteps(bool excelOutput) {
  try {
    if (!PassesPreRunChecks()) return;
    VResBtn_->setEnabled(false);
    services_.run(doc_, excelOutput, Messages());
    ActOnVerdict();
  } catch (const std::system_error& e) {
    ShowError(SystemErrorText(e.code()));
  } catch (const std::exception& e) {
    ShowError(e.what());
  }
}

bool CPMainForm::PassesPreRunChecks() {
  const bool pass = CheckJobData(doc_.job, Messages(), services_.numbers->DecimalSep()) == 0 &&
                    CheckElements(doc_.job, Messages()) == 0;
  if (!pass) ShowError(kOutOfLimitsText, MsgIcon::None);
  return pass;
}

void CPMainForm::ActOnVerdict() {
  const std::optional<int> verdict = ReadVerdictFile(kVerdictFileName);
  if (!verdict) {
    ShowError(kNoVerdict);
    return;
  }
  std::filesystem::remove(kVerdictFileName);  // throws: reported by the caller
  switch (*verdict) {
    case static_cast<int>(RunVerdict::Broken):
      ShowError(kBrokenOff);
      return;
    case static_cast<int>(RunVerdict::Stopped):
      ShowError(kStopped);
      return;
    case static_cast<int>(RunVerdict::ValuesMissing):
      Messages().Show(Message{"Warning", kValuesMissing});
      break;
    default:
      break;
  }
  VResBtn_->setEnabled(true);
}

}  // namespace ventora
