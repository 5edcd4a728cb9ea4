#pragma once
// The program's main window: open or create a job, edit, save, run it,
// show its results, help and exit. It holds the one job document that the
// editing dialogs change in place.

#include <QWidget>
#include <functional>
#include <string>

#include "commands/run_job.h"
#include "core/job_document.h"
#include "core/job_file.h"
#include "core/messages.h"
#include "ui/app/screen_metrics.h"
#include "ui/main_window/cpmap_last_run.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenuBar;
class QPushButton;
class QStatusBar;
class QUndoStack;

namespace ventora {

class CpDirection;
class CpMap;
class CpTitle;
class DocumentOpener;
class FileDialogs;
class HelpMenu;
class NumberText;
class SweepDialog;
class Working;

// The Run command proper: deletes the job's old results, checks the job,
// computes it into JobName + ".out.xls" (when `excelOutput`) or ".out.txt",
// and tells the user how it ended, all through `messages`. The reply carries
// the run's results when the calculation ran.
using RunCommand = std::function<RunReply(Job& job, const std::string& jobName, bool excelOutput,
                                          MessageSink& messages)>;

// What the window needs from the outside world; tests pass fakes.
struct MainFormServices {
  MessageSink* messages = nullptr;
  FileDialogs* dialogs = nullptr;
  DocumentOpener* opener = nullptr;
  NumberText* numbers = nullptr;  // the program's number text conversions
  RunCommand run;
  std::string settingsFile;  // where "lastdir" is remembered on exit
};

// Whether `path` names an EnergyPlus model (.idf, any case).
bool IsModelPath(const std::string& path);

class CPMainForm : public QWidget {
  Q_OBJECT

 public:
  CPMainForm(MainFormServices services, ScreenMetrics metrics, CpTitle* titleWindow = nullptr,
             QWidget* parent = nullptr);
  ~CPMainForm() override;

  JobDocument& Document() { return doc_; }
  const ScreenMetrics& Metrics() const { return metrics_; }
  MessageSink& Messages() const { return *services_.messages; }
  NumberText& Numbers() const { return *services_.numbers; }
  bool Busy() const { return busy_; }
  const std::string& SettingsFile() const { return services_.settingsFile; }
  // Every change to the job, for Undo and Redo; Open/New clears it.
  QUndoStack& History() const { return *history_; }
  QAction* UndoAction() const { return undo_; }
  QAction* RedoAction() const { return redo_; }

  // Commands, as the buttons and the menu call them.
  void JobBtn_Click();
  void EditBtn_Click();
  void SaveBtn_Click();
  void SaveAsBtn_Click();
  void RunBtn_Click();
  void VResBtn_Click();
  void MapBtn_Click();
  void SweepBtn_Click();
  // From an EnergyPlus model…: its file, then the model dialog.
  void FromModel_Click();
  // The model dialog for the EnergyPlus model at `path`.
  void OpenModelPath(const std::string& path);
  void OutExcel_Click();
  void HelpBtn_Click();
  void HelpAbout_Click();
  void ExitBtn_Click();
  // Open/New without the dialog: the job file a file manager or the command
  // line names (a name with no file yet starts a new job of that name); an
  // EnergyPlus model (.idf) goes to the model dialog.
  void OpenJobPath(const std::string& path);

  // Yes saves first (and refuses to go on when the save fails), No goes on,
  // Cancel stops.
  bool AskSaveChanges();
  // Caption: the file name of `path`, then the program's title.
  void SetMainCaption(const std::string& path);

 signals:
  // Edit was clicked. The editing chooser connects here (directly, and opens
  // modally); when it returns with the job changed, Save and Run are enabled.
  void editRequested();
  // The user left the program (Exit or closing the window, not cancelled).
  void programEnded();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // The first showing takes the place the window was left at, when it is on
  // a screen.
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void LayOut();
  void ConnectCommands();
  QPushButton* AddButton(const char* name, const char* caption, const char* tip);

  bool WriteJobFile();
  bool LoadJobFile(const std::string& jobName);
  void ShowJobName();
  std::string ResultFile() const;
  void UpdateOutputButton();
  // Results belong to the job data they were computed from: once the job
  // differs, the stale label and the Cp map's title say so until a Run.
  bool ResultsStale() const;
  void ShowResultState();
  // A job file whose header line could not be read whole: the user is told
  // on opening, and Save asks once before it overwrites that file.
  void WarnDamagedHeader(const std::string& file, const JobFileNotes& notes);
  bool ConfirmOverwriteDamaged();
  void RememberLastDir();
  void ShowError(const std::string& text, MsgIcon icon = MsgIcon::Critical);
  // The Cp map: its button follows Output's state; the map shows the last
  // completed run of the job (or the job as loaded, when its results on
  // disk come from an earlier session).
  void AddMapButton();
  void KeepLoadedJob();
  void AddSweepButton();  // Sweep…: follows Run
  QMenuBar* AddFileMenu();
  void AddEditMenu(QMenuBar* bar);
  void HistoryMoved();
  // Cp against wind direction, after a sweep or for an element of the map.
  CpDirection& DirectionWindow();
  void SweepEnded(const SweepDialog& dialog);
  void ShowSweptDirections(const SweepDialog& dialog);
  void MapElementClicked(int k, bool add);
  void KeepRun(const RunReply& reply);

  MainFormServices services_;
  ScreenMetrics metrics_;
  JobDocument doc_;
  bool busy_ = false;
  bool placed_ = false;
  CpTitle* title_ = nullptr;
  Working* working_ = nullptr;
  HelpMenu* helpMenu_ = nullptr;
  QUndoStack* history_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  CpMap* cpMap_ = nullptr;
  CpDirection* cpDirection_ = nullptr;
  std::optional<CompletedRun> lastRun_;
  std::string damagedFile_;  // job file read with header values left at 0
  std::string damagedValues_;

  QPushButton* JobBtn_ = nullptr;
  QPushButton* EditBtn_ = nullptr;
  QPushButton* SaveBtn_ = nullptr;
  QPushButton* SaveAsBtn_ = nullptr;
  QPushButton* RunBtn_ = nullptr;
  QPushButton* VResBtn_ = nullptr;
  QPushButton* MapBtn_ = nullptr;
  QPushButton* SweepBtn_ = nullptr;
  QPushButton* HelpBtn_ = nullptr;
  QPushButton* ExitBtn_ = nullptr;
  QCheckBox* OutExcel_ = nullptr;
  QLabel* JobNameLab_ = nullptr;
  QLabel* StaleLab_ = nullptr;
  QStatusBar* status_ = nullptr;  // confirms each file written
};

}  // namespace ventora
