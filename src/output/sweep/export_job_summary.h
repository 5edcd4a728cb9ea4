#pragma once
// The job's parameters in a few lines, for the comment headers of the
// exported files, so a file says which job and building it belongs to.

#include <string>
#include <vector>

#include "core/job.h"

namespace ventora {

// Lines without comment marks or line ends; `jobLabel` names the job.
std::vector<std::string> JobSummaryLines(const Job& job, const std::string& jobLabel);

// Azimuth of wall `iface` (1..4) in degrees, [0, 360): the direction its
// outward normal points to; a wind from there meets it head on.
float WallAzimuth(const Job& job, int iface);

}  // namespace ventora
