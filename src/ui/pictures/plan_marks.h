#pragma once
// The compass rose and the facade numbers on a plan of the building, drawn
// by one function for every picture that shows them, so that they cannot
// disagree about which facade faces north.

#include <QPainter>
#include <QRectF>

namespace ventora::ui {

// Where facade `iface` (1..4) faces on the plan when the building azimuth
// is 0: degrees clockwise from north, as the run computes it.
double FacadeBearing(int iface);

// The numbers 1 to 4 outside the sides of `building` (plan coordinates, north
// up) and a compass rose centred on `compass`.
void PaintPlanMarks(QPainter& p, const QRectF& building, const QPointF& compass);

}  // namespace ventora::ui
