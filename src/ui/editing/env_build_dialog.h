#pragma once
// The environment and building dialog: the ten job header values, each field
// checked when it is left and, when good, written at once into the job. The
// dialog keeps the job as it was when it opened: Cancel, Esc and closing the
// window put it back; OK keeps the values, hands each change to the job's
// history and marks the job changed.

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "core/job.h"

#include "ui/editing/edit_context.h"
#include "ui/editing/env_build_fields.h"
#include "ui/editing/job_history.h"
#include "ui/editing/site_finder.h"

class QLineEdit;
class QRadioButton;
class QGroupBox;
class QLabel;
class QPushButton;

namespace ventora::ui {

class SiteMapDialog;

class EnvBuildDialog : public QDialog {
  Q_OBJECT
 public:
  // `chooser` is the window the picture window returns beside on OK/Cancel.
  EnvBuildDialog(EditContext context, const QWidget* chooser, QWidget* parent = nullptr);

  // Fills the fields from the job, selects the roof type and places the
  // dialog and the picture window; `Open` then shows it modally.
  void Prepare();
  void Open();

  QLineEdit* Field(int i) const { return fields_[i]; }

  // Where "From map..." gets the surroundings from (the site library by
  // default); before its first use.
  void SetSiteFinder(SiteFinder finder) { finder_ = std::move(finder); }

 signals:
  // OK was clicked: the job counts as changed.
  void jobChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void reject() override;

 private:
  void BuildLayout();
  QGroupBox* BuildRoofFrame();
  int FieldIndex(const QObject* o) const;
  void FieldGainedFocus(int i);
  void FieldLostFocus(int i);
  std::string AcceptField(int i);
  void RoofLostFocus();
  void TakeRoofType();
  // The roof type's words beside it: where the ridge runs, which walls are
  // the gables, and that a flat roof's tilt was set to 0.
  void ShowRoofNote(bool tiltReset = false);
  void SelectRoofType();
  void OkClicked();
  void CancelClicked();
  void ReturnSlateBesideChooser();
  bool AcceptFocusedField();
  // "From map...": PAD and SbH from building footprints round the site.
  void FromMapClicked();
  // A change the user made, kept for the history when OK keeps it.
  void NoteStep(const Job& before, const QString& text);

  EditContext ctx_;
  Job atOpening_;               // what Cancel restores
  std::vector<JobStep> steps_;  // since the dialog opened, in order
  const QWidget* chooser_;
  std::array<QLineEdit*, kEnvFieldCount> fields_{};
  std::array<QRadioButton*, 3> slopes_{};
  QLabel* roofNote_ = nullptr;
  QPushButton* cancel_ = nullptr;
  SiteFinder finder_ = FindWithSiteLibrary;
  SiteMapDialog* siteMap_ = nullptr;  // created on first use, kept with its fields
  bool checking_ = false;
  // A field's refusal was just shown (a click on OK leaves the field first):
  // the OK that follows stays silent instead of refusing a second time.
  bool refusalShown_ = false;
  bool placed_ = false;
  bool tiltResetSaid_ = false;
};

}  // namespace ventora::ui
