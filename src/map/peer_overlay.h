#pragma once
// The published methods over the plot of Cp against wind direction: for the
// wall of each chosen element, Ventora's wall mean, Swami and Chandra's and
// the AIVC's curves and EN 1991-1-4's points where the wind is normal to a
// wall, in the element's colour, one line style per method, with their key
// at the foot of the legend.

#include <QPainter>

#include "map/direction_plot.h"

namespace ventora {

// Draws nothing unless `plot.peers` holds a comparison.
void PaintPeerOverlay(QPainter& painter, const DirectionPlot& plot,
                      const DirectionPlotLayout& layout);

}  // namespace ventora
