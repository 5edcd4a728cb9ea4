// The main window's job commands: Open/New, Save, Save As, the output
// format box and Output.
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QUndoStack>
#include <filesystem>

#include "core/job_file.h"
#include "ui/app/current_directory.h"
#include "ui/app/document_opener.h"
#include "ui/app/file_dialogs.h"
#include "ui/app/written_status.h"
#include "ui/main_window/cp_main_form.h"

namespace ventora {
namespace {

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

// Desktop error numbers reported by Output, as the Windows shell numbers them.
constexpr int kFileNotFound = 2;
constexpr int kNoAssociation = 31;

}  // namespace

bool CPMainForm::AskSaveChanges() {
  const MsgAnswer answer = Messages().Show(
      Message{"Warning", "Data are changed! Save?", MsgIcon::None, MsgButtons::YesNoCancel});
  switch (answer) {
    case MsgAnswer::Yes:
      return WriteJobFile();  // a failed save must not let the job be dropped
    case MsgAnswer::No:
      return true;
    default:
      return false;
  }
}

void CPMainForm::JobBtn_Click() {
  if (doc_.DataChanged && !AskSaveChanges()) return;
  const std::optional<std::string> path = services_.dialogs->OpenPath();
  if (path) OpenJobPath(*path);
}

void CPMainForm::OpenJobPath(const std::string& path) {
  if (IsModelPath(path)) {
    OpenModelPath(path);
    return;
  }
  MakeFolderCurrent(path);
  const std::string jobName = JobNameFromOpenPath(path);
  if (FileExists(jobName + ".in")) {
    if (!LoadJobFile(jobName)) return;  // the job on screen stays as it was
    SaveAsBtn_->setEnabled(true);
    RunBtn_->setEnabled(true);
  } else {
    doc_.job.Reset();
    damagedFile_.clear();
  }
  doc_.JobName = jobName;
  EditBtn_->setEnabled(true);
  UpdateOutputButton();
  ShowJobName();
  History().clear();
  doc_.DataChanged = false;
  KeepLoadedJob();
  ShowResultState();
}

bool CPMainForm::LoadJobFile(const std::string& jobName) {
  const std::string file = jobName + ".in";
  JobFileNotes notes;
  try {
    doc_.job = ReadJobFile(file, *services_.numbers, notes);
  } catch (const std::exception& e) {
    ShowError(e.what());
    return false;
  }
  damagedFile_.clear();
  if (!notes.unreadHeader.empty()) WarnDamagedHeader(file, notes);
  return true;
}

void CPMainForm::WarnDamagedHeader(const std::string& file, const JobFileNotes& notes) {
  damagedFile_ = file;
  damagedValues_ = UnreadHeaderNames(notes);
  Messages().Show(
      Message{"Damaged job file", DamagedHeaderWarning(file, notes), MsgIcon::Exclamation});
}

// Asked once per damaged file: a Yes means the user has seen what will be
// written over it.
bool CPMainForm::ConfirmOverwriteDamaged() {
  if (damagedFile_.empty() || damagedFile_ != doc_.JobName + ".in") return true;
  const std::string text =
      damagedFile_ + " was opened with header values that could not be read (" + damagedValues_ +
      "); they were shown as 0.\nSaving writes the values now in the job "
      "over this file. Save anyway?";
  if (Messages().Show(Message{"Confirm Save", text, MsgIcon::Exclamation, MsgButtons::YesNo}) !=
      MsgAnswer::Yes)
    return false;
  damagedFile_.clear();
  return true;
}

void CPMainForm::SaveBtn_Click() {
  WriteJobFile();
}

void CPMainForm::SaveAsBtn_Click() {
  const std::optional<std::string> path = services_.dialogs->SavePath();
  if (!path) return;
  MakeFolderCurrent(*path);
  const std::string jobName = JobNameFromSaveAsPath(*path);
  const std::string target = jobName + ".in";
  if (FileExists(target)) {
    const std::string text = target + " already exists.\nDo you want to replace it?";
    const Message confirm{"Confirm Save As", text, MsgIcon::Exclamation, MsgButtons::YesNo};
    if (Messages().Show(confirm) != MsgAnswer::Yes) return;
  }
  const std::string previous = doc_.JobName;
  doc_.JobName = jobName;
  if (WriteJobFile()) {
    ShowJobName();
  } else {
    doc_.JobName = previous;  // the job still belongs to the file it came from
  }
}

bool CPMainForm::WriteJobFile() {
  if (!ConfirmOverwriteDamaged()) return false;
  try {
    ventora::WriteJobFile(doc_.job, doc_.JobName);
  } catch (const std::exception& e) {
    ShowError(e.what());
    return false;
  }
  History().setClean();
  doc_.DataChanged = false;
  ui::SayWritten(*status_, {doc_.JobName + ".in"});
  // Saving changes no result: Output stays as the results on disk allow.
  UpdateOutputButton();
  ShowResultState();
  RunBtn_->setEnabled(true);
  SaveAsBtn_->setEnabled(true);
  return true;
}

std::string CPMainForm::ResultFile() const {
  return doc_.JobName + (OutExcel_->isChecked() ? ".out.xls" : ".out.txt");
}

void CPMainForm::UpdateOutputButton() {
  VResBtn_->setEnabled(!doc_.JobName.empty() && FileExists(ResultFile()));
}

void CPMainForm::OutExcel_Click() {
  UpdateOutputButton();
  ShowResultState();
}

void CPMainForm::VResBtn_Click() {
  const std::string file = ResultFile();
  if (services_.opener->Open(file)) return;
  const int code = FileExists(file) ? kNoAssociation : kFileNotFound;
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(file, ec);
  const std::string folder = full.parent_path().string();
  // The user opens the report by hand: its folder is ready to paste.
  QGuiApplication::clipboard()->setText(QString::fromStdString(folder));
  const std::string why =
      code == kNoAssociation
          ? "could not be opened: no program on this system is set to open this kind of file."
          : "does not exist any more (moved or deleted since the run): Run the job again.";
  Messages().Show(Message{kAppTitle, "Error n. " + std::to_string(code) + "\n\nThe results file\n" +
                                         full.string() + "\n" + why +
                                         "\n\nTo open it by hand: its folder\n" + folder +
                                         "\nhas been copied to the clipboard."});
}

}  // namespace ventora
