#include "ui/editing/edit_chooser.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include "ui/editing/env_build_dialog.h"
#include "ui/editing/facade_editor.h"
#include "ui/editing/window_placement.h"
#include "ui/help/guide_help.h"
#include "ui/pictures/help_slate.h"

namespace ventora::ui {
namespace {

constexpr const char* kWallCaption = "Vertical Facade's Element Positioning";

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setAutoDefault(true);  // Enter presses the button that has the focus
  b->setMinimumWidth(170);
  return b;
}

}  // namespace

EditChooser::EditChooser(JobDocument& doc, NumberText& numbers, MessageSink& messages,
                         QWidget* mainWindow, QUndoStack* history)
    : QDialog(mainWindow),
      doc_(doc),
      numbers_(numbers),
      messages_(messages),
      mainWindow_(mainWindow),
      slate_(new HelpSlate(mainWindow != nullptr ? mainWindow : this)),
      history_(history != nullptr ? history : new QUndoStack(this)) {
  setObjectName("editWhat");
  setWindowTitle("Editing");
  auto* layout = new QVBoxLayout(this);
  auto* env = Button(this, "envBtn", "&Environment");
  connect(env, &QPushButton::clicked, this, &EditChooser::OpenEnvironment);
  layout->addWidget(env);
  layout->addSpacing(6);
  const char* names[] = {"EFacadeBtn", "Facade2Btn", "Facade3Btn", "Facade4Btn", "Facade5Btn"};
  for (int n = 1; n <= 5; ++n) {
    auto* b = Button(this, names[n - 1], QString("Facade no. &%1").arg(n));
    connect(b, &QPushButton::clicked, this, [this, n] { OpenFacade(n); });
    layout->addWidget(b);
  }
  // No button for facade 6: it is the floor, which no model gives a Cp, so
  // there is nothing to edit; the note keeps the numbering of the drawing
  // from looking like a gap.
  auto* floorNote = new QLabel("Facade 6 is the floor:\nno Cp is computed there.", this);
  floorNote->setObjectName("FloorNote");
  floorNote->setEnabled(false);
  layout->addWidget(floorNote);
  layout->addSpacing(10);
  auto* close = Button(this, "eCloseBtn", "&Close");
  connect(close, &QPushButton::clicked, this, &EditChooser::CloseClicked);
  layout->addWidget(close);
  layout->addWidget(
      help::ConnectHelp(Button(this, "Help", "&Help"), "editing.md#the-editing-window"));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

EditChooser::~EditChooser() = default;

EditContext EditChooser::Context() {
  return EditContext{doc_, numbers_, messages_, *slate_, *history_};
}

EnvBuildDialog& EditChooser::Environment() {
  if (env_ == nullptr) {
    env_ = new EnvBuildDialog(Context(), this, this);
    connect(env_, &EnvBuildDialog::jobChanged, this, &EditChooser::jobChanged);
  }
  return *env_;
}

FacadeEditor& EditChooser::Editor() {
  if (editor_ == nullptr) {
    editor_ = new FacadeEditor(Context(), mesh_, copy_, this);
    connect(editor_, &FacadeEditor::jobChanged, this, &EditChooser::jobChanged);
  }
  return *editor_;
}

void EditChooser::PlaceBelow(QWidget& mainWindow) {
  const int gap = WindowGap(mainWindow);
  const int top = FrameTop(mainWindow) + FrameHeight(mainWindow) + gap;
  adjustSize();
  const int left = mainWindow.frameGeometry().left();
  MoveOnScreen(*this, left, top);
  MoveOnScreen(*slate_, FrameLeft(*this) + FrameWidth(*this) + gap, FrameTop(*this));
  slate_->ShowHelpPicture(kVisualHelpCaption, HelpPicture::FacadeNo);
  slate_->show();
}

void EditChooser::OpenBelow(QWidget& mainWindow) {
  PlaceBelow(mainWindow);
  // Always the same first focus, so that Enter opens the environment and
  // never closes the window by chance.
  findChild<QPushButton*>("envBtn")->setFocus(Qt::OtherFocusReason);
  exec();
}

void EditChooser::OpenEnvironment() {
  Environment().Open();
}

void EditChooser::OpenFacade(int n) {
  doc_.CurFacade = static_cast<std::int16_t>(n);
  FacadeEditor& editor = Editor();
  editor.TakeInitialSize();
  if (!editorPlaced_) {
    // First use: beside the picture window's level, at the screen's left edge.
    MoveOnScreen(editor, FrameLeft(*this), FrameTop(*slate_));
    editorPlaced_ = true;
  }
  if (n == 1) {
    editor.setWindowTitle("Facade no. 1");
    SetFrameLeft(editor, FrameLeft(*this));
  }
  SetFrameLeft(*slate_, FrameLeft(editor) + FrameWidth(editor) + WindowGap(*this));
  const bool vertical = AsFacade(n) < Facade::Roof;
  if (vertical) slate_->setWindowTitle(kWallCaption);
  slate_->HidePicture(HelpPicture::FacadeNo);
  slate_->ShowPicture(vertical ? HelpPicture::FacadeVert : HelpPicture::Hor);
  if (n >= 2) editor.setWindowTitle(QString("Facade no. %1").arg(n));
  editor.Open();
}

void EditChooser::CloseClicked() {
  hide();
  slate_->hide();
  if (mainWindow_ != nullptr) {
    mainWindow_->raise();
    mainWindow_->activateWindow();
  }
  if (doc_.DataChanged) emit closedAfterChange();
}

// Esc and the window's close button close the chooser the same way.
void EditChooser::reject() {
  CloseClicked();
  setResult(QDialog::Rejected);
}

}  // namespace ventora::ui
