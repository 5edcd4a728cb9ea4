#pragma once
// Where every part of the Cp map goes on a canvas of a given size: the
// unfolded building (roof above wall 1, walls 1 to 4 side by side, one scale
// for all), the legend, the wind plan and the list of elements without a
// value. Painting and hit-testing both read it, so the tooltips find the
// markers where they are drawn.

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <array>
#include <set>

#include "map/cpmap_model.h"

namespace ventora {

struct CpMapLayout {
  QRectF canvas;
  double fontPx = 12;  // the body text's pixel size
  QRectF title;
  std::array<QRectF, kMapFacades> facades{};  // index iface - 1
  // How far from its left edge each facade's name, wind and average may run:
  // a narrow facade's labels take the space up to the next facade.
  std::array<double, kMapFacades> labelWidths{};
  double scale = 0;  // pixels per metre, the same on every facade
  double markerRadius = 6;
  // The running numbers of the markers whose value would run into another
  // value or marker: those values alone are not printed.
  std::set<int> hiddenValues;
  QRectF legendBar;  // the colour bar; its labels stand to its right
  QRectF plan;       // the wind plan
  QRectF list;       // the elements without a value

  // The marker's centre: X along the facade from its left edge, Z up from
  // its bottom edge (on the roof, Y up from the edge it shares with wall 1).
  QPointF MarkerCentre(const CpMarker& marker) const;
  // Where a marker's value is printed: under it, centred.
  QRectF ValueBox(const CpMarker& marker) const;
  // Where facade `index` (iface - 1) has its average printed: under it.
  QRectF AverageBox(int index) const;
  bool ValueShown(const CpMarker& marker) const { return !hiddenValues.contains(marker.k); }
  // The vertical position of a value on the legend bar, which runs from
  // `upper` at its top to `lower` at its bottom.
  double LegendY(float cp, float lower, float upper) const;
};

CpMapLayout LayOutCpMap(const CpMapModel& model, const QSizeF& size);

// The unit vector, on the plan of the roof (wall 1 at the bottom, 2 to the
// right, 3 at the top, 4 to the left; y grows downwards), that points to
// where the wind comes from, given facade 1's relative wind angle. A wall
// whose relative angle is 0 faces it squarely.
QPointF WindSourceDirection(float facade1Angle);

// The sketch "Wind on the building" is drawn north up, as the editor's plan:
// the plan of the roof above is turned clockwise by this many degrees, so
// that facade i faces AzB + (4 - i) x 90 degrees from north.
double SketchTurn(float AzB);
// Where, in degrees clockwise from north (up), the sketch shows the outer
// side of wall `iface` and the wind's source (which the run gives as
// AnWind).
double SketchFacadeBearing(int iface, float AzB);
double SketchWindSourceBearing(float facade1Angle, float AzB);

// The marker under `point` (nearest within its radius plus a little), or null.
const CpMarker* MarkerAt(const CpMapModel& model, const CpMapLayout& layout, const QPointF& point);

}  // namespace ventora
