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
}  // namespace ventora
