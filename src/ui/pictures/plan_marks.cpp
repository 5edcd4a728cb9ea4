#include "ui/pictures/plan_marks.h"

#include <cmath>
#include <numbers>

namespace ventora::ui {
namespace {

const QColor kInk(0x2f, 0x3e, 0x4e);
const QColor kNumber(0xc0, 0x39, 0x2b);

// A unit step on the plan towards a bearing (y grows downwards).
QPointF Toward(double bearing) {
  const double a = bearing * std::numbers::pi / 180;
  return {std::sin(a), -std::cos(a)};
}

void PaintCompass(QPainter& p, const QPointF& c) {
  constexpr double kArm = 22;
  p.setPen(QPen(kInk, 1.2));
  for (double bearing : {90.0, 180.0, 270.0})
    p.drawLine(c, c + Toward(bearing) * kArm * 0.7);
  const QPointF tip = c + Toward(0) * kArm;
  p.setBrush(kInk);
  p.drawPolygon(QPolygonF({tip, c + QPointF(-5, -4), c + QPointF(5, -4)}));
  QFont font = p.font();
  font.setPixelSize(13);
  font.setBold(true);
  p.setFont(font);
  p.drawText(QRectF(tip.x() - 10, tip.y() - 18, 20, 16), Qt::AlignCenter, "N");
}

}  // namespace

double FacadeBearing(int iface) {
  return (4 - iface) * 90.0;
}

void PaintPlanMarks(QPainter& p, const QRectF& building, const QPointF& compass) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  PaintCompass(p, compass);
  QFont font = p.font();
  font.setPixelSize(14);
  font.setBold(true);
  p.setFont(font);
  constexpr double kGap = 16;
  for (int iface = 1; iface <= 4; ++iface) {
    const QPointF out = Toward(FacadeBearing(iface));
    const QPointF at = building.center() + QPointF(out.x() * (building.width() / 2 + kGap),
                                                   out.y() * (building.height() / 2 + kGap));
    p.setPen(Qt::NoPen);
    p.setBrush(kNumber);
    p.drawEllipse(at, 12, 12);
    p.setPen(Qt::white);
    p.drawText(QRectF(at.x() - 12, at.y() - 12, 24, 24), Qt::AlignCenter, QString::number(iface));
  }
  p.restore();
}

}  // namespace ventora::ui
