#include <QFont>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "map/cpmap_model.h"
#include "map/direction_plot.h"

namespace ventora {
namespace {

double Fraction(float cp, const CpScale& scale) {
  const double lower = scale.Lower();
  const double upper = scale.Upper();
  return std::clamp((static_cast<double>(cp) - lower) / (upper - lower), 0.0, 1.0);
}

// The height `text` takes wrapped to `width` in a font of `pixels`.
double WrappedHeight(const QString& text, double width, double pixels, bool bold) {
  QFont font;
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  font.setBold(bold);
  const QRectF room(0, 0, std::max(1.0, width), 1e6);
  return QFontMetricsF(font).boundingRect(room, Qt::TextWordWrap, text).height();
}

}  // namespace

QString DirectionPlotHeading(const CpByDirection& data) {
  return QString::fromStdString("Cp against wind direction \u2013 " + data.title);
}

QString DirectionPlotSubtitle(const CpByDirection& data, char decimal) {
  return QString::fromStdString(
      "The wind from each direction, degrees from north. The job's wind direction " +
      AngleText(data.AnWind, decimal) + ", building azimuth " + AngleText(data.AzB, decimal) + ".");
}

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
  const double width = size.width() - 2 * font;
  double headingHeight = 1.6 * font, subtitleHeight = 1.2 * font;
  if (plot.data != nullptr) {
    headingHeight = WrappedHeight(DirectionPlotHeading(*plot.data), width, font * 1.35, true);
    subtitleHeight = WrappedHeight(DirectionPlotSubtitle(*plot.data, '.'), width, font, false);
  }
  out.title = QRectF(font, font * 0.6, width, headingHeight);
  out.subtitle = QRectF(font, out.title.bottom() + 0.2 * font, width, subtitleHeight);
  const double top = out.subtitle.bottom() + font;
  const double below = std::max(0.0, size.height() - font - top);
  QRectF area;
  if (size.width() >= 46 * font) {  // room for a plot and the legend beside it
    const double legendWidth = std::clamp(size.width() * 0.3, 15 * font, 22 * font);
    out.legend = QRectF(size.width() - font - legendWidth, top, legendWidth, below);
    area = QRectF(font, top, std::max(0.0, out.legend.left() - 2 * font), below);
  } else {  // the legend under the plot, in the rows it needs or 40 % of the height
    const double rows = static_cast<double>(std::min(plot.chosen.size(), kMostCurves)) + 8;
    const double legendHeight = std::min(rows * 1.45 * font, 0.4 * below);
    out.legend = QRectF(font, size.height() - font - legendHeight, width, legendHeight);
    area = QRectF(font, top, width, std::max(0.0, below - legendHeight - font));
  }
  if (plot.kind == PlotKind::Polar) {
    out.radius = std::max(0.0, std::min(area.width(), area.height()) / 2 - 2.4 * font);
    out.hole = out.radius * 0.08;
    out.centre = area.center();
  } else {
    out.axes = area.adjusted(4.2 * font, 1.8 * font, -font, -3.2 * font);
    if (out.axes.width() < 0 || out.axes.height() < 0) out.axes = QRectF(area.center(), QSizeF());
    // A label such as "330°" takes about 2.4 font widths: the labels stay apart.
    for (const int every : {30, 60, 90, 180}) {
      out.labelEvery = every;
      if (out.axes.width() * every / 360 >= 3.2 * font) break;
    }
  }
  return out;
}

}  // namespace ventora
