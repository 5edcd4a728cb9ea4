#pragma once
// How a sweep's stopped directions are named in messages.

#include <string>

#include "output/sweep/wind_sweep.h"

namespace ventora {

// "90, 100 and 270", or empty when every direction completed.
std::string StoppedDirectionList(const WindSweep& sweep);

}  // namespace ventora
