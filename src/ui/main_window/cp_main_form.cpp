#include "ui/main_window/cp_main_form.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QUndoStack>
#include <QVBoxLayout>
#include <utility>

#include "core/settings_file.h"
#include "ui/app/cp_title.h"
#include "ui/app/ui_resources.h"
#include "ui/app/written_status.h"
#include "ui/editing/window_placement.h"
#include "ui/help/guide_help.h"
#include "ui/main_window/help_menu.h"
#include "ui/main_window/job_name_text.h"
#include "ui/main_window/working.h"

namespace ventora {
namespace {

constexpr const char* kPlaceSection = "main window";

}  // namespace

CPMainForm::CPMainForm(MainFormServices services, ScreenMetrics metrics, CpTitle* titleWindow,
                       QWidget* parent)
    : QWidget(parent), services_(std::move(services)), metrics_(metrics), title_(titleWindow) {
  InitUiResources();
  setObjectName("CPMainForm");
  setWindowTitle(QString(kMainTitle) + "[*]");  // "*" while the job has unsaved changes
  setWindowIcon(ProgramIcon());
  BuildControls();
  LayOut();
  ConnectCommands();
  working_ = new Working(this);
  helpMenu_ = new HelpMenu(this);
  connect(helpMenu_->HelpAbout(), &QAction::triggered, this, &CPMainForm::HelpAbout_Click);
  // F1 here opens the guide's contents, as F1 opens each dialog's section.
  auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
  f1->setObjectName("HelpF1");
  connect(f1, &QShortcut::activated, this, [this] { help::OpenGuide(this, "index.md"); });
}

CPMainForm::~CPMainForm() {
  // The history, a child, outlives this part of the window as it is torn down.
  history_->disconnect(this);
}

QPushButton* CPMainForm::AddButton(const char* name, const char* caption, const char* tip) {
  auto* button = new QPushButton(QString::fromUtf8(caption), this);
  button->setObjectName(name);
  button->setToolTip(QString::fromUtf8(tip));
  button->setMinimumHeight(34);
  button->setAutoDefault(false);
  return button;
}

void CPMainForm::BuildControls() {
  JobBtn_ = AddButton("JobBtn", "&Open/New", "Open a job file or create a new one");
  EditBtn_ = AddButton("EditBtn", "&Edit", "Edit file data");
  SaveBtn_ = AddButton("SaveBtn", "&Save", "Save data");
  SaveAsBtn_ = AddButton("SaveAsBtn", "Save &As", "Save data under another file name");
  RunBtn_ = AddButton("RunBtn", "&Run", "Compute the Cp of every element and write the report");
  VResBtn_ = AddButton("VResBtn", "Ou&tput", "Show results");
  HelpBtn_ = AddButton("HelpBtn", "&Help", "Help");
  ExitBtn_ = AddButton("ExitBtn", "E&xit", "Quit Ventora");
  for (QPushButton* b : {EditBtn_, SaveBtn_, SaveAsBtn_, RunBtn_, VResBtn_})
    b->setEnabled(false);

  const QStyle* s = style();
  JobBtn_->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
  EditBtn_->setIcon(s->standardIcon(QStyle::SP_FileDialogDetailedView));
  SaveBtn_->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
  SaveAsBtn_->setIcon(s->standardIcon(QStyle::SP_DriveFDIcon));
  RunBtn_->setIcon(s->standardIcon(QStyle::SP_MediaPlay));
  VResBtn_->setIcon(s->standardIcon(QStyle::SP_FileDialogContentsView));
  HelpBtn_->setIcon(s->standardIcon(QStyle::SP_DialogHelpButton));
  ExitBtn_->setIcon(s->standardIcon(QStyle::SP_DialogCloseButton));

  OutExcel_ = new QCheckBox("Output in MS-Excel format", this);
  OutExcel_->setObjectName("OutExcel");
  JobNameLab_ = new QLabel(this);
  JobNameLab_->setObjectName("JobNameLab");
  JobNameLab_->setStyleSheet(
      "QLabel#JobNameLab { background: palette(base); border: 1px solid palette(mid);"
      " border-radius: 3px; padding: 2px 6px; }");
  JobNameLab_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  JobNameLab_->setMinimumWidth(420);
  JobNameLab_->setMinimumHeight(28);
  StaleLab_ = new QLabel(
      "Results are from before the last change of the job: Run to bring them up to date.", this);
  StaleLab_->setObjectName("StaleLab");
  StaleLab_->setStyleSheet(
      "QLabel#StaleLab { background: #fff3c4; color: #5c4200; border: 1px solid #d9b64a;"
      " border-radius: 3px; padding: 2px 6px; }");
  StaleLab_->setWordWrap(true);
  StaleLab_->hide();

  // Tab order follows the table of controls: buttons, then the check box.
  QWidget* order[] = {JobBtn_,  EditBtn_, SaveBtn_, SaveAsBtn_, RunBtn_,
                      VResBtn_, HelpBtn_, ExitBtn_, OutExcel_};
  for (std::size_t i = 1; i < std::size(order); ++i)
    setTabOrder(order[i - 1], order[i]);
  AddMapButton();
  AddSweepButton();
}

void CPMainForm::LayOut() {
  QLabel* logo = LogoLabel(52, this);
  auto* name = new QLabel(
      "<span style='font-size:16pt; font-weight:600'>Ventora</span><br>"
      "<span style='color:#5a6470'>Wind Pressure on Buildings</span>",
      this);
  auto* header = new QHBoxLayout;
  header->setSpacing(14);
  header->addWidget(logo);
  header->addWidget(name, 1);

  auto* fileNameLab = new QLabel("File Name:", this);
  fileNameLab->setBuddy(JobBtn_);
  auto* job = new QGridLayout;
  job->setHorizontalSpacing(10);
  job->addWidget(fileNameLab, 0, 0);
  job->addWidget(JobNameLab_, 0, 1);
  job->addWidget(OutExcel_, 1, 1, Qt::AlignLeft);  // clickable on its text only
  job->addWidget(StaleLab_, 2, 0, 1, 2);
  job->setColumnStretch(1, 1);

  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);

  auto* buttons = new QGridLayout;
  buttons->setSpacing(8);
  // The Cp map stands beside Output, Sweep… beside the Cp map.
  QPushButton* grid[] = {JobBtn_, EditBtn_, SaveBtn_, SaveAsBtn_, HelpBtn_,
                         RunBtn_, VResBtn_, MapBtn_,  SweepBtn_,  ExitBtn_};
  for (int i = 0; i < 10; ++i)
    if (grid[i] != nullptr) buttons->addWidget(grid[i], i / 5, i % 5);

  auto* layout = new QVBoxLayout;
  layout->setContentsMargins(18, 14, 18, 12);
  layout->setSpacing(12);
  layout->addLayout(header);
  layout->addWidget(line);
  layout->addLayout(job);
  layout->addSpacing(4);
  layout->addLayout(buttons);
  status_ = ui::NewStatusBar(this);
  auto* window = new QVBoxLayout(this);
  window->setContentsMargins(0, 0, 0, 0);
  window->setSpacing(0);
  QMenuBar* bar = AddFileMenu();
  AddEditMenu(bar);
  window->setMenuBar(bar);
  window->addLayout(layout);
  window->addWidget(status_);
  // The stale label comes and goes: the window keeps its place for it.
  window->setSizeConstraint(QLayout::SetFixedSize);
}

void CPMainForm::ConnectCommands() {
  connect(JobBtn_, &QPushButton::clicked, this, &CPMainForm::JobBtn_Click);
  connect(EditBtn_, &QPushButton::clicked, this, &CPMainForm::EditBtn_Click);
  connect(SaveBtn_, &QPushButton::clicked, this, &CPMainForm::SaveBtn_Click);
  connect(SaveAsBtn_, &QPushButton::clicked, this, &CPMainForm::SaveAsBtn_Click);
  connect(RunBtn_, &QPushButton::clicked, this, &CPMainForm::RunBtn_Click);
  connect(VResBtn_, &QPushButton::clicked, this, &CPMainForm::VResBtn_Click);
  connect(OutExcel_, &QCheckBox::clicked, this, &CPMainForm::OutExcel_Click);
  connect(HelpBtn_, &QPushButton::clicked, this, &CPMainForm::HelpBtn_Click);
  connect(ExitBtn_, &QPushButton::clicked, this, &CPMainForm::ExitBtn_Click);
}

void CPMainForm::SetMainCaption(const std::string& path) {
  QString caption = QString::fromStdString(MainCaption(path));
  caption.insert(caption.indexOf(" - "), "[*]");  // after the file name
  setWindowTitle(caption);
}

void CPMainForm::ShowJobName() {
  const std::string label = JobNameLabelText(doc_.JobName);
  JobNameLab_->setText(QString::fromStdString(label));
  JobNameLab_->setToolTip(QString::fromStdString(doc_.JobName));
  SetMainCaption(label);
}

void CPMainForm::EditBtn_Click() {
  emit editRequested();
  if (doc_.DataChanged) {
    SaveBtn_->setEnabled(true);
    RunBtn_->setEnabled(true);
  }
  ShowResultState();
}

// Under the button, whether it was clicked or reached with Alt+H.
void CPMainForm::HelpBtn_Click() {
  helpMenu_->popup(HelpBtn_->mapToGlobal(QPoint(0, HelpBtn_->height())));
}

void CPMainForm::HelpAbout_Click() {
  if (title_ == nullptr) title_ = new CpTitle(this);
  title_->ShowAsAbout();
}

void CPMainForm::ExitBtn_Click() {
  close();
}

void CPMainForm::closeEvent(QCloseEvent* event) {
  if (doc_.DataChanged && !AskSaveChanges()) {
    event->ignore();
    return;
  }
  RememberLastDir();
  event->accept();
  emit programEnded();
}

void CPMainForm::RememberLastDir() {
  // A settings file that cannot be written costs only the remembered folder.
  if (!services_.settingsFile.empty()) SaveLastDir(services_.settingsFile);
  ui::KeepPlace(*this, services_.settingsFile, kPlaceSection);
}

void CPMainForm::showEvent(QShowEvent* event) {
  if (!std::exchange(placed_, true))
    ui::TakeKeptPlace(*this, services_.settingsFile, kPlaceSection);
  QWidget::showEvent(event);
}

void CPMainForm::ShowError(const std::string& text, MsgIcon icon) {
  services_.messages->Show(Message{"Error", text, icon, MsgButtons::Ok});
}

}  // namespace ventora
