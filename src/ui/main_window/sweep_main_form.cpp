// The main window's Sweep… command: its button beside the Cp map, enabled
// with Run, and the pre-run checks before the dialog opens, as ventora-run
// makes them before it sweeps: a refusal is shown as Run shows it, the
// warnings in the dialog.
#include <QPushButton>
#include <QStyle>

#include "commands/run_job.h"
#include "core/number_text.h"
#include "ui/app/written_status.h"
#include "ui/main_window/check_warnings.h"
#include "ui/main_window/cp_main_form.h"
#include "ui/main_window/enabled_mirror.h"
#include "ui/main_window/outside_elements.h"
#include "ui/main_window/sweep_dialog.h"

namespace ventora {

void CPMainForm::AddSweepButton() {
  SweepBtn_ = AddButton("SweepBtn", "S&weep…",
                        "Compute Cp over all wind directions and export them for EnergyPlus, "
                        "CONTAM, Modelica or as CSV");
  SweepBtn_->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
  new EnabledMirror(RunBtn_, SweepBtn_);
  setTabOrder(MapBtn_, SweepBtn_);
  connect(SweepBtn_, &QPushButton::clicked, this, &CPMainForm::SweepBtn_Click);
}

// The sweep takes the job as the window holds it, saved or not, as Run does.
void CPMainForm::SweepBtn_Click() {
  if (busy_ || doc_.JobName.empty()) return;
  Job checked = doc_.job;
  const NumberLocale locale = Numbers().Locale();
  KeptBoxes checks;
  if (!PassesPreRunChecks(checked, checks, locale)) {
    OutsideElementsGate messages(Messages(), doc_.job, Numbers());
    checks.ShowThrough(messages);
    return;
  }
  auto* dialog = new SweepDialog(doc_.job, doc_.JobName, Messages(), SettingsFile(), this);
  dialog->ShowCheckWarnings(checks.boxes);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &SweepDialog::sweepEnded, this, [this, dialog] { SweepEnded(*dialog); });
  dialog->open();
}

void CPMainForm::SweepEnded(const SweepDialog& dialog) {
  if (dialog.Outcome() && dialog.Outcome()->Written()) ui::SayWritten(*status_, {dialog.File()});
  ShowSweptDirections(dialog);
}

}  // namespace ventora
