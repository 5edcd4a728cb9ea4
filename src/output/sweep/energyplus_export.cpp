#include "output/sweep/energyplus_export.h"

#include <stdexcept>

#include "output/sweep/export_job_summary.h"
#include "output/sweep/export_text.h"
#include "output/sweep/sweep_failures.h"

namespace ventora {
namespace {

constexpr std::size_t kFieldWidth = 28;  // comments line up after the values

void Field(std::string& out, const std::string& value, bool last, const std::string& comment) {
  std::string field = "  " + value + (last ? ";" : ",");
  if (field.size() < kFieldWidth) field.resize(kFieldWidth, ' ');
  out += field + "  !- " + comment + "\r\n";
}

void CheckDirections(const WindSweep& sweep) {
  const std::size_t count = sweep.directions.size();
  if (count < 2 || count > kEnergyPlusMaxDirections) {
    throw std::invalid_argument("EnergyPlus takes 2 to 36 wind directions; this sweep has " +
                                std::to_string(count) + ". Choose a step from 10 to 180 degrees.");
  }
  const std::string missing = StoppedDirectionList(sweep);
  if (!missing.empty()) {
    throw std::invalid_argument(
        "EnergyPlus needs a Cp at every wind direction; the run stopped at " + missing +
        " degrees. Nothing was written.");
  }
}

void Header(std::string& out, const Job& job, const std::string& jobStem) {
  out += "! Wind pressure coefficients computed by Ventora.\r\n";
  for (const std::string& line : JobSummaryLines(job, jobStem))
    out += "! " + line + "\r\n";
  out += "! Directions are absolute (the wind's compass direction, as AnWind): set the\r\n";
  out += "! Wind Angle Type of the external nodes that use these values to Absolute\r\n";
  out += "! (and the Wind Pressure Coefficient Type of the simulation control to Input).\r\n";
  out += "! Element names: F<facade>_E<element number>, numbered as in the job's report.\r\n\r\n";
}

void DirectionArray(std::string& out, const WindSweep& sweep, const std::string& arrayName) {
  out += "AirflowNetwork:MultiZone:WindPressureCoefficientArray,\r\n";
  Field(out, arrayName, false, "Name");
  const std::size_t count = sweep.directions.size();
  for (std::size_t j = 0; j < count; ++j) {
    Field(out, NumberString(sweep.directions[j].AnWind), j + 1 == count,
          "Wind Direction " + std::to_string(j + 1) + " {deg}");
  }
  out += "\r\n";
}

void ElementValues(std::string& out, const WindSweep& sweep, std::size_t e,
                   const std::string& prefix, const std::string& arrayName) {
  const ElementResult& element = sweep.elements[e];
  out += "! Facade " + std::to_string(element.iface) + ", element " + std::to_string(element.k) +
         ": X " + NumberString(element.X) + " m, Z or Y " + NumberString(element.Z) + " m\r\n";
  out += "AirflowNetwork:MultiZone:WindPressureCoefficientValues,\r\n";
  Field(out, IdfElementName(prefix, element), false, "Name");
  Field(out, arrayName, false, "AirflowNetwork:MultiZone:WindPressureCoefficientArray Name");
  const std::size_t count = sweep.directions.size();
  for (std::size_t j = 0; j < count; ++j) {
    Field(out, NumberString(sweep.directions[j].Cp[e]), j + 1 == count,
          "Wind Pressure Coefficient Value " + std::to_string(j + 1) + " {dimensionless}");
  }
  out += "\r\n";
}

}  // namespace

std::string IdfNamePrefix(const std::string& jobStem) {
  std::string prefix = jobStem.substr(0, 60);
  for (char& c : prefix) {
    const auto u = static_cast<unsigned char>(c);
    if (u <= ' ' || c == ',' || c == ';' || c == '!' || u >= 0x7f) c = '_';
  }
  return prefix.empty() ? "Ventora" : prefix;
}

std::string IdfElementName(const std::string& prefix, const ElementResult& element) {
  return prefix + "_" + ElementLabel(element.iface, element.k);
}

std::string EnergyPlusIdf(const WindSweep& sweep, const Job& job, const std::string& jobStem) {
  CheckDirections(sweep);
  const std::string prefix = IdfNamePrefix(jobStem);
  const std::string arrayName = prefix + "_Directions";
  std::string out;
  Header(out, job, jobStem);
  DirectionArray(out, sweep, arrayName);
  for (std::size_t e = 0; e < sweep.elements.size(); ++e)
    ElementValues(out, sweep, e, prefix, arrayName);
  return out;
}

}  // namespace ventora
