#pragma once
// Draws the surroundings of a site with QPainter: the footprints within the
// circle, the studied building marked, those without a height hatched, the
// part of the circle the data do not cover greyed, the wind sectors' lines,
// a north arrow and a scale bar. The same picture can go to a window or an
// image.

#include <QPainter>
#include <QRectF>

#include "site/site_plan.h"

namespace ventora {

void PaintSitePlan(QPainter& painter, const site::SitePlan& plan, const QRectF& area);

// The scale bar's length for a circle of `radius` m: 1, 2 or 5 times a power
// of ten, about half the radius.
double ScaleBarLength(double radius);

}  // namespace ventora
