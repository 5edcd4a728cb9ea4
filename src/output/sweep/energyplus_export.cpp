#include "output/sweep/energyplus_export.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "output/sweep/cp_beyond_one.h"
#include "output/sweep/cp_status.h"
#include "output/sweep/energyplus_fragment.h"
#include "output/sweep/export_text.h"
#include "output/sweep/reference_wind.h"
#include "output/sweep/sweep_failures.h"

namespace ventora {
namespace {

constexpr std::size_t kFieldWidth = 28;  // comments line up after the values

void Field(std::string& out, const std::string& value, bool last, const std::string& comment) {
  std::string field = "  " + value + (last ? ";" : ",");
  if (field.size() < kFieldWidth) field.resize(kFieldWidth, ' ');
  out += field + "  !- " + comment + "\r\n";
}

std::string StepText(const WindSweep& sweep) {
  return NumberString(sweep.directions[1].AnWind - sweep.directions[0].AnWind) + "deg";
}

std::string VariableName(const WindSweep& sweep) {
  return "Ventora_WindFrom_" + StepText(sweep);
}

std::string VariableListName(const WindSweep& sweep) {
  return VariableName(sweep) + "_List";
}

void Values(std::string& out, const WindSweep& sweep, std::size_t e, const std::string& name) {
  out += "AirflowNetwork:MultiZone:WindPressureCoefficientValues,\r\n";
  Field(out, name, false, "Name");
  Field(out, EnergyPlusArrayName(sweep), false,
        "AirflowNetwork:MultiZone:WindPressureCoefficientArray Name");
  const std::size_t count = sweep.directions.size();
  for (std::size_t j = 0; j < count; ++j) {
    Field(out, NumberString(sweep.directions[j].Cp[e]), j + 1 == count,
          "Wind Pressure Coefficient Value " + std::to_string(j + 1) + " {dimensionless}");
  }
}

// The element's Cp over the directions, closed at 360 by the value at 0 as
// EnergyPlus closes its coefficient arrays; the output limits are the
// table's own extremes, so nothing is cut.
void Table(std::string& out, const WindSweep& sweep, std::size_t e, const std::string& name) {
  std::vector<float> values;
  for (const SweepDirection& d : sweep.directions)
    values.push_back(d.Cp[e]);
  values.push_back(values.front());
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  out += "Table:Lookup,\r\n";
  Field(out, name, false, "Name");
  Field(out, VariableListName(sweep), false, "Independent Variable List Name");
  Field(out, "None", false, "Normalization Method");
  Field(out, "", false, "Normalization Divisor");
  Field(out, NumberString(*low), false, "Minimum Output");
  Field(out, NumberString(*high), false, "Maximum Output");
  Field(out, "Dimensionless", false, "Output Unit Type");
  Field(out, "", false, "External File Name");
  Field(out, "", false, "External File Column Number");
  Field(out, "", false, "External File Starting Row Number");
  for (std::size_t j = 0; j < values.size(); ++j)
    Field(out, NumberString(values[j]), j + 1 == values.size(),
          "Output Value " + std::to_string(j + 1));
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

std::string IdfElementName(const std::string& prefix, int iface, int number) {
  return prefix + "_" + ElementLabel(iface, number);
}

std::string EnergyPlusArrayName(const WindSweep& sweep) {
  return "Ventora_Directions_" + StepText(sweep);
}

void CheckEnergyPlusSweep(const WindSweep& sweep) {
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

bool EnergyPlusTableForm(const WindSweep& sweep, std::size_t e,
                         const EnergyPlusSettings& settings) {
  // An implausible value is never handed over as real: the values form
  // lets EnergyPlus bound it to -1..1.
  return (settings.allTables || ElementCpBeyondOne(sweep, e)) && !ElementImplausible(sweep, e) &&
         settings.versionWithoutTables.empty();
}

void AppendDirectionArray(std::string& out, const WindSweep& sweep) {
  out += "AirflowNetwork:MultiZone:WindPressureCoefficientArray,\r\n";
  Field(out, EnergyPlusArrayName(sweep), false, "Name");
  const std::size_t count = sweep.directions.size();
  for (std::size_t j = 0; j < count; ++j) {
    Field(out, NumberString(sweep.directions[j].AnWind), j + 1 == count,
          "Wind Direction " + std::to_string(j + 1) + " {deg}");
  }
  out += "\r\n";
}

void AppendTableDirections(std::string& out, const WindSweep& sweep) {
  out += "Table:IndependentVariable,\r\n";
  Field(out, VariableName(sweep), false, "Name");
  Field(out, "Linear", false, "Interpolation Method");
  Field(out, "Constant", false, "Extrapolation Method");
  Field(out, "0", false, "Minimum Value");
  Field(out, "360", false, "Maximum Value");
  Field(out, "", false, "Normalization Reference Value");
  Field(out, "Dimensionless", false, "Unit Type");
  Field(out, "", false, "External File Name");
  Field(out, "", false, "External File Column Number");
  Field(out, "", false, "External File Starting Row Number");
  for (std::size_t j = 0; j < sweep.directions.size(); ++j)
    Field(out, NumberString(sweep.directions[j].AnWind), false,
          "Value " + std::to_string(j + 1) + " {deg}");
  Field(out, "360", true, "Value " + std::to_string(sweep.directions.size() + 1) + " {deg}");
  out += "\r\nTable:IndependentVariableList,\r\n";
  Field(out, VariableListName(sweep), false, "Name");
  Field(out, VariableName(sweep), true, "Independent Variable 1 Name");
  out += "\r\n";
}

void AppendElement(std::string& out, const WindSweep& sweep, const Job& job, std::size_t e,
                   const std::string& prefix, const EnergyPlusSettings& settings) {
  const ElementResult& element = sweep.elements[e];
  const int number = NumberOnFacade(sweep, e);
  out += "! Facade " + std::to_string(element.iface) + ", element " + std::to_string(number) +
         ": X " + NumberString(element.X) + " m, Z (wall) / Y (roof) " + NumberString(element.Z) +
         " m, facade azimuth " + NumberString(FacadeAzimuth(job, element.iface)) + " deg\r\n";
  out += CommentLines("Cp status: " + SweptStatusText(sweep, e), "! ");
  const std::string name = IdfElementName(prefix, element.iface, number);
  if (EnergyPlusTableForm(sweep, e, settings)) {
    Table(out, sweep, e, name);
  } else {
    Values(out, sweep, e, name);
  }
  out += "\r\n";
}

std::string EnergyPlusSiteLine(const Job& job, const ExportInfo& info) {
  const WindProfile site = SiteProfile(job, info.boundaryLayer);
  const auto n = [](double v) { return NumberString(static_cast<float>(v)); };
  std::string terrain;
  for (const Terrain& t : kTerrains) {
    if (terrain.empty() && static_cast<float>(t.profile.exponent) == job.VeEXP &&
        t.profile.boundaryLayer == site.boundaryLayer)
      terrain = std::string(" (without it, Building Terrain ") + t.name + " gives the same)";
  }
  return "The values assume EnergyPlus computes the wind at each external node with the site's "
         "profile: Site:HeightVariation with Wind Speed Profile Exponent " +
         n(site.exponent) + " and Wind Speed Profile Boundary Layer Thickness " +
         n(site.boundaryLayer) + " m" + terrain +
         ", and Site:WeatherStation as its defaults (height " + n(kStationHeight) +
         " m, exponent " + n(kStationProfile.exponent) + ", boundary layer " +
         n(kStationProfile.boundaryLayer) + " m).";
}

std::string EnergyPlusCpWarning(const WindSweep& sweep, const EnergyPlusSettings& settings) {
  const char* const implausible =
      "They are written as WindPressureCoefficientValues objects, which EnergyPlus bounds to "
      "-1..1: take them as placeholders, not as results.";
  if (!settings.versionWithoutTables.empty()) {
    return ExportCpWarning(
        sweep, implausible,
        "The model is written for EnergyPlus " + settings.versionWithoutTables +
            ", which has no Table:Lookup (it came with 9.2), so they are written as "
            "WindPressureCoefficientValues objects, which EnergyPlus bounds to -1..1 without a "
            "warning: update the model to 9.2 or later (EnergyPlus's IDFVersionUpdater) and run "
            "again to keep their values.");
  }
  return ExportCpWarning(
      sweep, implausible,
      std::string("EnergyPlus bounds every WindPressureCoefficientValues object to -1..1 "
                  "without a warning, so ") +
          (settings.allTables
               ? (AnyImplausible(sweep) ? "every element but those above is" : "every element is")
               : "these elements are") +
          " written as Table:Lookup objects whose output limits are their own "
          "extremes: EnergyPlus uses the values as computed.");
}

std::string EnergyPlusIdf(const WindSweep& sweep, const Job& job, const std::string& jobStem,
                          const ExportInfo& info, const EnergyPlusSettings& settings) {
  return EnergyPlusFragment({JobSweep{sweep, job, jobStem}}, info, settings);
}

}  // namespace ventora
