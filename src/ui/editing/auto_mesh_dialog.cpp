#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/mesh_refusal.h"
#include "core/number_parse.h"
#include "ui/editing/mesh_dialogs.h"
#include "ui/help/guide_help.h"

namespace ventora::ui {
namespace {

QLineEdit* NumberBox(QWidget* parent, const char* name, const char* text = "") {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(name);
  box->setFixedWidth(90);
  box->setAlignment(Qt::AlignRight);
  return box;
}

// OK, Cancel and the Help button in a row.
QHBoxLayout* ButtonRow(QDialog* dialog, const char* okName, const char* cancelName,
                       QPushButton** ok, QPushButton** cancel) {
  *ok = new QPushButton("OK", dialog);
  (*ok)->setObjectName(okName);
  *cancel = new QPushButton("Cancel", dialog);
  (*cancel)->setObjectName(cancelName);
  auto* help = new QPushButton("Help", dialog);
  help->setObjectName("Help");
  help::ConnectHelp(help, "editing.md#automatic-mesh");
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QPushButton* b : {*ok, *cancel, help}) {
    b->setAutoDefault(false);
    row->addWidget(b);
  }
  (*ok)->setDefault(true);  // Enter confirms from any box
  return row;
}

}  // namespace

bool ReadNumberBox(EditContext& ctx, QLineEdit* box, float& value) {
  std::string text = box->text().toStdString();
  ctx.numbers.ToLocaleDecimal(text);
  if (text.empty() || !IsLocaleNumber(text, ctx.numbers.Locale())) return false;
  value = ctx.numbers.TextToSingle(text);
  if (ctx.numbers.ConvError() || !std::isfinite(value)) return false;
  box->setText(QString::fromStdString(ctx.numbers.ToText(value)).trimmed());
  return true;
}

AutoXDialog::AutoXDialog(EditContext context, MeshSettings& mesh, QWidget* parent)
    : QDialog(parent), ctx_(context), mesh_(mesh) {
  setObjectName("autoX");
  setWindowTitle("Automatic Definition of Points");
  what_ = new QLabel(this);
  what_->setObjectName("XZstring");
  what_->setMinimumWidth(110);  // room for the caption, and for the window's title
  value_ = NumberBox(this, "stvalue");
  value_->setFixedWidth(130);
  QPushButton* ok = nullptr;
  QPushButton* cancel = nullptr;
  QHBoxLayout* buttons = ButtonRow(this, "okbtn", "Cancel", &ok, &cancel);
  connect(ok, &QPushButton::clicked, this, &AutoXDialog::OkClicked);
  connect(cancel, &QPushButton::clicked, this, &AutoXDialog::reject);
  auto* field = new QHBoxLayout;
  field->addWidget(what_);
  field->addWidget(value_);
  field->addStretch();
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(field);
  outer->addSpacing(8);
  outer->addLayout(buttons);
  outer->setSizeConstraint(QLayout::SetFixedSize);
}

void AutoXDialog::Ask(const QString& what) {
  what_->setText(what);
  atOpening_ = mesh_;
  value_->setFocus(Qt::OtherFocusReason);
  exec();
}

void AutoXDialog::OkClicked() {
  std::string text = value_->text().toStdString();
  ctx_.numbers.ToLocaleDecimal(text);
  if (text.empty() || !IsLocaleNumber(text, ctx_.numbers.Locale())) {
    Tell(ctx_.messages, what_->text().toStdString() + " \"" + value_->text().toStdString() +
                            "\" is not a number of metres.");
    value_->setFocus(Qt::OtherFocusReason);
    return;
  }
  const float v = ctx_.numbers.TextToSingle(text);
  if (what_->text() == "X value:")
    mesh_.MeshX0 = v;
  else
    mesh_.MeshZ0 = v;
  hide();
}

void AutoXDialog::reject() {
  mesh_ = atOpening_;
  mesh_.MeshAccepted = false;
  hide();
}

AutoMeshDialog::AutoMeshDialog(EditContext context, MeshSettings& mesh, QWidget* parent)
    : QDialog(parent), ctx_(context), mesh_(mesh) {
  setObjectName("AutoMesh");
  setWindowTitle("Automatic Definition of Points");
  horNo_ = NumberBox(this, "HorNo", "10");
  verNo_ = NumberBox(this, "VerNo", "10");
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Number of horizontal nodes", this), 0, 0);
  grid->addWidget(horNo_, 0, 1);
  grid->addWidget(new QLabel("Number of vertical nodes", this), 1, 0);
  grid->addWidget(verNo_, 1, 1);
  QPushButton* ok = nullptr;
  QPushButton* cancel = nullptr;
  QHBoxLayout* buttons = ButtonRow(this, "bOK", "bCancel", &ok, &cancel);
  connect(ok, &QPushButton::clicked, this, &AutoMeshDialog::OkClicked);
  connect(cancel, &QPushButton::clicked, this, &AutoMeshDialog::reject);
  auto* outer = new QVBoxLayout(this);
  auto* title = new QLabel("Automatic definition of grid nodes on the facade", this);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  outer->addWidget(title);
  outer->addSpacing(6);
  outer->addLayout(grid);
  outer->addSpacing(8);
  outer->addLayout(buttons);
  outer->setSizeConstraint(QLayout::SetFixedSize);
  autoX_ = new AutoXDialog(ctx_, mesh_, this);
}

void AutoMeshDialog::Open() {
  atOpening_ = mesh_;
  horNo_->setFocus(Qt::OtherFocusReason);
  exec();
}

// A node count: a whole number from 1 to 400.
bool AutoMeshDialog::ReadCount(QLineEdit* box, std::int16_t& count, const MeshBox& what) {
  const limits::Range accepted = limits::Closed(1, kMaxMeshNodes);
  const char decimal = ctx_.numbers.Locale().decimal;
  std::string text = box->text().toStdString();
  if (!text.empty() && ctx_.numbers.IsIntegerText(text)) {
    const double typed = ctx_.numbers.TextToNumber(text);
    if (accepted.Contains(static_cast<float>(typed))) {
      count = static_cast<std::int16_t>(std::lround(typed));
      return true;
    }
    Tell(ctx_.messages, MeshRangeText(what, typed, accepted, decimal));
  } else {
    Tell(ctx_.messages,
         MeshNotANumberText(what, box->text().trimmed().toStdString(), accepted, true, decimal));
  }
  box->setFocus(Qt::OtherFocusReason);
  mesh_.MeshAccepted = false;
  return false;
}

void AutoMeshDialog::OkClicked() {
  mesh_.MeshAccepted = true;
  if (!ReadCount(horNo_, mesh_.MeshNH, {"Number of horizontal nodes", "NH", ""})) return;
  if (mesh_.MeshNH == 1) {
    autoX_->Ask("X value:");
    if (!mesh_.MeshAccepted) return;
  }
  if (!ReadCount(verNo_, mesh_.MeshNV, {"Number of vertical nodes", "NV", ""})) return;
  if (mesh_.MeshNV == 1)
    autoX_->Ask(AsFacade(ctx_.doc.CurFacade) < Facade::Roof ? "Z value:" : "Y value:");
  if (mesh_.MeshNH * mesh_.MeshNV > kMaxMeshNodes) {
    Tell(ctx_.messages, TotalNodesText(mesh_.MeshNH * mesh_.MeshNV, ctx_.numbers.Locale().decimal));
    mesh_.MeshAccepted = false;
  }
  if (mesh_.MeshAccepted) hide();
}

void AutoMeshDialog::reject() {
  mesh_ = atOpening_;
  mesh_.MeshAccepted = false;
  hide();
}

}  // namespace ventora::ui
