#pragma once
// The Cp map window: a run's Cp values drawn on the unfolded building, with
// tooltips, redrawn at every size, and saved as PNG or SVG on request. The
// colour scale is automatic or fixed; zoom makes room for the values that
// do not fit. Modeless; the main window creates it once and shows it again.

#include <QWidget>
#include <functional>
#include <string>

#include "core/messages.h"
#include "map/cpmap_layout.h"
#include "map/cpmap_model.h"

class QCheckBox;
class QLabel;
class QStatusBar;
class QPushButton;
class QScrollArea;

namespace ventora {

// The drawing itself; its layout follows its size.
class CpMapCanvas : public QWidget {
  Q_OBJECT

 public:
  CpMapCanvas(const CpMapModel& model, const char& decimal, QWidget* parent);
  const CpMapLayout& Layout() const { return layout_; }
  void Refresh();  // the model changed

 signals:
  void markerClicked(int k, bool add);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;

 private:
  const CpMapModel& model_;
  const char& decimal_;
  CpMapLayout layout_;
};

// The window's first size: at most 1100 x 720, within the screen's
// available area less the window frame.
QSize CpMapWindowSize(const QRect& available, const QMargins& frame);

class CpMap : public QWidget {
  Q_OBJECT

 public:
  explicit CpMap(MessageSink& messages, QWidget* parent = nullptr);

  // Shows the map of `run` for `job` (the job as it ran). `decimal` is the
  // user's decimal separator.
  void ShowRun(const Job& job, const RunResult& run, const std::string& jobName, char decimal);

  // The results shown are from before the job's last change: the title says
  // so until the next Run.
  void SetStale(bool stale);

  // How many Cp values are not printed because they do not fit; zoom in
  // (Ctrl and +, or the button) to bring them back.
  int HiddenValues() const;
  void Zoom(double factor);
  double ZoomFactor() const { return zoom_; }
  void SetFixedScale(bool fixed);
  // The spread layer: each element's own spread, computed by the model for
  // the job as it ran.
  void SetSpread(bool shown);

  const CpMapModel& Model() const { return model_; }
  // The job and its path without ".in", as ShowRun was handed them.
  const Job& ShownJob() const { return job_; }
  const std::string& JobName() const { return jobName_; }
  const CpMapCanvas& Canvas() const { return *canvas_; }

  void SavePictureBtn_Click();
  // Writes the picture as it is shown (PNG, or SVG for a ".svg" name);
  // false after telling the user why not.
  bool SavePicture(const QString& path);

  // Asks for the file name; empty when cancelled. Tests replace it.
  std::function<QString()> askSavePath;

 signals:
  // An element's marker was clicked (with Ctrl: to be added to those
  // chosen): its Cp against wind direction is asked for.
  void elementClicked(int k, bool add);

 private:
  QString AskSavePath();
  void ShowTitle();
  void FitCanvas();
  void ShowHiddenCount();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  MessageSink& messages_;
  CpMapModel model_;
  Job job_;
  std::string jobName_;
  char decimal_ = '.';
  QLabel* StaleLab_ = nullptr;  // the banner over the map while stale_
  bool stale_ = false;
  double zoom_ = 1;
  QScrollArea* scroll_ = nullptr;
  QCheckBox* FixedScale_ = nullptr;
  QCheckBox* Spread_ = nullptr;
  QLabel* HiddenLab_ = nullptr;
  CpMapCanvas* canvas_ = nullptr;
  QPushButton* SavePictureBtn_ = nullptr;
  QPushButton* CloseBtn_ = nullptr;
  QStatusBar* written_ = nullptr;  // confirms a picture saved
};

}  // namespace ventora
