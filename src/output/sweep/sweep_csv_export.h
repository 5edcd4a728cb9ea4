#pragma once
// A sweep as a table for spreadsheets and scripts: one row per element
// (facade, element number, X, Z (wall) / Y (roof), X/L, Z/H, the azimuth
// its Cp are measured from) and one Cp column per wind direction; a
// direction whose run stopped leaves its cells empty.

#include <string>
#include <vector>

#include "core/job.h"
#include "engine/run_calculation.h"
#include "output/sweep/wind_sweep.h"

namespace ventora {

// Comma-separated, point decimals, a header row, CR LF line ends. `job`
// gives the walls' azimuths.
std::string SweepCsv(const WindSweep& sweep, const Job& job);

// The header row's names: the position columns, then "Cp wind from D deg"
// per direction. The Python module names its table's columns so too.
std::vector<std::string> SweepCsvColumns(const std::vector<float>& directions);

// A plain run's element lines with the report's columns, the facade's
// azimuth and angle to the wind, and the Cp headed by the wind direction.
std::string RunCsv(const RunResult& result, const Job& job);

}  // namespace ventora
