#pragma once
// A sweep as a table for spreadsheets and scripts: one row per element
// (facade, element number, X, Z or Y, X/L, Z/H) and one Cp column per wind
// direction; a direction whose run stopped leaves its cells empty.

#include <string>

#include "engine/run_calculation.h"
#include "output/sweep/wind_sweep.h"

namespace ventora {

// Comma-separated, point decimals, a header row, CR LF line ends.
std::string SweepCsv(const WindSweep& sweep);

// A plain run's element lines with the report's columns (Facade, Element,
// X, Z or Y, X/L, Z/H, Cp).
std::string RunCsv(const RunResult& result);

}  // namespace ventora
