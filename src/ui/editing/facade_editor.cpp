#include "ui/editing/facade_editor.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "core/number_parse.h"
#include "core/parameter_limits.h"
#include "core/settings_file.h"
#include "ui/editing/mesh_dialogs.h"
#include "ui/editing/window_placement.h"
#include "ui/help/guide_help.h"
#include "ui/pictures/help_slate.h"

namespace ventora::ui {
namespace {

constexpr const char* kSizeSection = "facade editor";

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

}  // namespace

FacadeEditor::FacadeEditor(EditContext context, MeshSettings& mesh, GridCopyBuffer& copy,
                           QWidget* parent)
    : QDialog(parent), ctx_(context), mesh_(mesh), copy_(copy) {
  setObjectName("EFacade");
  setWindowTitle("Editing Facade");
  BuildGrid();
  BuildMenu();
  BuildHistory();
  BuildLayout();
  mesh_.MeshAccepted = false;
  EditCol = EditRow = 0;
}

void FacadeEditor::BuildGrid() {
  grid_ = new QTableWidget(kGridRows, kGridCols, this);
  grid_->setObjectName("theGrid");
  grid_->setHorizontalHeaderLabels({"X [m]", "Z [m]"});
  QStringList numbers;
  for (int r = 1; r <= kGridRows; ++r)
    numbers << QString::number(r);
  grid_->setVerticalHeaderLabels(numbers);
  grid_->setCornerButtonEnabled(false);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
  grid_->setTabKeyNavigation(false);
  grid_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
  grid_->verticalHeader()->setFixedWidth(TwipsToPixelsX(*this, 550));
  grid_->verticalHeader()->setDefaultSectionSize(22);
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  // Wide enough for the header and a value such as "-1234.56" in the
  // grid's own font, whatever the screen's resolution.
  const QFontMetrics metrics(grid_->font());
  const int column = std::max({TwipsToPixelsX(*this, 1000), metrics.horizontalAdvance("X [m]"),
                               metrics.horizontalAdvance("-1234.567")}) +
                     4 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 20;
  for (int c = 0; c < kGridCols; ++c)
    grid_->setColumnWidth(c, column);
  grid_->horizontalHeader()->setMinimumSectionSize(column);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  for (int r = 0; r < kGridRows; ++r) {
    for (int c = 0; c < kGridCols; ++c) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grid_->setItem(r, c, item);
    }
  }
  const int width = grid_->verticalHeader()->width() + kGridCols * column +
                    grid_->verticalScrollBar()->sizeHint().width() + 2 * grid_->frameWidth();
  // At least eight rows; sixteen when the window opens at the size it needs.
  const int rows = grid_->horizontalHeader()->sizeHint().height() + 2 * grid_->frameWidth();
  grid_->setMinimumSize(width, rows + 8 * 22);
  grid_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  defaultGridHeight_ = rows + 16 * 22;
  grid_->installEventFilter(this);
  grid_->viewport()->installEventFilter(this);
  connect(grid_, &QTableWidget::currentCellChanged, this, &FacadeEditor::CurrentCellChanged);
  connect(grid_, &QTableWidget::itemChanged, this, &FacadeEditor::MarkOutside);
  // After the mouse events of the double click have been handled, so that the
  // grid does not take the focus back from the edit box.
  connect(grid_, &QTableWidget::cellDoubleClicked, this,
          [this] { QTimer::singleShot(0, this, [this] { StartEditing(); }); });
}

void FacadeEditor::BuildMenu() {
  menu_ = new QMenu("Edit", this);
  menu_->setObjectName("mefEdit");
  QAction* copy = menu_->addAction("Copy", this, &FacadeEditor::Copy);
  copy->setObjectName("mefCopy");
  menuPaste_ = menu_->addAction("Paste", this, &FacadeEditor::Paste);
  menuPaste_->setObjectName("mefPaste");
  menu_->addSeparator()->setObjectName("mefdiv");
  menuCut_ = menu_->addAction("Cut", this, &FacadeEditor::Cut);
  menuCut_->setObjectName("mefCut");
}

void FacadeEditor::BuildLayout() {
  temp_ = new QLineEdit(this);
  temp_->setObjectName("temp");
  temp_->setAlignment(Qt::AlignRight);
  temp_->installEventFilter(this);
  autoMeshBtn_ = Button(this, "bAutomesh", "Automatic mesh");
  userMeshBtn_ = Button(this, "bumesh", "User defined mesh");
  auto* copyBtn = Button(this, "bcopy", "Copy");
  pasteBtn_ = Button(this, "bpaste", "Paste");
  auto* clear = Button(this, "ClearD", "Clear Data");
  auto* ok = Button(this, "EFacadeOK", "OK");
  ok->setDefault(true);  // Enter on a button; Ctrl+Enter from the grid
  auto* cancel = Button(this, "Cancel", "Cancel");
  auto* help = help::ConnectHelp(Button(this, "Command1", "Help"), "editing.md#facade-editor");
  auto* label = new QLabel(this);
  label->setObjectName("Label");
  sizeLab_ = new QLabel(this);
  sizeLab_->setObjectName("FacadeSize");
  sizeLab_->setWordWrap(true);
  connect(autoMeshBtn_, &QPushButton::clicked, this, &FacadeEditor::AutoMeshClicked);
  connect(userMeshBtn_, &QPushButton::clicked, this, &FacadeEditor::UserMeshClicked);
  connect(copyBtn, &QPushButton::clicked, this, &FacadeEditor::Copy);
  connect(pasteBtn_, &QPushButton::clicked, this, &FacadeEditor::Paste);
  connect(clear, &QPushButton::clicked, this, &FacadeEditor::ClearClicked);
  connect(ok, &QPushButton::clicked, this, &FacadeEditor::OkClicked);
  connect(cancel, &QPushButton::clicked, this, &FacadeEditor::CancelClicked);

  auto* side = new QVBoxLayout;
  side->addWidget(temp_);
  side->addWidget(label);
  side->addWidget(sizeLab_);
  side->addSpacing(6);
  for (QPushButton* b : {autoMeshBtn_, userMeshBtn_})
    side->addWidget(b);
  side->addSpacing(10);
  for (QPushButton* b : {copyBtn, pasteBtn_, clear})
    side->addWidget(b);
  side->addStretch();
  for (QPushButton* b : {ok, cancel, help})
    side->addWidget(b);
  auto* outer = new QHBoxLayout(this);
  outer->addWidget(grid_, 1);
  outer->addSpacing(6);
  outer->addLayout(side);
  setSizeGripEnabled(true);
}

// The picture window keeps standing beside the editor as it grows.
void FacadeEditor::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (isVisible()) SetFrameLeft(ctx_.slate, frameGeometry().right() + 1 + WindowGap(*this));
}

void FacadeEditor::RememberSizeIn(const std::string& file) {
  settingsFile_ = file;
}

void FacadeEditor::TakeInitialSize() {
  if (std::exchange(sized_, true)) return;
  QSize size = minimumSizeHint() + QSize(0, defaultGridHeight_ - grid_->minimumHeight());
  if (!settingsFile_.empty()) {
    const QStringList kept =
        QString::fromStdString(GetIniValue(settingsFile_, kSizeSection, "size")).split('x');
    if (kept.size() == 2 && kept[0].toInt() > 0 && kept[1].toInt() > 0)
      size = QSize(kept[0].toInt(), kept[1].toInt());
  }
  resize(size.expandedTo(minimumSizeHint()));
}

// A settings file that cannot be written costs only the remembered size.
void FacadeEditor::KeepSize() {
  if (settingsFile_.empty()) return;
  const std::string text = std::to_string(width()) + "x" + std::to_string(height());
  SetIniValue(settingsFile_, kSizeSection, "size", text);
}

void FacadeEditor::Open() {
  Activate();
  grid_->setFocus(Qt::OtherFocusReason);
  exec();
}

void FacadeEditor::Activate() {
  ShowFacadeSize();
  if (!mesh_.MeshAccepted) LoadGrid();
  for (int r = 0; r < kGridRows; ++r)
    for (int c = 0; c < kGridCols; ++c)
      MarkOutside(grid_->item(r, c));
  Reactivate();
}

// The facade's length and height (the roof's length and width), and the
// coordinates that lie on it, as the check before a run takes them.
void FacadeEditor::ShowFacadeSize() {
  const int f = ctx_.doc.CurFacade;
  const FacadeExtents e = FacadeExtent(ctx_.doc.job, f);
  const auto text = [this](float v) {
    return QString::fromStdString(ctx_.numbers.ToText(v)).trimmed();
  };
  const bool wall = AsFacade(f) < Facade::Roof;
  const QString z = wall ? "Z" : "Y";
  sizeLab_->setText(
      (wall ? QString("Facade %1: length L %2 m, height H %3 m.").arg(f).arg(text(e.L), text(e.H))
            : QString("Roof: length BdX %1 m, width BdY %2 m.").arg(text(e.L), text(e.H))) +
      QString("\nOn it: 0 \u2264 X \u2264 %1, 0 \u2264 %2 \u2264 %3 (m). Red: outside.")
          .arg(text(e.L), z, text(e.H)));
}

// A coordinate beyond its facade is marked as soon as it is typed; the check
// before a run still refuses the element.
void FacadeEditor::MarkOutside(QTableWidgetItem* item) {
  if (item == nullptr) return;
  const FacadeExtents e = FacadeExtent(ctx_.doc.job, ctx_.doc.CurFacade);
  const float extent = item->column() == 0 ? e.L : e.H;
  const limits::Range& accepted = item->column() == 0 ? limits::kXL.accepted : limits::kZH.accepted;
  float v = 0;
  const bool outside =
      extent > 0 && ParseCell(item->text().toStdString(), v) && accepted.Outside(v / extent);
  const QSignalBlocker quiet(grid_);  // the marks are no edit
  item->setData(kOutsideRole, outside);
  item->setForeground(outside ? QBrush(QColor(0xb0, 0x1c, 0x2e)) : QBrush());
  QFont font = item->font();
  font.setBold(outside);
  item->setFont(font);
  item->setToolTip(outside ? QString("Outside the facade: it is %1 m long and %2 m high")
                                 .arg(QString::fromStdString(ctx_.numbers.ToText(e.L)).trimmed(),
                                      QString::fromStdString(ctx_.numbers.ToText(e.H)).trimmed())
                           : QString());
  grid_->viewport()->update();
}

void FacadeEditor::Reactivate() {
  if (CurrentRow() == 1 && CurrentCol() == 1)
    EnterCell(1, 1);
  else
    SetCurrentCell(1, 1);
  EnableCommands();
  temp_->clear();
  EditCol = EditRow = 1;
}

void FacadeEditor::LoadGrid() {
  const int f = ctx_.doc.CurFacade;
  grid_->horizontalHeaderItem(1)->setText(AsFacade(f) < Facade::Roof ? "Z [m]" : "Y [m]");
  cleargrid();
  if (f < 1 || f > kFacadeCount) return;
  const Job& job = ctx_.doc.job;
  for (int i = 1; i <= job.ElmCount[f]; ++i) {
    SetCellText(i, 1, QString::fromStdString(ctx_.numbers.ToText(job.ElmX[f][i])).trimmed());
    SetCellText(i, 2, QString::fromStdString(ctx_.numbers.ToText(job.ElmZ[f][i])).trimmed());
  }
  gridHistory_->clear();
  recorded_ = GridTexts();
}

void FacadeEditor::EnableCommands() {
  const FacadeExtents e = FacadeExtent(ctx_.doc.job, ctx_.doc.CurFacade);
  const bool meshable = e.L != 0 && e.H != 0;
  userMeshBtn_->setEnabled(meshable);
  autoMeshBtn_->setEnabled(meshable);
  pasteBtn_->setEnabled(copy_.CopyCount >= 1);
  menuPaste_->setEnabled(copy_.CopyCount >= 1);
  menuCut_->setEnabled(true);
}

QString FacadeEditor::CellText(int row, int col) const {
  return grid_->item(row - 1, col - 1)->text();
}

void FacadeEditor::SetCellText(int row, int col, const QString& text) {
  grid_->item(row - 1, col - 1)->setText(text);
}

void FacadeEditor::SetCurrentCell(int row, int col) {
  grid_->setCurrentCell(row - 1, col - 1);
}

int FacadeEditor::CurrentRow() const {
  return grid_->currentRow() + 1;
}

int FacadeEditor::CurrentCol() const {
  return grid_->currentColumn() + 1;
}

void FacadeEditor::cleargrid() {
  for (int r = 1; r <= kGridRows; ++r)
    for (int c = 1; c <= kGridCols; ++c)
      SetCellText(r, c, QString());
}

// A cell's text as a coordinate: not empty, a number in the user's locale.
bool FacadeEditor::ParseCell(std::string text, float& value) {
  ctx_.numbers.ToLocaleDecimal(text);
  if (text.empty() || !IsLocaleNumber(text, ctx_.numbers.Locale())) return false;
  try {
    value = static_cast<float>(ctx_.numbers.TextToNumber(text));
  } catch (const NumberConversionError&) {
    return false;
  }
  return std::isfinite(value);
}

void FacadeEditor::UpdateArray() {
  mesh_.MeshAccepted = false;
  const int f = ctx_.doc.CurFacade;
  if (f < 1 || f > kFacadeCount) return;
  ctx_.doc.job = WithGrid(ctx_.doc.job, GridTexts());
  // A row that is not an element loses its bad cell.
  for (int r = 1; r <= kGridRows; ++r) {
    float x = 0;
    float z = 0;
    const bool xValid = ParseCell(CellText(r, 1).toStdString(), x);
    if (!xValid || !ParseCell(CellText(r, 2).toStdString(), z))
      SetCellText(r, xValid ? 2 : 1, QString());
  }
  ctx_.doc.DataChanged = true;
  emit jobChanged();
}

void FacadeEditor::RestoreSlate() {
  KeepSize();
  ctx_.slate.HidePicture(HelpPicture::FacadeVert);
  ctx_.slate.HidePicture(HelpPicture::Hor);
  ctx_.slate.setWindowTitle(kVisualHelpCaption);
  ctx_.slate.RevealPicture(HelpPicture::FacadeNo);
}

void FacadeEditor::OkClicked() {
  Record("");  // a cell typed into and not yet left
  const Job base = ctx_.doc.job;
  std::vector<JobStep> steps = JobSteps(base);
  UpdateArray();
  const Job kept = ctx_.doc.job;
  ctx_.doc.job = base;
  steps.push_back({steps.empty() ? base : steps.back().after, kept,
                   QString("Facade no. %1").arg(ctx_.doc.CurFacade)});
  PushSteps(ctx_.history, ctx_.doc, steps);
  RestoreSlate();
  hide();
  setResult(QDialog::Accepted);
}

void FacadeEditor::CancelClicked() {
  RestoreSlate();
  hide();
  setResult(QDialog::Rejected);
  mesh_.MeshAccepted = false;
}

// Esc (with nothing typed in the cell) and the window's close button act as
// Cancel.
void FacadeEditor::reject() {
  CancelClicked();
}

void FacadeEditor::FillGrid(const std::vector<MeshNode>& nodes) {
  cleargrid();
  const char decimal = ctx_.numbers.Locale().decimal;
  int k = 0;
  for (const MeshNode& n : nodes) {
    if (++k > kGridRows) break;  // the dialogs never accept more
    SetCellText(k, 1, QString::fromStdString(NodeText(n.x, decimal)));
    SetCellText(k, 2, QString::fromStdString(NodeText(n.z, decimal)));
  }
}

void FacadeEditor::AutoMeshClicked() {
  if (autoMesh_ == nullptr) autoMesh_ = new AutoMeshDialog(ctx_, mesh_, this);
  autoMesh_->Open();
  if (mesh_.MeshAccepted) {
    FillGrid(AutoMeshNodes(mesh_, FacadeExtent(ctx_.doc.job, ctx_.doc.CurFacade)));
    Record("automatic mesh");
  }
  Reactivate();
}

void FacadeEditor::UserMeshClicked() {
  if (userMesh_ == nullptr) userMesh_ = new UserMeshDialog(ctx_, mesh_, this);
  userMesh_->Open();
  if (mesh_.MeshAccepted) {
    FillGrid(UserMeshNodes(mesh_));
    Record("user defined mesh");
  }
  Reactivate();
}

void FacadeEditor::ClearClicked() {
  cleargrid();
  Record("clear data");
}

}  // namespace ventora::ui
