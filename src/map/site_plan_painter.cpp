#include "map/site_plan_painter.h"

#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace ventora {
namespace {

const QColor kInk(0x2f, 0x3e, 0x4e);
const QColor kBuilding(0x8c, 0x9b, 0xab);
const QColor kStudied(0xc0, 0x39, 0x2b);
const QColor kNoData(0xe4, 0xe4, 0xe4);
const QColor kSectorLine(0x4a, 0x7a, 0xb0);

// Metres round the site to the picture's pixels, north up.
struct Frame {
  QPointF centre;
  double pixelsPerMetre;
  QPointF operator()(site::XY p) const {
    return {centre.x() + p.x * pixelsPerMetre, centre.y() - p.y * pixelsPerMetre};
  }
  QPointF AtBearing(double degrees, double metres) const {
    const double a = degrees * std::numbers::pi / 180;
    return (*this)({metres * std::sin(a), metres * std::cos(a)});
  }
};

QPainterPath PathOf(const std::vector<site::Ring>& rings, const Frame& frame) {
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  for (const site::Ring& ring : rings) {
    QPolygonF polygon;
    for (const site::XY& p : ring)
      polygon << frame(p);
    if (!polygon.isEmpty()) polygon << polygon.front();
    path.addPolygon(polygon);
  }
  return path;
}

void SetFontPixels(QPainter& p, double pixels, bool bold = false) {
  QFont font = p.font();
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  font.setBold(bold);
  p.setFont(font);
}

void PaintFootprints(QPainter& p, const site::SitePlan& plan, const Frame& frame) {
  for (const site::PlanFootprint& f : plan.footprints) {
    const QPainterPath path = PathOf(f.rings, frame);
    const QColor fill = f.studied ? kStudied : f.part ? kBuilding.lighter(115) : kBuilding;
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(f.studied || f.height || f.part ? fill : fill.lighter(135));
    p.drawPath(path);
    if (!f.studied && !f.part && !f.height) p.fillPath(path, QBrush(kInk, Qt::BDiagPattern));
  }
}

void PaintSectors(QPainter& p, const site::SitePlan& plan, const Frame& frame, double fontPx) {
  if (plan.sectors < 2) return;
  const double width = 360.0 / plan.sectors;
  p.setPen(QPen(kSectorLine, 1, Qt::DashLine));
  for (int k = 0; k < plan.sectors; ++k)
    p.drawLine(frame.AtBearing(0, 0), frame.AtBearing((k + 0.5) * width, plan.radius));
  if (plan.sectors > 16) return;  // their centres' bearings would crowd
  SetFontPixels(p, fontPx * 0.9);
  p.setPen(kSectorLine);
  for (int k = 0; k < plan.sectors; ++k) {
    const QPointF at =
        frame.AtBearing(k * width, plan.radius + 2.2 * fontPx / frame.pixelsPerMetre);
    const QRectF box(at.x() - 3 * fontPx, at.y() - fontPx, 6 * fontPx, 2 * fontPx);
    p.drawText(box, Qt::AlignCenter, QString::number(k * width, 'g', 4) + QChar(0x00b0));
  }
}

void PaintNorthArrow(QPainter& p, const QRectF& area, double fontPx) {
  const QPointF tip(area.right() - 2 * fontPx, area.top() + 1.8 * fontPx);
  const double length = 3 * fontPx;
  QPolygonF arrow;
  arrow << tip << QPointF(tip.x() + 0.7 * fontPx, tip.y() + length)
        << QPointF(tip.x(), tip.y() + 0.75 * length)
        << QPointF(tip.x() - 0.7 * fontPx, tip.y() + length);
  p.setPen(QPen(kInk, 1));
  p.setBrush(kInk);
  p.drawPolygon(arrow);
  SetFontPixels(p, fontPx, true);
  p.drawText(QRectF(tip.x() - fontPx, tip.y() - 1.8 * fontPx, 2 * fontPx, 1.6 * fontPx),
             Qt::AlignCenter, "N");
}

void PaintScaleBar(QPainter& p, const site::SitePlan& plan, const Frame& frame, const QRectF& area,
                   double fontPx) {
  const double metres = ScaleBarLength(plan.radius);
  const double pixels = metres * frame.pixelsPerMetre;
  const QPointF start(area.left() + fontPx, area.bottom() - 1.2 * fontPx);
  const QPointF end(start.x() + pixels, start.y());
  p.setPen(QPen(kInk, 2));
  p.drawLine(start, end);
  p.drawLine(start, start - QPointF(0, 0.5 * fontPx));
  p.drawLine(end, end - QPointF(0, 0.5 * fontPx));
  SetFontPixels(p, fontPx);
  p.drawText(QRectF(start.x(), start.y() - 2 * fontPx, pixels + 4 * fontPx, 1.5 * fontPx),
             Qt::AlignLeft | Qt::AlignBottom, QString::number(metres, 'g', 6) + " m");
}

// What the marks mean, at the bottom right.
void PaintKey(QPainter& p, const QRectF& area, double fontPx) {
  SetFontPixels(p, fontPx * 0.9);
  const QString studied = "studied building", noHeight = "no height";
  const double textWidth = p.fontMetrics().horizontalAdvance(studied);
  const double left = area.right() - textWidth - 2.6 * fontPx;
  double y = area.bottom() - 2.8 * fontPx;
  const auto entry = [&](const QBrush& fill, bool hatched, const QString& text) {
    const QRectF swatch(left, y, 1.2 * fontPx, 1.0 * fontPx);
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(fill);
    p.drawRect(swatch);
    if (hatched) p.fillRect(swatch, QBrush(kInk, Qt::BDiagPattern));
    p.setPen(kInk);
    p.drawText(QRectF(left + 1.6 * fontPx, y - 0.3 * fontPx, textWidth + fontPx, 1.6 * fontPx),
               Qt::AlignLeft | Qt::AlignVCenter, text);
    y += 1.5 * fontPx;
  };
  entry(kStudied, false, studied);
  entry(kBuilding.lighter(135), true, noHeight);
}

}  // namespace

double ScaleBarLength(double radius) {
  const double target = radius / 2;
  const double power = std::pow(10.0, std::floor(std::log10(target)));
  for (const double step : {5.0, 2.0, 1.0})
    if (step * power <= target) return step * power;
  return power;
}

void PaintSitePlan(QPainter& p, const site::SitePlan& plan, const QRectF& area) {
  if (!(plan.radius > 0)) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(area, Qt::white);
  const double fontPx = std::clamp(std::min(area.width(), area.height()) / 32, 9.0, 14.0);
  const double room = std::min(area.width(), area.height()) / 2 - 3.5 * fontPx;
  const Frame frame{area.center(), std::max(room, 1.0) / plan.radius};
  QPainterPath circle;
  circle.addEllipse(frame({0, 0}), plan.radius * frame.pixelsPerMetre,
                    plan.radius * frame.pixelsPerMetre);
  p.fillPath(circle.subtracted(PathOf(plan.covered, frame)), kNoData);
  PaintFootprints(p, plan, frame);
  PaintSectors(p, plan, frame, fontPx);
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawPath(circle);
  const QPointF site = frame({0, 0});
  p.drawLine(site - QPointF(fontPx / 2, 0), site + QPointF(fontPx / 2, 0));
  p.drawLine(site - QPointF(0, fontPx / 2), site + QPointF(0, fontPx / 2));
  PaintNorthArrow(p, area, fontPx);
  PaintScaleBar(p, plan, frame, area, fontPx);
  PaintKey(p, area, fontPx);
  p.restore();
}

}  // namespace ventora
