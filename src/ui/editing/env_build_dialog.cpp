#include "ui/editing/env_build_dialog.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QUndoStack>
#include <QVBoxLayout>
#include <cmath>
#include <utility>

#include "core/number_parse.h"
#include "core/range_message.h"
#include "core/roof_layout.h"
#include "ui/editing/site_map_dialog.h"
#include "ui/editing/window_placement.h"
#include "ui/help/guide_help.h"
#include "ui/pictures/help_slate.h"

namespace ventora::ui {
namespace {

// Focus that leaves because another window came to the front (a message box,
// another program) is not the user leaving the field.
bool UserLeft(const QEvent* event) {
  const auto reason = static_cast<const QFocusEvent*>(event)->reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
         reason != Qt::MenuBarFocusReason;
}

constexpr const char* kRoofTypes[] = {"flat", "single slope", "double slope"};

QString RoofTypeName(std::int16_t islope) {
  return islope >= 0 && islope <= 2 ? kRoofTypes[islope] : QString::number(islope);
}

}  // namespace

EnvBuildDialog::EnvBuildDialog(EditContext context, const QWidget* chooser, QWidget* parent)
    : QDialog(parent), ctx_(context), chooser_(chooser) {
  setObjectName("EnvBuild");
  setWindowTitle("Environment and Building Geometry");
  BuildLayout();
}

void EnvBuildDialog::BuildLayout() {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(6);
  for (int i = 0; i < kEnvFieldCount; ++i) {
    const EnvField& f = kEnvFields[i];
    auto* label = new QLabel(f.label, this);
    label->setObjectName(f.labelName);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(f.name);
    edit->setFixedWidth(110);
    edit->setAlignment(Qt::AlignRight);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this] { refusalShown_ = false; });
    label->setBuddy(edit);
    grid->addWidget(label, i, 0);
    grid->addWidget(edit, i, 1);
    grid->addWidget(new QLabel(f.unit, this), i, 2);
    fields_[i] = edit;
  }
  auto* roofLabel = new QLabel("Roof T&ype", this);
  roofLabel->setObjectName("Label10");
  grid->addWidget(roofLabel, kEnvFieldCount, 0);
  grid->addWidget(BuildRoofFrame(), kEnvFieldCount, 1, 1, 2);
  roofLabel->setBuddy(slopes_[0]);
  roofNote_ = new QLabel(this);
  roofNote_->setObjectName("RoofNote");
  roofNote_->setWordWrap(true);
  roofNote_->setFixedWidth(300);
  grid->addWidget(roofNote_, kEnvFieldCount, 3, Qt::AlignTop);
  auto* fromMap = new QPushButton("From &map…", this);
  fromMap->setObjectName("FromMap");
  fromMap->setAutoDefault(false);
  fromMap->setToolTip("PAD and SbH from the building footprints round the site");
  connect(fromMap, &QPushButton::clicked, this, &EnvBuildDialog::FromMapClicked);
  grid->addWidget(fromMap, 2, 3, 2, 1, Qt::AlignLeft | Qt::AlignVCenter);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OK");
  ok->setDefault(true);  // Enter confirms from any field
  auto* cancel = cancel_ = new QPushButton("Cancel", this);
  cancel->setObjectName("Cancel");
  auto* help = new QPushButton("Help", this);
  help->setObjectName("Command1");
  help::ConnectHelp(help, "editing.md#environment-and-building");
  for (QPushButton* b : {cancel, help})
    b->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &EnvBuildDialog::OkClicked);
  connect(cancel, &QPushButton::clicked, this, &EnvBuildDialog::CancelClicked);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(help);

  auto* outer = new QVBoxLayout(this);
  outer->addLayout(grid);
  outer->addSpacing(8);
  outer->addLayout(buttons);
  outer->setSizeConstraint(QLayout::SetFixedSize);
}

QGroupBox* EnvBuildDialog::BuildRoofFrame() {
  auto* frame = new QGroupBox(this);
  frame->setObjectName("Frame1");
  auto* row = new QVBoxLayout(frame);
  row->setContentsMargins(8, 4, 8, 4);
  const char* names[] = {"fslope1", "fslope2", "fslope3"};
  for (int i = 0; i < 3; ++i) {
    slopes_[i] = new QRadioButton(kRoofTypes[i], frame);
    slopes_[i]->setObjectName(names[i]);
    slopes_[i]->installEventFilter(this);
    row->addWidget(slopes_[i]);
    // A click (or an arrow key) takes the type at once, so the words and a
    // flat roof's tilt follow it while the user looks.
    connect(slopes_[i], &QRadioButton::clicked, this, [this] { TakeRoofType(); });
  }
  return frame;
}

void EnvBuildDialog::Prepare() {
  atOpening_ = ctx_.doc.job;
  steps_.clear();
  refusalShown_ = false;
  tiltResetSaid_ = false;
  for (int i = 0; i < kEnvFieldCount; ++i)
    fields_[i]->setText(
        QString::fromStdString(ctx_.numbers.ToText(ctx_.doc.job.*kEnvFields[i].param)).trimmed());
  SelectRoofType();
  ctx_.slate.HidePicture(HelpPicture::FacadeNo);
  adjustSize();
  if (!placed_) {
    // The dialog takes the chooser's place at the screen's left edge, so the
    // picture window can stand to its right.
    const QWidget* beside = chooser_ != nullptr ? chooser_ : this;
    MoveOnScreen(*this, FrameLeft(*beside), FrameTop(*this));
    placed_ = true;
  }
  SetFrameLeft(ctx_.slate, FrameLeft(*this) + FrameWidth(*this) + WindowGap(*this));
  SetFrameTop(*this, FrameTop(ctx_.slate) + FrameHeight(ctx_.slate) - FrameHeight(*this));
}

void EnvBuildDialog::Open() {
  Prepare();
  exec();
}

void EnvBuildDialog::SelectRoofType() {
  const std::int16_t islope = ctx_.doc.job.Islope;
  if (islope >= 0 && islope <= 2) slopes_[islope]->setChecked(true);
  ShowRoofNote();
}

void EnvBuildDialog::ShowRoofNote(bool tiltReset) {
  std::string text = RoofLayoutText(ctx_.doc.job.Islope);
  if (tiltReset) text += " The roof tilt Phi was set to 0.";
  roofNote_->setText(QString::fromStdString(text));
}

int EnvBuildDialog::FieldIndex(const QObject* o) const {
  for (int i = 0; i < kEnvFieldCount; ++i)
    if (fields_[i] == o) return i;
  return -1;
}

bool EnvBuildDialog::eventFilter(QObject* watched, QEvent* event) {
  const bool in = event->type() == QEvent::FocusIn;
  const bool out = event->type() == QEvent::FocusOut && UserLeft(event);
  if (!in && !out) return QDialog::eventFilter(watched, event);
  const int i = FieldIndex(watched);
  if (i >= 0) {
    if (in)
      FieldGainedFocus(i);
    else
      FieldLostFocus(i);
  } else if (in) {
    ctx_.slate.ShowHelpPicture("Roof Type", HelpPicture::tiltsl);
  } else {
    RoofLostFocus();
  }
  return QDialog::eventFilter(watched, event);
}

void EnvBuildDialog::FieldGainedFocus(int i) {
  ctx_.slate.ShowHelpPicture(kEnvFields[i].hint, kEnvFields[i].picture);
}

void EnvBuildDialog::FieldLostFocus(int i) {
  // Cancel puts every value back: a refusal on the way to it would only delay it.
  if (checking_ || QApplication::focusWidget() == cancel_) return;
  checking_ = true;
  if (const std::string refusal = AcceptField(i); !refusal.empty()) {
    Tell(ctx_.messages, refusal);
    fields_[i]->setFocus(Qt::OtherFocusReason);
    refusalShown_ = true;
  }
  checking_ = false;
  if (kEnvFields[i].param == &Job::VeEXP) ctx_.slate.setWindowTitle(kVisualHelpCaption);
  ctx_.slate.HidePicture(kEnvFields[i].picture);
}

// Writes the field's value into the job when the text is a number the field
// accepts; the field then shows the value as the locale writes it. Returns
// the refusal otherwise, naming the value and the range.
std::string EnvBuildDialog::AcceptField(int i) {
  const EnvField& f = kEnvFields[i];
  const char decimal = ctx_.numbers.Locale().decimal;
  const std::string typed = fields_[i]->text().trimmed().toStdString();
  std::string text = typed;
  ctx_.numbers.ToLocaleDecimal(text);
  const std::string notANumber = limits::NotANumberText(*f.limits, typed, f.accepts, decimal);
  if (!IsLocaleNumber(text, ctx_.numbers.Locale())) return notANumber;
  float v = 0;
  try {
    v = static_cast<float>(ctx_.numbers.TextToNumber(text));
  } catch (const NumberConversionError&) {
    return notANumber;  // a number too large for 32 bits
  }
  if (!std::isfinite(v)) return notANumber;
  if (!f.accepts.Contains(v))
    return limits::OutsideRangeText(
        {*f.limits, v, f.accepts, limits::RangeKind::Accepted, "", decimal});
  const Job before = ctx_.doc.job;
  ctx_.doc.job.*f.param = v;
  NoteStep(before, ValueChangeText(*f.limits, before.*f.param, v, ctx_.numbers));
  fields_[i]->setText(QString::fromStdString(ctx_.numbers.ToText(v)).trimmed());
  return {};
}

void EnvBuildDialog::RoofLostFocus() {
  TakeRoofType();
  ctx_.slate.HidePicture(HelpPicture::tiltsl);
}

void EnvBuildDialog::TakeRoofType() {
  Job& job = ctx_.doc.job;
  const Job before = job;
  bool tiltReset = false;
  if (slopes_[0]->isChecked()) {
    job.Islope = 0;
    tiltReset = job.Phi != 0 || fields_[8]->text() != "0";
    fields_[8]->setText("0");
    job.Phi = 0;
  } else if (slopes_[1]->isChecked()) {
    job.Islope = 1;
  } else if (slopes_[2]->isChecked()) {
    job.Islope = 2;
  }
  QString text =
      QString("%1 %2 \u2192 %3")
          .arg(limits::kIslope.label, RoofTypeName(before.Islope), RoofTypeName(job.Islope));
  if (before.Phi != job.Phi)
    text += ", " + ValueChangeText(limits::kPhi, before.Phi, job.Phi, ctx_.numbers);
  NoteStep(before, text);
  // A reset, once said, stays said while the roof stays flat.
  tiltResetSaid_ = job.Islope == 0 && (tiltResetSaid_ || tiltReset);
  ShowRoofNote(tiltResetSaid_);
}

void EnvBuildDialog::ReturnSlateBesideChooser() {
  const int chooserRight =
      chooser_ != nullptr ? FrameLeft(*chooser_) + FrameWidth(*chooser_) : FrameLeft(*this);
  SetFrameLeft(ctx_.slate, chooserRight + WindowGap(*this));
  ctx_.slate.RevealPicture(HelpPicture::FacadeNo);
}

// Enter confirms without leaving the field: its text is checked as leaving
// it would check it, and a refused value keeps the dialog open.
bool EnvBuildDialog::AcceptFocusedField() {
  const int i = FieldIndex(QApplication::focusWidget());
  if (i < 0) {
    if (slopes_[0]->hasFocus() || slopes_[1]->hasFocus() || slopes_[2]->hasFocus()) RoofLostFocus();
    return true;
  }
  const std::string refusal = AcceptField(i);
  if (refusal.empty()) return true;
  Tell(ctx_.messages, refusal);
  fields_[i]->setFocus(Qt::OtherFocusReason);
  return false;
}

// The footprints' values go into the job as ventora-run gives them to a
// job, a PAD beyond the field's range too: the map dialog said so, and the
// check before a run refuses it. This dialog's Cancel still puts back what
// was there at opening.
void EnvBuildDialog::FromMapClicked() {
  if (std::exchange(refusalShown_, false) || !AcceptFocusedField()) return;
  if (siteMap_ == nullptr)
    siteMap_ = new SiteMapDialog(ctx_.messages, ctx_.numbers.Locale().decimal, finder_, this);
  const std::optional<SiteValues> values = siteMap_->Ask(ctx_.doc.job);
  if (!values) return;
  Job& job = ctx_.doc.job;
  const Job before = job;
  job.PAD = values->pad;
  if (values->sbh) job.SbH = *values->sbh;
  QString text =
      "From map\u2026 " + ValueChangeText(limits::kPAD, before.PAD, job.PAD, ctx_.numbers);
  if (before.SbH != job.SbH)
    text += ", " + ValueChangeText(limits::kSbH, before.SbH, job.SbH, ctx_.numbers);
  NoteStep(before, text);
  for (int i = 0; i < kEnvFieldCount; ++i)
    if (kEnvFields[i].param == &Job::PAD || kEnvFields[i].param == &Job::SbH)
      fields_[i]->setText(
          QString::fromStdString(ctx_.numbers.ToText(job.*kEnvFields[i].param)).trimmed());
}

void EnvBuildDialog::OkClicked() {
  if (std::exchange(refusalShown_, false) || !AcceptFocusedField()) return;
  // The history takes the steps from the job as it was at opening.
  const Job kept = ctx_.doc.job;
  ctx_.doc.job = atOpening_;
  steps_.push_back({steps_.empty() ? atOpening_ : steps_.back().after, kept, "Environment"});
  PushSteps(ctx_.history, ctx_.doc, steps_);
  steps_.clear();
  ctx_.doc.DataChanged = true;
  emit jobChanged();
  ReturnSlateBesideChooser();
  hide();
  setResult(QDialog::Accepted);
}

void EnvBuildDialog::NoteStep(const Job& before, const QString& text) {
  if (!(before == ctx_.doc.job)) steps_.push_back({before, ctx_.doc.job, text});
}

void EnvBuildDialog::CancelClicked() {
  ctx_.doc.job = atOpening_;
  steps_.clear();
  ReturnSlateBesideChooser();
  hide();
  setResult(QDialog::Rejected);
}

// Esc and the window's close button act as Cancel.
void EnvBuildDialog::reject() {
  CancelClicked();
}

}  // namespace ventora::ui
