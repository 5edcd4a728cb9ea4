#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "ui/editing/mesh_dialogs.h"
#include "ui/help/guide_help.h"

namespace ventora::ui {
namespace {

QLineEdit* Box(QWidget* parent, const char* name) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setFixedWidth(90);
  box->setAlignment(Qt::AlignRight);
  return box;
}

QLabel* Label(QWidget* parent, const char* name, const char* text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

QPushButton* Button(QWidget* parent, const char* name, const char* text) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

// How many nodes fit from `first` to `last` at `spacing` (one for no spacing).
long long PossibleNodes(float first, float last, float spacing) {
  if (spacing == 0) return 1;
  const float steps = (last - first) / spacing;
  if (!(steps < 1e9f)) return 1000000000LL;  // far beyond any count the grid takes
  return static_cast<long long>(std::floor(steps)) + 1;
}

}  // namespace

UserMeshDialog::UserMeshDialog(EditContext context, MeshSettings& mesh, QWidget* parent)
    : QDialog(parent), ctx_(context), mesh_(mesh) {
  setObjectName("UserMesh");
  setWindowTitle("User-defined grid of nodes on the facade");
  BuildLayout();
  fill_->setChecked(true);
  FillModeChosen(true);
}

void UserMeshDialog::BuildLayout() {
  x0_ = Box(this, "stxvalue");
  z0_ = Box(this, "stzvalue");
  dx_ = Box(this, "stdeltax");
  dz_ = Box(this, "stdeltaz");
  horNo_ = Box(this, "HorNo");
  verNo_ = Box(this, "VerNo");
  labelX0_ = Label(this, "Label3", "x coordinate");
  labelZ0_ = Label(this, "Label4", "z coordinate");
  labelDX_ = Label(this, "Label5", "Horizontal distance between nodes");
  labelDZ_ = Label(this, "Label7", "Vertical distance between nodes");

  auto* nodes = new QGridLayout;
  auto* initial = Label(this, "Label1", "Initial node:");
  QFont bold = initial->font();
  bold.setBold(true);
  initial->setFont(bold);
  nodes->addWidget(initial, 0, 0, 1, 2);
  nodes->addWidget(labelX0_, 1, 0);
  nodes->addWidget(x0_, 1, 1);
  nodes->addWidget(labelZ0_, 2, 0);
  nodes->addWidget(z0_, 2, 1);
  nodes->addWidget(labelDX_, 3, 0);
  nodes->addWidget(dx_, 3, 1);
  nodes->addWidget(labelDZ_, 4, 0);
  nodes->addWidget(dz_, 4, 1);

  auto* frame = new QGroupBox(this);
  frame->setObjectName("Frame1");
  frame->setMinimumWidth(460);  // the window's long title stays readable
  fill_ = new QRadioButton("Fill the facade", frame);
  fill_->setObjectName("ball");
  auto* own = new QRadioButton("User defined rows and columns", frame);
  own->setObjectName("btodef");
  auto* counts = new QGridLayout(frame);
  counts->addWidget(fill_, 0, 0, 1, 2);
  counts->addWidget(own, 1, 0, 1, 2);
  counts->addWidget(new QLabel("Number of horizontal nodes", frame), 2, 0);
  counts->addWidget(horNo_, 2, 1);
  counts->addWidget(new QLabel("Number of vertical nodes", frame), 3, 0);
  counts->addWidget(verNo_, 3, 1);
  connect(fill_, &QRadioButton::toggled, this, &UserMeshDialog::FillModeChosen);

  auto* ok = Button(this, "bOK", "OK");
  auto* cancel = Button(this, "bCancel", "Cancel");
  auto* help = help::ConnectHelp(Button(this, "Help", "Help"), "editing.md#user-defined-mesh");
  connect(ok, &QPushButton::clicked, this, &UserMeshDialog::OkClicked);
  connect(cancel, &QPushButton::clicked, this, &UserMeshDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {ok, cancel, help})
    buttons->addWidget(b);
  ok->setDefault(true);  // Enter confirms from any box

  auto* outer = new QVBoxLayout(this);
  outer->addLayout(nodes);
  outer->addSpacing(6);
  outer->addWidget(frame);
  outer->addSpacing(8);
  outer->addLayout(buttons);
  outer->setSizeConstraint(QLayout::SetFixedSize);
}

void UserMeshDialog::FillModeChosen(bool fill) {
  horNo_->setEnabled(!fill);
  verNo_->setEnabled(!fill);
}

void UserMeshDialog::Open() {
  atOpening_ = mesh_;
  x0_->setFocus(Qt::OtherFocusReason);
  exec();
}

std::int16_t UserMeshDialog::imin(long long a, long long b) {
  return static_cast<std::int16_t>(a > b ? b : a);
}

bool UserMeshDialog::Refuse(const std::string& text, QLineEdit* focus) {
  Tell(ctx_.messages, text);
  if (focus->isEnabled()) focus->setFocus(Qt::OtherFocusReason);
  mesh_.MeshAccepted = false;
  return false;
}

// A box's number within `range`, or a refusal that names both.
bool UserMeshDialog::ReadBox(QLineEdit* box, float& value, const MeshBox& what,
                             const limits::Range& range) {
  const char decimal = ctx_.numbers.Locale().decimal;
  const std::string typed = box->text().trimmed().toStdString();
  if (!ReadNumberBox(ctx_, box, value))
    return Refuse(MeshNotANumberText(what, typed, range, false, decimal), box);
  if (!range.Contains(value)) return Refuse(MeshRangeText(what, value, range, decimal), box);
  return true;
}

bool UserMeshDialog::ReadFirstNode(float L, float zmin, float zmax) {
  const bool wall = AsFacade(ctx_.doc.CurFacade) < Facade::Roof;
  return ReadBox(x0_, mesh_.MeshX0, {labelX0_->text().toStdString(), "X0", "m"},
                 limits::ClosedOpen(0, L)) &&
         ReadBox(z0_, mesh_.MeshZ0, {labelZ0_->text().toStdString(), wall ? "Z0" : "Y0", "m"},
                 limits::ClosedOpen(zmin, zmax));
}

bool UserMeshDialog::ReadSpacings(float L, float zmin, float zmax, long long& nx, long long& nz) {
  const bool wall = AsFacade(ctx_.doc.CurFacade) < Facade::Roof;
  if (!ReadBox(dx_, mesh_.MeshDX, {labelDX_->text().toStdString(), "DX", "m"},
               limits::Closed(0, L)))
    return false;
  nx = PossibleNodes(mesh_.MeshX0, L, mesh_.MeshDX);
  if (!ReadBox(dz_, mesh_.MeshDZ, {labelDZ_->text().toStdString(), wall ? "DZ" : "DY", "m"},
               limits::Closed(0, zmax - zmin)))
    return false;
  nz = PossibleNodes(mesh_.MeshZ0, zmax, mesh_.MeshDZ);
  return true;
}

// A count of columns or rows: as many as fit when the box is empty or the
// facade is to be filled, else the typed number, which must fit.
void UserMeshDialog::ReadCount(QLineEdit* box, long long possible, std::int16_t& count,
                               QLineEdit* spacing, const MeshBox& what) {
  const char decimal = ctx_.numbers.Locale().decimal;
  const std::string text = box->text().toStdString();
  const std::int16_t most = imin(kMaxMeshNodes, possible);
  const limits::Range fits = limits::Closed(1, most);
  if (fill_->isChecked() || text.empty()) {
    if (possible > kMaxMeshNodes) {
      const limits::Range held{0, limits::End::Unbounded, kMaxMeshNodes, limits::End::Inclusive};
      Refuse(
          MeshRangeText(what, static_cast<double>(possible), held, decimal, "filling the facade"),
          spacing);
      return;
    }
    count = static_cast<std::int16_t>(possible);
  } else if (std::string copy = text; ctx_.numbers.IsIntegerText(copy)) {
    const double typed = ctx_.numbers.TextToNumber(copy);
    if (fits.Contains(static_cast<float>(typed)))
      count = static_cast<std::int16_t>(std::lround(typed));
    else
      Refuse(MeshRangeText(what, typed, fits, decimal), box);
  } else {
    Refuse(MeshNotANumberText(what, box->text().trimmed().toStdString(), fits, true, decimal), box);
  }
}

void UserMeshDialog::OkClicked() {
  const FacadeExtents e = FacadeExtent(ctx_.doc.job, ctx_.doc.CurFacade);
  const auto zmax = static_cast<float>(0.93 * e.H);
  const auto zmin = static_cast<float>(0.07 * e.H);
  mesh_.MeshAccepted = true;
  long long nx = 0;
  long long nz = 0;
  if (!ReadFirstNode(e.L, zmin, zmax) || !ReadSpacings(e.L, zmin, zmax, nx, nz)) return;
  ReadCount(horNo_, nx, mesh_.MeshNH, dx_, {"Number of horizontal nodes", "NH", ""});
  if (!mesh_.MeshAccepted) return;
  ReadCount(verNo_, nz, mesh_.MeshNV, dz_, {"Number of vertical nodes", "NV", ""});
  if (!mesh_.MeshAccepted) return;
  if (mesh_.MeshNH * mesh_.MeshNV > kMaxMeshNodes) {
    const bool typed = !fill_->isChecked() && !horNo_->text().isEmpty();
    Refuse(TotalNodesText(mesh_.MeshNH * mesh_.MeshNV, ctx_.numbers.Locale().decimal),
           typed ? horNo_ : dx_);
    return;
  }
  hide();
}

void UserMeshDialog::reject() {
  mesh_ = atOpening_;
  mesh_.MeshAccepted = false;
  hide();
}

}  // namespace ventora::ui
