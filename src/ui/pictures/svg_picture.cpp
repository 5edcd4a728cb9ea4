#include "ui/pictures/svg_picture.h"

#include <QPainter>

#include "ui/pictures/plan_marks.h"

namespace ventora::ui {

SvgPicture::SvgPicture(const QString& resource, QWidget* parent)
    : QWidget(parent), renderer_(resource) {}

QSize SvgPicture::sizeHint() const {
  return renderer_.defaultSize();
}

void SvgPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer_.render(&painter, QRectF(rect()));
  if (building_.isEmpty()) return;
  const QSizeF own = renderer_.defaultSize();
  painter.scale(width() / own.width(), height() / own.height());
  PaintPlanMarks(painter, building_, compass_);
}

void SvgPicture::AddPlanMarks(const QRectF& building, const QPointF& compass) {
  building_ = building;
  compass_ = compass;
  update();
}

}  // namespace ventora::ui
