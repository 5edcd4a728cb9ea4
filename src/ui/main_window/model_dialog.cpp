#include "ui/main_window/model_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>
#include <filesystem>

#include "commands/cp_model/from_model_summary.h"
#include "commands/cp_model/from_model_sweep.h"
#include "engine/pre_run_checks.h"
#include "map/fitted_box_picture.h"
#include "output/sweep/export_text.h"
#include "ui/app/desktop_words.h"
#include "ui/app/program_info.h"
#include "ui/editing/window_placement.h"
#include "ui/help/guide_help.h"
#include "ui/main_window/check_warnings.h"

namespace ventora {

namespace fs = std::filesystem;

// The fitted box, painted by the map room as the Cp map lays it out.
class FittedBoxView : public QWidget {
 public:
  explicit FittedBoxView(QWidget* parent) : QWidget(parent) {
    setObjectName("ModelPicture");
    setMinimumSize(360, 200);
  }
  void Show(const std::optional<Job>& job, const std::string& title) {
    job_ = job;
    title_ = title;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (job_) {
      PaintFittedBox(painter, *job_, title_, size());
    } else {
      painter.fillRect(rect(), Qt::white);
      painter.drawText(rect(), Qt::AlignCenter, "No box: see why below.");
    }
  }

 private:
  std::optional<Job> job_;
  std::string title_;
};

namespace {

constexpr const char* kTitle = "From an EnergyPlus model";
constexpr const char* kNoZone =
    "Tick at least one zone: the box is fitted to the exterior walls of the zones ticked.";

// The summary's and the refusals' lines name this dialog's controls.
QString Text(const std::string& text) {
  return QString::fromStdString(ui::DesktopWords(text));
}

// The boxes of the checks and the sweep, as lines in ventora-run's words.
class LineCollector : public MessageSink {
 public:
  explicit LineCollector(std::string& lines) : lines_(lines) {}
  MsgAnswer Show(const Message& message) override {
    lines_ += (lines_.empty() ? "" : "\n") + MessageText(message);
    return UnattendedAnswer(message.buttons);
  }

 private:
  std::string& lines_;
};

// A value box whose lowest value, one step of its last decimal below 0,
// stands for "not given"; every other value is 0 or more, and the checks
// before the sweep judge it as they judge the command line's.
QDoubleSpinBox* ValueBox(QWidget* parent, const char* name, double top, int decimals,
                         const char* unit, const char* unset) {
  auto* box = new QDoubleSpinBox(parent);
  box->setObjectName(name);
  box->setDecimals(decimals);
  box->setRange(-std::pow(10.0, -decimals), top);
  box->setSpecialValueText(unset);
  box->setSuffix(unit);
  box->setValue(box->minimum());
  return box;
}

std::optional<float> Given(const QDoubleSpinBox* box) {
  if (box->value() == box->minimum()) return std::nullopt;
  return static_cast<float>(box->value());
}

}  // namespace

ModelDialog::ModelDialog(std::shared_ptr<const idf::IdfFile> file, MessageSink& messages,
                         NumberLocale locale, QWidget* parent)
    : QDialog(parent), file_(std::move(file)), messages_(messages), locale_(locale) {
  setObjectName("ModelDialog");
  setWindowTitle(kTitle);
  BuildControls();
  FillZones();
  Refit();
  ui::ResizeToScreen(*this, QSize(1320, 860));
}

QWidget* ModelDialog::BuildOptions() {
  auto* options = new QWidget(this);
  auto* form = new QFormLayout(options);
  form->setContentsMargins(0, 0, 0, 0);
  fit_ = new QComboBox(options);
  fit_->setObjectName("ModelFit");
  fit_->addItem("The walls' own box (box)", "box");
  fit_->addItem("The smallest rectangle round the walls (enclosing)", "enclosing");
  zones_ = new QListWidget(options);
  zones_->setObjectName("ModelZones");
  zones_->setToolTip(
      "The box is fitted to the exterior walls of the zones ticked; the openings of "
      "the others get a Cp on the nearest facade");
  zones_->setMaximumHeight(120);
  pad_ = ValueBox(options, "ModelPAD", 100, 2, " %", "not given");
  pad_->setToolTip(
      "Plan area density of the surrounding buildings: percent of the ground they "
      "cover. The model does not describe the surroundings.");
  sbh_ = ValueBox(options, "ModelSbH", 1000, 2, " m", "not given");
  sbh_->setToolTip("The surrounding buildings' mean height");
  veexp_ = ValueBox(options, "ModelVeEXP", 1, 3, "", "the model's own");
  veexp_->setSingleStep(0.01);
  step_ = new QSpinBox(options);
  step_->setObjectName("ModelStep");
  step_->setRange(10, 180);  // EnergyPlus takes at most 36 wind directions
  step_->setValue(static_cast<int>(kDefaultSweepStep));
  step_->setSuffix(" deg.");
  tables_ = new QCheckBox("A table for every opening", options);
  tables_->setObjectName("ModelTables");
  strict_ = new QCheckBox("Strict: write nothing that holds an implausible Cp", options);
  strict_->setObjectName("ModelStrict");
  auto* model = new QLabel(Text(file_->path), options);
  model->setTextInteractionFlags(Qt::TextSelectableByMouse);
  form->addRow("Model:", model);
  form->addRow("&Fit:", fit_);
  form->addRow("&Zones:", zones_);
  form->addRow("&PAD:", pad_);
  form->addRow("Sb&H:", sbh_);
  form->addRow("&Exponent VeEXP:", veexp_);
  form->addRow("S&tep between wind directions:", step_);
  form->addRow("", tables_);
  form->addRow("", strict_);
  connect(fit_, &QComboBox::currentIndexChanged, this, &ModelDialog::Refit);
  connect(zones_, &QListWidget::itemChanged, this, &ModelDialog::Refit);
  for (QDoubleSpinBox* box : {pad_, sbh_, veexp_})
    connect(box, &QDoubleSpinBox::valueChanged, this, &ModelDialog::Refit);
  return options;
}

void ModelDialog::BuildControls() {
  QWidget* options = BuildOptions();
  picture_ = new FittedBoxView(this);
  summary_ = new QPlainTextEdit(this);
  summary_->setObjectName("ModelSummary");
  summary_->setReadOnly(true);
  summary_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  summary_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  refusalLab_ = new QLabel(this);
  refusalLab_->setObjectName("ModelRefusal");
  refusalLab_->setWordWrap(true);
  refusalLab_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  refusalLab_->setStyleSheet("QLabel#ModelRefusal { color: #8a1020; }");
  warnings_ = new WarningsPanel(this);

  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("ModelOk");
  ok_->setDefault(true);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("ModelCancel");
  cancel->setAutoDefault(false);
  auto* help =
      help::ConnectHelp(new QPushButton("Help", this), "results.md#from-an-energyplus-model");
  help->setObjectName("ModelHelp");
  help->setAutoDefault(false);
  connect(ok_, &QPushButton::clicked, this, &ModelDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &ModelDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(refusalLab_, 1);
  buttons->addWidget(ok_, 0, Qt::AlignBottom);
  buttons->addWidget(cancel, 0, Qt::AlignBottom);
  buttons->addWidget(help, 0, Qt::AlignBottom);

  auto* right = new QVBoxLayout;
  right->addWidget(picture_, 1);
  right->addWidget(summary_, 1);
  auto* top = new QHBoxLayout;
  top->addWidget(options, 0, Qt::AlignTop);
  top->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addWidget(warnings_);
  layout->addLayout(buttons);
}

// Every zone ticked, which fits the box to them all as without --zones.
void ModelDialog::FillZones() {
  std::vector<std::string> zones;
  try {
    zones = idf::ReadGeometry(*file_).zones;
  } catch (const idf::IdfError&) {
    // Refit says why the model cannot be read.
  }
  const QSignalBlocker quiet(zones_);
  for (const std::string& zone : zones) {
    auto* item = new QListWidgetItem(Text(zone), zones_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
  }
}

idf::FitOptions ModelDialog::Fit() const {
  idf::FitOptions options;
  options.mode =
      fit_->currentData().toString() == "enclosing" ? idf::FitMode::Enclosing : idf::FitMode::Box;
  bool all = true;
  std::vector<std::string> ticked;
  for (int i = 0; i < zones_->count(); ++i) {
    if (zones_->item(i)->checkState() == Qt::Checked)
      ticked.push_back(zones_->item(i)->text().toStdString());
    else
      all = false;
  }
  if (!all) options.zones = ticked;
  return options;
}

bool ModelDialog::NoZoneTicked() const {
  for (int i = 0; i < zones_->count(); ++i)
    if (zones_->item(i)->checkState() == Qt::Checked) return false;
  return true;
}

std::optional<ModelSite> ModelDialog::Site() const {
  const std::optional<float> pad = Given(pad_);
  const std::optional<float> sbh = Given(sbh_);
  if (!pad || !sbh) return std::nullopt;
  return ModelSite{*pad, *sbh, "the dialog", Given(veexp_)};
}

void ModelDialog::Refuse(const std::string& why) {
  refusal_ = why;
  plan_.reset();
  refusalLab_->setText(Text(why));
  ok_->setEnabled(false);
}

void ModelDialog::ShowSummary(const CpModelPlan& plan, bool withAssumptions) {
  std::string text;
  for (const std::string& line : BoxLines(plan.job))
    text += line + "\n";
  for (const std::string& line : OpeningLines(plan, OpeningNames(plan), /*sweep=*/nullptr))
    text += line + "\n";
  if (withAssumptions) {
    text += "Assumptions:\n";
    for (const std::string& note : plan.notes)
      text += "  - " + note + "\n";
  }
  summary_->setPlainText(Text(text));
}

void ModelDialog::Refit() {
  refusal_.clear();
  warnings_->Show({});
  plan_.reset();
  fitted_.reset();
  refusalLab_->clear();
  ok_->setEnabled(true);
  const std::string title = fs::path(file_->path).filename().string();
  try {
    const idf::FitOptions options = Fit();
    if (zones_->count() > 0 && options.zones.empty() && NoZoneTicked())
      throw idf::IdfError(kNoZone);
    const ModelBox box = FitModelBox(file_, options);
    fitted_ = box.fit.job;
    const std::optional<ModelSite> site = Site();
    if (!site) {
      ShowSummary(CpModelPlan{box, box.fit.job, {}, {}, {}}, false);
      Refuse(
          "Give PAD (plan area density of the surrounding buildings, percent of the ground "
          "they cover) and SbH (their mean height, m): the model does not describe the "
          "surroundings.");
    } else {
      plan_ = PlanCpModel(box, *site, {.version = kProgramVersion});
      ShowSummary(*plan_, true);
    }
  } catch (const idf::IdfError& e) {
    summary_->clear();
    Refuse(e.what());
  }
  picture_->Show(fitted_, title);
  if (!plan_) return;
  KeptBoxes checks;
  if (CheckJobData(plan_->job, checks, locale_) != 0 || CheckElements(plan_->job, checks) != 0) {
    Refuse(checks.Lines() + "\n" + kOutOfLimitsText);
    return;
  }
  warnings_->Show(checks.boxes);
}

bool ModelDialog::ConfirmReplace() const {
  std::string there;
  for (const fs::path& path : CpModelOutputs(file_->path)) {
    std::error_code error;
    if (fs::exists(path, error)) there += path.string() + "\n";
  }
  if (there.empty()) return true;
  const Message ask{"Confirm", there + "already there. Do you want to replace them?",
                    MsgIcon::Exclamation, MsgButtons::YesNo};
  return messages_.Show(ask) == MsgAnswer::Yes;
}

// As ventora-run --from-idf after its checks: sweep, then write all three
// files or none.
bool ModelDialog::SweepAndWrite() {
  CpModelFiles files;
  // The sweep repeats the checks' warnings, which the dialog shows already.
  std::string sweepNotes;
  LineCollector collector(sweepNotes);
  SweepSetup setup;
  setup.messages = &collector;
  const CpModelSettings settings{step_->value(), tables_->isChecked(), strict_->isChecked()};
  try {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    SweepCpModel(*plan_, settings, setup, files);
    QGuiApplication::restoreOverrideCursor();
  } catch (const std::exception& e) {
    QGuiApplication::restoreOverrideCursor();
    std::string why;
    for (const SweepDirection& d : files.sweep.directions)
      if (!d.completed)
        why += "wind direction " + NumberString(d.AnWind) + " deg.: " + d.failure + "\n";
    why += std::string(e.what()) + "\nNothing was written.";
    refusalLab_->setText(Text(why));
    messages_.Show(Message{kTitle, ui::DesktopWords(why), MsgIcon::Critical});
    return false;
  }
  try {
    WriteCpModelFiles(file_->path, files);
  } catch (const std::exception& e) {
    messages_.Show(Message{kTitle,
                           std::string(e.what()) + "\nNothing was written: the files that were "
                                                   "there are as they were.",
                           MsgIcon::Critical});
    return false;
  }
  std::string notes;
  for (const std::string& w : files.warnings)
    notes += "\nwarning: " + w;
  if (!notes.empty()) {
    messages_.Show(Message{kTitle, ui::DesktopWords("Written beside " + file_->path + "." + notes),
                           MsgIcon::Exclamation});
  }
  return true;
}

void ModelDialog::accept() {
  if (!plan_) {
    messages_.Show(Message{kTitle, ui::DesktopWords(refusal_), MsgIcon::Critical});
    return;
  }
  if (!ConfirmReplace() || !SweepAndWrite()) return;
  QDialog::accept();
  emit modelWritten(CpModelOutputs(file_->path).front().string());
}

}  // namespace ventora
