#pragma once
// EnergyPlus's Advanced single-sided ventilation: a zone whose
// AirflowNetwork:MultiZone:Zone asks for it gets modified wind pressure
// coefficients for its openings on one facade, for the wind's direction and
// turbulence. EnergyPlus computes them only while it computes the
// coefficients itself (Wind Pressure Coefficient Type
// SurfaceAverageCalculation), so the model written with Input coefficients
// leaves them out without a word of its own.

#include <string>
#include <vector>

#include "idf/box_fit.h"
#include "idf/idf_text.h"

namespace ventora::idf {

// The zones (as their AirflowNetwork:MultiZone:Zone names them) whose
// Single Sided Wind Pressure Coefficient Algorithm is Advanced, when the
// model's coefficients are EnergyPlus's own (SurfaceAverageCalculation, the
// default); none when they are Input already, which never had them.
std::vector<std::string> AdvancedSingleSidedZones(const IdfFile& file);

// The remark of an opening in one of those zones.
std::string AdvancedSingleSidedRemark(const std::string& zone);

// What the written model loses and what the user can do, naming the zones
// and the openings in them (FittedOpening::singleSidedZone); empty when
// none.
std::string AdvancedSingleSidedWarning(const BoxFit& fit);

}  // namespace ventora::idf
