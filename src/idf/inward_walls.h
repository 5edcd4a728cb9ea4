#pragma once
// An exterior wall whose vertices run the wrong way round: its normal points
// into its own zone, so EnergyPlus takes its outside to face the building's
// inside, and the fit would send its openings to the opposite facade, as
// far behind the face as the building is deep.

#include "idf/idf_geometry.h"
#include "idf/idf_text.h"

namespace ventora::idf {

// Throws IdfError naming every exterior wall that faces into its zone: a
// point just in front of it lies on its zone's plan (its floors, roofs and
// ceilings). A zone without such surfaces is not checked.
void RefuseInwardWalls(const IdfFile& file, const IdfGeometry& geometry);

}  // namespace ventora::idf
