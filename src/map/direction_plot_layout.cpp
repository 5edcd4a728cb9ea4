#include <algorithm>
#include <cmath>
#include <numbers>

#include "map/direction_plot.h"

namespace ventora {
namespace {

double Fraction(float cp, const CpScale& scale) {
  const double lower = scale.Lower();
  const double upper = scale.Upper();
  return std::clamp((static_cast<double>(cp) - lower) / (upper - lower), 0.0, 1.0);
}

}  // namespace

CpScale DirectionScale(const DirectionPlot& plot, bool fixed) {
  float largest = 0;
  if (plot.data != nullptr)
    for (std::size_t i : plot.chosen)
      for (float cp : plot.data->elements[i].Cp)
        if (DirectionElement::IsValue(cp)) largest = std::max(largest, std::fabs(cp));
  CpScale scale;
  scale.bound = LegendBound(largest);
  scale.fixed = fixed;
  return scale;
}

double DirectionPlotLayout::Radius(float cp, const CpScale& scale) const {
  return hole + (radius - hole) * Fraction(cp, scale);
}

double DirectionPlotLayout::LineY(float cp, const CpScale& scale) const {
  return axes.bottom() - axes.height() * Fraction(cp, scale);
}

QPointF DirectionPlotLayout::Point(PlotKind kind, float direction, float cp,
                                   const CpScale& scale) const {
  if (kind == PlotKind::Line)
    return {axes.left() + axes.width() * direction / 360.0, LineY(cp, scale)};
  const double a = direction * std::numbers::pi / 180;
  const double r = Radius(cp, scale);
  return centre + QPointF(r * std::sin(a), -r * std::cos(a));
}

DirectionPlotLayout LayOutDirectionPlot(const DirectionPlot& plot, const QSizeF& size) {
  DirectionPlotLayout out;
  out.canvas = QRectF(QPointF(0, 0), size);
  const double font = std::clamp(std::min(size.width() / 70, size.height() / 45), 9.0, 15.0);
  out.fontPx = font;
  out.title = QRectF(font, font * 0.6, size.width() - 2 * font, 2.8 * font);
  const double top = out.title.bottom() + font;
  const double legendWidth = std::clamp(size.width() * 0.3, 15 * font, 22 * font);
  out.legend = QRectF(size.width() - font - legendWidth, top, legendWidth,
                      std::max(0.0, size.height() - font - top));
  const QRectF area(font, top, std::max(0.0, out.legend.left() - 2 * font),
                    std::max(0.0, size.height() - font - top));
  if (plot.kind == PlotKind::Polar) {
    out.radius = std::max(0.0, std::min(area.width(), area.height()) / 2 - 2.4 * font);
    out.hole = out.radius * 0.08;
    out.centre = area.center();
  } else {
    out.axes = area.adjusted(4.2 * font, 1.8 * font, -font, -3.2 * font);
    if (out.axes.width() < 0 || out.axes.height() < 0) out.axes = QRectF(area.center(), QSizeF());
  }
  return out;
}

}  // namespace ventora
