#pragma once
// The AIVC's low-rise wall Cp (aivc_wall_table.h) between its 45-degree
// points, and the class of exposure nearest a job's surroundings.

#include <string>

#include "engine/peers/aivc_wall_table.h"

namespace ventora::peers {

// `incidence`: the wind direction less the wall's azimuth, degrees (any
// value); linear between the table's 45-degree points.
double AivcWallCp(AivcExposure exposure, double incidence);

// The class nearest the surroundings: the surrounding buildings' height over
// the building's, SbH / Bdz held within 0..1, counted in full once they
// cover 10 % of the ground (PAD) and in proportion below, against the
// classes' 0 (exposed), 1/2 and 1 (sheltered).
AivcExposure NearestAivcExposure(double PAD, double SbH, double Bdz);

// "exposed", "semi-sheltered", "sheltered".
std::string AivcExposureName(AivcExposure exposure);

}  // namespace ventora::peers
