#include "ui/pictures/site_plan_view.h"

#include <QPainter>

#include "map/site_plan_painter.h"

namespace ventora::ui {

SitePlanView::SitePlanView(QWidget* parent) : QWidget(parent) {
  setObjectName("SitePicture");
  setMinimumSize(320, 320);
}

void SitePlanView::SetPlan(std::optional<site::SitePlan> plan) {
  plan_ = std::move(plan);
  update();
}

void SitePlanView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (plan_) {
    PaintSitePlan(painter, *plan_, rect());
    return;
  }
  painter.fillRect(rect(), palette().base());
  painter.setPen(palette().color(QPalette::PlaceholderText));
  painter.drawText(rect().adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap,
                   "Compute shows the footprints round the site here.");
}

}  // namespace ventora::ui
