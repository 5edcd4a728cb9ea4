#pragma once
// One EnergyPlus fragment for the sweeps of one or several jobs: EnergyPlus
// takes exactly one wind pressure coefficient array per model, which every
// values object names, so the fragment holds one array (and at most one
// table direction variable) and every job's elements after it.

#include <string>
#include <vector>

#include "core/job.h"
#include "output/sweep/energyplus_export.h"
#include "output/sweep/export_job_summary.h"
#include "output/sweep/wind_sweep.h"

namespace ventora {

struct JobSweep {
  const WindSweep& sweep;
  const Job& job;
  std::string stem;  // the job file's name without folder and ".in"
};

// Throws std::invalid_argument (with a message for the user) when a sweep
// does not suit EnergyPlus, when the jobs were swept at different
// directions, or when two jobs give the same object names.
std::string EnergyPlusFragment(const std::vector<JobSweep>& jobs, const ExportInfo& info,
                               const EnergyPlusSettings& settings);

// Names two jobs whose site wind profiles differ (one model has one), or
// gives an empty text.
std::string EnergyPlusProfileClash(const std::vector<JobSweep>& jobs, const ExportInfo& info);

// Names the two jobs whose element names would clash in one model (EnergyPlus
// compares names without case), or gives an empty text.
std::string IdfNameClash(const std::vector<std::string>& stems);

}  // namespace ventora
