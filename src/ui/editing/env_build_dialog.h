#pragma once
// The environment and building dialog: the ten job header values, each field
// checked when it is left and, when good, written at once into the job. There
// is no buffered copy: Cancel closes without undoing an accepted field.

#include <QDialog>
#include <array>

#include "ui/editing/edit_context.h"
#include "ui/editing/env_build_fields.h"

class QLineEdit;
class QRadioButton;
class QGroupBox;

namespace ventora::ui {

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
  bool AcceptField(int i);
  void RoofLostFocus();
  void SelectRoofType();
  void OkClicked();
  void CancelClicked();
  void ReturnSlateBesideChooser();

  EditContext ctx_;
  const QWidget* chooser_;
  std::array<QLineEdit*, kEnvFieldCount> fields_{};
  std::array<QRadioButton*, 3> slopes_{};
  bool checking_ = false;
  bool placed_ = false;
};

}  // namespace ventora::ui
