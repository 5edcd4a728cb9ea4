// The facade editor's grid: entering and leaving cells, typing straight into
// a cell, the edit box beside the grid, and block copy and paste.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include "ui/editing/facade_editor.h"

namespace ventora::ui {
namespace {

// Character codes of the keys the grid treats specially.
constexpr int kEnter = 13;
constexpr int kEsc = 27;
constexpr int kBackspace = 8;
constexpr int kPeriod = 46;
constexpr int kCtrlC = 3;
constexpr int kCtrlV = 22;
constexpr int kDelete = 127;

// A move to a row this far below the top visible row scrolls the grid.
constexpr int kScrollDistance = 15;

bool IsDataCell(int row, int col) {
  return row >= 1 && col >= 1;
}

void DropLastCharacter(QString& text) {
  if (!text.isEmpty()) text.chop(1);
}

}  // namespace

void FacadeEditor::CurrentCellChanged(int row, int col, int prevRow, int prevCol) {
  if (prevRow >= 0 && prevCol >= 0) LeaveCell(prevRow + 1, prevCol + 1);
  if (row >= 0 && col >= 0) EnterCell(row + 1, col + 1);
}

void FacadeEditor::MarkCurrent(int row, int col, bool current) {
  QTableWidgetItem* item = grid_->item(row - 1, col - 1);
  if (item == nullptr) return;
  if (current) {
    QColor mark = palette().color(QPalette::Highlight);
    mark.setAlpha(60);
    item->setBackground(mark);
  } else {
    item->setData(Qt::BackgroundRole, QVariant());
  }
}

void FacadeEditor::EnterCell(int row, int col) {
  OrigText = CellText(row, col);
  if (returnToBadCell_) {
    // The cell just left did not hold a number: back to it with the value it
    // had before, which the next key typed replaces.
    returnToBadCell_ = false;
    const int badRow = EditRow;
    const int badCol = EditCol;
    SetCellText(badRow, badCol, badCellText_);
    SetCurrentCell(badRow, badCol);
    ReplaceOnType = true;
    grid_->setFocus(Qt::OtherFocusReason);
    return;
  }
  if (IsDataCell(row, col)) MarkCurrent(row, col, true);
  temp_->setText(CellText(row, col));
  temp_->setEnabled(true);
}

void FacadeEditor::LeaveCell(int row, int col) {
  EditCol = col;
  EditRow = row;
  if (!IsDataCell(row, col)) return;
  MarkCurrent(row, col, false);
  const QString text = CellText(row, col);
  if (!text.isEmpty()) {
    std::string converted = text.toStdString();
    const float value = ctx_.numbers.TextToSingle(converted);
    if (ctx_.numbers.ConvError()) {
      returnToBadCell_ = true;
      badCellText_ = OrigText;
      ctx_.messages.Show(Message{"Error!", text.toStdString() + " is not a valid number"});
      return;
    }
    SetCellText(row, col, QString::fromStdString(ctx_.numbers.ToText(value)).trimmed());
  }
  Record("");
}

void FacadeEditor::StartEditing() {
  temp_->setEnabled(true);
  temp_->setText(CellText(CurrentRow(), CurrentCol()));
  temp_->setFocus(Qt::OtherFocusReason);
}

bool FacadeEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_ && event->type() == QEvent::KeyPress)
    return GridKeyPressed(static_cast<QKeyEvent*>(event));
  if (watched == grid_->viewport() &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::RightButton) return false;
    // The right button keeps the selection and opens the edit menu.
    if (event->type() == QEvent::MouseButtonRelease)
      menu_->popup(mouse->globalPosition().toPoint());
    return true;
  }
  if (watched == temp_ && event->type() == QEvent::KeyPress)
    return TempKeyPressed(static_cast<QKeyEvent*>(event));
  if (watched == temp_ && event->type() == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) TempLostFocus();
  }
  return QDialog::eventFilter(watched, event);
}

// Keys typed in the grid go straight into the current cell; the text is tested
// as a number only when the cell is left. Other keys move as usual.
bool FacadeEditor::GridKeyPressed(QKeyEvent* key) {
  const auto mods = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (key->key() == Qt::Key_F2 && mods == Qt::NoModifier) {
    StartEditing();
    return true;
  }
  const bool ctrl = mods == Qt::ControlModifier;
  if (ctrl && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
    OkClicked();  // Enter alone walks the grid
    return true;
  }
  // Esc undoes what was typed into the cell; with nothing typed it cancels.
  if (key->key() == Qt::Key_Escape && mods == Qt::NoModifier &&
      CellText(CurrentRow(), CurrentCol()) == OrigText) {
    reject();
    return true;
  }
  int c = 0;
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
    c = kEnter;
  else if (key->key() == Qt::Key_Escape)
    c = kEsc;
  else if (key->key() == Qt::Key_Backspace)
    c = kBackspace;
  else if (key->key() == Qt::Key_Delete)
    c = kDelete;
  else if (ctrl && key->key() == Qt::Key_C)
    c = kCtrlC;
  else if (ctrl && key->key() == Qt::Key_V)
    c = kCtrlV;
  else if (!ctrl && !(mods & Qt::AltModifier) && key->text().size() == 1 &&
           key->text()[0].isPrint())
    c = key->text()[0].unicode();
  if (c == 0) return false;
  TypeCharacter(c, key->text());
  return true;
}

void FacadeEditor::TypeCharacter(int c, const QString& text) {
  const int row = CurrentRow();
  const int col = CurrentCol();
  if (row < 1 || col < 1) return;
  if (ReplaceOnType) {
    const bool keepsText = c == kEnter || c == kBackspace || c == kPeriod || c == kEsc ||
                           c == kCtrlC || c == kCtrlV || c == kDelete;
    if (!keepsText) SetCellText(row, col, QString());
    ReplaceOnType = false;
  }
  QString cell = CellText(row, col);
  switch (c) {
    case kEnter:
      EnterPressed();
      break;
    case kEsc:  // undoes the typing: the cell as it was entered
      ReplaceOnType = true;
      SetCellText(row, col, OrigText);
      break;
    case kBackspace:
      DropLastCharacter(cell);
      SetCellText(row, col, cell);
      break;
    case kPeriod:
      SetCellText(row, col, cell + '.');
      break;
    case kDelete:  // clears the cell, or every selected cell
      ClearSelectedCells();
      break;
    case kCtrlC:
      Copy();
      break;
    case kCtrlV:
      Paste();
      break;
    default:
      SetCellText(row, col, cell + text);
  }
  if (IsDataCell(CurrentRow(), CurrentCol())) MarkCurrent(CurrentRow(), CurrentCol(), true);
  temp_->setText(CellText(CurrentRow(), CurrentCol()));
}

// Enter walks X, then Z, then the next row's X, scrolling the grid once the
// cell would come too far down.
void FacadeEditor::EnterPressed() {
  const int row = CurrentRow();
  if (CurrentCol() == 1) {
    SetCurrentCell(row, 2);
    return;
  }
  if (row >= kGridRows - 1) return;
  SetCurrentCell(row + 1, 1);
  const int top = grid_->rowAt(0) + 1;
  if (row + 1 - top >= kScrollDistance) {
    QScrollBar* bar = grid_->verticalScrollBar();
    bar->setValue(bar->value() + 1);
  }
}

bool FacadeEditor::TempKeyPressed(QKeyEvent* key) {
  if (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) return false;
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
    SetCellText(CurrentRow(), CurrentCol(), temp_->text());
    grid_->setFocus(Qt::OtherFocusReason);
    return true;
  }
  if (key->key() == Qt::Key_Escape) {
    // The first Esc undoes the typing, the next one cancels the editor.
    if (temp_->text() == OrigText && CellText(CurrentRow(), CurrentCol()) == OrigText) {
      reject();
    } else {
      SetCellText(CurrentRow(), CurrentCol(), OrigText);
      temp_->setText(OrigText);
    }
    return true;
  }
  return false;
}

// The edit box holds on to the focus until it holds a number; an empty box
// may be left, so the user is never trapped in it.
void FacadeEditor::TempLostFocus() {
  if (temp_->text().isEmpty()) return;
  std::string text = temp_->text().toStdString();
  ctx_.numbers.TextToSingle(text);
  if (ctx_.numbers.ConvError()) {
    if (isActiveWindow()) temp_->setFocus(Qt::OtherFocusReason);
    return;
  }
  temp_->clear();
}

void FacadeEditor::ClearSelectedCells() {
  for (const QTableWidgetSelectionRange& r : grid_->selectedRanges())
    for (int row = r.topRow(); row <= r.bottomRow(); ++row)
      for (int col = r.leftColumn(); col <= r.rightColumn(); ++col)
        SetCellText(row + 1, col + 1, QString());
  SetCellText(CurrentRow(), CurrentCol(), QString());
  Record("delete");
}

void FacadeEditor::Copy() {
  const int row = CurrentRow();
  const int col = CurrentCol();
  if (row < 1 || col < 1) return;
  int rowSel = row;
  int colSel = col;
  for (const QTableWidgetSelectionRange& r : grid_->selectedRanges()) {
    if (r.topRow() > row - 1 || r.bottomRow() < row - 1 || r.leftColumn() > col - 1 ||
        r.rightColumn() < col - 1)
      continue;
    rowSel = (r.topRow() == row - 1 ? r.bottomRow() : r.topRow()) + 1;
    colSel = (r.leftColumn() == col - 1 ? r.rightColumn() : r.leftColumn()) + 1;
  }
  CopyBlock(copy_, row, col, rowSel, colSel,
            [this](int r, int c) { return CellText(r, c).toStdString(); });
  pasteBtn_->setEnabled(true);
  menuPaste_->setEnabled(true);
  menuCut_->setEnabled(true);
}

void FacadeEditor::Cut() {
  Copy();
  menuPaste_->setEnabled(true);
  pasteBtn_->setEnabled(true);
  const CellBlock b = copy_.Block();
  for (int r = b.top; r <= b.bottom; ++r)
    for (int c = b.left; c <= b.right; ++c)
      SetCellText(r, c, QString());
  Record("cut");
}

void FacadeEditor::Paste() {
  if (CurrentRow() < 1 || CurrentCol() < 1) return;
  PasteBlock(copy_, CurrentRow(), CurrentCol(), [this](int r, int c, const std::string& text) {
    SetCellText(r, c, QString::fromStdString(text));
  });
  grid_->viewport()->update();
  Record("paste");
}

}  // namespace ventora::ui
