#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>

#include "map/cpmap_model.h"
#include "map/cpmap_painter.h"
#include "map/direction_plot.h"
#include "map/peer_overlay.h"
#include "map/picture_file.h"

namespace ventora {
namespace {

const QColor kInk(0x2f, 0x3e, 0x4e);
const QColor kGrid(0xd3, 0xd9, 0xe0);
const QColor kBand(0xe9, 0xf3, 0xe4);  // within -1..1, where no export warns
const QColor kWind(0xb0, 0x1c, 0x2e);  // the Cp map's wind arrow

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

QColor Colour(std::size_t i) {
  const Rgb c = ChosenColour(i);
  return {c.r, c.g, c.b};
}

void SetFont(QPainter& p, double pixels, bool bold = false, bool italic = false) {
  QFont font = p.font();
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  font.setBold(bold);
  font.setItalic(italic);
  p.setFont(font);
}

// Whether a Cp drawn is beyond the envelope of possible Cp.
bool AnyImplausibleDrawn(const DirectionPlot& plot) {
  for (std::size_t n = 0; n < plot.chosen.size() && n < kMostCurves; ++n)
    for (bool implausible : plot.data->elements[plot.chosen[n]].implausible)
      if (implausible) return true;
  return false;
}

QPointF Along(const QPointF& centre, double bearing, double r) {
  const double a = bearing * std::numbers::pi / 180;
  return centre + QPointF(r * std::sin(a), -r * std::cos(a));
}

// The labelled values of the scale, from its lower end up.
std::vector<float> Ticks(const CpScale& s) {
  const double tick = ScaleTick(s);
  std::vector<float> ticks;
  for (double v = std::ceil(s.Lower() / tick - 1e-6) * tick; v <= s.Upper() + 1e-6 * tick;
       v += tick)
    ticks.push_back(static_cast<float>(std::fabs(v) < 1e-9 ? 0 : v));
  return ticks;
}

// The walls whose normals the plot marks: those of the chosen elements.
std::set<int> ChosenWalls(const DirectionPlot& plot) {
  std::set<int> walls;
  for (std::size_t i : plot.chosen)
    if (IsWall(AsFacade(plot.data->elements[i].iface))) walls.insert(plot.data->elements[i].iface);
  return walls;
}

void PaintTitle(QPainter& p, const CpByDirection& d, const DirectionPlotLayout& l, char decimal) {
  p.setPen(kInk);
  SetFont(p, l.fontPx * 1.35, true);
  p.drawText(l.title, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, DirectionPlotHeading(d));
  SetFont(p, l.fontPx);
  p.drawText(l.subtitle, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
             DirectionPlotSubtitle(d, decimal));
}

// One chosen element's values joined in direction order; the last joins the
// first again when the directions go round the whole circle.
void PaintCurve(QPainter& p, const DirectionPlot& plot, const DirectionPlotLayout& l,
                std::size_t n) {
  const CpByDirection& d = *plot.data;
  const std::vector<float>& cp = d.elements[plot.chosen[n]].Cp;
  const std::size_t count = d.directions.size();
  double widest = 0;
  for (std::size_t j = 1; j < count; ++j)
    widest = std::max(widest, static_cast<double>(d.directions[j] - d.directions[j - 1]));
  const bool round =
      count > 2 && d.directions[0] + 360.0 - d.directions[count - 1] <= widest + 1e-3;
  const QColor colour = Colour(n);
  p.setPen(QPen(colour, std::max(1.5, l.fontPx / 6)));
  for (std::size_t j = 0; j + 1 < count + (round ? 1 : 0); ++j) {
    const std::size_t next = (j + 1) % count;
    if (!DirectionElement::IsValue(cp[j]) || !DirectionElement::IsValue(cp[next])) continue;
    float to = d.directions[next];
    if (next == 0) {
      if (plot.kind == PlotKind::Line && d.directions[0] != 0) continue;  // off the axis
      to += 360;
    }
    p.drawLine(l.Point(plot.kind, d.directions[j], cp[j], plot.scale),
               l.Point(plot.kind, to, cp[next], plot.scale));
  }
  const double dot = std::max(2.0, l.fontPx * 0.22);
  for (std::size_t j = 0; j < count; ++j) {
    if (!DirectionElement::IsValue(cp[j])) continue;
    const QPointF at = l.Point(plot.kind, d.directions[j], cp[j], plot.scale);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at, dot, dot);
    if (plot.scale.Outside(cp[j])) {  // held at the scale's end: a ring says so
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(kInk, 1.5));
      p.drawEllipse(at, dot + 3, dot + 3);
    }
    if (d.elements[plot.chosen[n]].implausible[j]) PaintImplausibleMark(p, at, dot + 5);
  }
}

void PaintPolarGrid(QPainter& p, const DirectionPlot& plot, const DirectionPlotLayout& l,
                    char decimal) {
  const CpScale& s = plot.scale;
  const double font = l.fontPx;
  QPainterPath band;
  const double outer = l.Radius(1, s);
  const double inner = l.Radius(-1, s);
  band.addEllipse(l.centre, outer, outer);
  band.addEllipse(l.centre, inner, inner);
  p.fillPath(band, kBand);
  p.setBrush(Qt::NoBrush);
  SetFont(p, font * 0.85);
  for (float v : Ticks(s)) {
    const double r = l.Radius(v, s);
    p.setPen(QPen(v == 0 ? kInk : kGrid, v == 0 ? 1.4 : 1));
    p.drawEllipse(l.centre, r, r);
    if (r < 1.5 * font) continue;  // no room for its label by the centre
    p.setPen(kInk);
    const QPointF at = Along(l.centre, 15, r);
    p.drawText(QRectF(at.x() + 2, at.y() - font, 4 * font, font), Qt::AlignLeft | Qt::AlignBottom,
               Q(CpText(v, decimal)));
  }
  p.setPen(QPen(kInk, 1.4));
  p.drawEllipse(l.centre, l.radius, l.radius);
  SetFont(p, font * 0.9);
  constexpr const char* kCompass[] = {" N", " E", " S", " W"};
  for (int bearing = 0; bearing < 360; bearing += 30) {
    p.setPen(QPen(kGrid, 1));
    p.drawLine(Along(l.centre, bearing, l.hole), Along(l.centre, bearing, l.radius));
    const QPointF at = Along(l.centre, bearing, l.radius + 1.3 * font);
    std::string text = std::to_string(bearing) + "\u00b0";
    if (bearing % 90 == 0) text += kCompass[bearing / 90];
    p.setPen(kInk);
    p.drawText(QRectF(at.x() - 2.5 * font, at.y() - 0.7 * font, 5 * font, 1.4 * font),
               Qt::AlignCenter, Q(text));
  }
}

void PaintPolarMarks(QPainter& p, const DirectionPlot& plot, const DirectionPlotLayout& l) {
  const double font = l.fontPx;
  SetFont(p, font * 0.85, false, true);
  for (int wall : ChosenWalls(plot)) {
    const float normal = plot.data->normals[static_cast<std::size_t>(wall - 1)];
    p.setPen(QPen(kInk, 1.4, Qt::DashLine));
    p.drawLine(l.centre, Along(l.centre, normal, l.radius));
    const QPointF at = Along(l.centre, normal, l.radius * 0.62);
    p.drawText(QRectF(at.x() + 0.3 * font, at.y(), 6 * font, 1.3 * font),
               Qt::AlignLeft | Qt::AlignTop, Q("facade " + std::to_string(wall)));
  }
  // The job's wind: an arrow from beyond the outer ring towards the centre.
  const float wind = plot.data->AnWind;
  const QPointF tail = Along(l.centre, wind, l.radius + 0.4 * font);
  const QPointF head = Along(l.centre, wind, l.radius - 2.2 * font);
  p.setPen(QPen(kWind, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(tail, head);
  const QPointF way = (head - tail) / std::max(1e-9, QLineF(tail, head).length());
  const QPointF across(-way.y() * 0.5 * font, way.x() * 0.5 * font);
  const QPointF tip[] = {head + way * 0.6 * font, head - way * 0.4 * font + across,
                         head - way * 0.4 * font - across};
  p.setPen(Qt::NoPen);
  p.setBrush(kWind);
  p.drawPolygon(tip, 3);
}

void PaintLineGrid(QPainter& p, const DirectionPlot& plot, const DirectionPlotLayout& l,
                   char decimal) {
  const CpScale& s = plot.scale;
  const QRectF& a = l.axes;
  const double font = l.fontPx;
  p.fillRect(QRectF(QPointF(a.left(), l.LineY(1, s)), QPointF(a.right(), l.LineY(-1, s))), kBand);
  SetFont(p, font * 0.9);
  for (float v : Ticks(s)) {
    const double y = l.LineY(v, s);
    p.setPen(QPen(v == 0 ? kInk : kGrid, v == 0 ? 1.4 : 1));
    p.drawLine(QPointF(a.left(), y), QPointF(a.right(), y));
    p.setPen(kInk);
    p.drawText(QRectF(a.left() - 4 * font, y - font, 3.6 * font, 2 * font),
               Qt::AlignRight | Qt::AlignVCenter, Q(CpText(v, decimal)));
  }
  for (int bearing = 0; bearing <= 360; bearing += 30) {
    const double x = a.left() + a.width() * bearing / 360.0;
    p.setPen(QPen(kGrid, 1));
    p.drawLine(QPointF(x, a.top()), QPointF(x, a.bottom()));
    if (bearing % l.labelEvery != 0) continue;
    p.setPen(kInk);
    p.drawText(QRectF(x - 2 * font, a.bottom() + 0.3 * font, 4 * font, 1.3 * font),
               Qt::AlignHCenter | Qt::AlignTop, Q(std::to_string(bearing) + "\u00b0"));
  }
  p.setPen(QPen(kInk, 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawRect(a);
  p.drawText(QRectF(a.left(), a.bottom() + 1.6 * font, a.width(), 1.4 * font), Qt::AlignCenter,
             "Wind direction, degrees from north");
  p.save();
  p.translate(a.left() - 3.9 * font, a.center().y());
  p.rotate(-90);
  p.drawText(QRectF(-5 * font, -1.4 * font, 10 * font, 1.4 * font), Qt::AlignCenter, "Cp");
  p.restore();
}

void PaintLineMarks(QPainter& p, const DirectionPlot& plot, const DirectionPlotLayout& l) {
  const QRectF& a = l.axes;
  const double font = l.fontPx;
  const auto x = [&](float bearing) { return a.left() + a.width() * bearing / 360.0; };
  SetFont(p, font * 0.85, false, true);
  for (int wall : ChosenWalls(plot)) {
    const double at = x(plot.data->normals[static_cast<std::size_t>(wall - 1)]);
    p.setPen(QPen(kInk, 1.4, Qt::DashLine));
    p.drawLine(QPointF(at, a.top()), QPointF(at, a.bottom()));
    p.drawText(QRectF(at - 3 * font, a.top() - 1.5 * font, 6 * font, 1.3 * font), Qt::AlignCenter,
               Q("facade " + std::to_string(wall)));
  }
  const double wind = x(plot.data->AnWind);
  p.setPen(QPen(kWind, 2.5));
  p.drawLine(QPointF(wind, a.top()), QPointF(wind, a.bottom()));
}

// A line of the legend: a short sample, then its text, wrapped onto as
// many lines as it needs; the row grows downwards to hold them.
void LegendRow(QPainter& p, QRectF& row, const QPen& pen, const QString& text, double font) {
  const QRectF room = row.adjusted(2.6 * font, 0, 0, 0);
  const QRectF needed = QFontMetricsF(p.font()).boundingRect(
      QRectF(room.topLeft(), QSizeF(room.width(), 1e6)), Qt::TextWordWrap, text);
  row.setHeight(std::max(row.height(), needed.height() + 0.3 * font));
  const double y = row.top() + std::min(row.height(), 1.45 * font) / 2;
  p.setPen(pen);
  p.drawLine(QPointF(row.left(), y), QPointF(row.left() + 2 * font, y));
  p.setPen(kInk);
  p.drawText(row.adjusted(2.6 * font, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
             text);
}

void PaintLegend(QPainter& p, const DirectionPlot& plot, const DirectionPlotLayout& l) {
  const double font = l.fontPx;
  const double line = 1.45 * font;
  QRectF row(l.legend.left(), l.legend.top(), l.legend.width(), line);
  const auto next = [&](double gap = 0) {
    row = QRectF(row.left(), row.bottom() + gap, row.width(), line);
  };
  p.setPen(kInk);
  SetFont(p, font, true);
  p.drawText(row, Qt::AlignLeft | Qt::AlignVCenter,
             plot.scale.fixed ? "Cp (fixed scale)" : "Cp (automatic scale)");
  SetFont(p, font * 0.9);
  const double keys = 6.5 * line;  // the marks below the elements, at most
  const std::size_t drawn = std::min(plot.chosen.size(), kMostCurves);
  const CpByDirection& d = *plot.data;
  for (std::size_t n = 0; n < drawn; ++n) {
    next();
    if (n + 1 < drawn && row.bottom() + line + keys > l.legend.bottom()) {
      p.drawText(row, Qt::AlignLeft | Qt::AlignVCenter,
                 Q("\u2026 and " + std::to_string(drawn - n) + " more"));
      break;
    }
    const DirectionElement& e = d.elements[plot.chosen[n]];
    LegendRow(p, row, QPen(Colour(n), 3), Q(ElementPlace(e.iface, e.ielm, e.k)), font);
  }
  if (drawn < plot.chosen.size()) {
    next();
    LegendRow(p, row, Qt::NoPen,
              Q("\u2026 " + std::to_string(plot.chosen.size() - drawn) +
                " more chosen: in the table only"),
              font);
  }
  next(line / 2);
  LegendRow(p, row, QPen(kInk, 1.4, Qt::DashLine), "a facade's normal", font);
  next();
  LegendRow(p, row, QPen(kWind, 3), "the job's wind direction AnWind", font);
  next();
  p.fillRect(QRectF(row.left(), row.top() + 0.2 * font, 2 * font, line - 0.4 * font), kBand);
  LegendRow(p, row, Qt::NoPen, "Cp from -1 to 1", font);
  SetFont(p, font * 0.85, false, true);
  if (plot.scale.fixed) {
    next();
    LegendRow(p, row, Qt::NoPen, "ringed: beyond the scale", font);
  }
  if (!AnyImplausibleDrawn(plot)) return;
  next();
  PaintImplausibleMark(p, QPointF(row.left() + font, row.center().y()), 0.55 * font);
  p.setPen(kInk);
  p.drawText(row.adjusted(2.6 * font, 0, 0, l.legend.bottom() - row.bottom()),
             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, "implausible: beyond possible Cp");
}

}  // namespace

void PaintDirectionPlot(QPainter& p, const DirectionPlot& plot, const DirectionPlotLayout& l,
                        char decimal) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(l.canvas, Qt::white);
  if (plot.data != nullptr) {
    PaintTitle(p, *plot.data, l, decimal);
    if (plot.kind == PlotKind::Polar) {
      PaintPolarGrid(p, plot, l, decimal);
      PaintPolarMarks(p, plot, l);
    } else {
      PaintLineGrid(p, plot, l, decimal);
      PaintLineMarks(p, plot, l);
    }
    for (std::size_t n = 0; n < plot.chosen.size() && n < kMostCurves; ++n)
      PaintCurve(p, plot, l, n);
    PaintLegend(p, plot, l);
    PaintPeerOverlay(p, plot, l);
  }
  p.restore();
}

QString SaveDirectionPlotPicture(const QString& path, const DirectionPlot& plot, QSize size,
                                 char decimal) {
  const std::string title = plot.data != nullptr ? plot.data->title : std::string();
  return SavePicture(path, size, Q("Cp against wind direction - " + title),
                     [&](QPainter& painter, const QSizeF& canvas) {
                       PaintDirectionPlot(painter, plot, LayOutDirectionPlot(plot, canvas),
                                          decimal);
                     });
}

}  // namespace ventora
