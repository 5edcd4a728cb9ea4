#include "map/cpmap_painter.h"

#include <QFontMetricsF>
#include <QTransform>
#include <cmath>

#include "core/roof_layout.h"
#include "map/cpmap_colors.h"
#include "map/spread_layer.h"

namespace ventora {
namespace {

const QColor kInk(0x2f, 0x3e, 0x4e);
const QColor kImplausible(0xc0, 0x00, 0xc0);  // in no colour of the scale
const QColor kFacadeFill(0xf3, 0xf5, 0xf7);

// Each side of 0 has its own end: the fixed scale is not symmetric.
QColor ColourOf(float cp, const CpMapModel& m) {
  const Rgb c = DivergingColour(cp, cp < 0 ? -m.Lower() : m.Upper());
  return QColor(c.r, c.g, c.b);
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

void SetFont(QPainter& p, double pixels, bool bold = false, bool italic = false) {
  QFont font = p.font();
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  font.setBold(bold);
  font.setItalic(italic);
  p.setFont(font);
}

QPen RidgePen() {
  return QPen(QColor(0xb0, 0x1c, 0x2e), 2, Qt::DashLine);
}

void PaintTitle(QPainter& p, const CpMapModel& m, const CpMapLayout& l, char decimal) {
  p.setPen(kInk);
  SetFont(p, l.fontPx * 1.35, true);
  p.drawText(l.title, Qt::AlignLeft | Qt::AlignTop, Q("Cp map \u2013 " + m.title));
  SetFont(p, l.fontPx);
  const std::string line = "Wind direction " + AngleText(m.AnWind, decimal) +
                           ", building azimuth " + AngleText(m.AzB, decimal) +
                           ".  Pressure warm, suction cool, 0 white.";
  p.drawText(l.title, Qt::AlignLeft | Qt::AlignBottom, Q(line));
}

void PaintMarker(QPainter& p, const CpMarker& m, const CpMapLayout& l, const CpMapModel& model) {
  const QPointF c = l.MarkerCentre(m);
  const double r = l.markerRadius;
  if (m.state == MarkerState::Computed) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(ColourOf(m.Cp, model));
    p.drawEllipse(c, r, r);
    if (model.OutsideScale(m.Cp)) {  // clipped to the end colour: a ring says so
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(kInk, 2));
      p.drawEllipse(c, r + 3, r + 3);
    }
    if (m.implausible) PaintImplausibleMark(p, c, r + 5);
    return;
  }
  // Hollow, with a cross: no value to colour.
  p.setPen(QPen(QColor(0xb0, 0x1c, 0x2e), 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, r, r);
  const double d = r * 0.6;
  p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
  p.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
}

void PaintValue(QPainter& p, const CpMarker& m, const CpMapLayout& l, char decimal) {
  if (m.state != MarkerState::Computed || !l.ValueShown(m)) return;
  p.drawText(l.ValueBox(m), Qt::AlignHCenter | Qt::AlignTop, Q(CpText(m.Cp, decimal)));
}

void PaintFacade(QPainter& p, const CpMapFacade& f, const QRectF& r, const CpMapLayout& l,
                 const CpMapModel& model, char decimal) {
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(kFacadeFill);
  p.drawRect(r);
  const double font = l.fontPx;
  const double room = l.labelWidths[f.iface - 1];
  p.setPen(kInk);
  SetFont(p, font, true);
  const QRectF name(r.left(), r.top() - 2.8 * font, room, 1.4 * font);
  p.drawText(name, Qt::AlignLeft | Qt::AlignBottom, Q(FacadeTitle(f, model.Islope)));
  if (AsFacade(f.iface) == Facade::Roof && model.Islope == 2) {
    // The ridge where the roof model puts it: XL one half, from the edge
    // over wall 1 (the bottom) to the edge over wall 3.
    const double x = r.left() + r.width() * kRidgeXL;
    p.setPen(RidgePen());
    p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    p.setPen(kInk);
  }
  SetFont(p, font * 0.9);
  const QRectF angle(r.left(), r.top() - 1.4 * font, room, 1.3 * font);
  const QString wind =
      QFontMetricsF(p.font()).elidedText(Q(FacadeWindText(f, decimal)), Qt::ElideRight, room);
  p.drawText(angle, Qt::AlignLeft | Qt::AlignVCenter, wind);
  SetFont(p, font);
  const QRectF below = l.AverageBox(f.iface - 1);
  const std::string average =
      f.average ? "average Cp " + CpText(*f.average, decimal) : "no average";
  p.drawText(below, Qt::AlignLeft | Qt::AlignTop, Q(average));
  for (const CpMarker& m : f.markers)
    PaintMarker(p, m, l, model);
  SetFont(p, font * 0.75);
  p.setPen(kInk);
  for (const CpMarker& m : f.markers)
    PaintValue(p, m, l, decimal);
}

void PaintLegend(QPainter& p, const CpMapModel& m, const CpMapLayout& l, char decimal) {
  const QRectF bar = l.legendBar;
  const double font = l.fontPx;
  p.setPen(kInk);
  SetFont(p, font, true);
  p.drawText(QRectF(bar.left(), bar.top() - 2.1 * font, 14 * font, 1.4 * font),
             Qt::AlignLeft | Qt::AlignVCenter, m.scale.fixed ? "Cp (fixed scale)" : "Cp");
  const float lower = m.Lower();
  const float upper = m.Upper();
  constexpr int kSlices = 96;
  p.setPen(Qt::NoPen);
  for (int i = 0; i < kSlices; ++i) {
    const double top = bar.top() + bar.height() * i / kSlices;
    const double cp = upper - (upper - lower) * (i + 0.5) / kSlices;
    p.setBrush(ColourOf(static_cast<float>(cp), m));
    p.drawRect(QRectF(bar.left(), top, bar.width(), bar.height() / kSlices + 0.5));
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kInk, 1));
  p.drawRect(bar);
  SetFont(p, font);
  for (double t : {1.0, 0.5, 0.0, -0.5, -1.0}) {
    const auto value = static_cast<float>(t >= 0 ? upper * t : -lower * t);
    const double y = l.LegendY(value, lower, upper);
    p.drawLine(QPointF(bar.right(), y), QPointF(bar.right() + 0.4 * font, y));
    const QRectF label(bar.right() + 0.6 * font, y - font, 8 * font, 2 * font);
    std::string text = CpText(value, decimal);
    if (t == 1.0) text += "  pressure";
    if (t == -1.0) text += "  suction";
    p.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, Q(text));
  }
  double below = bar.bottom() + 0.6 * font;
  SetFont(p, font * 0.85, false, true);
  if (m.scale.fixed) {
    p.drawText(QRectF(bar.left(), below, 14 * font, 1.3 * font), Qt::AlignLeft | Qt::AlignVCenter,
               "ringed: beyond the scale");
    below += 1.4 * font;
  }
  if (!m.anyImplausible) return;
  PaintImplausibleMark(p, QPointF(bar.left() + 0.6 * font, below + 0.65 * font), 0.55 * font);
  p.setPen(kInk);
  p.drawText(QRectF(bar.left() + 1.5 * font, below, 14 * font, 1.3 * font),
             Qt::AlignLeft | Qt::AlignVCenter, "implausible: beyond possible Cp");
}

// The sketch of the roof, north up as on the editor's plan: the plan of the
// roof (wall 1 at the bottom, 2 to the right, 3 at the top, 4 to the left)
// turned by SketchTurn about the centre of the sketch.
QTransform SketchTransform(const CpMapModel& m, const CpMapLayout& l) {
  QTransform t;
  t.translate(l.plan.center().x(), l.plan.center().y());
  t.rotate(SketchTurn(m.AzB));
  return t;
}

// The roof's outline, a pitched roof's ridge and the facade numbers (upright,
// the gables named). Returns the outline on the unturned plan, about 0.
QRectF PaintPlanBuilding(QPainter& p, const CpMapModel& m, const CpMapLayout& l,
                         const QTransform& turn) {
  const QRectF area = l.plan;
  const double font = l.fontPx;
  p.setPen(kInk);
  SetFont(p, font, true);
  p.drawText(QRectF(area.left(), area.top() - 1.6 * font, area.width() + 6 * font, 1.4 * font),
             Qt::AlignLeft | Qt::AlignVCenter, "Wind on the building");
  const double L = m.facades[0].L, W = m.facades[1].L;
  const double s = (L > 0 && W > 0) ? area.width() * 0.24 / std::max(L, W) : 0;
  const QRectF roof(-L * s / 2, -W * s / 2, L * s, W * s);
  p.setBrush(kFacadeFill);
  p.setPen(QPen(kInk, 1.5));
  p.drawPolygon(turn.map(QPolygonF(roof)));
  if (m.Islope == 2) {
    p.setPen(RidgePen());
    p.drawLine(turn.map(QLineF(0, roof.bottom(), 0, roof.top())));
  }
  p.setPen(kInk);
  SetFont(p, font * 0.9);
  const QPointF outward[] = {{0, 1}, {1, 0}, {0, -1}, {-1, 0}};  // walls 1 to 4
  for (int i = 0; i < 4; ++i) {
    const QPointF side(outward[i].x() * roof.width() / 2, outward[i].y() * roof.height() / 2);
    const bool gable = m.Islope == 2 && IsGableWall(AsFacade(i + 1), m.Islope);
    const QString text = QString::number(i + 1) + (gable ? " gable" : "");
    const double w = (gable ? 5 : 1.4) * font;
    // Out from the side's middle by as much as the upright label needs.
    const QPointF way = turn.map(outward[i]) - turn.map(QPointF(0, 0));
    const double clear = 0.3 * font + std::fabs(way.x()) * w / 2 + std::fabs(way.y()) * 0.7 * font;
    const QPointF at = turn.map(side) + way * clear;
    p.drawText(QRectF(at.x() - w / 2, at.y() - 0.7 * font, w, 1.4 * font), Qt::AlignCenter, text);
  }
  return roof;
}

void PaintNorthArrow(QPainter& p, const CpMapLayout& l) {
  const double font = l.fontPx;
  const QPointF foot(l.plan.right() - font, l.plan.top() + 3.2 * font);
  const QPointF tip(foot.x(), l.plan.top() + 1.4 * font);
  p.setPen(QPen(kInk, 1.5));
  p.drawLine(foot, tip);
  const QPointF head[] = {tip, tip + QPointF(-0.35 * font, 0.8 * font),
                          tip + QPointF(0.35 * font, 0.8 * font)};
  p.setBrush(kInk);
  p.drawPolygon(head, 3);
  SetFont(p, font * 0.9, true);
  p.drawText(QRectF(tip.x() - font, l.plan.top(), 2 * font, 1.3 * font), Qt::AlignCenter, "N");
}

// An arrow from where the wind comes from to the wall it meets first,
// stopping short of that wall's number.
void PaintWindArrow(QPainter& p, const CpMapModel& m, const CpMapLayout& l, const QRectF& roof,
                    const QTransform& turn) {
  const double font = l.fontPx;
  const QPointF from = WindSourceDirection(m.facades[0].angle);
  const double toWall =
      std::min(std::fabs(from.x()) > 1e-9 ? roof.width() / 2 / std::fabs(from.x()) : 1e9,
               std::fabs(from.y()) > 1e-9 ? roof.height() / 2 / std::fabs(from.y()) : 1e9);
  const QPointF head = turn.map(from * (toWall + 1.8 * font));
  const QPointF tail = turn.map(from * std::max(l.plan.width() / 2, toWall + 4.8 * font));
  const QPointF way = turn.map(from) - turn.map(QPointF(0, 0));  // turned, still a unit
  const QColor red(0xb0, 0x1c, 0x2e);
  p.setPen(QPen(red, 3.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(tail, head + way * font);
  const QPointF back = way * (1.4 * font);
  const QPointF across(-way.y() * 0.7 * font, way.x() * 0.7 * font);
  const QPointF tip[] = {head, head + back + across, head + back - across};
  p.setPen(Qt::NoPen);
  p.setBrush(red);
  p.drawPolygon(tip, 3);
}

void PaintHollowList(QPainter& p, const CpMapModel& m, const CpMapLayout& l) {
  if (m.hollow.empty() || l.list.height() < 2 * l.fontPx) return;
  const double font = l.fontPx;
  const double line = 1.35 * font;
  p.setPen(kInk);
  SetFont(p, font, true);
  QRectF row(l.list.left(), l.list.top(), l.list.width(), line);
  p.drawText(row, Qt::AlignLeft | Qt::AlignVCenter,
             Q("Without a value: " + std::to_string(m.hollow.size())));
  SetFont(p, font * 0.85);
  // Two lines an element: where it is, then why it has no value.
  const auto items = static_cast<std::size_t>((l.list.height() / line - 1) / 2);
  for (std::size_t i = 0; i < m.hollow.size() && i < items; ++i) {
    row.translate(0, line);
    if (i + 1 == items && items < m.hollow.size()) {
      p.drawText(row, Qt::AlignLeft | Qt::AlignVCenter,
                 Q("\u2026 and " + std::to_string(m.hollow.size() - i) + " more"));
      return;
    }
    const CpMarker& h = m.hollow[i];
    p.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, Q(MarkerPlace(h)));
    row.translate(0, line);
    p.drawText(row.adjusted(font, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
               Q(h.state == MarkerState::OutsideFacade ? "outside the facade" : "not computed"));
  }
}

}  // namespace

void PaintImplausibleMark(QPainter& p, QPointF c, double r) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kImplausible, 2.2));
  const QPointF corners[] = {c + QPointF(0, -r), c + QPointF(r, 0), c + QPointF(0, r),
                             c + QPointF(-r, 0)};
  p.drawPolygon(corners, 4);
}

void PaintCpMap(QPainter& p, const CpMapModel& m, const CpMapLayout& l, char decimal) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(l.canvas, Qt::white);
  PaintTitle(p, m, l, decimal);
  for (std::size_t i = 0; i < m.facades.size(); ++i)
    PaintFacade(p, m.facades[i], l.facades[i], l, m, decimal);
  PaintSpreadLayer(p, m, l, decimal);
  PaintLegend(p, m, l, decimal);
  const QTransform turn = SketchTransform(m, l);
  PaintWindArrow(p, m, l, PaintPlanBuilding(p, m, l, turn), turn);
  PaintNorthArrow(p, l);
  PaintHollowList(p, m, l);
  p.restore();
}

}  // namespace ventora
