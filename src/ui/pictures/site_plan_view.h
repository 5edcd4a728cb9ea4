#pragma once
// The picture of a site's surroundings in a window: the map room's
// painting at the widget's size, or a line saying what will appear.

#include <QWidget>
#include <optional>

#include "site/site_plan.h"

namespace ventora::ui {

class SitePlanView : public QWidget {
 public:
  explicit SitePlanView(QWidget* parent = nullptr);
  void SetPlan(std::optional<site::SitePlan> plan);
  const std::optional<site::SitePlan>& Plan() const { return plan_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<site::SitePlan> plan_;
};

}  // namespace ventora::ui
