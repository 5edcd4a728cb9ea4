#pragma once
// A sweep as a table for spreadsheets and scripts: one row per element
// (facade, element number, X, Z (wall) / Y (roof), X/L, Z/H, the azimuth
// its Cp are measured from) and one Cp column per wind direction; a
// direction whose run stopped leaves its cells empty.

#include <string>
#include <vector>

#include "core/job.h"
#include "engine/run_calculation.h"
#include "output/sweep/element_spread.h"
#include "output/sweep/wind_sweep.h"

namespace ventora {

// Comma-separated, point decimals, a header row, CR LF line ends. `job`
// gives the walls' azimuths. With `spread` (one per direction of the sweep),
// "Cp low wind from D deg" and "Cp high wind from D deg" columns follow the
// Cp columns and the status names the widest wide spread.
std::string SweepCsv(const WindSweep& sweep, const Job& job,
                     const std::vector<DirectionSpread>* spread = nullptr);

// The header row's names: the position columns, then "Cp wind from D deg"
// per direction (and with `spread` the low and high columns). The Python
// module names its table's columns so too.
std::vector<std::string> SweepCsvColumns(const std::vector<float>& directions, bool spread = false);

// A plain run's element lines with the report's columns, the facade's
// azimuth and angle to the wind, and the Cp headed by the wind direction;
// with `spread` (one per element line), "Cp low" and "Cp high" after it.
std::string RunCsv(const RunResult& result, const Job& job,
                   const std::vector<ElementSpread>* spread = nullptr);

}  // namespace ventora
