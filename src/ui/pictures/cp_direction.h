#pragma once
// Cp against wind direction: the chosen elements' Cp over all wind
// directions, as a polar or a line plot beside the table of its values,
// saved as PNG or SVG on request. It shows a finished sweep (after Sweep…),
// or sweeps the job itself in the background, at kDefaultSweepStep, when an
// element of the Cp map is clicked. Modeless; the main window creates it
// once and shows it again.

#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/job.h"
#include "core/messages.h"
#include "map/direction_plot.h"

class QCheckBox;
class QLabel;
class QStatusBar;
class QListWidget;
class QRadioButton;
class QTableView;
class QThread;

namespace ventora {

class DirectionTable;

// The plot itself; its layout follows its size.
class DirectionCanvas : public QWidget {
  Q_OBJECT

 public:
  DirectionCanvas(const DirectionPlot& plot, const char& decimal, QWidget* parent);
  const DirectionPlotLayout& Layout() const { return layout_; }
  void Refresh();  // the plot changed

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  const DirectionPlot& plot_;
  const char& decimal_;
  DirectionPlotLayout layout_;
};

class CpDirection : public QWidget {
  Q_OBJECT

 public:
  explicit CpDirection(MessageSink& messages, QWidget* parent = nullptr);
  ~CpDirection() override;

  // Shows the values of a finished sweep of `job` with the elements of
  // running numbers `chosen` chosen; none chooses each facade's first.
  void ShowSweep(std::shared_ptr<const CpByDirection> data, const Job& job, char decimal,
                 const std::vector<int>& chosen = {});
  // Chooses element `k` of `job` (the job as it ran; `jobName` its path
  // without ".in"), with those chosen before when `add`. The values shown
  // are used when they are that job's; else the job is swept first, in the
  // background.
  void ShowElement(const Job& job, const std::string& jobName, int k, bool add, char decimal);
  // The job was run again: values of another job are swept again for it,
  // keeping the elements chosen.
  void FollowJob(const Job& job, const std::string& jobName);

  // Chooses the elements of running numbers `ks` (unknown ones are skipped).
  void Choose(const std::vector<int>& ks);
  std::vector<int> Chosen() const;
  void SetKind(PlotKind kind);
  void SetFixedScale(bool fixed);
  // The published methods beside the chosen walls, computed for the job
  // shown (commands/compare_methods.h).
  void SetPeerMethods(bool shown);
  bool Computing() const { return worker_ != nullptr; }

  const DirectionPlot& Plot() const { return plot_; }
  const DirectionTable& Table() const { return *table_; }
  const DirectionCanvas& Canvas() const { return *canvas_; }

  void SavePictureBtn_Click();
  // Writes the picture as it is shown (PNG, or SVG for a ".svg" name);
  // false after telling the user why not.
  bool SavePicture(const QString& path);
  // Asks for the file name; empty when cancelled. Tests replace it.
  std::function<QString()> askSavePath;

 private:
  struct Request {
    Job job;
    std::string jobName;
    std::vector<int> chosen;  // running numbers
  };
  void BuildControls();
  void ListElements();
  void SelectionChanged();
  void Redraw();
  void Sweep(const Request& request);
  void StartSweep(const Request& request);
  void SweepEnded();
  void ShowStopped();
  void ComparePeers();

  MessageSink& messages_;
  DirectionPlot plot_;
  char decimal_ = '.';
  std::optional<Job> shownJob_;  // the job whose values are shown
  // The background sweep: one at a time; a newer request waits for the
  // running one to stop.
  QThread* worker_ = nullptr;
  std::atomic<bool> cancel_{false};
  std::optional<Request> running_;
  std::optional<Request> next_;
  std::shared_ptr<const CpByDirection> result_;
  std::string error_;

  QListWidget* elements_ = nullptr;
  DirectionCanvas* canvas_ = nullptr;
  DirectionTable* table_ = nullptr;
  QTableView* tableView_ = nullptr;
  QRadioButton* polar_ = nullptr;
  QRadioButton* line_ = nullptr;
  QCheckBox* fixed_ = nullptr;
  QCheckBox* peers_ = nullptr;
  QLabel* status_ = nullptr;
  QStatusBar* written_ = nullptr;  // confirms a picture saved
};

}  // namespace ventora
