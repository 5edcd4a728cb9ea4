#include "ui/pictures/cp_direction.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

#include "commands/compare_methods.h"
#include "map/cpmap_painter.h"
#include "output/sweep/wind_sweep.h"
#include "ui/app/written_status.h"
#include "ui/pictures/direction_table.h"

namespace ventora {
namespace {

constexpr const char* kWindowTitle = "Cp against wind direction";

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

DirectionCanvas::DirectionCanvas(const DirectionPlot& plot, const char& decimal, QWidget* parent)
    : QWidget(parent), plot_(plot), decimal_(decimal) {
  setObjectName("DirectionCanvas");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(360, 300);
}

void DirectionCanvas::Refresh() {
  layout_ = LayOutDirectionPlot(plot_, QSizeF(size()));
  update();
}

void DirectionCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintDirectionPlot(painter, plot_, layout_, decimal_);
}

void DirectionCanvas::resizeEvent(QResizeEvent*) {
  Refresh();
}

CpDirection::CpDirection(MessageSink& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), messages_(messages) {
  setObjectName("CpDirection");
  setWindowTitle(kWindowTitle);
  BuildControls();
  askSavePath = [this] {
    const std::string title = plot_.data != nullptr ? plot_.data->title : "cp";
    return QFileDialog::getSaveFileName(this, "Save picture", Text(title + ".direction.png"),
                                        "PNG image (*.png);;SVG drawing (*.svg)");
  };
  const QScreen* where = parent != nullptr ? parent->screen() : screen();
  // Wider than the Cp map: the list and the table stand beside the plot.
  const QSize room = where->availableGeometry().size().shrunkBy(QMargins(8, 32, 8, 8));
  resize(QSize(1380, 780).boundedTo(room));
}

CpDirection::~CpDirection() {
  if (worker_ == nullptr) return;
  cancel_ = true;
  worker_->wait();
}

void CpDirection::BuildControls() {
  elements_ = new QListWidget(this);
  elements_->setObjectName("DirectionElements");
  elements_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  elements_->setToolTip("The elements to plot: Ctrl or Shift and click to choose several");
  connect(elements_, &QListWidget::itemSelectionChanged, this, &CpDirection::SelectionChanged);
  canvas_ = new DirectionCanvas(plot_, decimal_, this);
  table_ = new DirectionTable(this);
  tableView_ = new QTableView(this);
  tableView_->setObjectName("DirectionTable");
  tableView_->setModel(table_);
  // One width for every column: measuring each cell would take seconds with
  // thousands of elements chosen.
  tableView_->horizontalHeader()->setDefaultSectionSize(
      tableView_->fontMetrics().horizontalAdvance("no. 2000") + 14);
  tableView_->verticalHeader()->setDefaultSectionSize(tableView_->fontMetrics().height() + 6);
  auto* split = new QSplitter(this);
  split->addWidget(elements_);
  split->addWidget(canvas_);
  split->addWidget(tableView_);
  split->setStretchFactor(1, 1);
  split->setSizes({215, 800, 330});

  polar_ = new QRadioButton("&Polar", this);
  polar_->setObjectName("PolarPlot");
  polar_->setChecked(true);
  line_ = new QRadioButton("&Line", this);
  line_->setObjectName("LinePlot");
  auto* kinds = new QButtonGroup(this);
  kinds->addButton(polar_);
  kinds->addButton(line_);
  connect(line_, &QRadioButton::toggled, this,
          [this](bool line) { SetKind(line ? PlotKind::Line : PlotKind::Polar); });
  fixed_ = new QCheckBox("&Fixed scale -1.5 to +1.0", this);
  fixed_->setObjectName("FixedScale");
  fixed_->setToolTip(
      "The Cp map's fixed scale, so that plots compare; values beyond it are ringed");
  connect(fixed_, &QCheckBox::toggled, this, &CpDirection::SetFixedScale);
  peers_ = new QCheckBox("Published &methods", this);
  peers_->setObjectName("PeerMethods");
  peers_->setToolTip(
      "Beside the chosen walls: Ventora's mean over the wall, Swami and Chandra's surface "
      "average as EnergyPlus computes it, the AIVC's low-rise wall values and EN 1991-1-4's "
      "zones where the wind is normal to a wall (as ventora-run --compare writes them)");
  connect(peers_, &QCheckBox::toggled, this, &CpDirection::SetPeerMethods);
  status_ = new QLabel(this);
  status_->setObjectName("DirectionStatus");
  status_->setWordWrap(true);
  auto* save = new QPushButton("Save picture\u2026", this);
  save->setObjectName("SavePictureBtn");
  save->setToolTip("Save the plot as a PNG image or an SVG drawing");
  connect(save, &QPushButton::clicked, this, &CpDirection::SavePictureBtn_Click);
  auto* close = new QPushButton("Close", this);
  close->setObjectName("CloseBtn");
  connect(close, &QPushButton::clicked, this, &QWidget::hide);
  new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::hide);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(polar_);
  buttons->addWidget(line_);
  buttons->addWidget(fixed_);
  buttons->addWidget(peers_);
  buttons->addStretch(1);
  buttons->addWidget(save);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(status_);
  layout->addWidget(split, 1);
  layout->addLayout(buttons);
  written_ = ui::NewStatusBar(this);
  layout->addWidget(written_);
}

void CpDirection::ListElements() {
  const QSignalBlocker quiet(elements_);
  elements_->clear();
  for (const DirectionElement& e : plot_.data->elements) {
    auto* item = new QListWidgetItem(Text(ElementPlace(e.iface, e.ielm, e.k)), elements_);
    item->setData(Qt::UserRole, static_cast<int>(e.k));
  }
}

void CpDirection::ShowSweep(std::shared_ptr<const CpByDirection> data, const Job& job, char decimal,
                            const std::vector<int>& chosen) {
  if (worker_ != nullptr) {  // its values would come after these: drop them
    cancel_ = true;
    running_.reset();
    next_.reset();
  }
  decimal_ = decimal;
  plot_.data = std::move(data);
  plot_.chosen.clear();
  shownJob_ = job;
  setWindowTitle(Text(std::string(kWindowTitle) + " - " + plot_.data->title));
  ListElements();
  std::vector<int> ks = chosen;
  if (ks.empty()) {
    std::int16_t last = 0;
    for (const DirectionElement& e : plot_.data->elements)
      if (e.iface != last) ks.push_back(e.k), last = e.iface;
  }
  ComparePeers();
  Choose(ks);
  ShowStopped();
}

void CpDirection::ShowElement(const Job& job, const std::string& jobName, int k, bool add,
                              char decimal) {
  decimal_ = decimal;
  if (worker_ == nullptr && plot_.data != nullptr && shownJob_ && *shownJob_ == job) {
    std::vector<int> ks = add ? Chosen() : std::vector<int>{};
    ks.push_back(k);
    Choose(ks);
    return;
  }
  Sweep(Request{job, jobName, {k}});
}

void CpDirection::FollowJob(const Job& job, const std::string& jobName) {
  const bool pending = worker_ != nullptr && running_;
  if (plot_.data == nullptr || (!pending && shownJob_ && *shownJob_ == job)) return;
  Sweep(Request{job, jobName, pending ? (next_ ? next_->chosen : running_->chosen) : Chosen()});
}

void CpDirection::Sweep(const Request& request) {
  if (worker_ == nullptr) {
    StartSweep(request);
    return;
  }
  next_ = request;  // once the running sweep has stopped
  cancel_ = true;
}

void CpDirection::StartSweep(const Request& request) {
  running_ = request;
  cancel_ = false;
  result_.reset();
  error_.clear();
  const std::size_t total = SweepDirections(kDefaultSweepStep).size();
  status_->setText(QString("Computing the Cp at %1 wind directions\u2026").arg(total));
  SweepSetup setup;
  setup.cancel = &cancel_;
  setup.progress = [this](std::size_t done, std::size_t all) {
    QMetaObject::invokeMethod(
        this,
        [this, done, all] {
          status_->setText(
              QString("Computing the Cp: %1 of %2 wind directions\u2026").arg(done).arg(all));
        },
        Qt::QueuedConnection);
  };
  // The worker writes result_ and error_ only; the window reads them once
  // the thread has finished.
  worker_ = QThread::create([this, job = request.job, jobName = request.jobName, setup] {
    try {
      const WindSweep sweep = RunWindSweep(job, SweepDirections(kDefaultSweepStep), setup);
      result_ = std::make_shared<const CpByDirection>(CpAgainstDirection(sweep, job, jobName));
    } catch (const Cancelled&) {
    } catch (const std::exception& e) {
      error_ = e.what();
    }
  });
  connect(worker_, &QThread::finished, this, &CpDirection::SweepEnded);
  worker_->start();
}

void CpDirection::SweepEnded() {
  worker_->wait();
  worker_->deleteLater();
  worker_ = nullptr;
  if (next_) {
    const Request request = *next_;
    next_.reset();
    StartSweep(request);
    return;
  }
  if (!running_) return;  // superseded by a finished sweep
  const Request request = *running_;
  running_.reset();
  status_->clear();
  if (!error_.empty()) {
    messages_.Show(Message{kWindowTitle,
                           "The Cp against wind direction could not be computed: " + error_,
                           MsgIcon::Critical});
    return;
  }
  if (result_ == nullptr) return;
  ShowSweep(result_, request.job, decimal_, request.chosen);
}

void CpDirection::ShowStopped() {
  const std::vector<std::string>& stopped = plot_.data->stopped;
  if (stopped.empty()) {
    status_->clear();
    status_->setToolTip({});
    return;
  }
  std::string all;
  for (const std::string& line : stopped)
    all += (all.empty() ? "" : "\n") + line;
  status_->setText(QString("%1 of %2 wind directions could not be computed; they have no value: %3")
                       .arg(stopped.size())
                       .arg(plot_.data->directions.size())
                       .arg(Text(stopped.front())));
  status_->setToolTip(Text(all));
}

void CpDirection::Choose(const std::vector<int>& ks) {
  {
    const QSignalBlocker quiet(elements_);
    elements_->clearSelection();
    QListWidgetItem* first = nullptr;
    for (int k : ks) {
      const DirectionElement* e = plot_.data != nullptr ? plot_.data->Element(k) : nullptr;
      if (e == nullptr) continue;
      QListWidgetItem* item = elements_->item(static_cast<int>(e - plot_.data->elements.data()));
      item->setSelected(true);
      if (first == nullptr) first = item;
    }
    if (first != nullptr) elements_->scrollToItem(first);
  }
  SelectionChanged();
}

std::vector<int> CpDirection::Chosen() const {
  std::vector<int> ks;
  for (std::size_t i : plot_.chosen)
    ks.push_back(plot_.data->elements[i].k);
  return ks;
}

void CpDirection::SelectionChanged() {
  plot_.chosen.clear();
  for (int row = 0; row < elements_->count(); ++row)
    if (elements_->item(row)->isSelected()) plot_.chosen.push_back(static_cast<std::size_t>(row));
  Redraw();
}

void CpDirection::SetKind(PlotKind kind) {
  plot_.kind = kind;
  (kind == PlotKind::Line ? line_ : polar_)->setChecked(true);
  canvas_->Refresh();
}

void CpDirection::SetFixedScale(bool fixed) {
  if (fixed_->isChecked() != fixed) fixed_->setChecked(fixed);
  Redraw();
}

void CpDirection::SetPeerMethods(bool shown) {
  if (peers_->isChecked() != shown) peers_->setChecked(shown);
  ComparePeers();
  Redraw();
}

// The job ran already: its checks' boxes are not shown again.
void CpDirection::ComparePeers() {
  plot_.peers.reset();
  if (!peers_->isChecked() || !shownJob_) return;
  class Quiet : public MessageSink {
    MsgAnswer Show(const Message& m) override { return UnattendedAnswer(m.buttons); }
  } quiet;
  const CompareOutcome out = CompareWithPeerMethods(*shownJob_, kCompareStep, quiet, kPointDecimal);
  if (out.outcome == RunOutcome::Completed || out.outcome == RunOutcome::ValuesMissing)
    plot_.peers = std::make_shared<const PeerComparison>(out.comparison);
}

void CpDirection::Redraw() {
  plot_.scale = DirectionScale(plot_, fixed_->isChecked());
  table_->Show(plot_, decimal_);
  canvas_->Refresh();
}

void CpDirection::SavePictureBtn_Click() {
  QString path = askSavePath();
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += ".png";  // the first of the offered types
  SavePicture(path);
}

bool CpDirection::SavePicture(const QString& path) {
  return ui::SayPictureSaved(*written_, messages_, path,
                             SaveDirectionPlotPicture(path, plot_, canvas_->size(), decimal_));
}

}  // namespace ventora
