// The facade editor's history: each edit of the grid (a cell, a paste, a
// cut, a deletion, Clear Data, a mesh) is a step that Ctrl+Z undoes while the
// editor is open; OK hands the steps to the job's history as changes of the
// facade's elements.
#include <QAction>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QUndoStack>

#include "ui/editing/facade_editor.h"

namespace ventora::ui {
namespace {

class GridChange : public QUndoCommand {
 public:
  GridChange(FacadeEditor& editor, std::vector<QString> before, std::vector<QString> after,
             const QString& text)
      : editor_(editor), before_(std::move(before)), after_(std::move(after)) {
    setText(text);
  }
  // Pushed once the grid already shows the change.
  void redo() override {
    if (!std::exchange(pushed_, false)) editor_.ShowGridTexts(after_);
  }
  void undo() override { editor_.ShowGridTexts(before_); }
  const std::vector<QString>& After() const { return after_; }

 private:
  FacadeEditor& editor_;
  std::vector<QString> before_;
  std::vector<QString> after_;
  bool pushed_ = true;
};

QString Shown(const QString& cell) {
  return cell.isEmpty() ? QString("empty") : cell;
}

}  // namespace

void FacadeEditor::BuildHistory() {
  gridHistory_ = new QUndoStack(this);
  auto* undo = new QAction("&Undo", this);
  undo->setObjectName("GridUndo");
  undo->setShortcut(QKeySequence::Undo);
  auto* redo = new QAction("&Redo", this);
  redo->setObjectName("GridRedo");
  redo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  // What was typed into a cell and not yet left counts as a step of its own.
  connect(undo, &QAction::triggered, this, [this] {
    Record("");
    gridHistory_->undo();
  });
  connect(redo, &QAction::triggered, this, [this] { gridHistory_->redo(); });
  connect(gridHistory_, &QUndoStack::undoTextChanged, undo,
          [undo](const QString& text) { undo->setText("&Undo " + text); });
  connect(gridHistory_, &QUndoStack::redoTextChanged, redo,
          [redo](const QString& text) { redo->setText("&Redo " + text); });
  connect(gridHistory_, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
  redo->setEnabled(false);
  addAction(undo);
  addAction(redo);
  menu_->addSeparator();
  menu_->addAction(undo);
  menu_->addAction(redo);
}

std::vector<QString> FacadeEditor::GridTexts() const {
  std::vector<QString> cells;
  cells.reserve(kGridRows * kGridCols);
  for (int r = 1; r <= kGridRows; ++r)
    for (int c = 1; c <= kGridCols; ++c)
      cells.push_back(CellText(r, c));
  return cells;
}

void FacadeEditor::ShowGridTexts(const std::vector<QString>& cells) {
  for (int r = 1; r <= kGridRows; ++r)
    for (int c = 1; c <= kGridCols; ++c)
      SetCellText(r, c, cells[(r - 1) * kGridCols + c - 1]);
  recorded_ = cells;
  OrigText = CellText(CurrentRow(), CurrentCol());
  temp_->setText(OrigText);
}

void FacadeEditor::Record(const QString& what) {
  std::vector<QString> now = GridTexts();
  if (now == recorded_) return;
  const QString facade = QString("Facade no. %1").arg(ctx_.doc.CurFacade);
  const QString text =
      what.isEmpty() ? CellChangeText(recorded_, now) : QString("%1: %2").arg(facade, what);
  gridHistory_->push(new GridChange(*this, recorded_, now, text));
  recorded_ = std::move(now);
}

QString FacadeEditor::CellChangeText(const std::vector<QString>& before,
                                     const std::vector<QString>& after) const {
  const QString facade = QString("Facade no. %1").arg(ctx_.doc.CurFacade);
  int changed = -1;
  for (std::size_t i = 0; i < after.size(); ++i) {
    if (before[i] == after[i]) continue;
    if (changed >= 0) return facade + ": cells";
    changed = static_cast<int>(i);
  }
  const int row = changed / kGridCols + 1;
  const QString column =
      grid_->horizontalHeaderItem(changed % kGridCols)->text().section(' ', 0, 0);
  return QString("%1, row %2 %3 %4 \u2192 %5")
      .arg(facade)
      .arg(row)
      .arg(column, Shown(before[changed]), Shown(after[changed]));
}

// Rows with two numbers become the facade's elements, in row order.
Job FacadeEditor::WithGrid(Job job, const std::vector<QString>& cells) {
  const int f = ctx_.doc.CurFacade;
  if (f < 1 || f > kFacadeCount) return job;
  std::int16_t count = 0;
  for (int r = 0; r < kGridRows; ++r) {
    float x = 0;
    float z = 0;
    if (ParseCell(cells[r * kGridCols].toStdString(), x) &&
        ParseCell(cells[r * kGridCols + 1].toStdString(), z)) {
      ++count;
      job.ElmX[f][count] = x;
      job.ElmZ[f][count] = z;
    }
  }
  job.ElmCount[f] = count;
  return job;
}

std::vector<JobStep> FacadeEditor::JobSteps(const Job& base) {
  std::vector<JobStep> steps;
  Job job = base;
  for (int i = 0; i < gridHistory_->index(); ++i) {
    const auto* change = static_cast<const GridChange*>(gridHistory_->command(i));
    Job next = WithGrid(job, change->After());
    steps.push_back({job, next, change->text()});
    job = std::move(next);
  }
  return steps;
}

}  // namespace ventora::ui
