// The main window's File menu and its "From an EnergyPlus model…": the model
// chosen (or an .idf given to Open/New or on the command line) goes to the
// model dialog, and the job it writes opens as if from its ".in".
#include <QMenu>
#include <QMenuBar>

#include "commands/cp_model/from_model.h"
#include "core/number_text.h"
#include "ui/app/current_directory.h"
#include "ui/app/file_dialogs.h"
#include "ui/app/written_status.h"
#include "ui/main_window/cp_main_form.h"
#include "ui/main_window/model_dialog.h"

namespace ventora {

QMenuBar* CPMainForm::AddFileMenu() {
  auto* bar = new QMenuBar(this);
  bar->setObjectName("MainMenu");
  QMenu* file = bar->addMenu("&File");
  file->setObjectName("FileMenu");
  QAction* open = file->addAction("&Open/New…", this, &CPMainForm::JobBtn_Click);
  open->setObjectName("FileOpen");
  QAction* model =
      file->addAction("From an &EnergyPlus model…", this, &CPMainForm::FromModel_Click);
  model->setObjectName("FileFromModel");
  model->setToolTip(
      "Fit the program's box to an EnergyPlus model, compute every airflow "
      "opening's Cp and write the model with them");
  file->addSeparator();
  QAction* exit = file->addAction("E&xit", this, &CPMainForm::ExitBtn_Click);
  exit->setObjectName("FileExit");
  return bar;
}

void CPMainForm::FromModel_Click() {
  if (busy_ || (doc_.DataChanged && !AskSaveChanges())) return;
  const std::optional<std::string> path = services_.dialogs->ModelPath();
  if (path) OpenModelPath(*path);
}

bool IsModelPath(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos) return false;
  std::string ext = path.substr(dot);
  for (char& c : ext)
    c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return ext == ".idf";
}

void CPMainForm::OpenModelPath(const std::string& path) {
  MakeFolderCurrent(path);
  std::shared_ptr<const idf::IdfFile> file;
  try {
    file = ReadModel(path);
  } catch (const idf::IdfError& e) {
    ShowError(e.what());
    return;
  }
  auto* dialog = new ModelDialog(file, Messages(), Numbers().Locale(), this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &ModelDialog::modelWritten, this, [this, path](const std::string& jobFile) {
    std::vector<std::string> written;
    for (const std::filesystem::path& output : CpModelOutputs(path))
      written.push_back(output.string());
    OpenJobPath(jobFile);
    ui::SayWritten(*status_, written);
  });
  dialog->open();
}

}  // namespace ventora
