#pragma once
// How far an export's directions miss the model between them: a consumer
// (EnergyPlus, CONTAM, Modelica, a script reading the CSV) interpolates
// linearly between the exported directions; the model has its own value at
// every degree. Pure numbers over sweeps; no run.

#include <cstddef>
#include <limits>
#include <vector>

#include "output/sweep/wind_sweep.h"

namespace ventora {

struct InterpolationMiss {
  float largest = 0;        // |model - interpolation|, the largest found
  std::size_t element = 0;  // index into the sweep's elements
  float direction = 0;      // the swept direction where it is found
};

// `fine` sweeps the job at every whole degree in [0, 360) and at every
// direction of `exported`. Element e's exported directions are those of
// `exported` that lie a whole number of `step`s from `offsets[e]` (its
// facade's azimuth for the profile formats, 0 for the others). A direction
// whose run stopped counts nowhere. With `enough`, stops at the first miss
// above it: whether a step will do is known then.
InterpolationMiss LargestInterpolationMiss(const WindSweep& fine,
                                           const std::vector<float>& exported, double step,
                                           const std::vector<float>& offsets,
                                           float enough = std::numeric_limits<float>::infinity());

// The sweep of `fine`'s directions that are among `directions`, in the
// order of `directions`; throws std::invalid_argument when `fine` lacks one.
WindSweep SweepAt(const WindSweep& fine, const std::vector<float>& directions);

}  // namespace ventora
