#pragma once
// A sweep as an EnergyPlus IDF fragment: one wind pressure coefficient
// array (the directions) and one set of values per element, ready to be
// named by the external nodes of an airflow network. The directions are
// absolute, as AnWind: the nodes take the "Absolute" wind angle type.

#include <cstddef>
#include <string>

#include "core/job.h"
#include "output/sweep/wind_sweep.h"

namespace ventora {

inline constexpr std::size_t kEnergyPlusMaxDirections = 36;

// `jobStem` is the job file's name without folder and ".in"; it prefixes
// every object name, so fragments of several jobs can share a model.
// Throws std::invalid_argument (with a message for the user) for fewer than
// 2 or more than 36 directions, or when a direction has no values.
std::string EnergyPlusIdf(const WindSweep& sweep, const Job& job, const std::string& jobStem);

// The object name prefix made of a job's name: IDF field separators,
// comment marks and blanks become '_', and it is kept short.
std::string IdfNamePrefix(const std::string& jobStem);

// "F2_E21": facade and element number as the report numbers them.
std::string IdfElementName(const std::string& prefix, const ElementResult& element);

}  // namespace ventora
