#include "map/cpmap_layout.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace ventora {
namespace {

// "average Cp -0.000", the widest label under a facade that must show whole,
// in font sizes.
constexpr double kAverageFonts = 9.5;

struct Bands {
  double label;   // above each facade: its name and wind angle
  double below;   // under each facade: its average
  double gap;     // between walls
  double column;  // the least width a facade takes, so that its labels fit
};

// A facade's width on the canvas, with the room its labels take.
double ColumnWidth(float metres, double s, const Bands& b) {
  return std::max(metres * s, b.column);
}

// The walls side by side at `s` pixels per metre.
double NetWidth(const CpMapModel& m, double s, const Bands& b) {
  double width = 3 * b.gap;
  for (int i = 0; i < 4; ++i)
    width += ColumnWidth(m.facades[i].L, s, b);
  return width;
}

QRectF PanelRect(const QRectF& canvas, double font, double top) {
  const double width = std::clamp(canvas.width() * 0.17, 10 * font, 15 * font);
  return {canvas.right() - font - width, top, width, canvas.bottom() - font - top};
}

// Pixels per metre that fit the whole unfolded building into `area`.
double NetScale(const CpMapModel& m, const QRectF& area, const Bands& b) {
  const float BdX = m.facades[0].L;
  const float BdY = m.facades[1].L;
  const float Bdz = m.facades[0].H;
  const double across = 2.0 * (BdX + BdY);
  const double up = static_cast<double>(BdY) + Bdz;
  if (!(across > 0) || !(up > 0)) return 0;
  const double s = std::max(
      std::min((area.width() - 3 * b.gap) / across, (area.height() - 2 * (b.label + b.below)) / up),
      0.0);
  // Narrow walls widen to their labels' columns and leave the others less
  // room. NetWidth grows with the scale, so halving finds the largest that
  // fits; when even the columns alone do not fit, they are not kept.
  if (NetWidth(m, s, b) <= area.width() || NetWidth(m, 0, b) > area.width()) return s;
  double fits = 0, tooWide = s;
  for (int i = 0; i < 60; ++i) {
    const double mid = (fits + tooWide) / 2;
    (NetWidth(m, mid, b) <= area.width() ? fits : tooWide) = mid;
  }
  return fits;
}

void PlaceFacades(const CpMapModel& m, const QRectF& area, const Bands& b, CpMapLayout& out) {
  const double s = out.scale;
  const double netWidth = NetWidth(m, s, b);
  const double netHeight = (m.facades[4].H + m.facades[0].H) * s + 2 * (b.label + b.below);
  const double left = area.left() + std::max(0.0, (area.width() - netWidth) / 2);
  const double top = area.top() + std::max(0.0, std::min(area.height() - netHeight, b.label) / 2);
  out.facades[4] = QRectF(left, top + b.label, m.facades[4].L * s, m.facades[4].H * s);
  const double wallTop = out.facades[4].bottom() + b.below + b.label;
  double x = left;
  for (int i = 0; i < 4; ++i) {
    out.facades[i] = QRectF(x, wallTop, m.facades[i].L * s, m.facades[i].H * s);
    x += ColumnWidth(m.facades[i].L, s, b) + b.gap;
  }
  // The labels may reach most of the way across the gap to the next facade.
  for (int i = 0; i < kMapFacades; ++i)
    out.labelWidths[i] = ColumnWidth(m.facades[i].L, s, b) + 0.8 * b.gap;
}

// The closest two markers of one facade, in pixels.
double SmallestSpacing(const CpMapModel& m, const CpMapLayout& layout) {
  double smallest = std::numeric_limits<double>::infinity();
  for (const CpMapFacade& f : m.facades) {
    for (std::size_t i = 0; i < f.markers.size(); ++i) {
      const QPointF a = layout.MarkerCentre(f.markers[i]);
      for (std::size_t j = i + 1; j < f.markers.size(); ++j) {
        const double d = QLineF(a, layout.MarkerCentre(f.markers[j])).length();
        if (d > 0) smallest = std::min(smallest, d);
      }
    }
  }
  return smallest;
}

void SizeMarkers(const CpMapModel& m, CpMapLayout& out) {
  const double spacing = SmallestSpacing(m, out);
  const double largest = 0.75 * out.fontPx;
  out.markerRadius = std::isfinite(spacing) ? std::clamp(0.42 * spacing, 2.5, largest) : largest;
}

QRectF MarkerBox(const CpMapLayout& l, const CpMarker& m) {
  const QPointF c = l.MarkerCentre(m);
  const double r = l.markerRadius + 3;  // with the ring of a value beyond the scale
  return {c.x() - r, c.y() - r, 2 * r, 2 * r};
}

// Values in running order, each printed unless its box meets a value already
// printed, another marker or a facade's average: a crowded corner hides its
// own values only.
void PlaceValues(const CpMapModel& m, CpMapLayout& out) {
  std::vector<std::pair<int, QRectF>> markers;
  for (const CpMapFacade& f : m.facades)
    for (const CpMarker& marker : f.markers)
      markers.emplace_back(marker.k, MarkerBox(out, marker));
  std::vector<QRectF> printed;
  for (int i = 0; i < kMapFacades; ++i) {  // the text itself, not all its room
    const QRectF average = out.AverageBox(i);
    printed.emplace_back(average.left(), average.top(),
                         std::min(average.width(), kAverageFonts * out.fontPx), 1.2 * out.fontPx);
  }
  for (const CpMapFacade& f : m.facades) {
    for (const CpMarker& marker : f.markers) {
      if (marker.state != MarkerState::Computed) continue;
      const QRectF box = out.ValueBox(marker);
      const auto meets = [&box](const QRectF& other) { return box.intersects(other); };
      const bool free = std::none_of(printed.begin(), printed.end(), meets) &&
                        std::none_of(markers.begin(), markers.end(), [&](const auto& other) {
                          return other.first != marker.k && meets(other.second);
                        });
      if (free)
        printed.push_back(box);
      else
        out.hiddenValues.insert(marker.k);
    }
  }
}

// The wind plan goes into the free space right of the roof, above walls 2
// to 4; when that is too small, under the legend.
bool PlacePlanBesideRoof(const QRectF& area, const Bands& b, CpMapLayout& out) {
  const QRectF& roof = out.facades[4];
  const QRectF free(QPointF(roof.left() + out.labelWidths[4] + 1.2 * b.gap,
                            roof.top() - b.label + 1.6 * out.fontPx),
                    QPointF(std::min(area.right(), out.facades[3].right()),
                            out.facades[0].top() - b.label - 0.4 * out.fontPx));
  const double side = std::min({free.width(), free.height(), 16 * out.fontPx});
  if (side < 8 * out.fontPx) return false;
  out.plan = QRectF(free.left() + (free.width() - side) / 2, free.top(), side, side);
  return true;
}

void PlacePanel(const QRectF& panel, double font, bool planPlaced, CpMapLayout& out) {
  const double barHeight = std::clamp(panel.height() * 0.42, 6 * font, 18 * font);
  out.legendBar = QRectF(panel.left(), panel.top() + 2.2 * font, 1.6 * font, barHeight);
  double listTop = out.legendBar.bottom() + 2 * font;
  if (!planPlaced) {
    const double planSide = std::min(panel.width(), 13 * font);
    out.plan = QRectF(panel.left(), listTop + 0.5 * font, planSide, planSide);
    listTop = out.plan.bottom() + font;
  }
  out.list = QRectF(panel.left(), listTop, panel.width(), std::max(0.0, panel.bottom() - listTop));
}

}  // namespace

QRectF CpMapLayout::ValueBox(const CpMarker& marker) const {
  const QPointF c = MarkerCentre(marker);
  const double w = 2.8 * fontPx;
  return {c.x() - w / 2, c.y() + markerRadius + 1, w, 0.9 * fontPx};
}

QRectF CpMapLayout::AverageBox(int index) const {
  const QRectF& f = facades[index];
  return {f.left(), f.bottom() + 0.3 * fontPx, labelWidths[index], 1.5 * fontPx};
}

QPointF CpMapLayout::MarkerCentre(const CpMarker& marker) const {
  const QRectF& f = facades[marker.iface - 1];
  return {f.left() + marker.X * scale, f.bottom() - marker.Z * scale};
}

double CpMapLayout::LegendY(float cp, float lower, float upper) const {
  const double t = std::clamp((static_cast<double>(cp) - lower) / (upper - lower), 0.0, 1.0);
  return legendBar.bottom() - t * legendBar.height();
}

CpMapLayout LayOutCpMap(const CpMapModel& model, const QSizeF& size) {
  CpMapLayout out;
  out.canvas = QRectF(QPointF(0, 0), size);
  const double font = std::clamp(std::min(size.width() / 90, size.height() / 56), 10.0, 16.0);
  out.fontPx = font;
  out.title = QRectF(font, font * 0.6, size.width() - 2 * font, 2.8 * font);
  const double top = out.title.bottom() + 0.6 * font;
  const QRectF panel = PanelRect(out.canvas, font, top);
  const QRectF area(font, top, std::max(0.0, panel.left() - 2.5 * font), panel.height());
  // A column with the 0.8 of the gap its labels reach into holds the
  // average (kAverageFonts) with room to spare.
  const Bands bands{2.9 * font, 1.8 * font, 2 * font, 8.5 * font};
  out.scale = NetScale(model, area, bands);
  PlaceFacades(model, area, bands, out);
  // The last wall's labels stop short of the legend.
  out.labelWidths[3] =
      std::min(out.labelWidths[3], panel.left() - 0.5 * font - out.facades[3].left());
  SizeMarkers(model, out);
  PlaceValues(model, out);
  PlacePanel(panel, font, PlacePlanBesideRoof(area, bands, out), out);
  return out;
}

QPointF WindSourceDirection(float facade1Angle) {
  // Facade i's angle is facade 1's plus (i - 1) * 90 degrees, and the walls
  // follow each other anticlockwise on the plan.
  const double a = facade1Angle * std::numbers::pi / 180;
  return {-std::sin(a), std::cos(a)};
}

double SketchTurn(float AzB) {
  // Wall 1, at the bottom (bearing 180) of the plan of the roof, faces
  // AzB + 270 degrees.
  return std::fmod(AzB + 90.0, 360.0);
}

namespace {

double Bearing(double degrees) {
  const double b = std::fmod(degrees, 360.0);
  return b < 0 ? b + 360 : b;
}

}  // namespace

double SketchFacadeBearing(int iface, float AzB) {
  return Bearing(180.0 - (iface - 1) * 90.0 + SketchTurn(AzB));
}

double SketchWindSourceBearing(float facade1Angle, float AzB) {
  const QPointF from = WindSourceDirection(facade1Angle);
  const double onPlan = std::atan2(from.x(), -from.y()) * 180 / std::numbers::pi;
  return Bearing(onPlan + SketchTurn(AzB));
}

const CpMarker* MarkerAt(const CpMapModel& model, const CpMapLayout& layout, const QPointF& point) {
  const CpMarker* best = nullptr;
  double bestDistance = layout.markerRadius + 3;
  for (const CpMapFacade& f : model.facades) {
    for (const CpMarker& m : f.markers) {
      const double d = QLineF(point, layout.MarkerCentre(m)).length();
      if (d <= bestDistance) {
        best = &m;
        bestDistance = d;
      }
    }
  }
  return best;
}

}  // namespace ventora
