#pragma once
// A sweep as EnergyPlus airflow network objects: the one wind pressure
// coefficient array of the model (the directions, named after the step only,
// so that every job swept at that step shares it) and, per element, the
// values the external nodes name. EnergyPlus bounds every
// WindPressureCoefficientValues curve to -1..1, so an element with a Cp
// beyond that (or every element, on request) is written instead as a
// Table:Lookup over the directions 0..360, whose output limits keep its
// values. The directions are absolute, as AnWind: the nodes take the
// "Absolute" wind angle type.

#include <cstddef>
#include <string>

#include "core/job.h"
#include "output/sweep/export_job_summary.h"
#include "output/sweep/wind_sweep.h"

namespace ventora {

inline constexpr std::size_t kEnergyPlusMaxDirections = 36;

struct EnergyPlusSettings {
  bool allTables = false;  // every element as a Table:Lookup, not only those beyond -1..1
  bool strict = false;     // refuse (std::invalid_argument) a sweep with an implausible Cp
  // The model's EnergyPlus version ("9.1") when it has no Table:Lookup,
  // which came with 9.2: every element is then a values object; empty when
  // the version has tables or is not known (a fragment).
  std::string versionWithoutTables = {};
};

// The first version of EnergyPlus with Table:Lookup (major + minor / 100).
inline constexpr double kTableLookupVersion = 9.02;

// `jobStem` is the job file's name without folder and ".in"; it prefixes
// every element's name. Throws std::invalid_argument (with a message for the
// user) for fewer than 2 or more than 36 directions, or when a direction has
// no values.
std::string EnergyPlusIdf(const WindSweep& sweep, const Job& job, const std::string& jobStem,
                          const ExportInfo& info, const EnergyPlusSettings& settings = {});

// The object name prefix made of a job's name: IDF field separators,
// comment marks and blanks become '_', and it is kept short.
std::string IdfNamePrefix(const std::string& jobStem);

// "office_F2_E3": prefix, facade and the element's number on it.
std::string IdfElementName(const std::string& prefix, int iface, int number);

// "Ventora_Directions_10deg": the array's name, from the sweep's step.
std::string EnergyPlusArrayName(const WindSweep& sweep);

// Throws std::invalid_argument unless EnergyPlus can take the sweep.
void CheckEnergyPlusSweep(const WindSweep& sweep);

// Whether element e is written as a Table:Lookup.
bool EnergyPlusTableForm(const WindSweep& sweep, std::size_t e, const EnergyPlusSettings& settings);

// The objects: the array; the table's independent variable and its list
// (once per model, only when an element takes the table form); one
// element's values or table.
void AppendDirectionArray(std::string& out, const WindSweep& sweep);
void AppendTableDirections(std::string& out, const WindSweep& sweep);
void AppendElement(std::string& out, const WindSweep& sweep, const Job& job, std::size_t e,
                   const std::string& prefix, const EnergyPlusSettings& settings);

// The site profile EnergyPlus must compute the nodes' wind with for the
// values to hold: the Site:HeightVariation (or Building Terrain) to set.
std::string EnergyPlusSiteLine(const Job& job, const ExportInfo& info);

// The warning about Cp beyond -1..1 saying which form was used, or empty.
std::string EnergyPlusCpWarning(const WindSweep& sweep, const EnergyPlusSettings& settings);

}  // namespace ventora
