// The main window's Edit menu: undo and redo of every change to the job,
// each item naming the change. The unsaved-changes mark follows the history:
// undone back to the job as last opened or saved, the job is unchanged.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QUndoStack>

#include "ui/main_window/cp_main_form.h"

namespace ventora {

void CPMainForm::AddEditMenu(QMenuBar* bar) {
  history_ = new QUndoStack(this);
  QMenu* edit = bar->addMenu("E&dit");
  edit->setObjectName("EditMenu");
  undo_ = history_->createUndoAction(this, "&Undo");
  undo_->setObjectName("EditUndo");
  undo_->setShortcut(QKeySequence::Undo);
  redo_ = history_->createRedoAction(this, "&Redo");
  redo_->setObjectName("EditRedo");
  redo_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  edit->addAction(undo_);
  edit->addAction(redo_);
  addActions({undo_, redo_});
  connect(history_, &QUndoStack::indexChanged, this, &CPMainForm::HistoryMoved);
}

void CPMainForm::HistoryMoved() {
  doc_.DataChanged = !history_->isClean();
  if (doc_.DataChanged) {
    SaveBtn_->setEnabled(true);
    RunBtn_->setEnabled(true);
  }
  ShowResultState();
}

}  // namespace ventora
