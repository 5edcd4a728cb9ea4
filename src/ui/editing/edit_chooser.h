#pragma once
// The editing chooser: the entry to all editing of a job. From here the user
// opens the environment and building dialog or the facade editor for one of
// the five facades, with the picture window beside whichever is in front.
// It owns the editing windows, the facade editor's copy buffer and the mesh
// settings, all created once and kept between openings.

#include <QDialog>

#include "core/mesh_fill.h"
#include "ui/editing/edit_context.h"
#include "ui/editing/grid_copy_buffer.h"

class QPushButton;
class QUndoStack;

namespace ventora::ui {

class EnvBuildDialog;
class FacadeEditor;
class HelpSlate;

class EditChooser : public QDialog {
  Q_OBJECT
 public:
  // `mainWindow` is the window the chooser opens below and returns to;
  // `history` the job's undo history (without one the chooser keeps its own).
  EditChooser(JobDocument& doc, NumberText& numbers, MessageSink& messages, QWidget* mainWindow,
              QUndoStack* history = nullptr);
  ~EditChooser() override;

  // The main window's Edit command: the chooser below the main window, the
  // picture window beside it with the facade numbering, the chooser modal.
  void OpenBelow(QWidget& mainWindow);
  // Places the chooser and the picture window without showing the chooser.
  void PlaceBelow(QWidget& mainWindow);

  void OpenEnvironment();
  void OpenFacade(int n);
  void CloseClicked();

  HelpSlate& Slate() { return *slate_; }
  EnvBuildDialog& Environment();
  FacadeEditor& Editor();
  MeshSettings& Mesh() { return mesh_; }
  QUndoStack& History() { return *history_; }
  GridCopyBuffer& CopyBuffer() { return copy_; }

 signals:
  // An editing dialog's OK changed the job (the main window enables Save).
  void jobChanged();
  // The chooser was closed after the job had changed (Save and Run enabled).
  void closedAfterChange();

 protected:
  void reject() override;

 private:
  EditContext Context();

  JobDocument& doc_;
  NumberText& numbers_;
  MessageSink& messages_;
  QWidget* mainWindow_;
  HelpSlate* slate_;  // beside the main window, or the chooser when it has none
  QUndoStack* history_;
  EnvBuildDialog* env_ = nullptr;
  FacadeEditor* editor_ = nullptr;
  bool editorPlaced_ = false;
  MeshSettings mesh_;
  GridCopyBuffer copy_;
};

}  // namespace ventora::ui
