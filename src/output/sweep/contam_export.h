#pragma once
// A sweep as CONTAM wind pressure profiles in library text form: a count
// line, then per element "number npts type name", a description line and
// npts lines "angle Cp" with the angle measured from the facade's normal,
// 0 to 360 (360 repeats 0), and the closing -999 line.

#include <string>

#include "core/job.h"
#include "output/sweep/wind_sweep.h"

namespace ventora {

// Profile type written for every element: 1, linear between the points.
inline constexpr int kContamLinearProfile = 1;

// The job to sweep for CONTAM: the job with AzB = 0. Cp depends on the wind
// only through each facade's angle to it, so this sweep holds every facade's
// Cp at whole multiples of the step from its normal, whatever AzB is; CONTAM
// turns the profiles by the walls' own azimuths.
Job ContamSweepJob(const Job& job);

// True when every facade then has a point at its normal: the step divides 90.
bool ContamStepAccepted(float step);

// `sweep` comes from ContamSweepJob(job) over a step that ContamStepAccepted;
// `job` is the user's job, described in the comment header. Throws
// std::invalid_argument (with a message for the user) when a direction has
// no values or the angles miss a facade's normal.
std::string ContamProfiles(const WindSweep& sweep, const Job& job, const std::string& jobStem);

}  // namespace ventora
