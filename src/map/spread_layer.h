#pragma once
// The spread layer of the Cp map: round each marker a ring as thick as the
// model's own spread of its Cp (commands/cp_spread.h), orange where it is
// wider than 0.2, with Cp low and Cp high under the value of those, and its
// key beside the title.

#include <QPainter>

#include "map/cpmap_layout.h"
#include "map/cpmap_model.h"

namespace ventora {

// Draws nothing when the model holds no spread.
void PaintSpreadLayer(QPainter& painter, const CpMapModel& model, const CpMapLayout& layout,
                      char decimal);

// The spread of the marker's element, or null when the layer has none.
const ElementSpread* SpreadOf(const CpMapModel& model, const CpMarker& marker);

}  // namespace ventora
