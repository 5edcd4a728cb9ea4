#pragma once
// How a sweep's stopped directions are named in messages.

#include <string>
#include <vector>

#include "output/sweep/wind_sweep.h"

namespace ventora {

// "90, 100 and 270", or empty when every direction completed.
std::string StoppedDirectionList(const WindSweep& sweep);

// "wind direction 90 deg.: REASON", one for each stopped direction; with
// `turned`, the directions are those of the building turned to azimuth 0
// (the profile exports' sweep) and the line says so.
std::vector<std::string> StoppedDirectionNotes(const WindSweep& sweep, bool turned);

}  // namespace ventora
