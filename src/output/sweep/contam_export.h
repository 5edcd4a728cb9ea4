#pragma once
// A sweep as CONTAM wind pressure profiles in project text form: a count
// line, then per element "number npts type name", a description line and
// npts lines "angle Cp" with the angle measured from the facade's normal,
// 0 to 360 (360 repeats 0), and the closing -999 line. CONTAM's reader
// keeps at most 16 points a profile, so the step is at least 24 degrees.

#include <cstddef>
#include <string>
#include <vector>

#include "core/job.h"
#include "output/sweep/export_job_summary.h"
#include "output/sweep/wind_sweep.h"

namespace ventora {

// Profile type written for every element: 1, linear between the points.
inline constexpr int kContamLinearProfile = 1;
inline constexpr std::size_t kContamMaxPoints = 16;  // the 360 line included
inline constexpr int kContamSmallestStep = 24;
inline constexpr int kContamDefaultStep = 30;
// CONTAM keeps names in 16-character fields, the terminator included.
inline constexpr std::size_t kContamNameLength = 15;

// Whole-degree steps that divide 360 and give at most 16 points.
bool ContamStepAccepted(int step);

// The job's part of its profile names: its name (blanks and marks made
// '_') cut so that the job's longest element name fits in 15 characters;
// `longestLabel` is the length of the longest "F<facade>_E<number>" of the
// job.
std::string ContamJobPart(const std::string& jobStem, std::size_t longestLabel);

// "<job>_F1_E1": the job's part, then the element's label (ElementLabel).
std::string ContamProfileName(const std::string& jobStem, const std::string& label,
                              std::size_t longestLabel);

struct ContamJob {
  std::string stem;  // the job file's name without folder and ".in"
  Job job;
};

// Names the first two jobs whose profiles would have the same names (their
// cut names equal, compared without case, and a facade with elements in
// both), or gives an empty text: written by one command, they are meant for
// one project, which takes each name once.
std::string ContamNameClash(const std::vector<ContamJob>& jobs);

struct ContamSettings {
  int step = kContamDefaultStep;
  int firstNumber = 1;  // the first profile's number, for appending to a project
};

// `sweep` comes from ProfileSweepJob(job) over ProfileDirections(step);
// `job` is the user's job, described in the comment header. Throws
// std::invalid_argument (with a message for the user) when a direction has
// no values.
std::string ContamProfiles(const WindSweep& sweep, const Job& job, const std::string& jobStem,
                           const ExportInfo& info, const ContamSettings& settings);

// The warning about Cp beyond -1..1, or empty.
std::string ContamCpWarning(const WindSweep& sweep);

}  // namespace ventora
