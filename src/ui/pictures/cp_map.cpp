#include "ui/pictures/cp_map.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

#include "commands/cp_spread.h"
#include "map/cpmap_painter.h"
#include "map/cpmap_picture.h"
#include "map/spread_layer.h"
#include "map/spread_ring.h"
#include "ui/app/written_status.h"

namespace ventora {
namespace {

QString TooltipOf(const CpMapModel& model, const CpMarker& m, char decimal) {
  std::string text = MarkerText(m, decimal);
  text += "\nX " + CpText(m.X, decimal) + " m, " +
          (AsFacade(m.iface) == Facade::Roof ? "Y " : "Z ") + CpText(m.Z, decimal) + " m";
  if (m.state == MarkerState::Computed && m.computedZ != m.Z)
    text += "\ncomputed at Z " + CpText(m.computedZ, decimal) + " m";
  if (const ElementSpread* s = SpreadOf(model, m)) text += "\n" + SpreadTipText(*s, decimal);
  text += "\nClick: its Cp against wind direction (Ctrl: add it)";
  return QString::fromStdString(text);
}

}  // namespace

CpMapCanvas::CpMapCanvas(const CpMapModel& model, const char& decimal, QWidget* parent)
    : QWidget(parent), model_(model), decimal_(decimal) {
  setObjectName("CpMapCanvas");
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CpMapCanvas::Refresh() {
  layout_ = LayOutCpMap(model_, QSizeF(size()));
  update();
}

void CpMapCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintCpMap(painter, model_, layout_, decimal_);
}

void CpMapCanvas::resizeEvent(QResizeEvent*) {
  Refresh();
}

void CpMapCanvas::mouseReleaseEvent(QMouseEvent* event) {
  const CpMarker* marker = MarkerAt(model_, layout_, event->position());
  if (event->button() == Qt::LeftButton && marker != nullptr)
    emit markerClicked(marker->k, (event->modifiers() & Qt::ControlModifier) != 0);
  QWidget::mouseReleaseEvent(event);
}

bool CpMapCanvas::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  const CpMarker* marker = MarkerAt(model_, layout_, help->pos());
  if (marker != nullptr)
    QToolTip::showText(help->globalPos(), TooltipOf(model_, *marker, decimal_), this);
  else
    QToolTip::hideText();
  return true;
}

CpMap::CpMap(MessageSink& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), messages_(messages) {
  setObjectName("CpMap");
  setWindowTitle("Cp map");
  canvas_ = new CpMapCanvas(model_, decimal_, this);
  connect(canvas_, &CpMapCanvas::markerClicked, this, &CpMap::elementClicked);
  scroll_ = new QScrollArea(this);
  scroll_->setWidget(canvas_);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->viewport()->installEventFilter(this);
  FixedScale_ = new QCheckBox("&Fixed scale -1.5 to +1.0", this);
  FixedScale_->setObjectName("FixedScale");
  FixedScale_->setToolTip(
      "The same colours on every map, so that maps compare; values beyond "
      "the scale are ringed");
  connect(FixedScale_, &QCheckBox::toggled, this, &CpMap::SetFixedScale);
  Spread_ = new QCheckBox("&Spread", this);
  Spread_->setObjectName("SpreadLayer");
  Spread_->setToolTip(
      "Ring each element with the model's own spread of its Cp: the lowest and highest Cp "
      "within 5 degrees of the wind direction and, on a flat roof, of the same point with the "
      "building entered from its next wall; orange where wider than 0.2");
  connect(Spread_, &QCheckBox::toggled, this, &CpMap::SetSpread);
  HiddenLab_ = new QLabel(this);
  HiddenLab_->setObjectName("HiddenLab");
  // In the map's own window, as the main window's banner says it: a title
  // bar is easily overlooked.
  StaleLab_ = new QLabel(
      "Results are from before the last change of the job: Run to bring them up to date.", this);
  StaleLab_->setObjectName("StaleLab");
  StaleLab_->setStyleSheet(
      "QLabel#StaleLab { background: #fff3c4; color: #5c4200; border: 1px solid #d9b64a;"
      " padding: 4px 8px; }");
  StaleLab_->setWordWrap(true);
  StaleLab_->hide();
  auto* zoomIn = new QPushButton("Zoom +", this);
  zoomIn->setObjectName("ZoomInBtn");
  zoomIn->setShortcut(QKeySequence::ZoomIn);
  auto* zoomOut = new QPushButton("Zoom \u2212", this);
  zoomOut->setObjectName("ZoomOutBtn");
  zoomOut->setShortcut(QKeySequence::ZoomOut);
  connect(zoomIn, &QPushButton::clicked, this, [this] { Zoom(1.25); });
  connect(zoomOut, &QPushButton::clicked, this, [this] { Zoom(0.8); });
  new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::hide);
  SavePictureBtn_ = new QPushButton("Save picture\u2026", this);
  SavePictureBtn_->setObjectName("SavePictureBtn");
  SavePictureBtn_->setToolTip("Save the map as a PNG image or an SVG drawing");
  CloseBtn_ = new QPushButton("Close", this);
  CloseBtn_->setObjectName("CloseBtn");
  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(8, 0, 0, 0);
  buttons->addWidget(FixedScale_);
  buttons->addWidget(Spread_);
  buttons->addWidget(zoomIn);
  buttons->addWidget(zoomOut);
  buttons->addWidget(HiddenLab_);
  buttons->addStretch(1);
  buttons->addWidget(SavePictureBtn_);
  buttons->addWidget(CloseBtn_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 8, 8);
  layout->addWidget(StaleLab_);
  layout->addWidget(scroll_, 1);
  layout->addLayout(buttons);
  written_ = ui::NewStatusBar(this);
  layout->addWidget(written_);
  connect(SavePictureBtn_, &QPushButton::clicked, this, &CpMap::SavePictureBtn_Click);
  connect(CloseBtn_, &QPushButton::clicked, this, &QWidget::hide);
  askSavePath = [this] { return AskSavePath(); };
  const QScreen* where = parent != nullptr ? parent->screen() : screen();
  resize(CpMapWindowSize(where->availableGeometry(), QMargins(8, 32, 8, 8)));
}

QSize CpMapWindowSize(const QRect& available, const QMargins& frame) {
  const QSize room = available.size().shrunkBy(frame);
  return QSize(1100, 720).boundedTo(room);
}

// The viewport learns its size only after the window's layout has run.
bool CpMap::eventFilter(QObject* watched, QEvent* event) {
  if (watched == scroll_->viewport() && event->type() == QEvent::Resize) FitCanvas();
  return QWidget::eventFilter(watched, event);
}

// At zoom 1 the canvas fills the window; zoomed in, it grows past it and
// the window scrolls.
void CpMap::FitCanvas() {
  const QSize view = scroll_->viewport()->size();
  canvas_->setMinimumSize(0, 0);
  canvas_->resize((QSizeF(view) * zoom_).toSize().expandedTo(QSize(320, 210)));
  canvas_->Refresh();  // a hidden canvas gets its resize event only when shown
  ShowHiddenCount();
}

void CpMap::Zoom(double factor) {
  zoom_ = std::clamp(zoom_ * factor, 1.0, 8.0);
  FitCanvas();
}

void CpMap::SetFixedScale(bool fixed) {
  model_.scale.fixed = fixed;
  if (FixedScale_->isChecked() != fixed) FixedScale_->setChecked(fixed);
  canvas_->Refresh();
}

void CpMap::SetSpread(bool shown) {
  if (Spread_->isChecked() != shown) Spread_->setChecked(shown);
  model_.spread.clear();
  if (shown && !model_.title.empty())
    model_.spread = SpreadAround(job_, {job_.AnWind}).directions.front().elements;
  canvas_->Refresh();
}

int CpMap::HiddenValues() const {
  return static_cast<int>(canvas_->Layout().hiddenValues.size());
}

void CpMap::ShowHiddenCount() {
  const int hidden = HiddenValues();
  if (hidden == 0)
    HiddenLab_->setText(QString());
  else if (hidden == 1)
    HiddenLab_->setText("1 value hidden for want of room: zoom in to show it");
  else
    HiddenLab_->setText(
        QString("%1 values hidden for want of room: zoom in to show them").arg(hidden));
}

void CpMap::ShowRun(const Job& job, const RunResult& run, const std::string& jobName,
                    char decimal) {
  // The zoom and the fixed scale were chosen for the job shown: another job
  // starts from the whole map on its own scale.
  if (jobName != jobName_) {
    zoom_ = 1;
    const QSignalBlocker quiet(FixedScale_);
    FixedScale_->setChecked(false);
  }
  model_ = BuildCpMapModel(job, run, jobName);
  job_ = job;
  jobName_ = jobName;
  decimal_ = decimal;
  model_.scale.fixed = FixedScale_->isChecked();
  if (Spread_->isChecked() && !run.elements.empty())
    model_.spread = SpreadAround(job_, {job_.AnWind}).directions.front().elements;
  FitCanvas();
  ShowTitle();
  canvas_->Refresh();
  ShowHiddenCount();
}

void CpMap::SetStale(bool stale) {
  stale_ = stale;
  StaleLab_->setVisible(stale);
  ShowTitle();
}

void CpMap::ShowTitle() {
  std::string title = "Cp map - " + model_.title;
  if (stale_) title += " - results from before the last change of the job (Run to update)";
  setWindowTitle(QString::fromStdString(title));
}

QString CpMap::AskSavePath() {
  return QFileDialog::getSaveFileName(this, "Save picture",
                                      QString::fromStdString(model_.title + ".map.png"),
                                      "PNG image (*.png);;SVG drawing (*.svg)");
}

void CpMap::SavePictureBtn_Click() {
  QString path = askSavePath();
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += ".png";  // the first of the offered types
  SavePicture(path);
}

bool CpMap::SavePicture(const QString& path) {
  return ui::SayPictureSaved(*written_, messages_, path,
                             SaveCpMapPicture(path, model_, canvas_->size(), decimal_));
}

}  // namespace ventora
