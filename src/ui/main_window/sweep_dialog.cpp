#include "ui/main_window/sweep_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QVBoxLayout>

#include "core/settings_file.h"
#include "output/sweep/export_checks.h"
#include "output/sweep/export_formats.h"
#include "output/sweep/modelica_export.h"
#include "ui/app/desktop_words.h"
#include "ui/app/program_info.h"
#include "ui/help/guide_help.h"
#include "ui/main_window/check_warnings.h"

namespace ventora {
namespace {

constexpr const char* kSweepTitle = "Sweep";
constexpr const char* kSection = "sweep";  // in the settings file

struct FormatChoice {
  const char* label;
  const char* name;  // as the format table names it
};
constexpr FormatChoice kChoices[] = {
    {"CSV", "csv"}, {"EnergyPlus", "energyplus"}, {"CONTAM", "contam"}, {"Modelica", "modelica"}};

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines)
    text += (text.empty() ? "" : "\n") + line;
  return text;
}

}  // namespace

SweepDialog::SweepDialog(const Job& job, const std::string& jobName, MessageSink& messages,
                         const std::string& settingsFile, QWidget* parent)
    : QDialog(parent),
      job_(job),
      jobName_(jobName),
      messages_(messages),
      settingsFile_(settingsFile) {
  setObjectName("SweepDialog");
  setWindowTitle("Sweep and export");
  askFile = [this] { return AskFile(); };
  BuildControls();
  FormatChosen();
  TakeRemembered();
}

// The format first: choosing it offers its own default step.
void SweepDialog::TakeRemembered() {
  if (settingsFile_.empty()) return;
  const auto value = [this](const char* key) {
    return QString::fromStdString(GetIniValue(settingsFile_, kSection, key));
  };
  const int format = format_->findData(value("format"));
  if (format >= 0) format_->setCurrentIndex(format);
  bool number = false;
  const int step = value("step").toInt(&number);
  if (number) step_->setValue(step);
  const QString show = value("show afterwards");
  if (!show.isEmpty()) showCp_->setChecked(show == "1");
}

// A settings file that cannot be written costs only what it would remember.
void SweepDialog::Remember() const {
  if (settingsFile_.empty()) return;
  SetIniValue(settingsFile_, kSection, "format", FormatName());
  SetIniValue(settingsFile_, kSection, "step", std::to_string(step_->value()));
  SetIniValue(settingsFile_, kSection, "show afterwards", showCp_->isChecked() ? "1" : "0");
}

void SweepDialog::ShowCheckWarnings(const std::vector<Message>& boxes) {
  warnings_->Show(boxes);
  adjustSize();
}

QWidget* SweepDialog::FileRow() {
  auto* row = new QWidget(options_);
  file_ = new QLineEdit(row);
  file_->setObjectName("SweepFile");
  file_->setMinimumWidth(360);
  auto* browse = new QPushButton("&Browse\u2026", row);
  browse->setObjectName("SweepBrowse");
  browse->setAutoDefault(false);
  connect(browse, &QPushButton::clicked, this, [this] {
    const QString chosen = askFile();
    if (!chosen.isEmpty()) file_->setText(chosen);
  });
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(file_, 1);
  layout->addWidget(browse);
  return row;
}

QString SweepDialog::AskFile() {
  const QString suffix = QFileInfo(file_->text()).suffix();
  return QFileDialog::getSaveFileName(
      this, "Export to", file_->text(),
      QString("%1 (*.%2);;All files (*)").arg(format_->currentText(), suffix));
}

SweepDialog::~SweepDialog() {
  if (worker_ == nullptr) return;
  cancel_ = true;
  worker_->wait();
}

void SweepDialog::BuildControls() {
  options_ = new QWidget(this);
  auto* form = new QFormLayout(options_);
  form->setContentsMargins(0, 0, 0, 0);
  format_ = new QComboBox(options_);
  format_->setObjectName("SweepFormat");
  for (const FormatChoice& c : kChoices)
    format_->addItem(c.label, c.name);
  step_ = new QSpinBox(options_);
  step_->setObjectName("SweepStep");
  step_->setRange(1, 180);
  step_->setSuffix(" deg.");
  tables_ = new QCheckBox("A table for every element", options_);
  tables_->setObjectName("SweepTables");
  // As ventora-run --strict: the sweep's notes then say why nothing was written.
  strict_ = new QCheckBox("S&trict: write no export that holds an implausible Cp", options_);
  strict_->setObjectName("SweepStrict");
  strict_->setToolTip(
      "A Cp beyond the envelope of physically possible values keeps the export "
      "from being written");
  contamFirst_ = new QSpinBox(options_);
  contamFirst_->setObjectName("SweepContamFirst");
  contamFirst_->setRange(1, 1000000);
  package_ = new QLineEdit(options_);
  package_->setObjectName("SweepPackage");
  package_->setPlaceholderText(
      Text(DefaultModelicaPackage(std::filesystem::path(jobName_).filename().string())));
  form->addRow("&Format:", format_);
  form->addRow("&Step between wind directions:", step_);
  form->addRow("", tables_);
  form->addRow("", strict_);
  form->addRow("First &profile number:", contamFirst_);
  form->addRow("&Package name:", package_);
  form->addRow("F&ile:", FileRow());
  showCp_ = new QCheckBox("Show Cp against wind &direction afterwards", options_);
  showCp_->setObjectName("SweepShowCp");
  showCp_->setChecked(true);
  form->addRow("", showCp_);
  // The step is checked for the chosen format as it is typed.
  stepNote_ = new QLabel(options_);
  stepNote_->setObjectName("SweepStepNote");
  stepNote_->setWordWrap(true);
  stepNote_->setStyleSheet("QLabel#SweepStepNote { color: #8a1020; }");
  form->insertRow(2, "", stepNote_);
  connect(step_, &QSpinBox::valueChanged, this, &SweepDialog::CheckStep);
  connect(format_, &QComboBox::currentIndexChanged, this, &SweepDialog::FormatChosen);
  connect(package_, &QLineEdit::textChanged, this, &SweepDialog::FollowDefaultFile);

  warnings_ = new WarningsPanel(this);

  progress_ = new QProgressBar(this);
  progress_->setObjectName("SweepProgress");
  progress_->setFormat("%v of %m wind directions");
  progress_->hide();

  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("SweepOk");
  ok_->setDefault(true);
  cancelBtn_ = new QPushButton("Cancel", this);
  cancelBtn_->setObjectName("SweepCancel");
  cancelBtn_->setAutoDefault(false);
  auto* help = help::ConnectHelp(new QPushButton("Help", this), "results.md#sweep-and-export");
  help->setObjectName("SweepHelp");
  help->setAutoDefault(false);
  connect(ok_, &QPushButton::clicked, this, &SweepDialog::accept);
  connect(cancelBtn_, &QPushButton::clicked, this, &SweepDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(cancelBtn_);
  buttons->addWidget(help);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(options_);
  layout->addWidget(warnings_);
  layout->addWidget(progress_);
  layout->addLayout(buttons);
}

bool SweepDialog::ShowCpAfterwards() const {
  return showCp_->isChecked();
}

std::string SweepDialog::File() const {
  return file_->text().trimmed().toStdString();
}

std::string SweepDialog::FormatName() const {
  return format_->currentData().toString().toStdString();
}

// Each format comes with its own default step and file and shows its own
// options only; a file the user typed stays.
void SweepDialog::FormatChosen() {
  const std::string name = FormatName();
  step_->setValue(FindExportFormat(name)->defaultStep);
  auto* form = static_cast<QFormLayout*>(options_->layout());
  form->setRowVisible(tables_, name == "energyplus");
  form->setRowVisible(contamFirst_, name == "contam");
  form->setRowVisible(package_, name == "modelica");
  FollowDefaultFile();
  CheckStep();
  adjustSize();
}

void SweepDialog::CheckStep() {
  const std::string error = ExportStepError(FormatName(), step_->value());
  stepNote_->setText(Text(ui::DesktopWords(error)));
  static_cast<QFormLayout*>(options_->layout())->setRowVisible(stepNote_, !error.empty());
  ok_->setEnabled(error.empty() && !Running());
}

// The file a format is written to by default, as ventora-run names it: a
// Modelica package's file follows the package's name. A file the user typed
// stays.
void SweepDialog::FollowDefaultFile() {
  const std::string name = FormatName();
  std::string package = package_->text().toStdString();
  if (name != "modelica" || !ModelicaPackageError(package).empty()) package.clear();
  if (file_->text().isEmpty() || file_->text() == defaultFile_) {
    defaultFile_ = Text(ExportPath(*FindExportFormat(name), jobName_, package).string());
    file_->setText(defaultFile_);
  }
}

std::string SweepDialog::OptionsError() const {
  const std::string name = FormatName();
  if (std::string error = ExportStepError(name, step_->value()); !error.empty()) return error;
  const std::string package = package_->text().toStdString();
  if (name == "modelica" && !package.empty() && !ModelicaPackageError(package).empty())
    return package + ": " + ModelicaPackageError(package);
  if (file_->text().trimmed().isEmpty()) return "Name the file the export is written to.";
  return "";
}

SweepRequest SweepDialog::Request() const {
  SweepRequest request;
  request.job = job_;
  request.jobName = jobName_;
  request.format = FormatName();
  request.settings.step = step_->value();
  if (request.format == "contam") request.settings.contamFirst = contamFirst_->value();
  if (request.format == "modelica")
    request.settings.modelicaPackage = package_->text().toStdString();
  request.settings.info = {kProgramVersion};
  request.settings.strict = strict_->isChecked();
  request.allTables = request.format == "energyplus" && tables_->isChecked();
  request.file = File();
  return request;
}

void SweepDialog::accept() {
  if (Running()) return;
  if (const std::string error = OptionsError(); !error.empty()) {
    messages_.Show(Message{kSweepTitle, ui::DesktopWords(error), MsgIcon::Critical});
    return;
  }
  Remember();
  Start();
}

void SweepDialog::Start() {
  const SweepRequest request = Request();
  cancel_ = false;
  cancelled_ = false;
  error_.clear();
  outcome_.reset();
  options_->setEnabled(false);
  ok_->setEnabled(false);
  progress_->setRange(
      0, static_cast<int>(
             ExportDirections(*FindExportFormat(request.format), request.settings.step).size()));
  progress_->setValue(0);
  progress_->show();
  SweepSetup setup;
  setup.cancel = &cancel_;
  setup.progress = [this, after = afterDirection_](std::size_t done, std::size_t total) {
    QMetaObject::invokeMethod(
        this,
        [this, done, total] { ShowProgress(static_cast<int>(done), static_cast<int>(total)); },
        Qt::QueuedConnection);
    if (after) after(done);
  };
  // The worker writes outcome_ and error_ only; the window reads them once
  // the thread has finished.
  worker_ = QThread::create([this, request, setup] {
    try {
      outcome_ = RunSweepExport(request, setup);
    } catch (const Cancelled&) {
      cancelled_ = true;
    } catch (const std::exception& e) {
      error_ = e.what();
    }
  });
  connect(worker_, &QThread::finished, this, &SweepDialog::Finish);
  worker_->start();
}

void SweepDialog::ShowProgress(int done, int total) {
  progress_->setMaximum(total);
  progress_->setValue(done);
}

void SweepDialog::Finish() {
  worker_->wait();
  worker_->deleteLater();
  worker_ = nullptr;
  emit sweepEnded();
  if (cancelled_) {
    QDialog::reject();
    return;
  }
  if (!error_.empty()) {
    messages_.Show(Message{kSweepTitle, ui::DesktopWords(error_), MsgIcon::Critical});
  } else if (outcome_ && (!outcome_->notes.empty() || !outcome_->warnings.empty())) {
    const std::string head = outcome_->Written() ? "Written: " + file_->text().toStdString() + "\n"
                                                 : "Nothing was written.\n";
    // The box's icon marks the warnings, as it marks the notes.
    messages_.Show(Message{kSweepTitle,
                           ui::DesktopWords(head + JoinLines(outcome_->NotesAndWarnings())),
                           outcome_->Written() ? MsgIcon::Exclamation : MsgIcon::Critical});
  }
  QDialog::accept();
}

void SweepDialog::reject() {
  if (!Running()) {
    QDialog::reject();
    return;
  }
  cancel_ = true;  // the worker stops before the next direction
  cancelBtn_->setEnabled(false);
}

void SweepDialog::closeEvent(QCloseEvent* event) {
  if (!Running()) {
    QDialog::closeEvent(event);
    return;
  }
  event->ignore();
  reject();
}

}  // namespace ventora
