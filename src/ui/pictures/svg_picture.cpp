#include "ui/pictures/svg_picture.h"

#include <QPainter>

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
}

}  // namespace ventora::ui
