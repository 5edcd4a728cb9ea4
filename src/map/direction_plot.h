#pragma once
// The plot of chosen elements' Cp against the wind direction: polar (the
// direction the wind comes from as the bearing, north up, as on the Cp map's
// sketch) or as lines over 0 to 360 degrees. It marks the walls' normals,
// the job's own wind direction and the band -1..1 beyond which the exports
// warn, on the Cp map's automatic or fixed scale. Drawn with QPainter on any
// paint device: a window, a PNG image, an SVG file.

#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cstddef>
#include <memory>
#include <vector>

#include "map/chosen_colours.h"
#include "map/cp_scale.h"
#include "output/compare/peer_comparison.h"
#include "output/sweep/cp_by_direction.h"

namespace ventora {

enum class PlotKind { Polar, Line };

// The plot draws the first this many chosen elements (more are no longer
// told apart, and each costs a repaint time); the table holds them all.
inline constexpr std::size_t kMostCurves = 24;

struct DirectionPlot {
  std::shared_ptr<const CpByDirection> data;
  std::vector<std::size_t> chosen;  // indices into data->elements, in the order chosen
  PlotKind kind = PlotKind::Polar;
  CpScale scale;
  // The published methods beside the chosen walls (peer_overlay.h); null:
  // not shown.
  std::shared_ptr<const PeerComparison> peers;
};

// The automatic scale fits the chosen elements' values; `fixed` gives the
// fixed one.
CpScale DirectionScale(const DirectionPlot& plot, bool fixed);

// The plot's heading and the line under it, which wrap in a narrow plot.
QString DirectionPlotHeading(const CpByDirection& data);
QString DirectionPlotSubtitle(const CpByDirection& data, char decimal);

struct DirectionPlotLayout {
  QRectF canvas;
  double fontPx = 12;
  QRectF title;     // the heading
  QRectF subtitle;  // under it
  // The chosen elements and the marks: right of the plot, or under it when
  // the plot is narrow.
  QRectF legend;
  QPointF centre;  // polar: the centre and the outer ring's radius
  double radius = 0;
  double hole = 0;      // polar: the scale's lower end is this far from the centre
  QRectF axes;          // line: the area inside the axes
  int labelEvery = 30;  // line: the degrees between two labels of the wind axis

  // Where Cp `cp` at wind direction `direction` is drawn, `cp` held within
  // the scale.
  QPointF Point(PlotKind kind, float direction, float cp, const CpScale& scale) const;
  // Polar: the distance from the centre; line: the height.
  double Radius(float cp, const CpScale& scale) const;
  double LineY(float cp, const CpScale& scale) const;
};

DirectionPlotLayout LayOutDirectionPlot(const DirectionPlot& plot, const QSizeF& size);

// `decimal` is the user's decimal separator.
void PaintDirectionPlot(QPainter& painter, const DirectionPlot& plot,
                        const DirectionPlotLayout& layout, char decimal);

// Writes the plot to `path` (".svg" gives SVG, anything else PNG) at `size`.
// Returns an empty string on success, else what went wrong, for the user.
QString SaveDirectionPlotPicture(const QString& path, const DirectionPlot& plot, QSize size,
                                 char decimal);

}  // namespace ventora
