// The main window's Run command: the shared run command (pre-run checks, old
// results out, the calculation, its verdict) inside the window's busy
// state, and what the outcome means for Output.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "ui/app/written_status.h"
#include "ui/main_window/cp_main_form.h"
#include "ui/main_window/outside_elements.h"
#include "ui/main_window/working.h"

namespace ventora {

void CPMainForm::RunBtn_Click() {
  if (busy_) return;  // a box shown during a run can let a second click through
  const bool excelOutput = OutExcel_->isChecked();
  working_->ShowNow();
  busy_ = true;
  const bool hadResults = VResBtn_->isEnabled();
  VResBtn_->setEnabled(false);
  RunReply reply = RunOutcome::SystemError;
  try {
    OutsideElementsGate messages(Messages(), doc_.job, Numbers());
    reply = services_.run(doc_.job, doc_.JobName, excelOutput, messages);
  } catch (const std::exception& e) {
    ShowError(e.what());
  }
  busy_ = false;
  working_->hide();
  const RunOutcome outcome = reply.outcome;
  if (outcome == RunOutcome::Refused) {
    // The checks refuse before anything is deleted: the last results stay,
    // marked stale while they are older than the job.
    VResBtn_->setEnabled(hadResults);
  } else {
    // A stopped run leaves a partial report: it is no result to show.
    VResBtn_->setEnabled(outcome == RunOutcome::Completed || outcome == RunOutcome::ValuesMissing);
    if (VResBtn_->isEnabled()) ui::SayWritten(*status_, {ResultFile()});
    KeepRun(reply);
  }
  ShowResultState();
}

}  // namespace ventora
