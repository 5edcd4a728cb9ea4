#pragma once
// Draws the Cp map with QPainter, so the same picture goes to the window,
// to a PNG image and to an SVG file.

#include <QPainter>

#include "map/cpmap_layout.h"
#include "map/cpmap_model.h"

namespace ventora {

// `decimal` is the user's decimal separator, as the report uses it.
void PaintCpMap(QPainter& painter, const CpMapModel& model, const CpMapLayout& layout,
                char decimal);

// A diamond of radius `r` round `centre`, in a colour of no Cp scale: a
// value beyond the envelope of possible Cp.
void PaintImplausibleMark(QPainter& painter, QPointF centre, double r);

// "Facade 1, element 2 (no. 2)": an element's facade, its number there and
// its running number.
std::string ElementPlace(std::int16_t iface, std::int16_t ielm, std::int16_t k);
// That, of a marker.
std::string MarkerPlace(const CpMarker& marker);
// That, with the marker's Cp or why it has none: the tooltip's first line.
std::string MarkerText(const CpMarker& marker, char decimal);

}  // namespace ventora
