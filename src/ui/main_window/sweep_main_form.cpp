// The main window's Sweep… command: its button beside the Cp map, enabled
// with Run, and the pre-run checks before the dialog opens, as ventora-run
// makes them before it sweeps.
#include <QPushButton>
#include <QStyle>

#include "commands/run_job.h"
#include "core/number_text.h"
#include "ui/main_window/cp_main_form.h"
#include "ui/main_window/enabled_mirror.h"
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
  if (!PassesPreRunChecks(checked, Messages(), locale)) return;
  auto* dialog = new SweepDialog(doc_.job, doc_.JobName, Messages(), this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &SweepDialog::sweepEnded, this, [this, dialog] { ShowSweptDirections(*dialog); });
  dialog->open();
}

}  // namespace ventora
