#pragma once
// "From map...": PAD and SbH from the building footprints round the site,
// as `ventora-run --surroundings FILE --site X,Y JOB` computes them. The
// user names the file, the site and how to look (radius, sectors, heights);
// Compute shows the footprints within the circle and the values, all round
// and per sector; OK hands the all-round values back. A file the site
// library refuses is said in its own words and the dialog stays open.

#include <QDialog>
#include <optional>

#include "core/job.h"
#include "core/messages.h"
#include "ui/editing/site_finder.h"

class QLabel;
class QLineEdit;
class QSpinBox;
class QTableWidget;

namespace ventora::ui {

class SitePlanView;

// What OK gives: the job's PAD and, when any building has a height, SbH.
struct SiteValues {
  float pad = 0;
  std::optional<float> sbh;
};

class SiteMapDialog : public QDialog {
  Q_OBJECT
 public:
  SiteMapDialog(MessageSink& messages, char decimal, SiteFinder finder, QWidget* parent = nullptr);

  // Shows the dialog modally for `job` (its Bdz gives the advised radius,
  // its shape the model's PAD limit); the values on OK, none on Cancel.
  std::optional<SiteValues> Ask(const Job& job);

  // Reads the fields and asks the site library; false after saying why not.
  bool Compute();

 private:
  void BuildLayout();
  QWidget* BuildInputs();
  void Browse();
  std::optional<site::SurroundingsQuery> ReadQuery();
  void Show(const site::SurroundingsAnswer& answer);
  void Clear();
  QString Notes(const site::SurroundingsAnswer& answer) const;
  QString InputsText() const;
  void OkClicked();

  MessageSink& messages_;
  char decimal_;
  SiteFinder finder_;
  Job job_;
  QLineEdit* file_ = nullptr;
  QLineEdit* site_ = nullptr;
  QLineEdit* crs_ = nullptr;
  QLineEdit* radius_ = nullptr;
  QSpinBox* sectors_ = nullptr;
  QLineEdit* storeyHeight_ = nullptr;
  QLineEdit* defaultHeight_ = nullptr;
  SitePlanView* picture_ = nullptr;
  QTableWidget* table_ = nullptr;
  QLabel* radiusUsed_ = nullptr;
  QLabel* notes_ = nullptr;
  std::optional<SiteValues> values_;
  QString computedFor_;  // the inputs the values shown were computed from
};

}  // namespace ventora::ui
