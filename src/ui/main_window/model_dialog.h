#pragma once
// From an EnergyPlus model…: ventora-run --from-idf's options in a dialog,
// the fitted box with every opening and the assumptions shown as the
// options change, before anything is written; a refusal is shown in the
// dialog, in the command line's words, and the options can be changed. OK
// sweeps and writes the same three files as the command line, beside the
// model, and hands the job file written to whoever opens it.

#include <QDialog>
#include <memory>
#include <optional>
#include <string>

#include "commands/cp_model/from_model.h"
#include "core/messages.h"
#include "core/number_locale.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace ventora {

class FittedBoxView;
class WarningsPanel;

class ModelDialog : public QDialog {
  Q_OBJECT

 public:
  // `file` is the model, read; `locale` writes the numbers of the checks'
  // messages, as Run and Sweep… write them.
  ModelDialog(std::shared_ptr<const idf::IdfFile> file, MessageSink& messages, NumberLocale locale,
              QWidget* parent = nullptr);

  // What keeps OK from writing, in the command line's words; empty when the
  // model can be written with the options as they are.
  const std::string& Refusal() const { return refusal_; }
  // The job the model gives, once fitted (whatever the refusal).
  const std::optional<Job>& FittedJob() const { return fitted_; }

  // OK: sweeps and writes the files; the dialog stays open when that fails.
  void accept() override;

 signals:
  // The three files are written; `jobFile` is the job's ".in".
  void modelWritten(const std::string& jobFile);

 private:
  void BuildControls();
  QWidget* BuildOptions();
  void FillZones();
  // Fits the box to the options as they stand and shows it, or the refusal.
  void Refit();
  idf::FitOptions Fit() const;
  bool NoZoneTicked() const;
  std::optional<ModelSite> Site() const;
  void ShowSummary(const CpModelPlan& plan, bool withAssumptions);
  void Refuse(const std::string& why);
  bool ConfirmReplace() const;
  bool SweepAndWrite();

  std::shared_ptr<const idf::IdfFile> file_;
  MessageSink& messages_;
  NumberLocale locale_;
  std::optional<CpModelPlan> plan_;
  std::optional<Job> fitted_;
  std::string refusal_;

  QComboBox* fit_ = nullptr;
  QListWidget* zones_ = nullptr;
  QDoubleSpinBox* pad_ = nullptr;
  QDoubleSpinBox* sbh_ = nullptr;
  QDoubleSpinBox* veexp_ = nullptr;
  QSpinBox* step_ = nullptr;
  QCheckBox* tables_ = nullptr;
  QCheckBox* strict_ = nullptr;
  FittedBoxView* picture_ = nullptr;
  QPlainTextEdit* summary_ = nullptr;
  QLabel* refusalLab_ = nullptr;
  WarningsPanel* warnings_ = nullptr;  // the checks' warnings, as Run shows them
  QPushButton* ok_ = nullptr;
};

}  // namespace ventora
