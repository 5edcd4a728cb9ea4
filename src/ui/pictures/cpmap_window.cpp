#include "ui/pictures/cpmap_window.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

#include "map/cpmap_painter.h"
#include "map/cpmap_picture.h"

namespace ventora {
namespace {

QString TooltipOf(const CpMarker& m, char decimal) {
  std::string text = MarkerText(m, decimal);
  text += "\nX " + CpText(m.X, decimal) + " m, " +
          (AsFacade(m.iface) == Facade::Roof ? "Y " : "Z ") + CpText(m.Z, decimal) + " m";
  if (m.state == MarkerState::Computed && m.computedZ != m.Z)
    text += "\ncomputed at Z " + CpText(m.computedZ, decimal) + " m";
  return QString::fromStdString(text);
}

}  // namespace

CpMapCanvas::CpMapCanvas(const CpMapModel& model, const char& decimal, QWidget* parent)
    : QWidget(parent), model_(model), decimal_(decimal) {
  setObjectName("CpMapCanvas");
  setMinimumSize(640, 420);
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

bool CpMapCanvas::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  const CpMarker* marker = MarkerAt(model_, layout_, help->pos());
  if (marker != nullptr)
    QToolTip::showText(help->globalPos(), TooltipOf(*marker, decimal_), this);
  else
    QToolTip::hideText();
  return true;
}

CpMap::CpMap(MessageSink& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), messages_(messages) {
  setObjectName("CpMap");
  setWindowTitle("Cp map");
  canvas_ = new CpMapCanvas(model_, decimal_, this);
  SavePictureBtn_ = new QPushButton("Save picture\u2026", this);
  SavePictureBtn_->setObjectName("SavePictureBtn");
  SavePictureBtn_->setToolTip("Save the map as a PNG image or an SVG drawing");
  CloseBtn_ = new QPushButton("Close", this);
  CloseBtn_->setObjectName("CloseBtn");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(SavePictureBtn_);
  buttons->addWidget(CloseBtn_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 8, 8);
  layout->addWidget(canvas_, 1);
  layout->addLayout(buttons);
  connect(SavePictureBtn_, &QPushButton::clicked, this, &CpMap::SavePictureBtn_Click);
  connect(CloseBtn_, &QPushButton::clicked, this, &QWidget::hide);
  askSavePath = [this] { return AskSavePath(); };
  resize(1100, 720);
}

void CpMap::ShowRun(const Job& job, const RunResult& run, const std::string& jobName,
                    char decimal) {
  model_ = BuildCpMapModel(job, run, jobName);
  decimal_ = decimal;
  ShowTitle();
  canvas_->Refresh();
}

void CpMap::SetStale(bool stale) {
  stale_ = stale;
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
  const QString error = SaveCpMapPicture(path, model_, canvas_->size(), decimal_);
  if (error.isEmpty()) return true;
  messages_.Show(Message{"Error", error.toStdString(), MsgIcon::Critical});
  return false;
}

}  // namespace ventora
