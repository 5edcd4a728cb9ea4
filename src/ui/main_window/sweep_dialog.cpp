#include "ui/main_window/sweep_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QVBoxLayout>

#include "output/sweep/export_checks.h"
#include "output/sweep/export_formats.h"
#include "output/sweep/modelica_export.h"
#include "ui/app/desktop_words.h"
#include "ui/app/program_info.h"
#include "ui/help/guide_help.h"

namespace ventora {
namespace {

constexpr const char* kSweepTitle = "Sweep";

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
                         QWidget* parent)
    : QDialog(parent), job_(job), jobName_(jobName), messages_(messages) {
  setObjectName("SweepDialog");
  setWindowTitle("Sweep and export");
  BuildControls();
  FormatChosen();
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
  file_ = new QLineEdit(options_);
  file_->setObjectName("SweepFile");
  file_->setMinimumWidth(420);
  form->addRow("&Format:", format_);
  form->addRow("&Step between wind directions:", step_);
  form->addRow("", tables_);
  form->addRow("", strict_);
  form->addRow("First &profile number:", contamFirst_);
  form->addRow("&Package name:", package_);
  form->addRow("F&ile:", file_);
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
  layout->addWidget(progress_);
  layout->addLayout(buttons);
}

bool SweepDialog::ShowCpAfterwards() const {
  return showCp_->isChecked();
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
  request.file = file_->text().trimmed().toStdString();
  return request;
}

void SweepDialog::accept() {
  if (Running()) return;
  if (const std::string error = OptionsError(); !error.empty()) {
    messages_.Show(Message{kSweepTitle, ui::DesktopWords(error), MsgIcon::Critical});
    return;
  }
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
  } else if (outcome_ && !outcome_->notes.empty()) {
    const std::string head = outcome_->Written() ? "Written: " + file_->text().toStdString() + "\n"
                                                 : "Nothing was written.\n";
    messages_.Show(Message{kSweepTitle, ui::DesktopWords(head + JoinLines(outcome_->notes)),
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
