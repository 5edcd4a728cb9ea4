#pragma once
// Cp of each element against the wind's angle to its facade's normal, the
// form CONTAM and the Modelica library take: the angle is the wind
// direction minus the facade's azimuth, 0 head on, 90 the wind from the
// right of someone looking out of the facade, 0 up to 360 (not included).

#include <utility>
#include <vector>

#include "core/job.h"
#include "output/sweep/wind_sweep.h"

namespace ventora {

using ProfilePoint = std::pair<float, float>;  // angle from the normal (deg), Cp

// The job to sweep: the job with AzB = 0. Cp depends on the wind only
// through each facade's angle to it, so this sweep gives every facade's Cp
// at whole multiples of the step from its normal, whatever AzB is.
Job ProfileSweepJob(const Job& job);

// True when `step` (whole degrees, at most 180: two points at least) divides 360.
bool ProfileStepAccepted(int step);

// The wind directions of the turned job that put each wall's normal at
// 0, step, 2 * step ... from the wind: for a step that divides 90 that is
// SweepDirections(step); otherwise the four walls' series together.
std::vector<float> ProfileDirections(int step);

// Element e's points at 0, step, ... below 360, from a sweep of
// ProfileSweepJob over ProfileDirections(step). Throws std::invalid_argument
// when the sweep lacks one.
std::vector<ProfilePoint> FacadeProfile(const WindSweep& sweep, std::size_t e, int step);

}  // namespace ventora
