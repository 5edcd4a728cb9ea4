#pragma once
// Sweep…: the export's format, step, options and file, then the sweep on a
// worker thread with its progress and Cancel. The window stays responsive
// while it runs; Cancel stops between two wind directions and writes nothing.
// The format, the step and "show afterwards" of the last sweep started are
// kept in the settings file and offered again.

#include <QDialog>
#include <QString>
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "commands/sweep_export.h"
#include "core/job.h"
#include "core/messages.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QThread;

namespace ventora {

class WarningsPanel;

class SweepDialog : public QDialog {
  Q_OBJECT

 public:
  // `settingsFile` may be empty: nothing is remembered then.
  SweepDialog(const Job& job, const std::string& jobName, MessageSink& messages,
              const std::string& settingsFile, QWidget* parent = nullptr);
  ~SweepDialog() override;

  bool Running() const { return worker_ != nullptr; }
  // What the last sweep said, once it ended (empty before).
  const std::optional<SweepOutcome>& Outcome() const { return outcome_; }
  // Whether the user asked to see the Cp against wind direction afterwards.
  bool ShowCpAfterwards() const;
  // The file the export is written to.
  std::string File() const;
  // The warnings of the checks before the sweep, shown in the dialog.
  void ShowCheckWarnings(const std::vector<Message>& boxes);
  // Browse…: asks for the export's file; empty when cancelled. Tests
  // replace it.
  std::function<QString()> askFile;

  // Called on the worker thread once each wind direction is shown done and
  // before the next begins, so a test can act at a known direction.
  void SetAfterDirection(std::function<void(std::size_t done)> hook) {
    afterDirection_ = std::move(hook);
  }

  // OK: checks the options, then starts the sweep; the dialog closes when
  // it ends. Esc and Cancel stop a running sweep, else close the dialog.
  void accept() override;
  void reject() override;

 signals:
  void sweepEnded();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  QWidget* FileRow();
  void TakeRemembered();
  void Remember() const;
  QString AskFile();
  void FormatChosen();
  void FollowDefaultFile();
  void CheckStep();
  std::string FormatName() const;
  // Why the options cannot be swept, or empty.
  std::string OptionsError() const;
  SweepRequest Request() const;
  void Start();
  void ShowProgress(int done, int total);
  void Finish();

  Job job_;
  std::string jobName_;
  MessageSink& messages_;
  std::string settingsFile_;
  std::atomic<bool> cancel_{false};
  QThread* worker_ = nullptr;
  std::optional<SweepOutcome> outcome_;
  bool cancelled_ = false;
  std::string error_;  // an exception that ended the worker
  std::function<void(std::size_t)> afterDirection_;

  QComboBox* format_ = nullptr;
  QSpinBox* step_ = nullptr;
  QLabel* stepNote_ = nullptr;  // why the step does not suit the format
  QCheckBox* tables_ = nullptr;
  QCheckBox* strict_ = nullptr;
  QCheckBox* showCp_ = nullptr;
  QSpinBox* contamFirst_ = nullptr;
  QLineEdit* package_ = nullptr;
  QLineEdit* file_ = nullptr;
  QString defaultFile_;  // the file last offered by default
  QProgressBar* progress_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancelBtn_ = nullptr;
  QWidget* options_ = nullptr;
  WarningsPanel* warnings_ = nullptr;
};

}  // namespace ventora
