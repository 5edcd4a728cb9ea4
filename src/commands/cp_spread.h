#pragma once
// The model's own spread of each element's Cp: the job run at every whole
// degree within kSpreadHalfWindow of each wind direction and, for a flat
// roof, its relabelled twin (the same building entered from its next wall)
// run at the direction itself. The same for ventora-run --spread, Python's
// spread=True, the desktop's Cp map and the web page. No Cp is changed:
// every number is a run's.

#include <string>
#include <vector>

#include "core/job.h"
#include "output/sweep/element_spread.h"
#include "output/sweep/wind_sweep.h"

namespace ventora {

struct CpSpread {
  std::vector<DirectionSpread> directions;  // as asked, each element in the run's order
  std::vector<std::string> notes;           // what could not be counted, and why
};

// The same building entered from its next wall: AzB + 90 (less 360 above
// 360), BdX and BdY swapped, each roof element at the same physical point
// (X' = BdY - Y, Y' = X) in the same order; no wall elements.
Job RelabelledTwin(const Job& job);

// The spread of every element of `job` (checked: the caller ran the
// pre-run checks) at each of `directions`. `setup` gives the sweeps'
// progress and cancellation; its messages are not used (the job's were
// shown by its own run). Throws as RunWindSweep does.
CpSpread SpreadAround(const Job& job, const std::vector<float>& directions,
                      const SweepSetup& setup = {});

}  // namespace ventora
