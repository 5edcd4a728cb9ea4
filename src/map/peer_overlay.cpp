#include "map/peer_overlay.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <map>

#include "map/cpmap_painter.h"

namespace ventora {
namespace {

const QColor kInk(0x2f, 0x3e, 0x4e);

enum class Method { Ventora, SwamiChandra, Aivc };

struct MethodStyle {
  Method method;
  Qt::PenStyle pen;
  const char* key;
};

constexpr MethodStyle kStyles[] = {
    {Method::Ventora, Qt::DashLine, "Ventora, the wall's mean"},
    {Method::SwamiChandra, Qt::DotLine, "Swami & Chandra (EnergyPlus)"},
    {Method::Aivc, Qt::DashDotLine, "AIVC, low-rise walls"},
};

double ValueOf(const MethodsAtDirection& m, Method method) {
  switch (method) {
    case Method::Ventora:
      return m.ventora;
    case Method::SwamiChandra:
      return m.swamiChandra;
    case Method::Aivc:
      break;
  }
  return m.aivc;
}

// Each chosen wall with the colour of its first chosen element.
std::map<int, QColor> ChosenWalls(const DirectionPlot& plot) {
  std::map<int, QColor> walls;
  for (std::size_t n = 0; n < plot.chosen.size() && n < kMostCurves; ++n) {
    const int iface = plot.data->elements[plot.chosen[n]].iface;
    const Rgb c = ChosenColour(n);
    if (IsWall(AsFacade(iface))) walls.emplace(iface, QColor(c.r, c.g, c.b));
  }
  return walls;
}

void PaintMethod(QPainter& p, const DirectionPlot& plot, const DirectionPlotLayout& l,
                 const std::vector<const MethodsAtDirection*>& rows, Method method) {
  QPainterPath path;
  bool open = false;
  for (std::size_t j = 0; j <= rows.size(); ++j) {
    const bool wrap = j == rows.size();
    // The line plot ends at 360: it closes the circle only from 0.
    if (wrap && plot.kind == PlotKind::Line && rows.front()->windFrom != 0) break;
    const MethodsAtDirection& m = *rows[j % rows.size()];
    const double cp = ValueOf(m, method);
    if (!std::isfinite(cp)) {
      open = false;
      continue;
    }
    const QPointF at =
        l.Point(plot.kind, m.windFrom + (wrap ? 360.f : 0.f), static_cast<float>(cp), plot.scale);
    open ? path.lineTo(at) : path.moveTo(at);
    open = true;
  }
  p.drawPath(path);
}

void PaintEn1991(QPainter& p, const DirectionPlot& plot, const DirectionPlotLayout& l,
                 const std::vector<const MethodsAtDirection*>& rows, const QColor& colour) {
  const double r = std::max(3.0, l.fontPx * 0.35);
  p.setPen(QPen(colour, 1.8));
  p.setBrush(Qt::white);
  for (const MethodsAtDirection* m : rows) {
    if (!m->en1991) continue;
    const QPointF c = l.Point(plot.kind, m->windFrom, static_cast<float>(*m->en1991), plot.scale);
    p.drawRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
  }
}

void PaintKey(QPainter& p, const DirectionPlotLayout& l) {
  const double font = l.fontPx * 0.9;
  const double line = 1.45 * l.fontPx;
  QRectF row(l.legend.left(), l.legend.bottom() - 4 * line, l.legend.width(), line);
  QFont f = p.font();
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(font))));
  f.setBold(false);
  f.setItalic(false);
  p.setFont(f);
  const auto text = [&](const char* key) {
    p.setPen(kInk);
    p.drawText(row.adjusted(2.6 * l.fontPx, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, key);
  };
  for (const MethodStyle& s : kStyles) {
    const double y = row.center().y();
    p.setPen(QPen(kInk, 2, s.pen));
    p.drawLine(QPointF(row.left(), y), QPointF(row.left() + 2 * l.fontPx, y));
    text(s.key);
    row.translate(0, line);
  }
  const double r = std::max(3.0, l.fontPx * 0.35);
  p.setPen(QPen(kInk, 1.8));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(row.left() + l.fontPx - r, row.center().y() - r, 2 * r, 2 * r));
  text("EN 1991-1-4, wind normal to a wall");
}

}  // namespace

void PaintPeerOverlay(QPainter& p, const DirectionPlot& plot, const DirectionPlotLayout& l) {
  if (plot.peers == nullptr || plot.data == nullptr) return;
  p.save();
  for (const auto& [wall, colour] : ChosenWalls(plot)) {
    std::vector<const MethodsAtDirection*> rows;
    for (const MethodsAtDirection& m : plot.peers->rows)
      if (m.facade == wall) rows.push_back(&m);
    if (rows.empty()) continue;
    p.setBrush(Qt::NoBrush);
    for (const MethodStyle& s : kStyles) {
      p.setPen(QPen(colour, std::max(1.5, l.fontPx / 7), s.pen));
      PaintMethod(p, plot, l, rows, s.method);
    }
    PaintEn1991(p, plot, l, rows, colour);
  }
  PaintKey(p, l);
  p.restore();
}

}  // namespace ventora
