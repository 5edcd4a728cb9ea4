// The main window's way to the window of Cp against wind direction: after a
// sweep, with the values swept, and from the Cp map, for the element clicked.
#include "core/number_text.h"
#include "ui/editing/window_placement.h"
#include "ui/main_window/cp_main_form.h"
#include "ui/main_window/sweep_dialog.h"
#include "ui/pictures/cp_direction.h"
#include "ui/pictures/cp_map.h"

namespace ventora {

CpDirection& CPMainForm::DirectionWindow() {
  if (cpDirection_ == nullptr) cpDirection_ = new CpDirection(Messages(), this);
  if (!cpDirection_->isVisible()) {
    ui::PlaceBeside(*cpDirection_, *this);
    if (cpMap_ != nullptr) cpDirection_->SetFixedScale(cpMap_->Model().scale.fixed);
  }
  return *cpDirection_;
}

void CPMainForm::ShowSweptDirections(const SweepDialog& dialog) {
  if (!dialog.ShowCpAfterwards() || !dialog.Outcome() || dialog.Outcome()->directions == nullptr)
    return;
  CpDirection& window = DirectionWindow();
  window.ShowSweep(dialog.Outcome()->directions, doc_.job, Numbers().Locale().decimal);
  window.show();
  window.raise();
}

void CPMainForm::MapElementClicked(int k, bool add) {
  CpDirection& window = DirectionWindow();
  window.ShowElement(cpMap_->ShownJob(), cpMap_->JobName(), k, add, Numbers().Locale().decimal);
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace ventora
