#pragma once
// The facade editor: the elements of one facade as a grid of 400 numbered
// rows of X and Z (Y on the roof) in metres. Cells are typed into directly or
// through the edit box beside the grid, copied and pasted in blocks, cleared,
// or filled by a mesh dialog; OK writes the grid into the job. Each edit of
// the grid can be undone while the editor is open; OK hands them to the
// job's history one by one.

#include <QDialog>
#include <QString>
#include <string>
#include <vector>

#include "core/mesh_fill.h"
#include "ui/editing/edit_context.h"
#include "ui/editing/grid_copy_buffer.h"
#include "ui/editing/job_history.h"

class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QLabel;
class QKeyEvent;
class QUndoStack;

namespace ventora::ui {

class AutoMeshDialog;
class UserMeshDialog;

class FacadeEditor : public QDialog {
  Q_OBJECT
 public:
  // A cell's data under this role is true while its coordinate lies outside
  // the facade (the cell is then drawn red).
  static constexpr int kOutsideRole = Qt::UserRole + 1;

  FacadeEditor(EditContext context, MeshSettings& mesh, GridCopyBuffer& copy,
               QWidget* parent = nullptr);

  // Loads the grid (unless a mesh was just accepted) and shows it modally.
  void Open();
  // The editor's size is kept in the settings file `file` ("" keeps none):
  // taken on the first opening, written whenever it closes.
  void RememberSizeIn(const std::string& file);
  // The size it opens with: the remembered one, else the one it needs.
  void TakeInitialSize();
  // What happens each time the editor is opened: the grid is reloaded from
  // the job unless a mesh was just accepted, then `Reactivate`.
  void Activate();
  // Back from a mesh dialog: cell (1, 1) current, commands enabled, the edit
  // box empty. What was typed in the grid is kept.
  void Reactivate();

  // Grid cells by their 1-based row (1..400) and column (1 X, 2 Z/Y).
  QString CellText(int row, int col) const;
  void SetCellText(int row, int col, const QString& text);
  void SetCurrentCell(int row, int col);
  int CurrentRow() const;
  int CurrentCol() const;
  QTableWidget* Grid() const { return grid_; }

  // The grid's 800 cells, row by row, and the grid set from them.
  std::vector<QString> GridTexts() const;
  void ShowGridTexts(const std::vector<QString>& cells);
  QUndoStack& GridHistory() const { return *gridHistory_; }

  void cleargrid();
  void UpdateArray();
  void Copy();
  void Paste();
  void Cut();

 signals:
  // OK wrote the grid into the job.
  void jobChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void reject() override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildLayout();
  void BuildGrid();
  void BuildMenu();
  void LoadGrid();
  void ShowFacadeSize();
  void MarkOutside(QTableWidgetItem* item);
  void EnableCommands();
  void OkClicked();
  void CancelClicked();
  void RestoreSlate();
  void KeepSize();
  void AutoMeshClicked();
  void UserMeshClicked();
  void FillGrid(const std::vector<MeshNode>& nodes);
  void ClearClicked();

  // The grid's history (facade_editor_history.cpp): `Record` keeps what
  // changed since the last record as one step named `what` (empty: the one
  // cell that changed names it); `JobSteps` gives those steps as changes of
  // the job, from `base`.
  void BuildHistory();
  void Record(const QString& what);
  QString CellChangeText(const std::vector<QString>& before,
                         const std::vector<QString>& after) const;
  std::vector<JobStep> JobSteps(const Job& base);
  Job WithGrid(Job job, const std::vector<QString>& cells);

  // Grid events (facade_editor_grid.cpp).
  void CurrentCellChanged(int row, int col, int prevRow, int prevCol);
  void EnterCell(int row, int col);
  void LeaveCell(int row, int col);
  void MarkCurrent(int row, int col, bool current);
  bool GridKeyPressed(QKeyEvent* key);
  void TypeCharacter(int c, const QString& text);
  void ClearSelectedCells();
  void EnterPressed();
  void StartEditing();
  bool TempKeyPressed(QKeyEvent* key);
  void TempLostFocus();
  bool ParseCell(std::string text, float& value);

  EditContext ctx_;
  MeshSettings& mesh_;
  GridCopyBuffer& copy_;
  QTableWidget* grid_ = nullptr;
  QLineEdit* temp_ = nullptr;
  QLabel* sizeLab_ = nullptr;
  QPushButton* autoMeshBtn_ = nullptr;
  QPushButton* userMeshBtn_ = nullptr;
  QPushButton* pasteBtn_ = nullptr;
  QMenu* menu_ = nullptr;
  QAction* menuPaste_ = nullptr;
  QAction* menuCut_ = nullptr;
  QUndoStack* gridHistory_ = nullptr;
  std::vector<QString> recorded_;  // the grid as the history last saw it
  AutoMeshDialog* autoMesh_ = nullptr;
  UserMeshDialog* userMesh_ = nullptr;

  int EditCol = 0;
  int EditRow = 0;
  QString OrigText;
  bool ReplaceOnType = false;
  bool returnToBadCell_ = false;  // the cell just left did not hold a number
  QString badCellText_;           // what that cell held before it was typed into
  std::string settingsFile_;
  int defaultGridHeight_ = 0;
  bool sized_ = false;
};

}  // namespace ventora::ui
