#pragma once
// A job every input of which lies inside the model's confidence ranges, yet
// whose windward FAR and SAR curves give facade 4 a Cp near -9.4 with the
// wind head on (240 degrees): one element there.

#include "core/job.h"
#include "job_builders.h"

namespace ventora::testing {

inline Job TroubledJob() {
  Job job;
  job.AzB = 241.19f;
  job.AnWind = 240;
  job.PAD = 22.19f;
  job.SbH = 13.24f;
  job.Bdz = 36.90f;
  job.BdX = 59.56f;
  job.BdY = 66.49f;
  job.VeEXP = 0.198f;
  job.Islope = 2;
  job.Phi = 0.47f;
  AddElement(job, 4, 34.07f, 18.82f);
  return job;
}

}  // namespace ventora::testing
