#pragma once
// The benchmark's job: an office block among city buildings with a 20 x 20
// mesh on each of the four walls and the roof (2,000 elements, none on the
// floor), every element inside its facade and the job within all limits.
// The scattered variant places every element of a facade at a height of its
// own, so no height factor is shared between elements.

#include "core/job.h"

namespace ventora::bench {

inline void FillMesh(Job& job, int iface, int columns, int rows) {
  const FacadeExtents ext = FacadeExtent(job, iface);
  int n = 0;
  for (int row = 1; row <= rows; ++row) {
    for (int column = 1; column <= columns; ++column) {
      ++n;
      job.ElmX[iface][n] =
          (static_cast<float>(column) - 0.5f) * ext.L / static_cast<float>(columns);
      job.ElmZ[iface][n] = (static_cast<float>(row) - 0.5f) * ext.H / static_cast<float>(rows);
    }
  }
  job.ElmCount[iface] = static_cast<std::int16_t>(n);
}

// Element n of `count` at its own height (n - 0.5) / count of the facade,
// its columns cycling along the facade.
inline void FillScattered(Job& job, int iface, int columns, int count) {
  const FacadeExtents ext = FacadeExtent(job, iface);
  for (int n = 1; n <= count; ++n) {
    const int column = (n * 7) % columns;
    job.ElmX[iface][n] = (static_cast<float>(column) + 0.5f) * ext.L / static_cast<float>(columns);
    job.ElmZ[iface][n] = (static_cast<float>(n) - 0.5f) * ext.H / static_cast<float>(count);
  }
  job.ElmCount[iface] = static_cast<std::int16_t>(count);
}

inline Job MakeBenchJob() {
  Job job;
  job.AzB = 20;
  job.AnWind = 225;
  job.PAD = 30;
  job.SbH = 20;
  job.Bdz = 30;
  job.BdX = 40;
  job.BdY = 20;
  job.VeEXP = 0.33f;
  for (int iface = 1; iface <= 5; ++iface)
    FillMesh(job, iface, 20, 20);
  return job;
}

inline Job MakeScatteredBenchJob() {
  Job job = MakeBenchJob();
  for (int iface = 1; iface <= 5; ++iface)
    FillScattered(job, iface, 20, 400);
  return job;
}

}  // namespace ventora::bench
