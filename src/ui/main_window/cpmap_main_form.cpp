// The main window's Cp map command: its button, which follows Output, and
// what the window keeps of the last completed run for it.
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "core/number_text.h"
#include "ui/editing/window_placement.h"
#include "ui/main_window/cp_main_form.h"
#include "ui/main_window/enabled_mirror.h"
#include "ui/pictures/cp_direction.h"
#include "ui/pictures/cp_map.h"

namespace ventora {
void CPMainForm::AddMapButton() {
  MapBtn_ = AddButton("MapBtn", "Cp &map", "Show the Cp values on the building");
  MapBtn_->setIcon(style()->standardIcon(QStyle::SP_FileDialogInfoView));
  new EnabledMirror(VResBtn_, MapBtn_);
  setTabOrder(OutExcel_, MapBtn_);  // after the window's own controls
  connect(MapBtn_, &QPushButton::clicked, this, &CPMainForm::MapBtn_Click);
}

void CPMainForm::KeepLoadedJob() {
  lastRun_ = CompletedRun{doc_.JobName, doc_.job, std::nullopt};
}

void CPMainForm::KeepRun(const RunReply& reply) {
  if (reply.outcome != RunOutcome::Completed && reply.outcome != RunOutcome::ValuesMissing) {
    lastRun_.reset();
    return;
  }
  lastRun_ = CompletedRun{doc_.JobName, doc_.job, reply.run};
  if (cpMap_ != nullptr && cpMap_->isVisible()) MapBtn_Click();  // show the new numbers
  if (cpDirection_ != nullptr && cpDirection_->isVisible())
    cpDirection_->FollowJob(doc_.job, doc_.JobName);
}

bool CPMainForm::ResultsStale() const {
  return lastRun_ && (lastRun_->jobName != doc_.JobName || !(lastRun_->job == doc_.job));
}

void CPMainForm::ShowResultState() {
  setWindowModified(doc_.DataChanged);
  const bool stale = VResBtn_->isEnabled() && ResultsStale();
  StaleLab_->setVisible(stale);
  if (cpMap_ != nullptr) cpMap_->SetStale(stale);
}

void CPMainForm::MapBtn_Click() {
  if (!lastRun_ || lastRun_->jobName != doc_.JobName) KeepLoadedJob();
  const NumberLocale& locale = services_.numbers->Locale();
  if (!lastRun_->run) lastRun_->run = RecomputeRun(lastRun_->job, locale);
  if (!lastRun_->run) {
    ShowError("The Cp map cannot be drawn: the job does not pass the checks before a run.");
    return;
  }
  if (cpMap_ == nullptr) {
    cpMap_ = new CpMap(Messages(), this);
    connect(cpMap_, &CpMap::elementClicked, this, &CPMainForm::MapElementClicked);
  }
  cpMap_->ShowRun(lastRun_->job, *lastRun_->run, lastRun_->jobName, locale.decimal);
  ShowResultState();
  if (!cpMap_->isVisible()) ui::PlaceBeside(*cpMap_, *this);
  cpMap_->show();
  cpMap_->raise();
  cpMap_->activateWindow();
}

}  // namespace ventora
